#include "storage/xls/compound_file.h"

#include "storage/xls/biff_records.h"

#include <string_view>

namespace vesk::xls {

namespace {

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kLargestSectorNumber = 0xFFFFFFFA;
constexpr std::uint32_t kEntriesPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderDifatEntries = 109;
// A DIFAT sector's last entry points to the next one.
constexpr std::uint32_t kDifatEntriesPerSector = kEntriesPerSector - 1;
constexpr std::size_t kDirectoryEntrySize = 128;

enum EntryType : std::uint8_t { kUnused = 0, kStream = 2, kRoot = 5 };

std::uint32_t DifatSectorsFor(std::uint32_t fatSectors)
{
    if (fatSectors <= kHeaderDifatEntries)
        return 0;
    return (fatSectors - kHeaderDifatEntries + kDifatEntriesPerSector - 1) / kDifatEntriesPerSector;
}

void AppendEntry(ByteWriter& w, std::u16string_view name, EntryType type, std::uint32_t child,
                 std::uint32_t start, std::uint64_t size)
{
    const std::size_t begin = w.Size();
    for (char16_t c : name)
        w.U16(c);
    w.Zeros(64 - 2 * name.size());
    w.U16(name.empty() ? 0 : static_cast<std::uint16_t>(2 * (name.size() + 1)));
    w.U8(type);
    w.U8(type == kUnused ? 0 : 1); // black: a tree of one node per level is valid
    w.U32(kNoStream);              // left sibling
    w.U32(kNoStream);              // right sibling
    w.U32(child);
    w.Zeros(16 + 4 + 8 + 8);       // class id, state bits, times
    w.U32(start);
    w.U32(static_cast<std::uint32_t>(size));
    w.U32(static_cast<std::uint32_t>(size >> 32));
    w.Zeros(begin + kDirectoryEntrySize - w.Size());
}

bool AppendSector(Output& out, ByteWriter& w)
{
    const bool ok = out.Append(w.Bytes());
    w.Clear();
    return ok;
}

// The FAT entry of sector s.
std::uint32_t FatEntry(const CompoundLayout& layout, std::uint32_t s)
{
    if (s < layout.streamSectors)
        return s + 1 == layout.streamSectors ? kEndOfChain : s + 1;
    if (s == layout.directorySector)
        return kEndOfChain;
    if (s < layout.FirstDifatSector())
        return kFatSector;
    if (s < layout.TotalSectors())
        return kDifatSector;
    return kFreeSector;
}

} // namespace

std::optional<CompoundLayout> PlanCompoundFile(std::uint64_t streamSize)
{
    CompoundLayout layout;
    layout.streamSize = streamSize;
    const std::uint64_t sectors = (streamSize + kSectorSize - 1) / kSectorSize;
    if (streamSize < kMinimumStreamSize || sectors > kLargestSectorNumber / 2)
        return std::nullopt;
    layout.streamSectors = static_cast<std::uint32_t>(sectors);
    layout.directorySector = layout.streamSectors;
    // The FAT must also cover its own sectors and the DIFAT's.
    std::uint32_t fat = (layout.streamSectors + 1 + kEntriesPerSector - 1) / kEntriesPerSector;
    while (std::uint64_t(fat) * kEntriesPerSector
           < std::uint64_t(layout.streamSectors) + 1 + fat + DifatSectorsFor(fat))
        ++fat;
    layout.fatSectors = fat;
    layout.difatSectors = DifatSectorsFor(fat);
    return layout;
}

std::array<std::uint8_t, kSectorSize> CompoundHeader(const CompoundLayout& layout)
{
    ByteWriter w;
    for (std::uint8_t b : {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1})
        w.U8(b);
    w.Zeros(16);   // class id
    w.U16(0x003E); // minor version
    w.U16(0x0003); // major version: 512-byte sectors
    w.U16(0xFFFE); // little-endian
    w.U16(9);      // sector size 2^9
    w.U16(6);      // mini sector size 2^6
    w.Zeros(6);
    w.U32(0); // directory sectors: not counted in version 3
    w.U32(layout.fatSectors);
    w.U32(layout.directorySector);
    w.U32(0); // transactions: none
    w.U32(static_cast<std::uint32_t>(kMinimumStreamSize));
    w.U32(kEndOfChain); // no mini FAT
    w.U32(0);
    w.U32(layout.difatSectors ? layout.FirstDifatSector() : kEndOfChain);
    w.U32(layout.difatSectors);
    for (std::uint32_t i = 0; i < kHeaderDifatEntries; ++i)
        w.U32(i < layout.fatSectors ? layout.FirstFatSector() + i : kFreeSector);

    std::array<std::uint8_t, kSectorSize> header{};
    std::copy(w.Bytes().begin(), w.Bytes().end(), header.begin());
    return header;
}

bool AppendCompoundTrailer(Output& out, const CompoundLayout& layout)
{
    ByteWriter w;
    AppendEntry(w, u"Root Entry", kRoot, 1, kEndOfChain, 0);
    AppendEntry(w, u"Workbook", kStream, kNoStream, 0, layout.streamSize);
    AppendEntry(w, {}, kUnused, kNoStream, 0, 0);
    AppendEntry(w, {}, kUnused, kNoStream, 0, 0);
    if (!AppendSector(out, w))
        return false;

    std::uint32_t s = 0;
    for (std::uint32_t f = 0; f < layout.fatSectors; ++f) {
        for (std::uint32_t i = 0; i < kEntriesPerSector; ++i)
            w.U32(FatEntry(layout, s++));
        if (!AppendSector(out, w))
            return false;
    }

    std::uint32_t fatIndex = kHeaderDifatEntries;
    for (std::uint32_t d = 0; d < layout.difatSectors; ++d) {
        for (std::uint32_t i = 0; i < kDifatEntriesPerSector; ++i, ++fatIndex)
            w.U32(fatIndex < layout.fatSectors ? layout.FirstFatSector() + fatIndex : kFreeSector);
        w.U32(d + 1 < layout.difatSectors ? layout.FirstDifatSector() + d + 1 : kEndOfChain);
        if (!AppendSector(out, w))
            return false;
    }
    return true;
}

} // namespace vesk::xls
