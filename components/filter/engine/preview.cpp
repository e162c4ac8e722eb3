#include "components/filter/engine/preview.h"

namespace vesk::filter {

namespace {

Preview EmptyPreview(const ConditionSet& set)
{
    Preview preview;
    for (const Group& group : set.groups)
        preview.rejectedAlone.emplace_back(group.conditions.size());
    return preview;
}

// A walk over the space with a weight per number beats a look-up per
// number and condition once the list is about an eighth of a small space.
bool WeighOverSpace(const CompiledSet& compiled, std::size_t listed)
{
    constexpr std::uint64_t kLargestWeighedSpace = 1'000'000;
    const std::uint64_t space = compiled.Space().Size();
    return space <= kLargestWeighedSpace && std::uint64_t(listed) * 8 >= space;
}

} // namespace

Preview PreviewList(const ConditionSet& set, const CompiledSet& compiled, std::span<const std::uint32_t> codes)
{
    Preview preview = EmptyPreview(set);
    const std::uint64_t space = compiled.Space().Size();
    std::vector<std::uint64_t> failures(compiled.ConditionCount(), 0);
    if (WeighOverSpace(compiled, codes.size())) {
        std::vector<std::uint32_t> weights(space, 0);
        for (std::uint32_t code : codes)
            if (code < space)
                ++weights[code];
        const RunCounts tally = compiled.TallyWeighted(weights);
        preview.kept = tally.kept;
        preview.total = tally.in;
        failures = tally.conditionFailures;
    } else {
        std::vector<std::uint8_t> fails;
        std::vector<std::uint8_t> groupFails;
        for (std::uint32_t code : codes) {
            if (code >= space)
                continue;
            ++preview.total;
            if (compiled.Explain(code, fails, groupFails))
                ++preview.kept;
            for (std::size_t i = 0; i < fails.size(); ++i)
                failures[i] += fails[i];
        }
    }
    for (std::size_t i = 0; i < compiled.ConditionCount() && i < failures.size(); ++i) {
        const ConditionRef& ref = compiled.RefAt(i);
        preview.rejectedAlone[ref.group][ref.condition] = failures[i];
    }
    return preview;
}

Preview PreviewSet(const ConditionSet& set, const CompiledSet& compiled)
{
    Preview preview;
    preview.kept = compiled.KeptCount();
    preview.total = compiled.Space().Size();
    for (const Group& group : set.groups)
        preview.rejectedAlone.emplace_back(group.conditions.size());
    for (std::size_t i = 0; i < compiled.ConditionCount(); ++i) {
        const ConditionRef& ref = compiled.RefAt(i);
        preview.rejectedAlone[ref.group][ref.condition] = compiled.ConditionAt(i).FailCount(compiled.Space());
    }
    return preview;
}

} // namespace vesk::filter
