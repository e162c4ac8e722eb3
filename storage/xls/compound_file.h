#pragma once
// The compound-file frame (version 3, 512-byte sectors) around the one
// stream of a workbook, named "Workbook". The stream fills the sectors from
// sector 0 on, right after the header; the directory, the allocation table
// (FAT) and, for files beyond about 7 MB, the extra FAT index (DIFAT) follow
// it. So the stream can be written first and the frame planned from its size
// alone.

#include "storage/xls/xls_output.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace vesk::xls {

inline constexpr std::size_t kSectorSize = 512;
// Smaller streams would belong in the mini stream; the writer pads up to this.
inline constexpr std::uint64_t kMinimumStreamSize = 4096;

struct CompoundLayout {
    std::uint64_t streamSize = 0;
    std::uint32_t streamSectors = 0;
    std::uint32_t directorySector = 0;
    std::uint32_t fatSectors = 0;
    std::uint32_t difatSectors = 0;

    std::uint32_t FirstFatSector() const { return directorySector + 1; }
    std::uint32_t FirstDifatSector() const { return FirstFatSector() + fatSectors; }
    std::uint32_t TotalSectors() const { return FirstDifatSector() + difatSectors; }
};

// Nothing when the stream is too large for 32-bit sector numbers.
// streamSize is at least kMinimumStreamSize.
std::optional<CompoundLayout> PlanCompoundFile(std::uint64_t streamSize);

std::array<std::uint8_t, kSectorSize> CompoundHeader(const CompoundLayout& layout);

// Appends the sectors after the stream's last one: directory, FAT, DIFAT.
// The stream's sectors must already be appended in full (padded to 512).
bool AppendCompoundTrailer(Output& out, const CompoundLayout& layout);

} // namespace vesk::xls
