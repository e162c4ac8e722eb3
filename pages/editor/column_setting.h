#pragma once
// The editor's column setting: how many numbers per line the workbench writes
// whenever it puts numbers into text. Stored as option record 4202, 8 bytes,
// little-endian: a 32-bit one-per-line flag, then a 32-bit signed count.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vesk {

inline constexpr int kColumnOptionId = 4202;
inline constexpr std::size_t kColumnRecordSize = 8;

enum class ColumnChoice { OnePerLine, Custom, NoColumns };

struct ColumnSetting {
    std::int32_t onePerLine = 0;
    // Positive: numbers per line. Zero or negative: no columns; the magnitude
    // keeps the last count typed, so the combo box shows it again.
    std::int32_t count = 0;

    friend bool operator==(const ColumnSetting&, const ColumnSetting&) = default;
};

// A record shorter than 8 bytes (none stored yet) reads as no columns with
// 10 kept for the box, the count an empty box would store.
ColumnSetting DecodeColumnSetting(const std::uint8_t* record, std::size_t length);
std::array<std::uint8_t, kColumnRecordSize> EncodeColumnSetting(const ColumnSetting& setting);

// Which of the three radios is on.
ColumnChoice ChoiceOf(const ColumnSetting& setting);

// The magnitude of the count, as the combo box shows it.
std::int64_t ShownCount(const ColumnSetting& setting);

// 1 with the flag set, else the count when positive, else defaultCount.
std::int64_t PerLineCount(const ColumnSetting& setting, std::int64_t defaultCount);

// The combo text read as an integer (leading blanks, sign and digits; the
// rest ignored; clamped to 32 bits), or 10 when that is not positive.
std::int32_t ComboCount(std::string_view comboText);

// What the page stores for its controls.
ColumnSetting SettingFromControls(std::string_view comboText, ColumnChoice choice);

} // namespace vesk
