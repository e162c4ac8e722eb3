#include "components/features/analysis/pick/pick_patterns.h"

#include <algorithm>
#include <numeric>

namespace vesk::analysis {

namespace {

// Counts are at most 8, so each class takes one base-9 place.
constexpr std::size_t kKeyBase = 9;
constexpr std::size_t kKeys = kKeyBase * kKeyBase * kKeyBase * kKeyBase;

std::string LabelOf(PickMethod method, const ClassCounts& counts, int classCount)
{
    classCount = std::min(classCount, static_cast<int>(counts.size()));
    std::string label;
    if (method == PickMethod::Pyramid) {
        for (int c = 0; c < classCount; ++c)
            label.append(counts[static_cast<std::size_t>(c)], static_cast<char>('1' + c));
    } else if (classCount == 2) {
        label = std::to_string(counts[0]);
    } else {
        for (int c = 0; c < classCount; ++c)
            label += static_cast<char>('0' + counts[static_cast<std::size_t>(c)]);
    }
    return label;
}

// Appends every way of spreading left digits over classes from..count-1.
void Spread(ClassCounts& counts, int from, int count, int left, std::vector<ClassCounts>& out)
{
    if (from >= count - 1 || from >= static_cast<int>(counts.size()) - 1) {
        counts[static_cast<std::size_t>(from)] = static_cast<std::uint8_t>(left);
        out.push_back(counts);
        return;
    }
    for (int k = 0; k <= left; ++k) {
        counts[static_cast<std::size_t>(from)] = static_cast<std::uint8_t>(k);
        Spread(counts, from + 1, count, left - k, out);
    }
    counts[static_cast<std::size_t>(from)] = 0;
}

} // namespace

PatternSpace::PatternSpace(PickMethod method, int length)
    : m_length(std::clamp(length, 1, 8)), m_classCount(std::clamp(InfoOf(method).classCount, 1, 4)),
      m_indexOfKey(kKeys, -1)
{
    for (int i = 0; i < m_length; ++i)
        m_spaceSize *= 10;
    m_factorial[0] = 1;
    for (std::size_t i = 1; i < m_factorial.size(); ++i)
        m_factorial[i] = m_factorial[i - 1] * i;
    std::vector<ClassCounts> patterns;
    ClassCounts counts{};
    Spread(counts, 0, m_classCount, m_length, patterns);
    std::vector<std::string> labels;
    for (const ClassCounts& p : patterns)
        labels.push_back(LabelOf(method, p, m_classCount));
    std::vector<std::size_t> order(patterns.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return labels[a] < labels[b]; });
    for (std::size_t i : order) {
        m_indexOfKey[KeyOf(patterns[i])] = static_cast<std::int32_t>(m_patterns.size());
        m_patterns.push_back(patterns[i]);
        m_labels.push_back(labels[i]);
    }
}

std::size_t PatternSpace::KeyOf(const ClassCounts& counts)
{
    return ((counts[3] * kKeyBase + counts[2]) * kKeyBase + counts[1]) * kKeyBase + counts[0];
}

std::optional<std::size_t> PatternSpace::IndexOfLabel(std::string_view label) const
{
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        if (m_labels[i] == label)
            return i;
    }
    return std::nullopt;
}

std::size_t PatternSpace::PatternOf(const DigitClasses& classes, std::uint32_t code) const
{
    ClassCounts counts{};
    for (int i = 0; i < m_length; ++i) {
        ++counts[classes.of[code % 10]];
        code /= 10;
    }
    return static_cast<std::size_t>(m_indexOfKey[KeyOf(counts)]);
}

std::uint64_t PatternSpace::SpaceCount(std::size_t pattern, const DigitClasses& classes) const
{
    const ClassCounts& counts = m_patterns[pattern];
    const std::array<int, 4> sizes = classes.Sizes();
    // Arrangements of the classes over the positions times the digits each
    // position may take in its class.
    std::uint64_t count = m_factorial[static_cast<std::size_t>(m_length)];
    for (int c = 0; c < m_classCount; ++c)
        count /= m_factorial[counts[static_cast<std::size_t>(c)]];
    for (int c = 0; c < m_classCount; ++c) {
        for (int k = 0; k < counts[static_cast<std::size_t>(c)]; ++k)
            count *= static_cast<std::uint64_t>(sizes[static_cast<std::size_t>(c)]);
    }
    return count;
}

} // namespace vesk::analysis
