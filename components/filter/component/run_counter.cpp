#include "components/filter/component/run_counter.h"

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
    report.conditionFailures.assign(conditions, 0);
    report.groupFailures.assign(report.groups.size(), 0);

    std::vector<std::uint8_t> fails;
    std::vector<std::uint8_t> groupFails;
    const auto tally = [&](std::uint32_t code, std::uint64_t times) {
        if (times == 0)
            return;
        report.in += times;
        // The pass table is the verdict; Explain only says why.
        m_compiled->Explain(code, fails, groupFails);
        report.kept += m_compiled->Passes(code) ? times : 0;
        for (std::size_t i = 0; i < fails.size(); ++i)
            report.conditionFailures[i] += fails[i] ? times : 0;
        for (std::size_t g = 0; g < groupFails.size(); ++g)
            report.groupFailures[g] += groupFails[g] ? times : 0;
    };
    for (std::size_t code = 0; code < m_dense.size(); ++code)
        tally(static_cast<std::uint32_t>(code), m_dense[code]);
    for (const auto& [code, times] : m_sparse)
        tally(code, times);
    return report;
}

} // namespace vesk::filter
