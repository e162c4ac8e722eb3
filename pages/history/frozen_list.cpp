#include "pages/history/frozen_list.h"

#include <cstring>

namespace vesk::history {

std::shared_ptr<const FrozenList> FrozenList::Take(const NumberList& list)
{
    auto frozen = std::make_shared<FrozenList>();
    if (!list.ToSnapshot(frozen->m_snapshot))
        return nullptr;
    return frozen;
}

bool FrozenList::Matches(const NumberList& list) const
{
    // Empty is empty whatever length the list last had: both restore alike.
    if (list.Count() == 0 || m_snapshot.count == 0 || m_snapshot.digits == nullptr)
        return list.Count() == 0 && (m_snapshot.count == 0 || m_snapshot.digits == nullptr);
    if (list.Count() != m_snapshot.count || list.Length() != m_snapshot.length)
        return false;
    const std::size_t length = m_snapshot.length;
    const std::size_t stride = static_cast<std::size_t>(list.RecordSize());
    const std::uint8_t* record = list.Records() + list.TagSize();
    const std::uint8_t* digits = m_snapshot.digits;
    for (std::uint32_t i = 0; i < m_snapshot.count; ++i, record += stride, digits += length) {
        if (std::memcmp(record, digits, length) != 0)
            return false;
    }
    return true;
}

bool FrozenList::RestoresInPlace(const NumberList& list) const
{
    if (m_snapshot.count == 0 || m_snapshot.digits == nullptr)
        return true;
    return std::size_t(list.Count()) * std::size_t(list.RecordSize())
        == std::size_t(m_snapshot.count) * (std::size_t(m_snapshot.length) + NumberList::kTagSize);
}

std::size_t FrozenList::MemoryBytes() const
{
    const std::size_t digits = m_snapshot.digits ? std::size_t(m_snapshot.count) * m_snapshot.length : 0;
    // make_shared puts the object beside its two reference counts.
    return sizeof(FrozenList) + 2 * sizeof(long) + digits;
}

} // namespace vesk::history
