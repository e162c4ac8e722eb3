#include "module/catalogue/catalogue_source.h"

#include "numbers/gbk_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vesk::catalogue {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and quoted texts; nothing after an unquoted "#".
bool Tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error)
{
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            Token token{{}, true};
            for (++i;; ++i) {
                if (i >= line.size()) {
                    error = "text without closing quote";
                    return false;
                }
                if (line[i] == '"')
                    break;
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
                    ++i;
                token.text += line[i];
            }
            ++i;
            tokens.push_back(std::move(token));
        } else {
            const std::size_t end = line.find_first_of(" \t\r#\"", i);
            tokens.push_back({std::string(line.substr(i, end - i)), false});
            i = end == std::string_view::npos ? line.size() : end;
        }
    }
    return true;
}

std::optional<std::uint64_t> ParseNumber(std::string_view word)
{
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (ec != std::errc{} || end != word.data() + word.size() || word.empty())
        return std::nullopt;
    return value;
}

std::string Substitute(const std::string& pattern, std::uint64_t value)
{
    std::string text = pattern;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(value));
    return text;
}

struct Attributes {
    std::uint8_t flags = 0;
    std::uint32_t gameFlags = 0;
    std::uint8_t byte0 = 0;
    std::optional<std::uint64_t> from;
};

// Adds the record of one line to the source. Every step returns false at
// the first fault, with Error() saying what it is.
class LineReader {
public:
    LineReader(CatalogueSource& source, const std::vector<Token>& tokens) : m_source(source), m_tokens(tokens) {}

    bool Read()
    {
        const std::string& keyword = m_tokens[0].text;
        if (m_tokens[0].quoted)
            return Fail("a line starts with category, group, item or items");
        if (keyword == "category")
            return Category();
        if (keyword == "group")
            return Group();
        if (keyword == "item")
            return Item();
        if (keyword == "items")
            return Items();
        return Fail("unknown record \"" + keyword + "\"");
    }

    const std::string& Error() const { return m_error; }

private:
    bool Fail(std::string message)
    {
        m_error = std::move(message);
        return false;
    }

    std::string_view Word(std::size_t index) const
    {
        return index < m_tokens.size() && !m_tokens[index].quoted ? std::string_view(m_tokens[index].text) : "";
    }

    bool Number(std::string_view word, std::uint64_t max, const char* what, std::uint64_t& out)
    {
        const auto value = ParseNumber(word);
        if (!value || *value > max)
            return Fail(std::string(what) + " must be a number from 0 to " + std::to_string(max) + ", not \"" +
                        std::string(word) + "\"");
        out = *value;
        return true;
    }

    template <std::size_t N>
    bool SetText(char (&field)[N], std::string_view utf8, const char* what)
    {
        const auto gbk = Utf8ToGbk(utf8);
        if (!gbk)
            return Fail(std::string(what) + " \"" + std::string(utf8) + "\" has characters GBK lacks");
        if (gbk->size() >= N)
            return Fail(std::string(what) + " \"" + std::string(utf8) + "\" is longer than " +
                        std::to_string(N - 1) + " bytes in GBK");
        std::memset(field, 0, N);
        std::memcpy(field, gbk->data(), gbk->size());
        return true;
    }

    const std::string* QuotedText(std::size_t index, const char* what)
    {
        if (index >= m_tokens.size() || !m_tokens[index].quoted) {
            Fail(std::string(what) + " needs a text in double quotes");
            return nullptr;
        }
        return &m_tokens[index].text;
    }

    bool GameFlags(std::string_view list, std::uint32_t& flags)
    {
        std::vector<int> counts;
        for (std::string_view rest = list; !rest.empty();) {
            const std::size_t comma = rest.find(',');
            std::uint64_t digits = 0;
            if (!Number(rest.substr(0, comma), 9, "a digit count", digits))
                return false;
            counts.push_back(static_cast<int>(digits));
            rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
        }
        const auto expressed = GameFlagsFor(counts);
        if (!expressed)
            return Fail("game flags cannot keep a record for exactly the games \"" + std::string(list) + "\"");
        flags |= *expressed;
        return true;
    }

    bool ReadAttributes(std::size_t first, Attributes& attributes)
    {
        for (std::size_t i = first; i < m_tokens.size(); ++i) {
            if (m_tokens[i].quoted)
                return Fail("unexpected text \"" + m_tokens[i].text + "\"");
            const std::string_view word = m_tokens[i].text;
            const std::size_t equals = word.find('=');
            const std::string_view name = word.substr(0, equals);
            const std::string_view value = equals == std::string_view::npos ? "" : word.substr(equals + 1);
            std::uint64_t number = 0;
            bool ok = true;
            if (word == "hidden") {
                attributes.flags |= kHiddenFlag;
            } else if (name == "flags") {
                ok = Number(value, 0xFF, "flags", number);
                attributes.flags |= static_cast<std::uint8_t>(number);
            } else if (name == "games") {
                ok = Number(value, 0xFFFFFFFF, "games", number);
                attributes.gameFlags |= static_cast<std::uint32_t>(number);
            } else if (name == "for") {
                ok = GameFlags(value, attributes.gameFlags);
            } else if (name == "byte0") {
                ok = Number(value, 0xFF, "byte0", number);
                attributes.byte0 = static_cast<std::uint8_t>(number);
            } else if (name == "from") {
                ok = Number(value, 0xFFFF, "from", number);
                attributes.from = number;
            } else {
                return Fail("unknown attribute \"" + std::string(word) + "\"");
            }
            if (!ok)
                return false;
        }
        return true;
    }

