#include "oracle.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace vesk::filter::test {

namespace {

int D(char ch) { return ch - '0'; }

std::set<int> DistinctDigits(const std::string& n)
{
    std::set<int> s;
    for (char ch : n)
        s.insert(D(ch));
    return s;
}

int CountIf(const std::string& n, bool (*pred)(int))
{
    return static_cast<int>(std::count_if(n.begin(), n.end(), [&](char ch) { return pred(D(ch)); }));
}

std::string Sorted(std::string n)
{
    std::sort(n.begin(), n.end());
    return n;
}

int Sum(const std::string& n)
{
    int s = 0;
    for (char ch : n)
        s += D(ch);
    return s;
}

// Age of the newest entry of history matching, or the history's size.
template <typename Match>
std::int64_t Age(const std::vector<std::string>& history, Match match)
{
    for (std::size_t age = 0; age < history.size(); ++age)
        if (match(history[history.size() - 1 - age]))
            return static_cast<std::int64_t>(age);
    return static_cast<std::int64_t>(history.size());
}

int CommonWith(const std::string& n, const std::set<int>& others)
{
    int count = 0;
    for (int x : DistinctDigits(n))
        count += others.count(x) ? 1 : 0;
    return count;
}

} // namespace

std::string NumberText(std::uint32_t code, int length)
{
    std::string text(static_cast<std::size_t>(length), '0');
    for (int i = length - 1; i >= 0; --i, code /= 10)
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + code % 10);
    return text;
}

std::int64_t OracleValue(const Condition& c, const std::string& n, const std::vector<std::string>& history)
{
    const int L = static_cast<int>(n.size());
    const std::string s = Sorted(n);
    auto pattern = [&](int base, int (*cls)(int)) {
        std::int64_t v = 0;
        for (char ch : n)
            v = v * base + cls(D(ch));
        return v;
    };
    auto classCounts = [&](int (*cls)(int)) {
        int k[3] = {0, 0, 0};
        for (char ch : n)
            ++k[cls(D(ch))];
        return std::int64_t(100 * k[0] + 10 * k[1] + k[2]);
    };
    switch (c.type) {
    case ConditionType::Sum: return Sum(n);
    case ConditionType::SumTail: return Sum(n) % 10;
    case ConditionType::Span: return D(s.back()) - D(s.front());
    case ConditionType::OddCount: return CountIf(n, [](int x) { return x % 2 == 1; });
    case ConditionType::BigCount: return CountIf(n, [](int x) { return x >= 5; });
    case ConditionType::PrimeCount: return CountIf(n, [](int x) { return x == 1 || x == 2 || x == 3 || x == 5 || x == 7; });
    case ConditionType::RoadCounts: return classCounts([](int x) { return x % 3; });
    case ConditionType::DzxCounts: return classCounts([](int x) { return x >= 7 ? 0 : x >= 3 ? 1 : 2; });
    case ConditionType::DistinctCount: return static_cast<std::int64_t>(DistinctDigits(n).size());
    case ConditionType::MaxDigit: return D(s.back());
    case ConditionType::MinDigit: return D(s.front());
    case ConditionType::MidDigit: return D(s[static_cast<std::size_t>(L / 2)]);
    case ConditionType::Consecutive: {
        const std::set<int> ds = DistinctDigits(n);
        int best = 0;
        for (int start : ds) {
            int run = 0;
            while (ds.count(start + run))
                ++run;
            best = std::max(best, run);
        }
        return best;
    }
    case ConditionType::OddPattern: return pattern(2, [](int x) { return x % 2; });
    case ConditionType::BigPattern: return pattern(2, [](int x) { return x >= 5 ? 1 : 0; });
    case ConditionType::PrimePattern:
        return pattern(2, [](int x) { return x == 1 || x == 2 || x == 3 || x == 5 || x == 7 ? 1 : 0; });
    case ConditionType::RoadPattern: return pattern(10, [](int x) { return x % 3; });
    case ConditionType::DzxPattern: return pattern(10, [](int x) { return x >= 7 ? 2 : x >= 3 ? 1 : 0; });
    case ConditionType::Shape: {
        std::int64_t v = 0;
        for (int i = 0; i + 1 < L; ++i)
            v = v * 10 + (n[i + 1] > n[i] ? 2 : n[i + 1] == n[i] ? 1 : 0);
        return v;
    }
    case ConditionType::DiffCount: {
        std::set<int> diffs;
        for (int i = 0; i < L; ++i)
            for (int j = i + 1; j < L; ++j)
                diffs.insert(std::abs(D(n[i]) - D(n[j])));
        return static_cast<std::int64_t>(diffs.size());
    }
    case ConditionType::Position: return D(n[c.position]);
    case ConditionType::PairSum: return D(n[c.pair[0]]) + D(n[c.pair[1]]);
    case ConditionType::PairSumTail: return (D(n[c.pair[0]]) + D(n[c.pair[1]])) % 10;
    case ConditionType::PairDiff: return std::abs(D(n[c.pair[0]]) - D(n[c.pair[1]]));
    case ConditionType::Contains: return CommonWith(n, std::set<int>(c.digits.begin(), c.digits.end()));
    case ConditionType::Pairs: {
        std::set<std::string> pairs;
        for (const std::string& p : c.pairs)
            pairs.insert(Sorted(p));
        int count = 0;
        for (const std::string& p : pairs) {
            std::string rest = n;
            const auto a = rest.find(p[0]);
            if (a == std::string::npos)
                continue;
            rest.erase(a, 1);
            count += rest.find(p[1]) != std::string::npos ? 1 : 0;
        }
        return count;
    }
    case ConditionType::List:
        for (const std::string& listed : c.numbers)
            if (c.group ? Sorted(listed) == s : listed == n)
                return 1;
        return 0;
    case ConditionType::Repeat:
        return history.empty() ? 0 : CommonWith(n, DistinctDigits(history.back()));
    case ConditionType::Adjacent: {
        if (history.empty())
            return 0;
        std::set<int> neighbours;
        for (int x : DistinctDigits(history.back())) {
            neighbours.insert(x - 1);
            neighbours.insert(x + 1);
        }
        return CommonWith(n, neighbours);
    }
    case ConditionType::RecentCount: {
        std::set<int> recent;
        for (std::size_t k = 0; k < history.size() && k < static_cast<std::size_t>(c.window); ++k)
            for (int x : DistinctDigits(history[history.size() - 1 - k]))
                recent.insert(x);
        return CommonWith(n, recent);
    }
    case ConditionType::Omission: return Age(history, [&](const std::string& h) { return h == n; });
    case ConditionType::GroupOmission: return Age(history, [&](const std::string& h) { return Sorted(h) == s; });
    case ConditionType::SumOmission: return Age(history, [&](const std::string& h) { return Sum(h) == Sum(n); });
    }
    return -1;
}

bool OraclePasses(const ConditionSet& set, const std::string& number, const std::vector<std::string>& history)
{
    for (const Group& g : set.groups) {
        if (!g.enabled)
            continue;
        int failed = 0;
        for (const Condition& c : g.conditions) {
            if (!c.enabled)
                continue;
            const bool listed = c.type == ConditionType::List
                ? OracleValue(c, number, history) == 1
                : std::find(c.values.begin(), c.values.end(), OracleValue(c, number, history)) != c.values.end();
            failed += listed == (c.mode == Mode::Keep) ? 0 : 1;
        }
        if (failed < g.minErrors || failed > g.maxErrors)
            return false;
    }
    return true;
}

} // namespace vesk::filter::test
