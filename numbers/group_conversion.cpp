// Single (ordered) and group (unordered) forms of a list, through value
// bitmaps: linear in the list plus one pass over the number space.
#include "numbers/number_list.h"

#include "numbers/batched_inserter.h"
#include "numbers/digit_packing.h"
#include "numbers/number_list_assign.h"
#include "numbers/value_bitmap.h"

#include <array>
#include <new>

namespace vesk {

namespace {

// Every ordering of the digits of a group number of length 2 or 3.
void InsertOrderings(ValueBitmap& singles, std::uint32_t group, int length)
{
    const std::uint64_t packed = digits::Pack(group, length);
    std::array<std::uint8_t, kMaxNumberLength> digit{};
    digits::Store(digit.data(), packed, length);
    if (length == 2) {
        singles.Insert(digit[0] * 10u + digit[1]);
        singles.Insert(digit[1] * 10u + digit[0]);
        return;
    }
    static constexpr std::array<std::array<int, 3>, 6> kOrders{
        {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}}};
    for (const auto& order : kOrders)
        singles.Insert(digit[order[0]] * 100u + digit[order[1]] * 10u + digit[order[2]]);
}

} // namespace

bool NumberList::ToGroupForm()
{
    if (m_count == 0)
        return true;
    try {
        ValueBitmap groups(PowerOfTen(m_length));
        InsertAll(groups, [&](auto insert) {
            ForEachRecord([&](std::uint32_t, std::uint32_t, std::uint64_t packed) {
                insert(digits::GroupValue(packed, m_length));
            });
        });
        return AssignMembers(groups, m_length, kLiveTag);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool NumberList::ToSingleForm()
{
    if (!ToGroupForm())
        return false;
    if (m_count == 0)
        return true;
    const int length = m_length;
    if (length != 2 && length != 3)
        return Resize(0, length);
    try {
        ValueBitmap singles(PowerOfTen(length));
        for (std::uint32_t i = 0; i < m_count; ++i)
            InsertOrderings(singles, ToValue(i), length);
        return AssignMembers(singles, length, kLiveTag);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace vesk
