#include "app/chart/chart_numbers.h"

#include <algorithm>

namespace vesk::chart {

std::optional<ChartNumbers> CopyChartNumbers(const ChartRecord* record)
{
    if (!record || record->digits < 1 || record->digits > static_cast<std::int32_t>(kChartBlockSize)
        || record->numbers.size < 0 || (record->numbers.size > 0 && !record->numbers.data))
        return std::nullopt;
    ChartNumbers numbers;
    numbers.digits = record->digits;
    const auto count = static_cast<std::size_t>(record->numbers.size);
    numbers.values.reserve(count * static_cast<std::size_t>(numbers.digits));
    for (std::size_t i = 0; i < count; ++i) {
        const auto* block = static_cast<const std::uint8_t*>(record->numbers.data[i]);
        if (!block || std::any_of(block, block + numbers.digits, [](std::uint8_t d) { return d > 9; })) {
            ++numbers.skipped;
            continue;
        }
        numbers.values.insert(numbers.values.end(), block, block + numbers.digits);
    }
    return numbers;
}

} // namespace vesk::chart
