#pragma once
// The condition catalogue as one game sees it: the records of the catalogue
// file whose game flags do not cover the game's mask, in file order.
//
// Ownership: the Catalogue owns every array; the records it hands out stay
// valid until the next load, Release() or its destruction. A load that fails
// (missing, truncated or damaged file) leaves the catalogue empty and says
// why; nothing is leaked.

#include "host/catalogue_records.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vesk::catalogue {

inline constexpr const char* kFileName = "S3Cdt.dat";

struct LoadResult {
    bool loaded = false;
    std::string error; // what is wrong, when not loaded

    explicit operator bool() const { return loaded; }
};

class Catalogue {
public:
    Catalogue() = default;
    Catalogue(Catalogue&&) noexcept = default;
    Catalogue& operator=(Catalogue&&) noexcept = default;
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // Reads "<directory>S3Cdt.dat"; directory ends with a separator, as the
    // host's directories do.
    LoadResult LoadFromDirectory(const std::string& directory, std::uint32_t mask);
    LoadResult LoadFile(const std::filesystem::path& file, std::uint32_t mask);
    // Loads from the bytes of a catalogue file.
    LoadResult Parse(std::span<const std::uint8_t> bytes, std::uint32_t mask);

    void Release();

    std::size_t CategoryCount() const { return m_header.categoryCount; }
    std::span<const Category> Categories() const { return {m_categories.get(), CategoryCount()}; }
    // The header as read, with the count replaced by the categories retained.
    const Header& GetHeader() const { return m_header; }

    // Null when index is not below the count.
    const Category* CategoryAt(std::size_t index) const;
    // The first category with this key, or null.
    const Category* FindCategory(std::uint16_t key) const;
    // The first item with itemKey in the first category with categoryKey
    // that holds one; its group and category go through the out pointers
    // when they are not null. Null when there is none.
    const ItemRecord* FindItem(std::uint16_t categoryKey, std::uint16_t itemKey,
                               const Group** groupOut = nullptr,
                               const Category** categoryOut = nullptr) const;

private:
    Header m_header{};
    std::unique_ptr<Category[]> m_categories;
    std::vector<std::unique_ptr<Group[]>> m_groupArrays;
    std::vector<std::unique_ptr<ItemRecord[]>> m_itemArrays;
};

// The text of a fixed field: its bytes up to the first zero, or all of them.
std::string_view FieldText(const char* field, std::size_t size);

template <std::size_t N>
std::string_view FieldText(const char (&field)[N])
{
    return FieldText(field, N);
}

} // namespace vesk::catalogue
