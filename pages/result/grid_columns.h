#pragma once
// The result grids' columns: serial number, the number itself, then the
// attribute columns the user arranged (option record 4204), filled from the
// attribute table the host's answers make. No Qt: the grid is reached only
// through its slot interface.
//
// Choices beyond what the page's callers rely on:
// - A column record whose attribute index lies outside 0..10 keeps its
//   titled column with empty cells and no colour; every other column keeps
//   its own cells (nothing moves left).
// - The attribute table covers 3-digit numbers only; lists of any other
//   length get empty attribute cells, and sorting by an attribute column
//   then orders them by number.

#include "host/grid_interface.h"
#include "host/host_services.h"
#include "numbers/number_list.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::result {

inline constexpr int kAttributeCount = 11;
inline constexpr int kTableCodes = 1000;
inline constexpr int kRoadAttribute = 7; // digit codes, shown with leading zeros
inline constexpr std::size_t kColumnRecordSize = 36;
inline constexpr std::size_t kMaxColumnRecords = 11;
inline constexpr SlotInt kNumberFormat = 0x20;

// Colours (COLORREF) of the attribute columns by attribute index.
inline constexpr std::array<ColorRef, kAttributeCount> kAttributeColours = {
    0x800080, 0x800000, 0x0000FF, 0x800000, 0x800000, 0x0000FF,
    0x0000FF, 0x800000, 0xFF0000, 0xFF0000, 0xFF0000,
};
inline constexpr ColorRef kResultNumberColour = 0xFF0000;  // blue
inline constexpr ColorRef kRecycleNumberColour = 0x0000FF; // red

struct GridColumn {
    int attribute = 0;
    std::string title; // UTF-8
};

// The records of an option record read into bytes (the host's returned
// length, which may be negative): at most eleven, GBK titles made UTF-8.
std::vector<GridColumn> ParseColumnRecords(std::span<const std::uint8_t> bytes, SlotInt returnedLength);
// Reads record 4204 through the environment service.
std::vector<GridColumn> ReadShownColumns(IEnvironmentService& environment);

// 1000 × 11 values, entry (code, k) at code × 11 + k.
class AttributeTable {
public:
    AttributeTable() : m_values(std::size_t(kTableCodes) * kAttributeCount, 0) {}
    // Asks the host for every attribute of every 3-digit number.
    void Compute(IGameService& game, IAnalysisService& analysis);
    // Whether (value, attribute) has an entry.
    static bool Covers(std::uint32_t value, int attribute)
    {
        return value < std::uint32_t(kTableCodes) && attribute >= 0 && attribute < kAttributeCount;
    }
    std::int32_t At(std::uint32_t value, int attribute) const
    {
        return m_values[std::size_t(value) * kAttributeCount + std::size_t(attribute)];
    }
    std::span<const std::int32_t> Values() const { return m_values; }
    void Set(std::uint32_t value, int attribute, std::int32_t entry)
    {
        if (Covers(value, attribute))
            m_values[std::size_t(value) * kAttributeCount + std::size_t(attribute)] = entry;
    }

private:
    std::vector<std::int32_t> m_values;
};

// Empties the grid and gives it columns 序号, numberTitle and the attribute
// columns, titled and tagged with their attribute index.
void SetupGridColumns(IRyxGridCtrl& grid, const std::vector<GridColumn>& columns, const char* numberTitle);

// Refills every row of grid from list (cells, colours, then the redraw).
void FillGrid(IRyxGridCtrl& grid, NumberList& list, const std::vector<GridColumn>& columns,
              const AttributeTable& table, ColorRef numberColour);

} // namespace vesk::result
