#pragma once
// C3DUIntArray: the growable array of unsigned 32-bit integers that the
// module exchanges with other components (presence arrays among them) and
// creates by class name. Its fields keep the framework array's order with a
// native pointer, so another module built alike reads it in place.
//
// Serialized form: uint32 element count, then each element as uint32, all
// little-endian.

#include "host/win_types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vesk {

class C3DUIntArray {
public:
    static constexpr std::string_view kClassName = "C3DUIntArray";

    C3DUIntArray() = default;
    C3DUIntArray(const C3DUIntArray& other);
    C3DUIntArray& operator=(const C3DUIntArray& other);
    C3DUIntArray(C3DUIntArray&& other) noexcept;
    C3DUIntArray& operator=(C3DUIntArray&& other) noexcept;
    ~C3DUIntArray();

    // A new array when className names this class, else null.
    static std::unique_ptr<C3DUIntArray> CreateObject(std::string_view className);

    std::size_t GetSize() const { return static_cast<std::size_t>(m_nSize); }
    // New elements are zero. False when the memory cannot be had (unchanged).
    bool SetSize(std::size_t size);
    bool Add(std::uint32_t value);
    void RemoveAll();
    std::uint32_t GetAt(std::size_t index) const { return m_pData[index]; }
    void SetAt(std::size_t index, std::uint32_t value) { m_pData[index] = value; }
    std::uint32_t& operator[](std::size_t index) { return m_pData[index]; }
    std::uint32_t operator[](std::size_t index) const { return m_pData[index]; }
    std::span<const std::uint32_t> Elements() const { return {m_pData, GetSize()}; }

    std::string Serialize() const;
    // Loads the serialized form from the start of bytes. A count the bytes
    // cannot hold is refused: false, array unchanged. consumed gets the bytes
    // used.
    bool Deserialize(std::span<const std::uint8_t> bytes, std::size_t* consumed = nullptr);

private:
    bool Reserve(std::size_t capacity);

    std::uint32_t* m_pData = nullptr;
    SlotInt m_nSize = 0;
    SlotInt m_nMaxSize = 0;
    SlotInt m_nGrowBy = 0; // 0: grow geometrically
};

static_assert(sizeof(C3DUIntArray) == 4 * sizeof(void*));

} // namespace vesk
