#include "pages/editor/column_setting.h"

#include <cstdlib>
#include <limits>

namespace vesk {

namespace {

std::int32_t ReadInt32(const std::uint8_t* bytes)
{
    const std::uint32_t value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8
        | std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    return static_cast<std::int32_t>(value);
}

void WriteInt32(std::int32_t value, std::uint8_t* bytes)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

ColumnSetting DecodeColumnSetting(const std::uint8_t* record, std::size_t length)
{
    if (!record || length < kColumnRecordSize)
        return { 0, -10 };
    return { ReadInt32(record), ReadInt32(record + 4) };
}

std::array<std::uint8_t, kColumnRecordSize> EncodeColumnSetting(const ColumnSetting& setting)
{
    std::array<std::uint8_t, kColumnRecordSize> record {};
    WriteInt32(setting.onePerLine, record.data());
    WriteInt32(setting.count, record.data() + 4);
    return record;
}

ColumnChoice ChoiceOf(const ColumnSetting& setting)
{
    if (setting.onePerLine != 0)
        return ColumnChoice::OnePerLine;
    return setting.count > 0 ? ColumnChoice::Custom : ColumnChoice::NoColumns;
}

std::int64_t ShownCount(const ColumnSetting& setting)
{
    // Widened so the most negative count has a magnitude too.
    return std::llabs(static_cast<std::int64_t>(setting.count));
}

std::int64_t PerLineCount(const ColumnSetting& setting, std::int64_t defaultCount)
{
    if (setting.onePerLine != 0)
        return 1;
    return setting.count > 0 ? setting.count : defaultCount;
}

std::int32_t ComboCount(std::string_view comboText)
{
    std::size_t at = 0;
    while (at < comboText.size() && IsBlank(comboText[at]))
        ++at;
    bool negative = false;
    if (at < comboText.size() && (comboText[at] == '-' || comboText[at] == '+'))
        negative = comboText[at++] == '-';
    std::int64_t value = 0;
    for (; at < comboText.size() && comboText[at] >= '0' && comboText[at] <= '9'; ++at) {
        value = value * 10 + (comboText[at] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::numeric_limits<std::int32_t>::max();
            break;
        }
    }
    if (negative || value <= 0)
        return 10;
    return static_cast<std::int32_t>(value);
}

ColumnSetting SettingFromControls(std::string_view comboText, ColumnChoice choice)
{
    const std::int32_t n = ComboCount(comboText);
    return { choice == ColumnChoice::OnePerLine ? 1 : 0, choice == ColumnChoice::NoColumns ? -n : n };
}

} // namespace vesk
