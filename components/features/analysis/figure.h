#pragma once
// An exact figure of the omission statistics: a non-negative fraction of
// whole numbers. Figures are compared exactly and rounded once, half up,
// only when they are shown.

#include <cstdint>
#include <string>

namespace vesk::analysis {

// Products of two figures' parts can pass 64 bits.
__extension__ typedef __int128 WideInt;

struct Figure {
    std::int64_t num = 0;
    std::int64_t den = 1; // > 0

    double Value() const { return static_cast<double>(num) / static_cast<double>(den); }

    // <0, 0, >0 as this is below, equal to or above other.
    int Compare(const Figure& other) const
    {
        const WideInt a = static_cast<WideInt>(num) * other.den;
        const WideInt b = static_cast<WideInt>(other.num) * den;
        return a < b ? -1 : a > b ? 1 : 0;
    }
    friend bool operator==(const Figure& a, const Figure& b) { return a.Compare(b) == 0; }
};

// The figure times scale, rounded half up to decimals places: "2.45".
// scale 100 with one decimal gives a percentage ("12.5").
std::string FormatFigure(const Figure& figure, int decimals, std::int64_t scale = 1);

} // namespace vesk::analysis
