#pragma once
// The catalogue's categories as families. One table (catalogue_items.cpp)
// maps each (category key, item key) of our catalogue source
// (data/catalogue/s3cdt.txt) to a value type of the filter engine, its
// fields and one value:
//
//   category  text            item keys                 condition
//   1         和值            k                         sum = k
//   2         和尾            k                         sum-tail = k
//   3         跨度            k                         span = k
//   4, 5, 6   奇偶/大小/质合比 0-3, 10-15, 20-27        odd-/big-/prime-count = a of "a:b",
//                                                       only where a + b is the game's length
//   7         012路比         0-9                       road-counts 300 210 201 120 111 102 030 021 012 003
//                             100-126                   road-pattern: key - 100 in base 3 (105 → 012)
//   8         组选形态         6, 3, 1                   distinct-count 3, 2, 1 (3 digits only)
//   9         百位/十位/个位   100 + 10j + d             position of 百 (j 0), 十 (1), 个 (2), 千 (3), 万 (4) = d
//   10        两码和           0-18, 20-38, 40-58       pair-sum of 百十, 百个, 十个 = key - first
//   11        两码差           0-9, 10-19, 20-29        pair-diff of 百十, 百个, 十个 = key - first
//   12        前两码和尾       k                         pair-sum-tail of the first two digits = k
//
// Every other pair (category 8's hidden 全部形态, category 99 of reference
// values, a ratio item of another game's length) has no mapping: it is
// listed as such, never guessed.

#include "components/features/analysis/family.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vesk::analysis {

// The condition (values: the one value) of a catalogue item in an L-digit
// game, or nothing when the table has no mapping for it.
std::optional<filter::Condition> MapCatalogueItem(std::uint16_t category, std::uint16_t item, int length);

// One item of a catalogue category as the catalogue gives it.
struct CatalogueEntry {
    std::uint16_t key = 0;
    std::string text; // UTF-8
};

struct CatalogueFamily {
    std::unique_ptr<Family> family;    // the mapped items, in catalogue order
    std::vector<std::uint16_t> keys;   // the catalogue key of each family item
    std::vector<std::string> unmapped; // texts of the items without a mapping
};

// The category's items kept for the game (hidden ones already left out by
// the caller).
CatalogueFamily MakeCatalogueFamily(std::string name, std::uint16_t category, const std::vector<CatalogueEntry>& items,
                                    int length);

} // namespace vesk::analysis
