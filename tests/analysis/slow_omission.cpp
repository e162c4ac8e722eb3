#include "tests/analysis/slow_omission.h"

#include "numbers/draw_history.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace vesk::test {

std::vector<int> DigitsOfCode(std::uint32_t code, int length)
{
    std::vector<int> d(static_cast<std::size_t>(length));
    for (int i = length - 1; i >= 0; --i, code /= 10)
        d[static_cast<std::size_t>(i)] = static_cast<int>(code % 10);
    return d;
}

namespace {

int Count(const std::vector<int>& d, int x) { return static_cast<int>(std::count(d.begin(), d.end(), x)); }

} // namespace

Predicate PredicateOfLabel(const std::string& family, const std::string& label, int length)
{
    if (family == "sum") {
        const int v = std::stoi(label);
        return [v](const std::vector<int>& d) { return d[0] + d[1] + d[2] == v; };
    }
    if (family == "span") {
        const int v = std::stoi(label);
        return [v](const std::vector<int>& d) {
            return *std::max_element(d.begin(), d.end()) - *std::min_element(d.begin(), d.end()) == v;
        };
    }
    if (family == "odd-count") {
        const int v = std::stoi(label);
        return [v](const std::vector<int>& d) { return (d[0] & 1) + (d[1] & 1) + (d[2] & 1) == v; };
    }
    if (family == "road-pattern") {
        const int v = std::stoi(label);
        return [v](const std::vector<int>& d) { return d[0] % 3 * 100 + d[1] % 3 * 10 + d[2] % 3 == v; };
    }
    if (family == "distinct-count") {
        const int v = std::stoi(label);
        return [v](const std::vector<int>& d) { return static_cast<int>(std::set<int>(d.begin(), d.end()).size()) == v; };
    }
    if (family == "single-1") {
        const int p = label[0] - '0', x = label[2] - '0';
        return [p, x](const std::vector<int>& d) { return d[static_cast<std::size_t>(p)] == x; };
    }
    if (family == "single-2") {
        const int p = label[0] - '0', q = label[2] - '0', x = label[4] - '0', y = label[5] - '0';
        return [=](const std::vector<int>& d) { return d[static_cast<std::size_t>(p)] == x && d[static_cast<std::size_t>(q)] == y; };
    }
    if (family == "single-3") {
        return [label, length](const std::vector<int>& d) {
            for (int i = 0; i < length; ++i)
                if (d[static_cast<std::size_t>(i)] != label[static_cast<std::size_t>(i)] - '0')
                    return false;
            return true;
        };
    }
    if (family == "group-1") {
        const int x = label[0] - '0';
        return [x](const std::vector<int>& d) { return Count(d, x) > 0; };
    }
    if (family == "group-2") {
        const int x = label[0] - '0', y = label[1] - '0';
        return [x, y](const std::vector<int>& d) { return x == y ? Count(d, x) >= 2 : Count(d, x) > 0 && Count(d, y) > 0; };
    }
    if (family == "group-3") {
        return [label](const std::vector<int>& d) {
            std::vector<int> sorted = d;
            std::sort(sorted.begin(), sorted.end());
            std::string text;
            for (int x : sorted)
                text += static_cast<char>('0' + x);
            return text == label;
        };
    }
    if (family.starts_with("cover-")) {
        return [label](const std::vector<int>& d) {
            return std::all_of(d.begin(), d.end(), [&](int x) { return label.find(static_cast<char>('0' + x)) != std::string::npos; });
        };
    }
    std::abort();
}

std::string RoundHalfUp(long long num, long long den, int decimals)
{
    // Digits by long division, one more than kept, then round the text.
    long long whole = num / den;
    long long rest = num % den;
    std::vector<int> digits;
    for (int i = 0; i <= decimals; ++i) {
        rest *= 10;
        digits.push_back(static_cast<int>(rest / den));
        rest %= den;
    }
    const bool up = digits.back() >= 5;
    digits.pop_back();
    if (up) {
        int i = decimals - 1;
        for (; i >= 0 && digits[static_cast<std::size_t>(i)] == 9; --i)
            digits[static_cast<std::size_t>(i)] = 0;
        if (i >= 0)
            ++digits[static_cast<std::size_t>(i)];
        else
            ++whole;
    }
    std::string text = std::to_string(whole);
    if (decimals > 0) {
        text += '.';
        for (int x : digits)
            text += static_cast<char>('0' + x);
    }
    return text;
}

SlowRow SlowOmission(const Predicate& holds, const std::vector<std::uint32_t>& draws, std::size_t last, int length)
{
    SlowRow row;
    const long long size = static_cast<long long>(draws.size());
    const long long n = last == 0 ? size : std::min<long long>(static_cast<long long>(last), size);
    const long long start = size - n;
    std::vector<bool> hit;
    for (std::uint32_t code : draws)
        hit.push_back(holds(DigitsOfCode(code, length)));

    // The miss runs, each as [first, last].
    std::vector<std::pair<long long, long long>> runs;
    for (long long i = 0; i < size;) {
        if (hit[static_cast<std::size_t>(i)]) {
            ++i;
            continue;
        }
        long long j = i;
        while (j + 1 < size && !hit[static_cast<std::size_t>(j + 1)])
            ++j;
        runs.push_back({i, j});
        i = j + 1;
    }
    long long newest = -1;
    for (long long i = 0; i < size; ++i)
        if (hit[static_cast<std::size_t>(i)])
            newest = i;
    row.current = newest < 0 ? size : size - 1 - newest;
    if (newest >= 0) {
        for (const auto& [first, end] : runs)
            if (end == newest - 1)
                row.previous = end - first + 1;
    }
    for (const auto& [first, end] : runs)
        if (end >= start)
            row.maximum = std::max(row.maximum, end - first + 1);
    long long run = 0;
    for (long long i = start; i < size; ++i) {
        run = hit[static_cast<std::size_t>(i)] ? run + 1 : 0;
        row.hits += hit[static_cast<std::size_t>(i)] ? 1 : 0;
        row.maxRun = std::max(row.maxRun, run);
    }
    long long space = 1;
    for (int i = 0; i < length; ++i)
        space *= 10;
    for (long long code = 0; code < space; ++code)
        row.spaceCount += holds(DigitsOfCode(static_cast<std::uint32_t>(code), length)) ? 1 : 0;
    row.spaceSize = space;
    row.average = RoundHalfUp(n - row.hits, row.hits + 1, 2);
    row.expected = RoundHalfUp(space - row.spaceCount, row.spaceCount, 2);
    row.ratio = RoundHalfUp(row.current * row.spaceCount, space - row.spaceCount, 2);
    row.rate = n == 0 ? "0.0000" : RoundHalfUp(row.hits, n, 4);
    return row;
}

std::vector<std::uint32_t> SampleDraws()
{
    const char* source = std::getenv("VESK_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/data/draws-3d.txt", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const DrawHistory history = DrawHistory::Parse(bytes, 3);
    return {history.Codes().begin(), history.Codes().end()};
}

} // namespace vesk::test
