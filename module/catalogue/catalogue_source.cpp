#include "module/catalogue/catalogue_source.h"

#include "module/catalogue/gbk_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace vesk::catalogue {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

struct LineError {
    std::string message;
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

std::uint64_t Number(std::string_view word, std::uint64_t max, const char* what)
{
    const auto value = ParseNumber(word);
    if (!value || *value > max)
        throw LineError{std::string(what) + " must be a number from 0 to " + std::to_string(max) +
                        ", not \"" + std::string(word) + "\""};
    return *value;
}

template <std::size_t N>
void SetText(char (&field)[N], std::string_view utf8, const char* what)
{
    const auto gbk = Utf8ToGbk(utf8);
    if (!gbk)
        throw LineError{std::string(what) + " \"" + std::string(utf8) + "\" has characters GBK lacks"};
    if (gbk->size() >= N)
        throw LineError{std::string(what) + " \"" + std::string(utf8) + "\" is longer than " +
                        std::to_string(N - 1) + " bytes in GBK"};
    std::memset(field, 0, N);
    std::memcpy(field, gbk->data(), gbk->size());
}

struct Attributes {
    std::uint8_t flags = 0;
    std::uint32_t gameFlags = 0;
    std::optional<std::uint8_t> byte0;
    std::optional<std::uint64_t> from;
};

std::vector<int> DigitCounts(std::string_view list)
{
    std::vector<int> counts;
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        counts.push_back(static_cast<int>(Number(list.substr(0, comma), 9, "a digit count")));
        list.remove_prefix(comma == std::string_view::npos ? list.size() : comma + 1);
    }
    return counts;
}

Attributes ParseAttributes(const std::vector<Token>& tokens, std::size_t first)
{
    Attributes attributes;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        const std::string_view word = tokens[i].text;
        const std::size_t equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? "" : word.substr(equals + 1);
        if (tokens[i].quoted)
            throw LineError{"unexpected text \"" + tokens[i].text + "\""};
        if (word == "hidden") {
            attributes.flags |= kHiddenFlag;
        } else if (name == "flags") {
            attributes.flags |= static_cast<std::uint8_t>(Number(value, 0xFF, "flags"));
        } else if (name == "games") {
            attributes.gameFlags |= static_cast<std::uint32_t>(Number(value, 0xFFFFFFFF, "games"));
        } else if (name == "for") {
            const auto flags = GameFlagsFor(DigitCounts(value));
            if (!flags)
                throw LineError{"game flags cannot keep a record for exactly the games \"" +
                                std::string(value) + "\""};
            attributes.gameFlags |= *flags;
        } else if (name == "byte0") {
            attributes.byte0 = static_cast<std::uint8_t>(Number(value, 0xFF, "byte0"));
        } else if (name == "from") {
            attributes.from = Number(value, 0xFFFF, "from");
        } else {
            throw LineError{"unknown attribute \"" + std::string(word) + "\""};
        }
    }
    return attributes;
}

const std::string& QuotedText(const std::vector<Token>& tokens, std::size_t index, const char* what)
{
    if (index >= tokens.size() || !tokens[index].quoted)
        throw LineError{std::string(what) + " needs a text in double quotes"};
    return tokens[index].text;
}

std::string Substitute(const std::string& pattern, std::uint64_t value)
{
    std::string text = pattern;
    const std::size_t at = text.find("%d");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(value));
    return text;
}

class SourceBuilder {
public:
    void Line(const std::vector<Token>& tokens)
    {
        const std::string& keyword = tokens[0].text;
        if (tokens[0].quoted)
            throw LineError{"a line starts with category, group, item or items"};
        if (keyword == "category")
            Category(tokens);
        else if (keyword == "group")
            Group(tokens);
        else if (keyword == "item")
            Item(tokens);
        else if (keyword == "items")
            Items(tokens);
        else
            throw LineError{"unknown record \"" + keyword + "\""};
    }

    CatalogueSource Take() { return std::move(m_source); }

private:
    void Category(const std::vector<Token>& tokens)
    {
        if (m_source.categories.size() == 255)
            throw LineError{"more than 255 categories"};
        SourceCategory category;
        category.record.key = static_cast<std::uint16_t>(
            Number(tokens.size() > 1 ? tokens[1].text : "", 0xFFFF, "a category key"));
        SetText(category.record.text, QuotedText(tokens, 2, "a category"), "category text");
        const Attributes attributes = ParseAttributes(tokens, 3);
        category.record.flags = attributes.flags;
        category.record.gameFlags = attributes.gameFlags;
        m_source.categories.push_back(std::move(category));
    }

    void Group(const std::vector<Token>& tokens)
    {
        if (m_source.categories.empty())
            throw LineError{"a group before any category"};
        auto& groups = m_source.categories.back().groups;
        if (groups.size() == 255)
            throw LineError{"more than 255 groups in one category"};
        SourceGroup group;
        std::size_t next = 1;
        if (tokens.size() > 1 && tokens[1].quoted)
            SetText(group.record.name, tokens[next++].text, "group name");
        const Attributes attributes = ParseAttributes(tokens, next);
        group.record.flags = attributes.flags;
        group.record.gameFlags = attributes.gameFlags;
        group.record.reserved = attributes.byte0.value_or(0);
        groups.push_back(std::move(group));
    }

    void AddItem(std::uint64_t key, const std::string& text, const Attributes& attributes)
    {
        auto& items = CurrentGroup().items;
        if (items.size() == 255)
            throw LineError{"more than 255 items in one group"};
        ItemRecord item{};
        item.key = static_cast<std::uint16_t>(key);
        item.flags = attributes.flags;
        item.gameFlags = attributes.gameFlags;
        SetText(item.text, text, "item text");
        items.push_back(item);
    }

    void Item(const std::vector<Token>& tokens)
    {
        const auto key = Number(tokens.size() > 1 ? tokens[1].text : "", 0xFFFF, "an item key");
        const std::string& text = QuotedText(tokens, 2, "an item");
        AddItem(key, text, ParseAttributes(tokens, 3));
    }

    void Items(const std::vector<Token>& tokens)
    {
        const std::string range = tokens.size() > 1 ? tokens[1].text : "";
        const std::size_t dash = range.find('-');
        if (dash == std::string::npos)
            throw LineError{"items needs a key range FIRST-LAST"};
        const auto first = Number(std::string_view(range).substr(0, dash), 0xFFFF, "the first key");
        const auto last = Number(std::string_view(range).substr(dash + 1), 0xFFFF, "the last key");
        if (last < first)
            throw LineError{"the key range " + range + " runs backwards"};
        const std::string& pattern = QuotedText(tokens, 2, "items");
        const Attributes attributes = ParseAttributes(tokens, 3);
        const std::uint64_t from = attributes.from.value_or(first);
        for (std::uint64_t key = first; key <= last; ++key)
            AddItem(key, Substitute(pattern, key - first + from), attributes);
    }

    SourceGroup& CurrentGroup()
    {
        if (m_source.categories.empty() || m_source.categories.back().groups.empty())
            throw LineError{"an item before any group"};
        return m_source.categories.back().groups.back();
    }

    CatalogueSource m_source;
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
    SourceBuilder builder;
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
        try {
            builder.Line(tokens);
        } catch (const LineError& e) {
            return {std::nullopt, lineNumber, e.message};
        }
    }
    return {builder.Take(), 0, {}};
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
