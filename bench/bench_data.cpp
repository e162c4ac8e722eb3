#include "bench_data.h"

#include "numbers/digit_packing.h"

#include <map>
#include <random>

namespace vesk::bench {

Scale ScaleOf(const benchmark::State& state)
{
    const auto exponent = static_cast<int>(state.range(0));
    return {PowerOfTen(exponent), exponent};
}

const std::string& RandomText(Scale scale)
{
    // Generated once per scale: the largest takes a while to build.
    static std::map<std::uint32_t, std::string> texts;
    std::string& text = texts[scale.count];
    if (text.empty()) {
        std::mt19937 random(scale.count);
        const std::uint32_t space = PowerOfTen(scale.length);
        text.reserve(std::size_t(scale.count) * (std::size_t(scale.length) + 1));
        for (std::uint32_t i = 0; i < scale.count; ++i) {
            const std::uint64_t characters = digits::Pack(random() % space, scale.length) + 0x3030303030303030ull;
            text.append(reinterpret_cast<const char*>(&characters), static_cast<std::size_t>(scale.length));
            text += ' ';
        }
    }
    return text;
}

NumberList RandomList(Scale scale, std::uint32_t seed)
{
    std::mt19937 random(seed);
    const std::uint32_t space = PowerOfTen(scale.length);
    NumberList list(scale.length);
    list.Resize(scale.count, scale.length);
    for (std::uint32_t i = 0; i < scale.count; ++i) {
        std::uint8_t digit[8];
        digits::Store(digit, digits::Pack(random() % space, scale.length), scale.length);
        list.SetAt(i, digit);
    }
    return list;
}

void AtScales(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Arg(3)->Arg(5)->Arg(7)->Unit(benchmark::kMillisecond);
}

} // namespace vesk::bench
