#include "filtering/rules/input_messages.h"

namespace vesk::workbench {

std::string MatchRefusalText(MatchRefusal refusal)
{
    switch (refusal) {
    case MatchRefusal::BadLength:
        return "号码位数必须是 1 到 8 位。";
    case MatchRefusal::DigitMatch:
        return "通配符不能是数字，请在设置中更换通配符。";
    case MatchRefusal::TooMany:
        return "通配符展开后的号码超过 " + std::to_string(kMaxExpandedNumbers) + " 注，请减少通配符。";
    case MatchRefusal::OutOfMemory:
        return "内存不足，通配符展开后的号码无法容纳。";
    case MatchRefusal::None:
        break;
    }
    return "通配符无法展开。";
}

} // namespace vesk::workbench
