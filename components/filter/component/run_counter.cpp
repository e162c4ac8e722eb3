#include "components/filter/component/run_counter.h"

#include "components/filter/engine/run_tally.h"

namespace vesk::filter {
namespace {

// Up to 10^6 codes: a dense table of 4 MB at most.
constexpr std::uint64_t kDenseLimit = 1'000'000;

} // namespace

RunCounter::RunCounter(const CompiledSet& compiled) : m_compiled(&compiled)
{
    if (compiled.Space().Size() <= kDenseLimit)
        m_dense.assign(compiled.Space().Size(), 0);
}

RunReport RunCounter::Finish() const
{
    RunReport report;
    const std::size_t conditions = m_compiled->ConditionCount();
    for (std::size_t i = 0; i < conditions; ++i)
        report.conditions.push_back(m_compiled->RefAt(i));
    for (const CompiledGroup& group : m_compiled->Groups())
        report.groups.push_back(group.group);
    if (!m_dense.empty()) {
        static_cast<RunCounts&>(report) = m_compiled->TallyWeighted(m_dense);
        return report;
    }
    RunTally tally(*m_compiled);
    for (const auto& [code, times] : m_sparse)
        tally.Add(code, times);
    static_cast<RunCounts&>(report) = tally.Counts();
    return report;
}

} // namespace vesk::filter
