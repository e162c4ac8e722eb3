#include "components/features/pick/pick_options.h"

namespace vesk::pick {

namespace {

SlotInt Offset(analysis::PickMethod method)
{
    return static_cast<SlotInt>(method);
}

} // namespace

analysis::PickParameters ReadParameters(const features::FeatureHost& host, analysis::PickMethod method)
{
    const analysis::PickParameters defaults = analysis::DefaultParameters(method);
    const analysis::PickMethodInfo& info = analysis::InfoOf(method);
    analysis::PickParameters parameters = defaults;
    if (info.defaultWindow > 0) {
        if (const auto window = host.ReadNumber(kMethodWindowOption + Offset(method)))
            parameters.window = *window;
    }
    if (info.defaultTop > 0) {
        if (const auto top = host.ReadNumber(kFollowTopOption))
            parameters.top = static_cast<int>(std::min<std::uint32_t>(*top, 1000));
    }
    if (info.formulas) {
        if (const auto formulas = host.ReadNumber(kMagicFormulasOption))
            parameters.formulas = static_cast<std::uint8_t>(*formulas & 0xffu);
    }
    // A record from elsewhere that the method cannot use falls back whole.
    if (!analysis::ParameterError(method, parameters, host.Length()).empty())
        return defaults;
    return parameters;
}

void WriteParameters(const features::FeatureHost& host, analysis::PickMethod method,
                     const analysis::PickParameters& parameters)
{
    const analysis::PickMethodInfo& info = analysis::InfoOf(method);
    if (info.defaultWindow > 0)
        host.WriteNumber(kMethodWindowOption + Offset(method), static_cast<std::uint32_t>(parameters.window));
    if (info.defaultTop > 0)
        host.WriteNumber(kFollowTopOption, static_cast<std::uint32_t>(parameters.top));
    if (info.formulas)
        host.WriteNumber(kMagicFormulasOption, parameters.formulas);
}

std::size_t ReadHistoryWindow(const features::FeatureHost& host, analysis::PickMethod method)
{
    return host.ReadWindow(kHistoryWindowOption + Offset(method));
}

void WriteHistoryWindow(const features::FeatureHost& host, analysis::PickMethod method, std::size_t last)
{
    host.WriteWindow(kHistoryWindowOption + Offset(method), last);
}

} // namespace vesk::pick
