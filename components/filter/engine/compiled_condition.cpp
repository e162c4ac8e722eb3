#include "components/filter/engine/compiled_condition.h"

#include "components/filter/engine/condition_type.h"
#include "components/filter/engine/digit_classes.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <array>

namespace vesk::filter {

namespace {

// Bits set in each 10-bit digit mask, without relying on a popcount
// instruction the target may lack.
constexpr auto kDigitCount = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (std::size_t mask = 1; mask < counts.size(); ++mask)
        counts[mask] = static_cast<std::uint8_t>(counts[mask >> 1] + (mask & 1));
    return counts;
}();

ValueBasis EffectiveBasis(const Condition& c)
{
    // A list compared as groups depends on the multiset alone.
    if (c.type == ConditionType::List && c.group)
        return ValueBasis::Multiset;
    return InfoOf(c.type).basis;
}

struct DigitClassing {
    int (*classify)(int);
    int classes;
};

DigitClassing PatternClassing(ConditionType type)
{
    switch (type) {
    case ConditionType::OddPattern: return {OddClass, 2};
    case ConditionType::BigPattern: return {BigClass, 2};
    case ConditionType::PrimePattern: return {PrimeClass, 2};
    case ConditionType::RoadPattern: return {RoadClass, 3};
    default: return {DzxClass, 3};
    }
}

// The digit at position p of the number when the part (starting at offset,
// count digits long) holds it, else 0: positions outside do not matter.
int DigitIfInPart(const Digits& part, int offset, int count, int p)
{
    return p >= offset && p < offset + count ? part[static_cast<std::size_t>(p - offset)] : 0;
}

// The class of a part that, with the class of the other part, decides the
// value of an ordered condition. The high part starts the number.
std::uint32_t PartClass(const Condition& c, const Digits& part, int offset, int count, bool isHigh)
{
    switch (c.type) {
    case ConditionType::Position:
        return static_cast<std::uint32_t>(DigitIfInPart(part, offset, count, c.position));
    case ConditionType::PairSum:
    case ConditionType::PairSumTail:
    case ConditionType::PairDiff:
        return static_cast<std::uint32_t>(DigitIfInPart(part, offset, count, c.pair[0]) * 10
                                          + DigitIfInPart(part, offset, count, c.pair[1]));
    case ConditionType::Shape: {
        if (count == 0)
            return 0;
        // The steps inside the part, and the digit that meets the other part.
        std::uint32_t steps = 0;
        for (int i = 0; i + 1 < count; ++i) {
            const auto a = part[static_cast<std::size_t>(i)];
            const auto b = part[static_cast<std::size_t>(i + 1)];
            steps = steps * 3 + (b > a ? 2 : b == a ? 1 : 0);
        }
        return steps * 10 + part[static_cast<std::size_t>(isHigh ? count - 1 : 0)];
    }
    default: {
        const DigitClassing classing = PatternClassing(c.type);
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value * static_cast<std::uint32_t>(classing.classes)
                + static_cast<std::uint32_t>(classing.classify(part[static_cast<std::size_t>(i)]));
        return value;
    }
    }
}

// Part classes stay below this: a shape class of a five-digit part is at
// most 3^4 * 10.
constexpr std::uint32_t kClassKeyLimit = 1024;

// Each part number's class, numbered densely in order of first sight, and
// one representative number per class.
std::uint32_t ClassifyPart(const Condition& c, int digits, int offset, bool isHigh, std::vector<std::uint32_t>& classOf,
                           std::vector<std::uint32_t>& representatives)
{
    const std::uint32_t count = PowerOfTen(digits);
    classOf.resize(count);
    std::vector<std::int32_t> dense(kClassKeyLimit, -1);
    for (std::uint32_t code = 0; code < count; ++code) {
        const std::uint32_t key = PartClass(c, DigitsOf(code, digits), offset, digits, isHigh);
        if (dense[key] < 0) {
            dense[key] = static_cast<std::int32_t>(representatives.size());
            representatives.push_back(code);
        }
        classOf[code] = static_cast<std::uint32_t>(dense[key]);
    }
    return static_cast<std::uint32_t>(representatives.size());
}

} // namespace

