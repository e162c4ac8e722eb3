#include "module/catalogue/catalogue.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vesk::catalogue {

static_assert(std::endian::native == std::endian::little, "records are read in place");

namespace {

// The largest file a header can announce: every count at 255.
constexpr std::uintmax_t kLargestFile =
    sizeof(Header) + 255u * (sizeof(CategoryRecord) +
                             255u * (sizeof(GroupRecord) + 255u * sizeof(ItemRecord)));

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    template <typename Record>
    bool Read(Record& record)
    {
        if (m_bytes.size() - m_offset < sizeof(Record))
            return false;
        std::memcpy(&record, m_bytes.data() + m_offset, sizeof(Record));
        m_offset += sizeof(Record);
        return true;
    }

    std::size_t Offset() const { return m_offset; }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

LoadResult Failure(std::string error)
{
    return {false, std::move(error)};
}

std::string Truncated(const RecordReader& reader, const char* what, std::size_t category)
{
    return "file ends inside " + std::string(what) + " of category " + std::to_string(category + 1) +
           " (at byte " + std::to_string(reader.Offset()) + ")";
}

} // namespace

std::string_view FieldText(const char* field, std::size_t size)
{
    const void* end = std::memchr(field, 0, size);
    return {field, end ? static_cast<std::size_t>(static_cast<const char*>(end) - field) : size};
}

LoadResult Catalogue::LoadFromDirectory(const std::string& directory, std::uint32_t mask)
{
    return LoadFile(directory + kFileName, mask);
}

LoadResult Catalogue::LoadFile(const std::filesystem::path& file, std::uint32_t mask)
{
    Release();
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        return Failure("cannot read the file: " + ec.message());
    // Only what the counts announce is read; no catalogue is longer than this.
    const std::uintmax_t wanted = std::min(size, kLargestFile);
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(wanted));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(wanted)))
        return Failure("cannot read the file");
    return Parse(bytes, mask);
}

LoadResult Catalogue::Parse(std::span<const std::uint8_t> bytes, std::uint32_t mask)
{
    Release();
    RecordReader reader(bytes);
    Header header{};
    if (!reader.Read(header))
        return Failure("the file is shorter than the 10-byte header");
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0)
        return Failure("not a condition catalogue (wrong magic)");
    if (header.version != kVersion)
        return Failure("unsupported version " + std::to_string(header.version));

    // Built aside and moved in at the end, so a failure frees everything.
    auto categories = std::make_unique<Category[]>(header.categoryCount);
    std::vector<std::unique_ptr<Group[]>> groupArrays;
    std::vector<std::unique_ptr<ItemRecord[]>> itemArrays;
    std::size_t keptCategories = 0;

    for (std::size_t c = 0; c < header.categoryCount; ++c) {
        Category& category = categories[keptCategories];
        if (!reader.Read(category.record))
            return Failure(Truncated(reader, "the record", c));

        auto groups = std::make_unique<Group[]>(category.record.groupCount);
        const std::size_t itemArraysBefore = itemArrays.size();
        std::uint8_t keptGroups = 0;
        for (std::size_t g = 0; g < category.record.groupCount; ++g) {
            Group& group = groups[keptGroups];
            if (!reader.Read(group.record))
                return Failure(Truncated(reader, "a group", c));

            auto items = std::make_unique<ItemRecord[]>(group.record.itemCount);
            std::uint8_t keptItems = 0;
            for (std::size_t i = 0; i < group.record.itemCount; ++i) {
                ItemRecord& item = items[keptItems];
                if (!reader.Read(item))
                    return Failure(Truncated(reader, "an item", c));
                if (DroppedByMask(item.gameFlags, mask))
                    item = {};
                else
                    ++keptItems;
            }
            group.record.itemCount = keptItems;
            if (DroppedByMask(group.record.gameFlags, mask)) {
                group = {};
                continue;
            }
            group.items = items.get();
            itemArrays.push_back(std::move(items));
            ++keptGroups;
        }
        category.record.groupCount = keptGroups;
        if (DroppedByMask(category.record.gameFlags, mask)) {
            itemArrays.resize(itemArraysBefore);
            category = {};
            continue;
        }
        category.groups = groups.get();
        groupArrays.push_back(std::move(groups));
        ++keptCategories;
    }

    // Bytes after the last record are not read, as the counts leave them out.
    header.categoryCount = static_cast<std::uint8_t>(keptCategories);
    m_header = header;
    m_categories = std::move(categories);
    m_groupArrays = std::move(groupArrays);
    m_itemArrays = std::move(itemArrays);
    return {true, {}};
}

void Catalogue::Release()
{
    m_header = {};
    m_categories.reset();
    m_groupArrays.clear();
    m_itemArrays.clear();
}

const Category* Catalogue::CategoryAt(std::size_t index) const
{
    return index < CategoryCount() ? &m_categories[index] : nullptr;
}

const Category* Catalogue::FindCategory(std::uint16_t key) const
{
    for (const Category& category : Categories()) {
        if (category.record.key == key)
            return &category;
    }
    return nullptr;
}

const ItemRecord* Catalogue::FindItem(std::uint16_t categoryKey, std::uint16_t itemKey,
                                      const Group** groupOut, const Category** categoryOut) const
{
    for (const Category& category : Categories()) {
        if (category.record.key != categoryKey)
            continue;
        for (const Group& group : std::span(category.groups, category.record.groupCount)) {
            for (const ItemRecord& item : std::span(group.items, group.record.itemCount)) {
                if (item.key != itemKey)
                    continue;
                if (groupOut)
                    *groupOut = &group;
                if (categoryOut)
                    *categoryOut = &category;
                return &item;
            }
        }
    }
    return nullptr;
}

} // namespace vesk::catalogue
