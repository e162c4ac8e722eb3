#pragma once
// The arrangement the dialog edits: the shown columns in order and the
// hidden ones. Every attribute of the host's set (indices 0..10) is in one of
// the two areas: one the records name in neither is added to the hidden area
// with the host's title. Records the host set does not know (other indices)
// stay where they are, as the user stored them.

#include "application/column_records.h"

#include <vector>

namespace vesk::other {

enum class Area { Shown = 0, Hidden = 1 };

inline Area Other(Area area) { return area == Area::Shown ? Area::Hidden : Area::Shown; }

class Arrangement {
public:
    Arrangement() = default;
    Arrangement(std::vector<ColumnItem> shown, std::vector<ColumnItem> hidden);

    // From the two records' bytes, completed with the attributes neither holds.
    static Arrangement FromRecords(std::span<const std::uint8_t> shown, std::span<const std::uint8_t> hidden);

    // How many items an area may hold: kMaxColumns, the most the host's
    // column records take, unless raised for records of a caller's own that
    // name more columns, so that each of them fits in either area.
    std::size_t Capacity() const { return m_capacity; }
    void RaiseCapacityToItems();

    const std::vector<ColumnItem>& Items(Area area) const { return m_areas[static_cast<int>(area)]; }
    std::size_t Size(Area area) const { return Items(area).size(); }

    // Moves item index of area from so that it stands at position in area to
    // (position counted without the moved item; clamped to the end). False,
    // changing nothing, for an index outside the area or when the target area
    // already holds Capacity() items.
    bool Move(Area from, std::size_t index, Area to, std::size_t position);

    bool operator==(const Arrangement& other) const = default;

private:
    std::vector<ColumnItem>& Mutable(Area area) { return m_areas[static_cast<int>(area)]; }

    std::vector<ColumnItem> m_areas[2];
    std::size_t m_capacity = kMaxColumns;
};

} // namespace vesk::other
