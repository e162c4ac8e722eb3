#include "numbers/draw_records.h"

#include "numbers/draw_columns.h"
#include "numbers/gbk_text.h"
#include "numbers/text_encoding.h"

#include <algorithm>
#include <optional>

namespace vesk {

std::string DecodeDrawText(std::span<const std::uint8_t> text)
{
    std::string_view raw(reinterpret_cast<const char*>(text.data()), text.size());
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (raw.starts_with(kBom))
        raw.remove_prefix(kBom.size());
    std::string decoded = IsValidUtf8(raw) ? std::string(raw) : Gb18030ToUtf8(raw);
    // Should the converter be missing, GB18030's digit bytes still never read as digits.
    PrepareNumberText(decoded);
    return decoded;
}

void ForEachDrawRecord(std::span<const std::uint8_t> text, int length, const DrawLineVisitor& visit)
{
    const std::string decoded = DecodeDrawText(text);
    const std::string_view all = decoded;
    std::optional<DrawColumns> columns;
    // Titles may stand above the header; once draws start, the layout is fixed.
    bool seekingHeader = true;
    std::size_t start = 0;
    for (std::size_t number = 1; start < all.size(); ++number) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        std::string_view line = all.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        start = end + 1;
        if (seekingHeader) {
            columns = FindDrawColumns(line, length);
            if (columns) {
                seekingHeader = false;
                visit(number, line, DrawLine{DrawLineKind::NoDigits, {}, DrawLineFault::None});
                continue;
            }
        }
        const DrawLine read = columns ? ReadDrawFields(line, *columns, length) : ReadDrawLine(line, length);
        if (read.kind == DrawLineKind::Draw)
            seekingHeader = false;
        visit(number, line, read);
    }
}

void ForEachDrawLine(std::span<const std::uint8_t> text, int length,
                     const std::function<void(std::size_t lineNumber, const DrawLine& line)>& visit)
{
    ForEachDrawRecord(text, length,
                      [&visit](std::size_t number, std::string_view, const DrawLine& line) { visit(number, line); });
}

} // namespace vesk
