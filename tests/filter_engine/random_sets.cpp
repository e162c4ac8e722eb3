#include "random_sets.h"

#include "components/filter/engine/condition_checks.h"
#include "oracle.h"

namespace vesk::filter::test {

int Pick(std::mt19937& rng, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(rng);
}

std::string RandomNumber(int length, std::mt19937& rng)
{
    std::string n;
    for (int i = 0; i < length; ++i)
        n += static_cast<char>('0' + Pick(rng, 0, 9));
    return n;
}

namespace {

// Values some numbers have (so most are possible), plus small counts.
std::vector<std::int64_t> RandomValues(const Condition& c, int length, const std::vector<std::string>& history,
                                       std::mt19937& rng)
{
    std::vector<std::int64_t> values;
    for (int i = Pick(rng, 0, 6); i > 0; --i)
        values.push_back(OracleValue(c, RandomNumber(length, rng), history));
    for (int i = Pick(rng, 0, 3); i > 0; --i) {
        const std::int64_t v = Pick(rng, 0, 12);
        if (IsPossibleValue(c, length, v))
            values.push_back(v);
    }
    return values;
}

} // namespace

Condition RandomCondition(ConditionType type, int length, const std::vector<std::string>& history, std::mt19937& rng)
{
    Condition c;
    c.type = type;
    c.mode = Pick(rng, 0, 1) ? Mode::Keep : Mode::Exclude;
    c.enabled = Pick(rng, 0, 9) != 0;
    c.position = Pick(rng, 0, length - 1);
    if (length >= 2) {
        c.pair[0] = Pick(rng, 0, length - 2);
        c.pair[1] = Pick(rng, c.pair[0] + 1, length - 1);
    }
    for (int i = Pick(rng, 1, 4); i > 0; --i)
        c.digits.push_back(Pick(rng, 0, 9));
    for (int i = Pick(rng, 1, 4); i > 0; --i)
        c.pairs.push_back(NumberText(static_cast<std::uint32_t>(Pick(rng, 0, 99)), 2));
    for (int i = Pick(rng, 1, 6); i > 0; --i)
        c.numbers.push_back(RandomNumber(length, rng));
    c.group = Pick(rng, 0, 1) == 1;
    c.window = Pick(rng, 1, 4);
    if (type != ConditionType::List)
        c.values = RandomValues(c, length, history, rng);
    return c;
}

ConditionSet RandomSet(int length, const std::vector<std::string>& history, std::mt19937& rng)
{
    ConditionSet set;
    set.digits = length;
    const int typeCount = !history.empty() ? kConditionTypeCount : static_cast<int>(ConditionType::Repeat);
    for (int g = Pick(rng, 1, 3); g > 0; --g) {
        Group group;
        group.enabled = Pick(rng, 0, 7) != 0;
        const int count = Pick(rng, 1, 6);
        for (int i = 0; i < count; ++i) {
            auto type = static_cast<ConditionType>(Pick(rng, 0, typeCount - 1));
            // Two-position types need two digits.
            if (length < 2 && InfoOf(type).field == TypeField::Pair)
                type = ConditionType::Sum;
            group.conditions.push_back(RandomCondition(type, length, history, rng));
        }
        group.minErrors = Pick(rng, 0, 1);
        group.maxErrors = group.minErrors + Pick(rng, 0, 2);
        set.groups.push_back(group);
    }
    return set;
}

} // namespace vesk::filter::test
