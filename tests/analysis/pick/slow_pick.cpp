#include "tests/analysis/pick/slow_pick.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace vesk::test {

namespace {

std::vector<int> Digits3(std::uint32_t code)
{
    return {static_cast<int>(code / 100), static_cast<int>(code / 10 % 10), static_cast<int>(code % 10)};
}

std::set<int> DistinctDigits(std::uint32_t code)
{
    const std::vector<int> d = Digits3(code);
    return {d.begin(), d.end()};
}

// Digits ordered by count over the last W draws, then the latest
// appearance, then the digit.
std::vector<int> Ranked(const std::vector<std::uint32_t>& before, std::size_t window)
{
    const std::size_t w = std::min(window, before.size());
    std::vector<std::uint32_t> last(before.end() - static_cast<std::ptrdiff_t>(w), before.end());
    std::vector<std::tuple<long long, long long, int>> keys; // (-count, -latest index, digit)
    for (int x = 0; x < 10; ++x) {
        long long count = 0, latest = -1;
        for (std::size_t i = 0; i < last.size(); ++i) {
            for (int d : Digits3(last[i])) {
                if (d == x) {
                    ++count;
                    latest = static_cast<long long>(i);
                }
            }
        }
        keys.emplace_back(-count, -latest, x);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<int> order;
    for (const auto& k : keys)
        order.push_back(std::get<2>(k));
    return order;
}

} // namespace

std::vector<int> SlowClasses(const SlowPickParameters& p, const std::vector<std::uint32_t>& before)
{
    std::vector<int> classes(10, 0);
    if (before.empty() || (p.method == "repeat-skip" && before.size() < 2))
        return {};
    const std::set<int> newest = DistinctDigits(before.back());
    if (p.method == "neighbour") {
        for (int x = 0; x < 10; ++x) {
            if (newest.count(x))
                classes[x] = 0;
            else if ((x > 0 && newest.count(x - 1)) || (x < 9 && newest.count(x + 1)))
                classes[x] = 1;
            else
                classes[x] = 2;
        }
    } else if (p.method == "repeat-skip") {
        const std::set<int> older = DistinctDigits(before[before.size() - 2]);
        for (int x = 0; x < 10; ++x)
            classes[x] = newest.count(x) ? 0 : older.count(x) ? 1 : 2;
    } else if (p.method == "hot-cold" || p.method == "pyramid") {
        const std::vector<int> order = Ranked(before, p.window);
        const std::vector<int> heat = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2};
        const std::vector<int> layer = {0, 1, 1, 2, 2, 2, 3, 3, 3, 3};
        for (int r = 0; r < 10; ++r)
            classes[order[r]] = p.method == "hot-cold" ? heat[r] : layer[r];
    } else if (p.method == "follow") {
        const std::size_t w = std::min(p.window, before.size());
        const std::size_t first = before.size() - w;
        long long f[10][10] = {};
        for (std::size_t t = first; t + 1 < before.size(); ++t) {
            for (int x : DistinctDigits(before[t]))
                for (int y : DistinctDigits(before[t + 1]))
                    ++f[x][y];
        }
        std::vector<std::pair<long long, int>> scores;
        for (int y = 0; y < 10; ++y) {
            long long s = 0;
            for (int x : newest)
                s += f[x][y];
            scores.emplace_back(-s, y);
        }
        std::sort(scores.begin(), scores.end());
        for (int r = 0; r < 10; ++r)
            classes[scores[r].second] = r < p.top ? 0 : 1;
    } else if (p.method == "magic") {
        const std::vector<int> d = Digits3(before.back());
        const int a = d[0], b = d[1], c = d[2];
        const int results[7] = {(a + b) % 10, (b + c) % 10, (a + c) % 10, (a + b + c) % 10,
                                std::abs(a - b), std::abs(b - c), std::abs(a - c)};
        std::fill(classes.begin(), classes.end(), 1);
        for (int i = 0; i < 7; ++i) {
            if (p.formulas & (1u << i))
                classes[results[i]] = 0;
        }
    }
    return classes;
}

std::string SlowLabel(const std::string& method, const std::vector<int>& classes, std::uint32_t code)
{
    std::vector<int> of;
    for (int d : Digits3(code))
        of.push_back(classes[d]);
    if (method == "pyramid") {
        std::sort(of.begin(), of.end());
        std::string label;
        for (int c : of)
            label += std::to_string(c + 1);
        return label;
    }
    if (method == "follow" || method == "magic")
        return std::to_string(std::count(of.begin(), of.end(), 0));
    std::string label;
    for (int c = 0; c < 3; ++c)
        label += std::to_string(std::count(of.begin(), of.end(), c));
    return label;
}

} // namespace vesk::test
