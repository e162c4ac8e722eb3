#include "components/features/analysis/omission/skew_search.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vesk::analysis {

namespace {

using Signature = std::pair<std::uint64_t, std::uint64_t>;

// Two independent hashes of the numbers each item holds for, in ascending
// order: equal sets give equal signatures in every family.
std::vector<Signature> SignaturesOf(const Family& family)
{
    std::vector<Signature> signatures(family.Size(), {1469598103934665603ull, 0});
    std::vector<std::uint32_t> hits;
    ForEachNumber(family.Length(), [&](std::uint32_t code, const std::uint8_t* digits) {
        hits.clear();
        family.Finder().Find(digits, code, hits);
        for (std::uint32_t i : hits) {
            Signature& s = signatures[i];
            s.first = (s.first ^ code) * 1099511628211ull;
            s.second = s.second * 6364136223846793005ull + code + 1442695040888963407ull;
        }
    });
    return signatures;
}

bool Stands(const OmissionRow& row, const SkewThresholds& thresholds)
{
    if (row.ratio.Compare(thresholds.minRatio) >= 0)
        return true;
    const Figure share{row.current, row.maximum > 0 ? row.maximum : 1};
    return row.maximum > 0 && share.Compare(thresholds.minShareOfMax) >= 0;
}

} // namespace

SkewResult SearchSkew(std::span<const Family* const> families, std::span<const std::uint32_t> draws, std::size_t last,
                      const SkewThresholds& thresholds)
{
    SkewResult result;
    result.historySize = draws.size();
    result.window = WindowSize(last, draws.size());
    std::set<Signature> seen;
    for (std::size_t f = 0; f < families.size(); ++f) {
        const Family& family = *families[f];
        const std::vector<Signature> signatures = SignaturesOf(family);
        const OmissionTable table = ComputeOmissions(family, draws, last);
        for (const OmissionRow& row : table.rows) {
            if (!seen.insert(signatures[row.item]).second)
                continue;
            ++result.searched;
            if (Stands(row, thresholds))
                result.rows.push_back({f, row});
        }
    }
    std::stable_sort(result.rows.begin(), result.rows.end(), [](const SkewRow& a, const SkewRow& b) {
        const int order = a.row.ratio.Compare(b.row.ratio);
        if (order != 0)
            return order > 0;
        return a.family != b.family ? a.family < b.family : a.row.item < b.row.item;
    });
    return result;
}

} // namespace vesk::analysis
