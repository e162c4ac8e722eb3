// Snapshots of a NumberList: the digits without tags, in list order.
#include "numbers/list_snapshot.h"

#include "numbers/number_length.h"
#include "numbers/number_list.h"

#include <cstdlib>
#include <cstring>

namespace vesk {

void ReleaseSnapshot(ListSnapshot& snapshot)
{
    std::free(snapshot.digits);
    snapshot = ListSnapshot{};
}

bool NumberList::ToSnapshot(ListSnapshot& snapshot) const
{
    snapshot = ListSnapshot{};
    snapshot.marker = kSnapshotMarker;
    snapshot.length = m_length;
    if (m_count == 0)
        return true;
    const std::size_t bytes = std::size_t(m_count) * m_length;
    auto* buffer = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (buffer == nullptr)
        return false;
    std::uint8_t* out = buffer;
    for (std::uint32_t i = 0; i < m_count; ++i, out += m_length)
        std::memcpy(out, GetAt(i), m_length);
    snapshot.count = m_count;
    snapshot.digits = buffer;
    return true;
}

bool NumberList::FromSnapshot(const ListSnapshot& snapshot)
{
    if (snapshot.count == 0 || snapshot.digits == nullptr) {
        Clear();
        return true;
    }
    if (!IsValidNumberLength(snapshot.length) || !Resize(snapshot.count, snapshot.length)) {
        Clear();
        return false;
    }
    const std::uint8_t* in = snapshot.digits;
    for (std::uint32_t i = 0; i < snapshot.count; ++i, in += m_length) {
        if (!SetAt(i, in)) {
            Clear();
            return false;
        }
    }
    return true;
}

} // namespace vesk
