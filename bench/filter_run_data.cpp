#include "bench/filter_run_data.h"

namespace vesk::bench {

std::string ThirtyConditions()
{
    const char* group = R"([
        {"type": "sum", "values": [8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19]},
        {"type": "span", "values": [0], "mode": "exclude"},
        {"type": "odd-count", "values": [1, 2]},
        {"type": "big-count", "values": [0, 3], "mode": "exclude"},
        {"type": "distinct-count", "values": [2, 3]},
        {"type": "position", "position": 0, "values": [0, 9], "mode": "exclude"},
        {"type": "pair-sum", "pair": [1, 2], "values": [5, 6, 7, 8, 9, 10, 11]},
        {"type": "contains", "digits": [1, 5, 8], "values": [1, 2, 3]},
        {"type": "shape", "values": [11], "mode": "exclude"},
        {"type": "road-pattern", "values": [0, 111, 222], "mode": "exclude"}])";
    return std::string(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [)") +
           R"({"name": "a", "errors": [0, 2], "conditions": )" + group + "}," +
           R"({"name": "b", "errors": [1, 3], "conditions": )" + group + "}," +
           R"({"name": "c", "errors": [0, 1], "conditions": )" + group + "}]}";
}

NumberList ScatteredRecords(std::uint32_t count)
{
    NumberList list(3);
    list.Resize(count, 3);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t code = i * 7919u % 1000u;
        const std::uint8_t digits[3] = {std::uint8_t(code / 100), std::uint8_t(code / 10 % 10), std::uint8_t(code % 10)};
        list.SetAt(i, digits);
    }
    return list;
}

} // namespace vesk::bench
