#include "numbers/uint_array.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace vesk {

C3DUIntArray::C3DUIntArray(const C3DUIntArray& other)
{
    if (SetSize(other.GetSize()) && other.m_nSize > 0)
        std::memcpy(m_pData, other.m_pData, other.GetSize() * sizeof(std::uint32_t));
}

C3DUIntArray& C3DUIntArray::operator=(const C3DUIntArray& other)
{
    if (this != &other) {
        C3DUIntArray copy(other);
        *this = std::move(copy);
    }
    return *this;
}

C3DUIntArray::C3DUIntArray(C3DUIntArray&& other) noexcept
    : m_pData(std::exchange(other.m_pData, nullptr))
    , m_nSize(std::exchange(other.m_nSize, 0))
    , m_nMaxSize(std::exchange(other.m_nMaxSize, 0))
    , m_nGrowBy(other.m_nGrowBy)
{
}

C3DUIntArray& C3DUIntArray::operator=(C3DUIntArray&& other) noexcept
{
    if (this != &other) {
        std::free(m_pData);
        m_pData = std::exchange(other.m_pData, nullptr);
        m_nSize = std::exchange(other.m_nSize, 0);
        m_nMaxSize = std::exchange(other.m_nMaxSize, 0);
        m_nGrowBy = other.m_nGrowBy;
    }
    return *this;
}

C3DUIntArray::~C3DUIntArray()
{
    std::free(m_pData);
}

std::unique_ptr<C3DUIntArray> C3DUIntArray::CreateObject(std::string_view className)
{
    return className == kClassName ? std::make_unique<C3DUIntArray>() : nullptr;
}

bool C3DUIntArray::Reserve(std::size_t capacity)
{
    if (capacity <= GetSize() || capacity <= static_cast<std::size_t>(m_nMaxSize))
        return true;
    if (capacity > SIZE_MAX / sizeof(std::uint32_t))
        return false;
    void* grown = std::realloc(m_pData, capacity * sizeof(std::uint32_t));
    if (grown == nullptr)
        return false;
    m_pData = static_cast<std::uint32_t*>(grown);
    m_nMaxSize = static_cast<SlotInt>(capacity);
    return true;
}

bool C3DUIntArray::SetSize(std::size_t size)
{
    if (!Reserve(size))
        return false;
    if (size > GetSize())
        std::fill(m_pData + GetSize(), m_pData + size, 0u);
    m_nSize = static_cast<SlotInt>(size);
    return true;
}

bool C3DUIntArray::Add(std::uint32_t value)
{
    const std::size_t size = GetSize();
    if (size == static_cast<std::size_t>(m_nMaxSize)) {
        const std::size_t step = m_nGrowBy > 0 ? static_cast<std::size_t>(m_nGrowBy) : std::max<std::size_t>(4, size);
        if (!Reserve(size + step))
            return false;
    }
    m_pData[size] = value;
    ++m_nSize;
    return true;
}

void C3DUIntArray::RemoveAll()
{
    std::free(m_pData);
    m_pData = nullptr;
    m_nSize = 0;
    m_nMaxSize = 0;
}

std::string C3DUIntArray::Serialize() const
{
    const auto count = static_cast<std::uint32_t>(GetSize());
    std::string bytes(sizeof count + GetSize() * sizeof(std::uint32_t), '\0');
    std::memcpy(bytes.data(), &count, sizeof count);
    if (count > 0)
        std::memcpy(bytes.data() + sizeof count, m_pData, GetSize() * sizeof(std::uint32_t));
    return bytes;
}

bool C3DUIntArray::Deserialize(std::span<const std::uint8_t> bytes, std::size_t* consumed)
{
    std::uint32_t count = 0;
    if (bytes.size() < sizeof count)
        return false;
    std::memcpy(&count, bytes.data(), sizeof count);
    const std::size_t needed = sizeof count + std::size_t(count) * sizeof(std::uint32_t);
    if (bytes.size() < needed)
        return false;
    C3DUIntArray loaded;
    if (!loaded.SetSize(count))
        return false;
    if (count > 0)
        std::memcpy(loaded.m_pData, bytes.data() + sizeof count, std::size_t(count) * sizeof(std::uint32_t));
    *this = std::move(loaded);
    if (consumed != nullptr)
        *consumed = needed;
    return true;
}

} // namespace vesk
