#include "app/services/draw_history.h"

#include "app/services/group_codes.h"
#include "app/services/safe_file.h"

namespace vesk::app {
namespace {

// A history of a few decades of daily draws is well below this.
constexpr std::size_t kMaxHistoryBytes = 16u << 20;

// The runs of ASCII digits on one line, skipping the bytes of multi-byte
// characters: GB18030 four-byte sequences carry bytes in '0'..'9'.
std::vector<std::string> DigitTokens(std::span<const std::uint8_t> line)
{
    std::vector<std::string> tokens;
    std::string current;
    auto flush = [&] {
        if (!current.empty())
            tokens.push_back(std::move(current));
        current.clear();
    };
    for (std::size_t i = 0; i < line.size();) {
        const std::uint8_t c = line[i];
        if (c < 0x80) {
            if (c >= '0' && c <= '9')
                current.push_back(static_cast<char>(c));
            else
                flush();
            ++i;
            continue;
        }
        flush();
        if (c >= 0xC0 && c < 0xF8) { // UTF-8 lead byte: skip its continuation bytes
            ++i;
            while (i < line.size() && (line[i] & 0xC0) == 0x80)
                ++i;
        } else if (i + 1 < line.size() && line[i + 1] >= '0' && line[i + 1] <= '9') {
            i += 4; // GB18030 four-byte sequence
        } else {
            i += 2; // GB18030 two-byte sequence (or a stray byte)
        }
    }
    flush();
    return tokens;
}

std::optional<std::uint16_t> DrawOfLine(std::span<const std::uint8_t> line)
{
    const std::vector<std::string> tokens = DigitTokens(line);
    if (tokens.empty())
        return std::nullopt;
    const std::string& last = tokens.back();
    if (last.size() == 3)
        return static_cast<std::uint16_t>((last[0] - '0') * 100 + (last[1] - '0') * 10 + (last[2] - '0'));
    const std::size_t n = tokens.size();
    if (n >= 3 && tokens[n - 1].size() == 1 && tokens[n - 2].size() == 1 && tokens[n - 3].size() == 1)
        return static_cast<std::uint16_t>((tokens[n - 3][0] - '0') * 100 + (tokens[n - 2][0] - '0') * 10
                                          + (tokens[n - 1][0] - '0'));
    return std::nullopt;
}

template <std::size_t N>
int Lookup(const std::array<int, N>& table, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)] : -1;
}

} // namespace

DrawHistory DrawHistory::Parse(std::span<const std::uint8_t> text)
{
    DrawHistory history;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n')
            ++end;
        if (auto draw = DrawOfLine(text.subspan(start, end - start)))
            history.m_draws.push_back(*draw);
        start = end + 1;
    }
    history.ComputeOmissions();
    return history;
}

std::optional<DrawHistory> DrawHistory::Load(const std::string& path)
{
    const std::optional<Bytes> bytes = ReadSmallFile(path, kMaxHistoryBytes);
    if (!bytes)
        return std::nullopt;
    DrawHistory history = Parse(*bytes);
    if (history.m_draws.empty())
        return std::nullopt;
    return history;
}

void DrawHistory::ComputeOmissions()
{
    const int total = static_cast<int>(m_draws.size());
    m_number.fill(-1);
    m_group.fill(-1);
    m_sum.fill(-1);
    // Walking back from the newest draw, the first sighting fixes the omission.
    for (int age = 0; age < total; ++age) {
        const int code = m_draws[static_cast<std::size_t>(total - 1 - age)];
        const int sum = code / 100 + code / 10 % 10 + code % 10;
        for (auto [table, index] : {std::pair{&m_number[0], code}, std::pair{&m_group[0], GroupCode(code)},
                                    std::pair{&m_sum[0], sum}}) {
            if (table[index] < 0)
                table[index] = age;
        }
    }
    for (int* table : {m_number.data(), m_group.data()})
        for (std::size_t i = 0; i < 1000; ++i)
            if (table[i] < 0)
                table[i] = total;
    for (int& v : m_sum)
        if (v < 0)
            v = total;
}

int DrawHistory::NumberOmission(int code) const { return Lookup(m_number, code); }

int DrawHistory::GroupOmission(int groupCode) const
{
    if (groupCode < 0 || groupCode > 999 || GroupCode(groupCode) != groupCode)
        return -1;
    return m_group[static_cast<std::size_t>(groupCode)];
}

int DrawHistory::SumOmission(int sum) const { return Lookup(m_sum, sum); }

} // namespace vesk::app