    bool Category()
    {
        if (m_source.categories.size() == 255)
            return Fail("more than 255 categories");
        SourceCategory category;
        std::uint64_t key = 0;
        const std::string* text = nullptr;
        Attributes attributes;
        if (!Number(Word(1), 0xFFFF, "a category key", key) || !(text = QuotedText(2, "a category")) ||
            !SetText(category.record.text, *text, "category text") || !ReadAttributes(3, attributes))
            return false;
        category.record.key = static_cast<std::uint16_t>(key);
        category.record.flags = attributes.flags;
        category.record.gameFlags = attributes.gameFlags;
        m_source.categories.push_back(std::move(category));
        return true;
    }

    bool Group()
    {
        if (m_source.categories.empty())
            return Fail("a group before any category");
        auto& groups = m_source.categories.back().groups;
        if (groups.size() == 255)
            return Fail("more than 255 groups in one category");
        SourceGroup group;
        std::size_t next = 1;
        if (next < m_tokens.size() && m_tokens[next].quoted &&
            !SetText(group.record.name, m_tokens[next++].text, "group name"))
            return false;
        Attributes attributes;
        if (!ReadAttributes(next, attributes))
            return false;
        group.record.flags = attributes.flags;
        group.record.gameFlags = attributes.gameFlags;
        group.record.reserved = attributes.byte0;
        groups.push_back(std::move(group));
        return true;
    }

    bool AddItem(std::uint64_t key, const std::string& text, const Attributes& attributes)
    {
        if (m_source.categories.empty() || m_source.categories.back().groups.empty())
            return Fail("an item before any group");
        auto& items = m_source.categories.back().groups.back().items;
        if (items.size() == 255)
            return Fail("more than 255 items in one group");
        ItemRecord item{};
        item.key = static_cast<std::uint16_t>(key);
        item.flags = attributes.flags;
        item.gameFlags = attributes.gameFlags;
        if (!SetText(item.text, text, "item text"))
            return false;
        items.push_back(item);
        return true;
    }

    bool Item()
    {
        std::uint64_t key = 0;
        const std::string* text = nullptr;
        Attributes attributes;
        return Number(Word(1), 0xFFFF, "an item key", key) && (text = QuotedText(2, "an item")) &&
               ReadAttributes(3, attributes) && AddItem(key, *text, attributes);
    }

    bool Items()
    {
        const std::string_view range = Word(1);
        const std::size_t dash = range.find('-');
        if (dash == std::string_view::npos)
            return Fail("items needs a key range FIRST-LAST");
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        if (!Number(range.substr(0, dash), 0xFFFF, "the first key", first) ||
            !Number(range.substr(dash + 1), 0xFFFF, "the last key", last))
            return false;
        if (last < first)
            return Fail("the key range " + std::string(range) + " runs backwards");
        const std::string* pattern = QuotedText(2, "items");
        Attributes attributes;
        if (!pattern || !ReadAttributes(3, attributes))
            return false;
        const std::uint64_t from = attributes.from.value_or(first);
        for (std::uint64_t key = first; key <= last; ++key) {
            if (!AddItem(key, Substitute(*pattern, key - first + from), attributes))
                return false;
        }
        return true;
    }

    CatalogueSource& m_source;
    const std::vector<Token>& m_tokens;
    std::string m_error;
};

template <typename Record>
void Append(std::vector<std::uint8_t>& bytes, const Record& record)
{
    const std::size_t at = bytes.size();
    bytes.resize(at + sizeof(Record));
    std::memcpy(bytes.data() + at, &record, sizeof(Record));
}

} // namespace

std::optional<std::uint32_t> GameFlagsFor(const std::vector<int>& digitCounts)
{
    const auto keeps = [&](int digits) {
        return std::find(digitCounts.begin(), digitCounts.end(), digits) != digitCounts.end();
    };
    for (int digits : digitCounts) {
        if (MaskForDigits(digits) == 0)
            return std::nullopt;
    }
    std::uint32_t flags = 0;
    if (!keeps(3))
        flags |= kMaskThreeDigits;
    if (!keeps(5))
        flags |= kMaskFiveDigits & ~kMaskThreeDigits;
    if (!keeps(7))
        flags |= kMaskSevenDigits & ~kMaskThreeDigits;
    // Every mask holds the 3-digit bit, so some sets have no flags at all.
    for (int digits : {3, 5, 7}) {
        if (DroppedByMask(flags, MaskForDigits(digits)) == keeps(digits))
            return std::nullopt;
    }
    return flags;
}

SourceResult ParseSource(std::string_view text)
{
    CatalogueSource source;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

        std::vector<Token> tokens;
        std::string error;
        if (!Tokenize(line, tokens, error))
            return {std::nullopt, lineNumber, error};
        if (tokens.empty())
            continue;
        LineReader reader(source, tokens);
        if (!reader.Read())
            return {std::nullopt, lineNumber, reader.Error()};
    }
    return {std::move(source), 0, {}};
}

std::vector<std::uint8_t> SerializeCatalogue(const CatalogueSource& source)
{
    std::vector<std::uint8_t> bytes;
    Header header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    header.version = kVersion;
    header.categoryCount = static_cast<std::uint8_t>(source.categories.size());
    Append(bytes, header);
    for (const SourceCategory& category : source.categories) {
        CategoryRecord record = category.record;
        record.groupCount = static_cast<std::uint8_t>(category.groups.size());
        Append(bytes, record);
        for (const SourceGroup& group : category.groups) {
            GroupRecord groupRecord = group.record;
            groupRecord.itemCount = static_cast<std::uint8_t>(group.items.size());
            Append(bytes, groupRecord);
            for (const ItemRecord& item : group.items)
                Append(bytes, item);
        }
    }
    return bytes;
}

} // namespace vesk::catalogue
