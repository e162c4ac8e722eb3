#include "components/other/arrangement.h"

#include "application/column_defaults.h"
#include "application/number_attributes.h"

#include <algorithm>
#include <array>

namespace vesk::other {

Arrangement::Arrangement(std::vector<ColumnItem> shown, std::vector<ColumnItem> hidden)
{
    m_areas[0] = std::move(shown);
    m_areas[1] = std::move(hidden);
}

Arrangement Arrangement::FromRecords(std::span<const std::uint8_t> shown, std::span<const std::uint8_t> hidden)
{
    Arrangement arrangement(ParseColumnRecords(shown), ParseColumnRecords(hidden));
    auto& hiddenItems = arrangement.Mutable(Area::Hidden);
    // A column both records name (one of two writes failed once) is shown.
    const auto& shownItems = arrangement.Items(Area::Shown);
    std::erase_if(hiddenItems, [&shownItems](const ColumnItem& item) {
        return item.attribute >= 0 && item.attribute < kAttributeCount
               && std::any_of(shownItems.begin(), shownItems.end(),
                              [&item](const ColumnItem& s) { return s.attribute == item.attribute; });
    });
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const auto named = [attribute](const ColumnItem& item) { return item.attribute == attribute; };
        const bool present = std::any_of(arrangement.Items(Area::Shown).begin(), arrangement.Items(Area::Shown).end(), named)
                             || std::any_of(hiddenItems.begin(), hiddenItems.end(), named);
        if (present || hiddenItems.size() >= kMaxColumns)
            continue;
        const std::array<int, 1> one{attribute};
        auto added = ParseColumnRecords(MakeColumnRecords(one));
        hiddenItems.insert(hiddenItems.end(), added.begin(), added.end());
    }
    return arrangement;
}

void Arrangement::RaiseCapacityToItems()
{
    m_capacity = std::max(m_capacity, Size(Area::Shown) + Size(Area::Hidden));
}

bool Arrangement::Move(Area from, std::size_t index, Area to, std::size_t position)
{
    if (index >= Size(from) || (from != to && Size(to) >= m_capacity))
        return false;
    auto& source = Mutable(from);
    ColumnItem item = std::move(source[index]);
    source.erase(source.begin() + static_cast<std::ptrdiff_t>(index));
    auto& target = Mutable(to);
    position = std::min(position, target.size());
    target.insert(target.begin() + static_cast<std::ptrdiff_t>(position), std::move(item));
    return true;
}

} // namespace vesk::other
