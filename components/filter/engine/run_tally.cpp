#include "components/filter/engine/run_tally.h"

namespace vesk::filter {

RunTally::RunTally(const CompiledSet& compiled)
    : m_compiled(&compiled)
    , m_conditionFailures(compiled.ConditionCount(), 0)
    , m_groupFailures(compiled.Groups().size(), 0)
{
}

bool RunTally::Add(std::uint32_t code)
{
    const bool passes = m_compiled->Explain(code, m_fails, m_groupFails);
    ++m_in;
    m_kept += passes ? 1 : 0;
    for (std::size_t i = 0; i < m_fails.size(); ++i)
        m_conditionFailures[i] += m_fails[i];
    for (std::size_t g = 0; g < m_groupFails.size(); ++g)
        m_groupFailures[g] += m_groupFails[g];
    return passes;
}

} // namespace vesk::filter
