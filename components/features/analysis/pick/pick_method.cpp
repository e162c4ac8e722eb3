#include "components/features/analysis/pick/pick_method.h"

#include "components/features/analysis/pick/digit_ranking.h"

namespace vesk::analysis {

namespace {

constexpr std::array<PickMethodInfo, kPickMethodCount> kMethods{{
    {"neighbour", "邻孤传", 3, {"传", "邻", "孤", ""}, 1, 0, 0, false},
    {"repeat-skip", "复隔中", 3, {"复", "隔", "中", ""}, 2, 0, 0, false},
    {"hot-cold", "热温冷", 3, {"热", "温", "冷", ""}, 1, 10, 0, false},
    {"pyramid", "金字塔", 4, {"1", "2", "3", "4"}, 1, 30, 0, false},
    {"follow", "跟随", 2, {"跟随", "其他", "", ""}, 1, 100, 5, false},
    {"magic", "魔数", 2, {"魔数", "其他", "", ""}, 1, 0, 0, true},
    {"position", "单选定位", 0, {"", "", "", ""}, 0, 30, 0, false},
}};

} // namespace

const PickMethodInfo& InfoOf(PickMethod method)
{
    return kMethods[static_cast<std::size_t>(method)];
}

std::optional<PickMethod> PickMethodOfName(std::string_view name)
{
    for (int m = 0; m < kPickMethodCount; ++m) {
        if (kMethods[static_cast<std::size_t>(m)].name == name)
            return static_cast<PickMethod>(m);
    }
    return std::nullopt;
}

std::optional<PickMethod> PickMethodOfCode(std::uint32_t code)
{
    if (code < kFirstPickCode || code >= kFirstPickCode + kPickMethodCount)
        return std::nullopt;
    return static_cast<PickMethod>(code - kFirstPickCode);
}

PickParameters DefaultParameters(PickMethod method)
{
    const PickMethodInfo& info = InfoOf(method);
    PickParameters parameters;
    parameters.window = info.defaultWindow;
    parameters.top = info.defaultTop;
    parameters.formulas = info.formulas ? kAllMagicFormulas : 0;
    return parameters;
}

std::string ParameterError(PickMethod method, const PickParameters& parameters, int length)
{
    const PickMethodInfo& info = InfoOf(method);
    if (length < 1 || length > 8)
        return "numbers of 1 to 8 digits only, not " + std::to_string(length);
    if (info.defaultWindow > 0 && (parameters.window < 1 || parameters.window > kMaxPickWindow))
        return "the window W takes 1 to " + std::to_string(kMaxPickWindow) + " draws, not " +
               std::to_string(parameters.window);
    if (info.defaultTop > 0 && (parameters.top < 1 || parameters.top > kMaxPickTop))
        return "the top K takes 1 to " + std::to_string(kMaxPickTop) + " digits, not " + std::to_string(parameters.top);
    if (info.formulas && length != 3)
        return std::string(info.title) + " reads the three digits of a 3-digit draw";
    if (info.formulas && (parameters.formulas & ~kAllMagicFormulas) != 0)
        return "unknown magic formula";
    return {};
}

} // namespace vesk::analysis
