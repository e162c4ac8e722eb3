#pragma once
// The numbers a chart is drawn from, copied out of a ChartRecord during the
// message call: the sender's blocks are gone once the call returns, so
// nothing here points into them.

#include "host/module_messages.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk::chart {

struct ChartNumbers {
    int digits = 0;                    // digits per number, 1..8
    std::vector<std::uint8_t> values;  // digits × count digit values, number after number
    std::size_t skipped = 0;           // blocks left out: null, or a digit above 9

    std::size_t Count() const { return digits > 0 ? values.size() / static_cast<std::size_t>(digits) : 0; }
    const std::uint8_t* Number(std::size_t i) const { return values.data() + i * static_cast<std::size_t>(digits); }
};

// Copies every block of the record. Nothing (nullopt) for a null record, a
// digit count outside 1..8 (a block holds 8 bytes) or a negative size.
std::optional<ChartNumbers> CopyChartNumbers(const ChartRecord* record);

} // namespace vesk::chart
