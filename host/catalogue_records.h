#pragma once
// The condition catalogue's records: a contract with the sibling modules, which
// read them through the module interface. On file every record is packed and
// little-endian; in memory each category and group record is followed by a
// native pointer to its child array, so sizes and offsets are fixed below.
// Texts are GBK bytes, zero-terminated inside their fields.

#include <cstddef>
#include <cstdint>

namespace vesk::catalogue {

inline constexpr char kMagic[8] = {'R', 'Y', 'X', 'F', 'C', 'F', 'H', '\0'};
inline constexpr std::uint8_t kVersion = 1;
inline constexpr std::uint8_t kHiddenFlag = 0x08; // display flag: not shown in the tree

inline constexpr std::uint32_t kMaskThreeDigits = 0x2;
inline constexpr std::uint32_t kMaskFiveDigits = 0x10002;
inline constexpr std::uint32_t kMaskSevenDigits = 0x20002;

// Mask of the game with this many digits per number; 0 (drops everything) for others.
constexpr std::uint32_t MaskForDigits(long digits)
{
    switch (digits) {
    case 3: return kMaskThreeDigits;
    case 5: return kMaskFiveDigits;
    case 7: return kMaskSevenDigits;
    default: return 0;
    }
}

// A record whose game flags cover the whole mask does not belong to that game.
constexpr bool DroppedByMask(std::uint32_t gameFlags, std::uint32_t mask)
{
    return (gameFlags & mask) == mask;
}

#pragma pack(push, 1)

struct Header {
    char magic[8];
    std::uint8_t version;
    std::uint8_t categoryCount;
};

struct ItemRecord {
    std::uint16_t key;
    std::uint8_t flags;
    std::uint32_t gameFlags;
    char text[64];
};

struct GroupRecord {
    std::uint8_t reserved; // carried unchanged for the sibling modules
    std::uint8_t flags;
    std::uint32_t gameFlags;
    char name[32]; // empty: the group's items join the current folder
    std::uint8_t itemCount;
};

struct CategoryRecord {
    std::uint16_t key;
    std::uint8_t flags;
    std::uint32_t gameFlags;
    char text[64];
    std::uint8_t groupCount;
};

// In-memory forms: the record followed by its child array.
struct Group {
    GroupRecord record;
    ItemRecord* items;
};

struct Category {
    CategoryRecord record;
    Group* groups;
};

#pragma pack(pop)

static_assert(sizeof(Header) == 10);
static_assert(sizeof(ItemRecord) == 71);
static_assert(offsetof(ItemRecord, flags) == 2 && offsetof(ItemRecord, gameFlags) == 3);
static_assert(offsetof(ItemRecord, text) == 7);
static_assert(sizeof(GroupRecord) == 39);
static_assert(offsetof(GroupRecord, gameFlags) == 2 && offsetof(GroupRecord, name) == 6);
static_assert(offsetof(GroupRecord, itemCount) == 38);
static_assert(sizeof(CategoryRecord) == 72);
static_assert(offsetof(CategoryRecord, gameFlags) == 3 && offsetof(CategoryRecord, text) == 7);
static_assert(offsetof(CategoryRecord, groupCount) == 71);
static_assert(sizeof(Group) == 39 + sizeof(void*) && offsetof(Group, items) == 39);
static_assert(sizeof(Category) == 72 + sizeof(void*) && offsetof(Category, groups) == 72);

} // namespace vesk::catalogue
