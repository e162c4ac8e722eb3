#include "pages/result/column_sort.h"

namespace vesk::result {

bool SortByColumn(NumberList& list, int column, int attribute, const AttributeTable& table, SortState& state)
{
    if (column <= 0)
        return false;
    if (column != state.lastColumn) {
        state.ascending = true;
        state.lastColumn = column;
    }
    if (column == 1) {
        list.Sort(state.ascending);
    } else {
        // The tag is the sort's first key; an attribute the table lacks
        // leaves one tag for all, so the numbers decide.
        const bool covered = list.Length() == 3;
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            const std::uint32_t value = list.ToValue(i);
            const bool known = covered && AttributeTable::Covers(value, attribute);
            list.SetTag(i, known ? static_cast<std::uint32_t>(table.At(value, attribute)) : 0u);
        }
        list.Sort(state.ascending);
        list.SetAllTags(NumberList::kLiveTag);
    }
    state.ascending = !state.ascending;
    return true;
}

} // namespace vesk::result
