#pragma once
// The readable text form of a catalogue, from which the catalogue file is
// built. One record per line, children after their parent; indentation is
// free, "#" starts a comment:
//
//   category KEY "TEXT" [ATTR...]
//   group ["NAME"] [ATTR...]                      (no name: items join the folder above)
//   item KEY "TEXT" [ATTR...]
//   items FIRST-LAST "TEMPLATE" [from=N] [ATTR...] (one item per key; %d in the
//                                                 template becomes key - FIRST + N,
//                                                 N defaulting to FIRST)
//
// ATTR is one of: hidden (display flag 0x08), flags=N (display flags),
// games=N (game flags), for=L[,L...] (the games of L digits, 3, 5 or 7, that
// keep the record), byte0=N (a group's first byte). Numbers are decimal or
// 0x-hex; texts are UTF-8 in double quotes with \" and \\ as escapes.

#include "host/catalogue_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::catalogue {

struct SourceGroup {
    GroupRecord record{};
    std::vector<ItemRecord> items;
};

struct SourceCategory {
    CategoryRecord record{};
    std::vector<SourceGroup> groups;
};

struct CatalogueSource {
    std::vector<SourceCategory> categories;
};

struct SourceResult {
    std::optional<CatalogueSource> source;
    std::size_t line = 0; // 1-based line of the error
    std::string error;
};

SourceResult ParseSource(std::string_view text);

// The catalogue file's bytes; counts are kept at or below 255 by ParseSource.
std::vector<std::uint8_t> SerializeCatalogue(const CatalogueSource& source);

// Game flags that keep a record for exactly the games of these digit counts
// (each 3, 5 or 7); nothing when the rule of masks cannot express the set.
std::optional<std::uint32_t> GameFlagsFor(const std::vector<int>& digitCounts);

} // namespace vesk::catalogue
