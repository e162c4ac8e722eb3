#include "components/filter/engine/run_tally.h"

namespace vesk::filter {

RunTally::RunTally(const CompiledSet& compiled) : m_compiled(&compiled)
{
    m_counts.conditionFailures.assign(compiled.ConditionCount(), 0);
    m_counts.groupFailures.assign(compiled.Groups().size(), 0);
}

bool RunTally::Add(std::uint32_t code, std::uint64_t times)
{
    // The pass table is the verdict; Explain only says why.
    m_compiled->Explain(code, m_fails, m_groupFails);
    const bool passes = m_compiled->Passes(code);
    m_counts.in += times;
    m_counts.kept += passes ? times : 0;
    for (std::size_t i = 0; i < m_fails.size(); ++i)
        m_counts.conditionFailures[i] += m_fails[i] ? times : 0;
    for (std::size_t g = 0; g < m_groupFails.size(); ++g)
        m_counts.groupFailures[g] += m_groupFails[g] ? times : 0;
    return passes;
}

} // namespace vesk::filter
