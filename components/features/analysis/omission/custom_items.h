#pragma once
// The user's own items (自定义组合, 自定义复式, 自定义号码), kept in one JSON
// file in the host's configuration folder:
//
//   { "format": "3dvesk-omission-items", "version": 1, "digits": 3,
//     "combinations": [ { "name": "和值10-12", "type": "sum", "values": [10, 11, 12] },
//                       { "name": "百位大", "type": "position", "position": 0, "values": [5, 6, 7, 8, 9] } ],
//     "compounds":    [ { "name": "复式", "digits": ["12", "34", "56"] } ],
//     "lists":        [ { "name": "我的号码", "numbers": ["123", "456"], "group": false } ] }
//
// A combination is a value type of the filter engine without history (and
// its position or pair field where the type has one) with a set of values; a
// compound names the digits allowed at each position, most significant first;
// a list holds numbers of the game's length, straight or as groups. Every
// list may be missing (empty); unknown keys, a wrong digit count, bad types,
// fields or values refuse the whole file with the place named. The file is
// replaced by writing beside it and renaming; a damaged file is set aside
// under another name and reported, never overwritten unread.

#include "components/features/analysis/family.h"

#include <memory>
#include <string>
#include <vector>

namespace vesk::analysis {

inline constexpr std::uint32_t kCustomCombinationCode = 0x1020;
inline constexpr std::uint32_t kCustomCompoundCode = 0x1021;
inline constexpr std::uint32_t kCustomListCode = 0x1022;

struct CustomCombination {
    std::string name;
    filter::Condition condition; // type, field and values
    friend bool operator==(const CustomCombination&, const CustomCombination&) = default;
};

struct CustomCompound {
    std::string name;
    std::vector<std::string> digits; // one string of distinct digits per position
    friend bool operator==(const CustomCompound&, const CustomCompound&) = default;
};

struct CustomList {
    std::string name;
    std::vector<std::string> numbers;
    bool group = false;
    friend bool operator==(const CustomList&, const CustomList&) = default;
};

struct CustomItems {
    std::vector<CustomCombination> combinations;
    std::vector<CustomCompound> compounds;
    std::vector<CustomList> lists;
    friend bool operator==(const CustomItems&, const CustomItems&) = default;
};

// "omission-items-3.json" in the folder (which ends with "/").
std::string CustomItemsPath(const std::string& configFolder, int length);

struct CustomItemsParse {
    bool ok = false;
    CustomItems items;
    std::string error; // the place and the reason when refused
};
CustomItemsParse ParseCustomItems(std::string_view text, int length);
std::string WriteCustomItems(const CustomItems& items, int length);

struct CustomItemsLoad {
    CustomItems items;        // empty when the file is missing or damaged
    std::string error;        // for the user; empty when all is well
    std::string setAsidePath; // where a damaged file now lies
};
// A missing file gives no items and no error; a damaged one is renamed to
// "<path>.damaged" (".damaged-2", ... when taken) and reported.
CustomItemsLoad LoadCustomItems(const std::string& path, int length);

// Writes beside path and renames into place; the error is empty on success.
std::string SaveCustomItems(const std::string& path, const CustomItems& items, int length);

// The user's text of the file: saved (as WriteCustomItems writes it) only
// when it reads without a fault; otherwise the fault, and the file is left
// as it was.
std::string SaveCustomItemsText(const std::string& path, std::string_view text, int length);

// A small example of each kind of item, for a user who has none yet.
CustomItems ExampleCustomItems(int length);

// The family of one of the three codes above; null for other codes.
std::unique_ptr<Family> MakeCustomFamily(std::uint32_t code, const CustomItems& items, int length);

} // namespace vesk::analysis