CompiledCondition::CompiledCondition(const Condition& condition, const NumberSpace& space, const HistoryIndex* history)
    : m_prepared(condition, space.Length())
    , m_basis(EffectiveBasis(condition))
    , m_lowCount(space.LowCount())
{
    switch (m_basis) {
    case ValueBasis::Multiset: CompileMultiset(space, history); break;
    case ValueBasis::Ordered: CompileOrdered(space); break;
    case ValueBasis::Listed: CompileListed(space, history); break;
    }
}

void CompiledCondition::Recompile(const NumberSpace& space, const HistoryIndex* history)
{
    if (!InfoOf(m_prepared.Type()).needsHistory)
        return;
    if (m_basis == ValueBasis::Multiset)
        CompileMultiset(space, history);
    else
        CompileListed(space, history);
}

void CompiledCondition::CompileMultiset(const NumberSpace& space, const HistoryIndex* history)
{
    m_failByMultiset.resize(space.MultisetCount());
    if (InfoOf(m_prepared.Type()).needsHistory) {
        CompileHistoryMultiset(space, *history);
        return;
    }
    for (std::uint32_t m = 0; m < space.MultisetCount(); ++m)
        m_failByMultiset[m] = m_prepared.Holds(space.MultisetDigits(m).data(), history) ? 0 : 1;
}

// The history conditions depend on the multiset through one small key each
// (its digit mask against some drawn digits, its sum, its group), so the
// answers are worked out per key, once per history, and looked up.
void CompiledCondition::CompileHistoryMultiset(const NumberSpace& space, const HistoryIndex& history)
{
    const Condition& c = m_prepared.Source();
    const std::uint32_t count = space.MultisetCount();
    switch (m_prepared.Type()) {
    case ConditionType::GroupOmission: {
        const auto size = static_cast<std::int64_t>(history.Size());
        std::fill(m_failByMultiset.begin(), m_failByMultiset.end(), m_prepared.HoldsFor(size) ? 0 : 1);
        // A group form is a number whose multiset is that group.
        for (const auto& [group, last] : history.DrawnGroups())
            m_failByMultiset[space.MultisetOf(group)] =
                m_prepared.HoldsFor(size - 1 - static_cast<std::int64_t>(last)) ? 0 : 1;
        return;
    }
    case ConditionType::SumOmission: {
        std::uint8_t failBySum[9 * kMaxLength + 1];
        for (int sum = 0; sum <= 9 * space.Length(); ++sum)
            failBySum[sum] = m_prepared.HoldsFor(history.SumOmission(sum)) ? 0 : 1;
        for (std::uint32_t m = 0; m < count; ++m)
            m_failByMultiset[m] = failBySum[space.MultisetSum(m)];
        return;
    }
    default: {
        // Repeat, adjacent, recent-count: how many of its digits are among
        // the digits the history gives.
        std::uint16_t against = history.RecentDigits(m_prepared.Type() == ConditionType::RecentCount ? c.window : 1);
        if (m_prepared.Type() == ConditionType::Adjacent)
            against = static_cast<std::uint16_t>(((against << 1) | (against >> 1)) & 0x3FFu);
        std::uint8_t failByCount[11];
        for (int n = 0; n <= 10; ++n)
            failByCount[n] = m_prepared.HoldsFor(n) ? 0 : 1;
        for (std::uint32_t m = 0; m < count; ++m)
            m_failByMultiset[m] = failByCount[kDigitCount[space.MultisetMask(m) & against]];
        return;
    }
    }
}

