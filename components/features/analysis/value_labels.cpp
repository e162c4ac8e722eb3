#include "components/features/analysis/value_labels.h"

#include "components/filter/engine/value_choices.h"
#include "components/filter/engine/condition_checks.h"

#include <charconv>

namespace vesk::analysis {

ValueLabels::ValueLabels(const filter::Condition& condition, int length) : m_condition(condition), m_length(length)
{
    m_condition.values.clear();
    for (const filter::ValueChoice& choice : filter::ValueChoices(m_condition, length))
        m_labels.emplace(choice.value, choice.label);
}

std::string ValueLabels::Text(std::int64_t value) const
{
    const auto it = m_labels.find(value);
    return it == m_labels.end() ? std::to_string(value) : it->second;
}

std::optional<std::int64_t> ValueLabels::Parse(std::string_view text) const
{
    for (const auto& [value, label] : m_labels)
        if (label == text)
            return value;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    if (!filter::IsPossibleValue(m_condition, m_length, value))
        return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitTokens(std::string_view text)
{
    static constexpr std::string_view kWideSeparators[] = {"，", "、", "；", "　"};
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    const auto close = [&](std::size_t end) {
        if (end > start)
            tokens.push_back(text.substr(start, end - start));
    };
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v' || c == ',' || c == ';' || c == '|' || c == '/') {
            close(i);
            start = ++i;
            continue;
        }
        std::size_t wide = 0;
        for (std::string_view separator : kWideSeparators)
            if (text.substr(i, separator.size()) == separator)
                wide = separator.size();
        if (wide > 0) {
            close(i);
            i += wide;
            start = i;
            continue;
        }
        ++i;
    }
    close(text.size());
    return tokens;
}

std::optional<std::vector<std::int64_t>> ParseValueList(const ValueLabels& labels, std::string_view text,
                                                        std::string& error)
{
    std::vector<std::int64_t> values;
    const std::vector<std::string_view> tokens = SplitTokens(text);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::optional<std::int64_t> value = labels.Parse(tokens[i]);
        if (!value) {
            error = "第" + std::to_string(i + 1) + "项“" + std::string(tokens[i]) + "”不是这个类型的值";
            return std::nullopt;
        }
        values.push_back(*value);
    }
    error.clear();
    return values;
}

std::string ValueListText(const ValueLabels& labels, const std::vector<std::int64_t>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ' ';
        text += labels.Text(values[i]);
    }
    return text;
}

} // namespace vesk::analysis
