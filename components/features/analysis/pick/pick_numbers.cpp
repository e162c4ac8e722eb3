#include "components/features/analysis/pick/pick_numbers.h"

#include "components/filter/engine/digits.h"

#include <algorithm>
#include <bit>

namespace vesk::analysis {

std::vector<std::uint32_t> PickedNumbers(const PatternSpace& space, const DigitClasses& classes,
                                         const std::vector<bool>& picked)
{
    std::vector<std::uint32_t> numbers;
    if (std::none_of(picked.begin(), picked.end(), [](bool on) { return on; }))
        return numbers;
    const auto size = static_cast<std::uint32_t>(space.SpaceSize());
    for (std::uint32_t code = 0; code < size; ++code) {
        const std::size_t pattern = space.PatternOf(classes, code);
        if (pattern < picked.size() && picked[pattern])
            numbers.push_back(code);
    }
    return numbers;
}

std::vector<std::uint32_t> GroupsOf(std::span<const std::uint32_t> numbers, int length)
{
    std::vector<std::uint32_t> groups;
    groups.reserve(numbers.size());
    for (std::uint32_t code : numbers) {
        const filter::Digits d = filter::DigitsOf(code, length);
        groups.push_back(filter::GroupCodeOf(d.data(), length));
    }
    std::sort(groups.begin(), groups.end());
    groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
    return groups;
}

std::uint64_t ProductCount(const PositionDigits& digits)
{
    if (digits.empty())
        return 0;
    std::uint64_t count = 1;
    for (std::uint16_t mask : digits)
        count *= static_cast<std::uint64_t>(std::popcount(static_cast<unsigned>(mask & 0x3ffu)));
    return count;
}

std::vector<std::uint32_t> ProductNumbers(const PositionDigits& digits)
{
    std::vector<std::uint32_t> numbers = {0};
    if (ProductCount(digits) == 0)
        return {};
    for (std::uint16_t mask : digits) {
        std::vector<std::uint32_t> longer;
        longer.reserve(numbers.size() * 10);
        for (std::uint32_t prefix : numbers) {
            for (std::uint32_t x = 0; x < 10; ++x) {
                if (mask & (1u << x))
                    longer.push_back(prefix * 10 + x);
            }
        }
        numbers = std::move(longer);
    }
    return numbers;
}

bool InProduct(const PositionDigits& digits, std::uint32_t code)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (!(digits[i] & (1u << (code % 10))))
            return false;
        code /= 10;
    }
    return true;
}

} // namespace vesk::analysis
