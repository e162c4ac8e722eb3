#include "app/services/game_service.h"

#include "app/services/attribute_selectors.h"

namespace vesk::app {

SlotInt GameService::GetAttributeContext(SlotInt) { return kDigits; }

SlotInt GameService::GetAttribute(SlotInt attribute, SlotInt, SlotInt context, const std::uint8_t* digits)
{
    const std::optional<Attribute> which = AttributeOfCall(AttributeCall::Game18, attribute);
    if (!which || !digits || context != kDigits)
        return 0;
    return AttributeValue(*which, {digits[0], digits[1], digits[2]}, nullptr);
}

} // namespace vesk::app