void CompiledCondition::CompileOrdered(const NumberSpace& space)
{
    const Condition& c = m_prepared.Source();
    const int highDigits = space.HighDigits();
    std::vector<std::uint32_t> highReps;
    std::vector<std::uint32_t> lowReps;
    const std::uint32_t highClasses = ClassifyPart(c, highDigits, 0, true, m_highClass, highReps);
    m_lowClasses = ClassifyPart(c, space.LowDigits(), highDigits, false, m_lowClass, lowReps);
    m_failTable.resize(std::size_t(highClasses) * m_lowClasses);
    for (std::uint32_t h = 0; h < highClasses; ++h) {
        for (std::uint32_t l = 0; l < m_lowClasses; ++l) {
            const Digits d = DigitsOf(highReps[h] * space.LowCount() + lowReps[l], space.Length());
            m_failTable[std::size_t(h) * m_lowClasses + l] = m_prepared.Holds(d.data(), nullptr) ? 0 : 1;
        }
    }
    // The same answers spread over every low number, so a run adds rows.
    m_failRows.resize(std::size_t(highClasses) * m_lowCount);
    for (std::uint32_t h = 0; h < highClasses; ++h)
        for (std::uint32_t low = 0; low < m_lowCount; ++low)
            m_failRows[std::size_t(h) * m_lowCount + low] = m_failTable[std::size_t(h) * m_lowClasses + m_lowClass[low]];
}

void CompiledCondition::CompileListed(const NumberSpace& space, const HistoryIndex* history)
{
    const int length = space.Length();
    m_listed.clear();
    if (m_prepared.Type() == ConditionType::List) {
        std::vector<std::uint32_t> codes = m_prepared.ListedNumbers();
        std::sort(codes.begin(), codes.end());
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
        m_failsUnlisted = !m_prepared.HoldsFor(0);
        for (std::uint32_t code : codes)
            m_listed.emplace_back(code, !m_prepared.Holds(DigitsOf(code, length).data(), history));
        return;
    }
    // An omission: the drawn numbers differ from the never drawn, and the
    // index already holds each one's latest draw, so the value is its age.
    const auto size = static_cast<std::int64_t>(history->Size());
    m_failsUnlisted = !m_prepared.HoldsFor(size);
    for (const auto& [code, last] : history->Drawn())
        m_listed.emplace_back(code, !m_prepared.HoldsFor(size - 1 - static_cast<std::int64_t>(last)));
}

bool CompiledCondition::Fails(std::uint32_t high, std::uint32_t low, std::uint32_t multiset) const
{
    switch (m_basis) {
    case ValueBasis::Multiset:
        return m_failByMultiset[multiset] != 0;
    case ValueBasis::Ordered:
        return m_failRows[std::size_t(m_highClass[high]) * m_lowCount + low] != 0;
    case ValueBasis::Listed: {
        const std::uint32_t code = high * m_lowCount + low;
        const auto it = std::lower_bound(m_listed.begin(), m_listed.end(), std::pair{code, false});
        return it != m_listed.end() && it->first == code ? it->second : m_failsUnlisted;
    }
    }
    return false;
}

std::uint64_t CompiledCondition::FailCount(const NumberSpace& space) const
{
    std::uint64_t fails = 0;
    switch (m_basis) {
    case ValueBasis::Multiset:
        for (std::uint32_t m = 0; m < space.MultisetCount(); ++m)
            fails += m_failByMultiset[m] ? space.MultisetSize(m) : 0;
        break;
    case ValueBasis::Ordered: {
        std::vector<std::uint64_t> highSizes(m_failTable.size() / m_lowClasses, 0);
        for (std::uint32_t cls : m_highClass)
            ++highSizes[cls];
        std::vector<std::uint64_t> lowSizes(m_lowClasses, 0);
        for (std::uint32_t cls : m_lowClass)
            ++lowSizes[cls];
        for (std::size_t h = 0; h < highSizes.size(); ++h)
            for (std::size_t l = 0; l < m_lowClasses; ++l)
                fails += m_failTable[h * m_lowClasses + l] ? highSizes[h] * lowSizes[l] : 0;
        break;
    }
    case ValueBasis::Listed:
        fails = m_failsUnlisted ? space.Size() - m_listed.size() : 0;
        for (const auto& [code, fail] : m_listed)
            fails += fail ? 1 : 0;
        break;
    }
    return fails;
}

} // namespace vesk::filter
