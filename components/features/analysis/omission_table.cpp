#include "components/features/analysis/omission_table.h"

#include "components/filter/engine/digits.h"

#include <algorithm>

namespace vesk::analysis {

namespace {

// What the pass keeps per item.
struct Track {
    std::int64_t lastHit = -1;
    std::int64_t lastGap = 0; // the miss run the latest hit ended
    std::int64_t maximum = 0;
    std::int64_t hits = 0;
    std::int64_t run = 0;
    std::int64_t maxRun = 0;
};

} // namespace

OmissionTable ComputeOmissions(const Family& family, std::span<const std::uint32_t> draws, std::size_t last)
{
    OmissionTable table;
    const auto size = static_cast<std::int64_t>(draws.size());
    table.historySize = draws.size();
    table.window = WindowSize(last, draws.size());
    const std::int64_t start = size - static_cast<std::int64_t>(table.window);
    const int length = family.Length();

    std::vector<Track> tracks(family.Size());
    std::vector<std::uint32_t> hits;
    for (std::int64_t i = 0; i < size; ++i) {
        const std::uint32_t code = draws[static_cast<std::size_t>(i)];
        if (code >= family.SpaceSize())
            continue;
        const filter::Digits digits = filter::DigitsOf(code, length);
        hits.clear();
        family.Finder().Find(digits.data(), code, hits);
        for (std::uint32_t k : hits) {
            Track& t = tracks[k];
            const std::int64_t gap = i - t.lastHit - 1;
            // The run [lastHit + 1, i - 1] has a draw in the window when its
            // end does.
            if (gap > 0 && i - 1 >= start)
                t.maximum = std::max(t.maximum, gap);
            t.lastGap = gap;
            if (i >= start) {
                ++t.hits;
                t.run = t.lastHit == i - 1 && t.lastHit >= start ? t.run + 1 : 1;
                t.maxRun = std::max(t.maxRun, t.run);
            }
            t.lastHit = i;
        }
    }

    const auto n = static_cast<std::int64_t>(table.window);
    const auto space = static_cast<std::int64_t>(family.SpaceSize());
    for (std::size_t k = 0; k < family.Size(); ++k) {
        if (!family.Listed(k))
            continue;
        const Track& t = tracks[k];
        const auto count = static_cast<std::int64_t>(family.SpaceCount(k));
        OmissionRow row;
        row.item = k;
        row.current = size - 1 - t.lastHit;
        row.previous = t.lastHit >= 0 ? t.lastGap : 0;
        // The current run ends at the newest draw, inside any window that is
        // not empty.
        row.maximum = n > 0 ? std::max(t.maximum, row.current) : 0;
        row.hits = t.hits;
        row.maxRun = t.maxRun;
        row.average = {n - t.hits, t.hits + 1};
        row.expected = {space - count, count};
        row.ratio = {row.current * count, space - count};
        row.rate = n > 0 ? Figure{t.hits, n} : Figure{0, 1};
        table.rows.push_back(row);
    }
    return table;
}

std::string FormatRowFigures(const OmissionRow& row)
{
    return std::to_string(row.current) + '\t' + std::to_string(row.previous) + '\t' + std::to_string(row.maximum) + '\t' +
           FormatFigure(row.average, 2) + '\t' + FormatFigure(row.expected, 2) + '\t' + FormatFigure(row.ratio, 2) +
           '\t' + std::to_string(row.hits) + '\t' + FormatFigure(row.rate, 4) + '\t' + std::to_string(row.maxRun);
}

} // namespace vesk::analysis
