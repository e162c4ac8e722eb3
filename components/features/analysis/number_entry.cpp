#include "components/features/analysis/number_entry.h"

#include "numbers/number_list.h"

#include <algorithm>
#include <array>

namespace vesk::analysis {
namespace {

constexpr std::array<std::string_view, 4> kWideSeparators{"，", "；", "、", "　"};

bool IsAsciiSeparator(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == ',' || c == ';' ||
           c == '|' || c == '/';
}

// Bytes of the separator that starts text, 0 when none does.
std::size_t SeparatorAt(std::string_view text)
{
    if (IsAsciiSeparator(text.front()))
        return 1;
    for (std::string_view wide : kWideSeparators)
        if (text.starts_with(wide))
            return wide.size();
    return 0;
}

// A token for a message: long pastes are cut so the message stays readable.
std::string Shown(std::string_view token)
{
    constexpr std::size_t kShown = 24;
    if (token.size() <= kShown)
        return std::string(token);
    std::size_t cut = kShown;
    while (cut > 0 && (static_cast<unsigned char>(token[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return std::string(token.substr(0, cut)) + "…";
}

std::string CheckToken(std::string_view token, int length)
{
    const bool digitsOnly = std::all_of(token.begin(), token.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly)
        return "“" + Shown(token) + "”不是号码：只能含数字";
    if (token.size() % static_cast<std::size_t>(length) != 0)
        return "“" + Shown(token) + "”不是 " + std::to_string(length) + " 位号码：位数不对";
    return {};
}

bool IsBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

} // namespace

NumberEntry ParseNumberEntry(std::string_view text, int length)
{
    NumberEntry entry;
    if (length < 1 || length > 8) {
        entry.error = "号码位数 " + std::to_string(length) + " 不受支持";
        return entry;
    }
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size();) {
        const std::size_t separator = i < text.size() ? SeparatorAt(text.substr(i)) : 1;
        if (separator == 0) {
            ++i;
            continue;
        }
        if (i > start) {
            entry.error = CheckToken(text.substr(start, i - start), length);
            if (!entry.Ok())
                return entry;
        }
        i += separator;
        start = i;
    }
    // Only digits and separators are left: the editor's reading of the text.
    NumberList list(length);
    if (list.ParseText(text, length) < 0) {
        entry.error = "内存不足，号码未读入";
        return entry;
    }
    entry.codes.reserve(list.Count());
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        entry.codes.push_back(list.ToValue(i));
    return entry;
}

std::vector<std::string_view> SplitAtBlankLines(std::string_view text)
{
    std::vector<std::string_view> blocks;
    std::size_t blockStart = 0;
    std::size_t lineStart = 0;
    const auto close = [&](std::size_t end) {
        const std::string_view block = text.substr(blockStart, end - blockStart);
        if (!std::all_of(block.begin(), block.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }))
            blocks.push_back(block);
    };
    while (lineStart <= text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        if (IsBlankLine(text.substr(lineStart, lineEnd - lineStart))) {
            close(lineStart);
            blockStart = lineEnd + 1 <= text.size() ? lineEnd + 1 : text.size();
        }
        lineStart = lineEnd + 1;
    }
    if (blockStart < text.size())
        close(text.size());
    return blocks;
}

} // namespace vesk::analysis
