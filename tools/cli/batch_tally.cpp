#include "tools/cli/batch_tally.h"

#include <algorithm>

namespace vesk::cli {

BatchTally::BatchTally(const filter::CompiledSet& compiled)
    : m_compiled(&compiled), m_high(kMaxBatch), m_low(kMaxBatch), m_multiset(kMaxBatch), m_errors(kMaxBatch),
      m_fails(kMaxBatch), m_passes(kMaxBatch)
{
    m_counts.conditionFailures.assign(compiled.ConditionCount(), 0);
    m_counts.groupFailures.assign(compiled.Groups().size(), 0);
}

void BatchTally::Add(const std::uint32_t* codes, std::size_t count)
{
    const filter::NumberSpace& space = m_compiled->Space();
    const std::uint32_t lowCount = space.LowCount();
    for (std::size_t i = 0; i < count; ++i) {
        m_high[i] = codes[i] / lowCount;
        m_low[i] = codes[i] % lowCount;
        m_multiset[i] = space.MultisetOf(codes[i]);
        m_passes[i] = 1;
    }
    const auto& groups = m_compiled->Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const filter::CompiledGroup& group = groups[g];
        std::fill_n(m_errors.begin(), count, 0);
        for (std::size_t c = group.first; c < group.first + group.count; ++c) {
            const filter::CompiledCondition& condition = m_compiled->ConditionAt(c);
            // The same answers as CompiledCondition::Fails, the basis chosen
            // once per batch instead of once per number.
            switch (condition.Basis()) {
            case filter::ValueBasis::Multiset: {
                const std::uint8_t* table = condition.FailsByMultiset().data();
                for (std::size_t i = 0; i < count; ++i)
                    m_fails[i] = table[m_multiset[i]] != 0 ? 1 : 0;
                break;
            }
            case filter::ValueBasis::Ordered:
                for (std::size_t i = 0; i < count; ++i)
                    m_fails[i] = condition.FailRow(condition.HighClass(m_high[i]))[m_low[i]] != 0 ? 1 : 0;
                break;
            case filter::ValueBasis::Listed:
                for (std::size_t i = 0; i < count; ++i)
                    m_fails[i] = condition.Fails(m_high[i], m_low[i], m_multiset[i]) ? 1 : 0;
                break;
            }
            std::uint64_t failed = 0;
            for (std::size_t i = 0; i < count; ++i) {
                m_errors[i] = static_cast<std::uint16_t>(m_errors[i] + m_fails[i]);
                failed += m_fails[i];
            }
            m_counts.conditionFailures[c] += failed;
        }
        std::uint64_t groupFailed = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const bool fails = m_errors[i] < group.minErrors || m_errors[i] > group.maxErrors;
            groupFailed += fails ? 1 : 0;
            m_passes[i] = static_cast<std::uint8_t>(m_passes[i] & (fails ? 0 : 1));
        }
        m_counts.groupFailures[g] += groupFailed;
    }
    std::uint64_t kept = 0;
    for (std::size_t i = 0; i < count; ++i)
        kept += m_passes[i];
    m_counts.in += count;
    m_counts.kept += kept;
}

} // namespace vesk::cli
