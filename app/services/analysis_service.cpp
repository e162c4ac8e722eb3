#include "app/services/analysis_service.h"

#include "app/services/attribute_selectors.h"
#include "application/group_codes.h"

namespace vesk::app {

AnalysisService::AnalysisService(std::optional<DrawHistory> history) : m_history(std::move(history)) {}

SlotInt AnalysisService::Answer(std::optional<Attribute> attribute) const
{
    return attribute ? AttributeValue(*attribute, m_current, m_history ? &*m_history : nullptr) : 0;
}

SlotInt AnalysisService::GetAttribute(SlotInt selector)
{
    return Answer(AttributeOfCall(AttributeCall::AnalysisSelector, selector));
}

SlotInt AnalysisService::SetCurrentNumber(const std::uint8_t* digits)
{
    if (!digits || digits[0] > 9 || digits[1] > 9 || digits[2] > 9)
        return 0;
    m_current = {digits[0], digits[1], digits[2]};
    return 1;
}

SlotInt AnalysisService::GetCurrentNumber(std::uint8_t* digits)
{
    if (!digits)
        return 0;
    digits[0] = m_current[0];
    digits[1] = m_current[1];
    digits[2] = m_current[2];
    return 3;
}

SlotInt AnalysisService::GetAttribute17(SlotInt flag) { return Answer(AttributeOfCall(AttributeCall::Analysis17, flag)); }
SlotInt AnalysisService::GetAttribute18(SlotInt flag) { return Answer(AttributeOfCall(AttributeCall::Analysis18, flag)); }
SlotInt AnalysisService::GetAttribute28(SlotInt flag) { return Answer(AttributeOfCall(AttributeCall::Analysis28, flag)); }

SlotInt AnalysisService::ToGroupCodes(const std::uint32_t* codes, SlotInt count, std::uint32_t* out)
{
    if (!codes || !out || count <= 0)
        return 0;
    return static_cast<SlotInt>(
        vesk::ToGroupCodes({codes, static_cast<std::size_t>(count)}, {out, kGroupCount}));
}

} // namespace vesk::app
