#include "components/features/analysis/figure.h"

namespace vesk::analysis {

std::string FormatFigure(const Figure& figure, int decimals, std::int64_t scale)
{
    WideInt unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const WideInt scaled = static_cast<WideInt>(figure.num) * scale * unit;
    // Half up: floor(x + 1/2) = floor((2·num + den) / (2·den)).
    const WideInt rounded = (2 * scaled + figure.den) / (2 * static_cast<WideInt>(figure.den));
    const auto whole = static_cast<long long>(rounded / unit);
    std::string text = std::to_string(whole);
    if (decimals > 0) {
        std::string fraction = std::to_string(static_cast<long long>(rounded % unit));
        fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += "." + fraction;
    }
    return text;
}

} // namespace vesk::analysis
