#include "components/filter/engine/compiled_set.h"

#include "components/filter/engine/validate.h"

#include "numbers/digit_packing.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <thread>

namespace vesk::filter {

namespace {

// Per group, what the pass table adds up for one high part: the errors of
// its multiset conditions by high multiset and low number, the rows of its
// ordered conditions, and the errors of its listed conditions away from
// their lists.
struct GroupPlan {
    std::vector<std::uint16_t> multisetErrors; // high multiset x low number
    std::vector<const CompiledCondition*> ordered;
    std::vector<const CompiledCondition*> listed;
    int bias = 0;        // listed errors minus the minimum
    unsigned spread = 0; // maximum minus minimum
};

GroupPlan PlanGroup(const CompiledGroup& group, const std::vector<CompiledCondition>& conditions,
                    const NumberSpace& space)
{
    GroupPlan plan;
    std::vector<std::uint16_t> byMultiset(space.MultisetCount(), 0);
    int listed = 0;
    for (std::size_t i = group.first; i < group.first + group.count; ++i) {
        const CompiledCondition& c = conditions[i];
        switch (c.Basis()) {
        case ValueBasis::Multiset:
            for (std::uint32_t m = 0; m < space.MultisetCount(); ++m)
                byMultiset[m] = static_cast<std::uint16_t>(byMultiset[m] + c.FailsByMultiset()[m]);
            break;
        case ValueBasis::Ordered: plan.ordered.push_back(&c); break;
        case ValueBasis::Listed:
            listed += c.FailsUnlisted() ? 1 : 0;
            plan.listed.push_back(&c);
            break;
        }
    }
    const std::uint32_t lowCount = space.LowCount();
    plan.multisetErrors.resize(std::size_t(space.HighMultisetCount()) * lowCount);
    for (std::uint32_t h = 0; h < space.HighMultisetCount(); ++h)
        for (std::uint32_t low = 0; low < lowCount; ++low)
            plan.multisetErrors[std::size_t(h) * lowCount + low] = byMultiset[space.Combine(h, space.LowMultiset(low))];
    plan.bias = listed - group.minErrors;
    plan.spread = static_cast<unsigned>(group.maxErrors - group.minErrors);
    return plan;
}

// Eight 0/1 bytes into one byte, the first byte in the lowest bit.
std::uint8_t PackEight(const std::uint8_t* bytes)
{
    std::uint64_t v = 0;
    std::memcpy(&v, bytes, sizeof v);
    return static_cast<std::uint8_t>((v * 0x0102040810204080ull) >> 56);
}

} // namespace

CompiledSet::CompiledSet(const ConditionSet& set, int length, const HistoryIndex* history)
    : m_space(SharedNumberSpace(length))
{
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        const Group& group = set.groups[g];
        if (!group.enabled)
            continue;
        CompiledGroup compiled{g, group.minErrors, group.maxErrors, m_conditions.size(), 0};
        for (std::size_t i = 0; i < group.conditions.size(); ++i) {
            if (!group.conditions[i].enabled)
                continue;
            m_conditions.emplace_back(group.conditions[i], *m_space, history);
            m_refs.push_back({g, i});
            ++compiled.count;
        }
        m_groups.push_back(compiled);
    }
    BuildPassTable();
}

void CompiledSet::UpdateHistory(const HistoryIndex& history)
{
    for (CompiledCondition& c : m_conditions)
        c.Recompile(*m_space, &history);
    BuildPassTable();
}

namespace {

// Walks the highs [highBegin, highEnd) of the space one high part at a time,
// working out each group's errors for every low number of that high part. onOrdered(condition, row, base)
// sees each ordered condition's fail row as it is added; onGroup(g, errors,
// plan, base) sees a group's errors once complete, with the bias not yet
// added. What the pass table and a weighted tally both build on.
template <class OnOrdered, class OnGroup>
void WalkSpace(const NumberSpace& space, const std::vector<CompiledGroup>& groups,
               const std::vector<CompiledCondition>& conditions, std::uint32_t highBegin, std::uint32_t highEnd,
               OnOrdered&& onOrdered, OnGroup&& onGroup)
{
    const std::uint32_t lowCount = space.LowCount();
    std::vector<GroupPlan> plans;
    for (const CompiledGroup& group : groups)
        plans.push_back(PlanGroup(group, conditions, space));

    // Per listed condition, its first listed number not yet reached; the
    // highs go up, and so do the listed numbers.
    const std::uint64_t firstCode = std::uint64_t(highBegin) * lowCount;
    std::vector<std::vector<std::size_t>> nextListed;
    for (const GroupPlan& plan : plans) {
        auto& next = nextListed.emplace_back();
        for (const CompiledCondition* c : plan.listed) {
            const auto& listed = c->Listed();
            next.push_back(static_cast<std::size_t>(
                std::partition_point(listed.begin(), listed.end(), [firstCode](const auto& l) { return l.first < firstCode; })
                - listed.begin()));
        }
    }

    std::vector<std::uint16_t> errors(lowCount);
    for (std::uint32_t high = highBegin; high < highEnd; ++high) {
        const std::uint32_t highMultiset = space.HighMultiset(high);
        const std::uint64_t base = std::uint64_t(high) * lowCount;
        for (std::size_t p = 0; p < plans.size(); ++p) {
            const GroupPlan& plan = plans[p];
            std::memcpy(errors.data(), &plan.multisetErrors[std::size_t(highMultiset) * lowCount],
                        lowCount * sizeof(std::uint16_t));
            for (const CompiledCondition* c : plan.ordered) {
                const std::uint8_t* row = c->FailRow(c->HighClass(high));
                for (std::uint32_t low = 0; low < lowCount; ++low)
                    errors[low] = static_cast<std::uint16_t>(errors[low] + row[low]);
                onOrdered(c, row, base);
            }
            // A listed number's own answer in place of the one the bias
            // counts for every number. The sum may wrap below zero here;
            // with the bias added it is the true count again, modulo 2^16.
            for (std::size_t k = 0; k < plan.listed.size(); ++k) {
                const auto& listed = plan.listed[k]->Listed();
                const int unlisted = plan.listed[k]->FailsUnlisted() ? 1 : 0;
                std::size_t& at = nextListed[p][k];
                for (; at < listed.size() && listed[at].first < base + lowCount; ++at) {
                    std::uint16_t& e = errors[listed[at].first - base];
                    e = static_cast<std::uint16_t>(e + (listed[at].second ? 1 : 0) - unlisted);
                }
            }
            onGroup(p, errors.data(), plan, base);
        }
    }
}

// Spaces with fewer highs than this are walked at once.
constexpr std::uint32_t kSplitHighs = 64;

} // namespace

void CompiledSet::BuildPassTable()
{
    const std::uint32_t lowCount = m_space->LowCount();
    m_pass.assign(static_cast<std::size_t>((m_space->Size() + 7) / 8), 0);
    std::vector<std::uint8_t> pass(lowCount, 1);
    m_groupKept.assign(m_groups.size(), 0);
    const std::size_t lastGroup = m_groups.size() - 1;
    const auto store = [&](std::uint64_t base) {
        if (lowCount % 8 == 0) {
            for (std::uint32_t low = 0; low < lowCount; low += 8)
                m_pass[(base + low) / 8] = PackEight(&pass[low]);
        } else {
            for (std::uint32_t low = 0; low < lowCount; ++low)
                m_pass[(base + low) / 8] |= static_cast<std::uint8_t>(pass[low] << ((base + low) % 8));
        }
        std::fill(pass.begin(), pass.end(), 1);
    };
    if (m_groups.empty()) {
        for (std::uint64_t base = 0; base < m_space->Size(); base += lowCount)
            store(base);
        return;
    }
    WalkSpace(
        *m_space, m_groups, m_conditions, 0, m_space->HighCount(),
        [](const CompiledCondition*, const std::uint8_t*, std::uint64_t) {},
        [&](std::size_t g, const std::uint16_t* errors, const GroupPlan& plan, std::uint64_t base) {
            std::uint64_t groupKept = 0;
            for (std::uint32_t low = 0; low < lowCount; ++low) {
                const std::uint8_t passes = static_cast<std::uint16_t>(errors[low] + plan.bias) <= plan.spread ? 1 : 0;
                groupKept += passes;
                pass[low] &= passes;
            }
            m_groupKept[g] += groupKept;
            if (g == lastGroup)
                store(base);
        });
}

RunCounts CompiledSet::TallyWeighted(std::span<const std::uint32_t> weights) const
{
    RunCounts tally;
    tally.conditionFailures.assign(m_conditions.size(), 0);
    tally.groupFailures.assign(m_groups.size(), 0);
    if (weights.size() != m_space->Size())
        return tally;
    for (std::uint32_t w : weights)
        tally.in += w;

    const std::uint32_t lowCount = m_space->LowCount();
    // The walk over the highs [begin, end) into part: the ordered conditions,
    // the groups and the kept numbers, and the weights by high multiset and
    // low number, from which the multiset conditions are tallied after it,
    // one product per multiset.
    struct Part {
        RunCounts tally;
        std::vector<std::uint64_t> byHighMultiset;
    };
    const auto walk = [&](std::uint32_t begin, std::uint32_t end, Part& part) {
        RunCounts& t = part.tally;
        t.conditionFailures.assign(m_conditions.size(), 0);
        t.groupFailures.assign(m_groups.size(), 0);
        part.byHighMultiset.assign(std::size_t(m_space->HighMultisetCount()) * lowCount, 0);
        std::vector<std::uint8_t> pass(lowCount, 1);
        std::vector<std::uint8_t> fails(lowCount);
        const std::size_t lastGroup = m_groups.empty() ? 0 : m_groups.size() - 1;
        const auto keep = [&](std::uint64_t base) {
            std::uint64_t kept = 0;
            for (std::uint32_t low = 0; low < lowCount; ++low)
                kept += std::uint64_t(weights[base + low]) * pass[low];
            t.kept += kept;
            std::fill(pass.begin(), pass.end(), 1);
        };
        for (std::uint32_t high = begin; high < end; ++high) {
            const std::uint64_t base = std::uint64_t(high) * lowCount;
            std::uint64_t* row = &part.byHighMultiset[std::size_t(m_space->HighMultiset(high)) * lowCount];
            for (std::uint32_t low = 0; low < lowCount; ++low)
                row[low] += weights[base + low];
            if (m_groups.empty())
                keep(base);
        }
        WalkSpace(
            *m_space, m_groups, m_conditions, begin, end,
            [&](const CompiledCondition* c, const std::uint8_t* row, std::uint64_t base) {
                std::uint64_t failed = 0;
                for (std::uint32_t low = 0; low < lowCount; ++low)
                    failed += std::uint64_t(weights[base + low]) * row[low];
                t.conditionFailures[static_cast<std::size_t>(c - m_conditions.data())] += failed;
            },
            [&](std::size_t g, const std::uint16_t* errors, const GroupPlan& plan, std::uint64_t base) {
                // Branch-free, in two loops of one width each, so both vectorise.
                for (std::uint32_t low = 0; low < lowCount; ++low)
                    fails[low] = static_cast<std::uint16_t>(errors[low] + plan.bias) > plan.spread ? 1 : 0;
                std::uint64_t failed = 0;
                for (std::uint32_t low = 0; low < lowCount; ++low) {
                    failed += std::uint64_t(weights[base + low]) * fails[low];
                    pass[low] &= static_cast<std::uint8_t>(fails[low] ^ 1);
                }
                t.groupFailures[g] += failed;
                if (g == lastGroup)
                    keep(base);
            });
    };
    // Large spaces in two halves at once: the walk is most of a report's
    // work once the numbers are counted.
    const std::uint32_t highs = m_space->HighCount();
    const std::uint32_t middle = highs >= kSplitHighs ? highs / 2 : highs;
    Part first, second;
    std::thread other;
    if (middle < highs)
        other = std::thread([&] { walk(middle, highs, second); });
    walk(0, middle, first);
    if (other.joinable())
        other.join();
    else
        walk(highs, highs, second);
    tally.kept = first.tally.kept + second.tally.kept;
    for (std::size_t i = 0; i < m_conditions.size(); ++i)
        tally.conditionFailures[i] = first.tally.conditionFailures[i] + second.tally.conditionFailures[i];
    for (std::size_t g = 0; g < m_groups.size(); ++g)
        tally.groupFailures[g] = first.tally.groupFailures[g] + second.tally.groupFailures[g];
    std::vector<std::uint64_t>& byHighMultiset = first.byHighMultiset;
    for (std::size_t i = 0; i < byHighMultiset.size(); ++i)
        byHighMultiset[i] += second.byHighMultiset[i];

    std::vector<std::uint64_t> byMultiset(m_space->MultisetCount(), 0);
    for (std::uint32_t h = 0; h < m_space->HighMultisetCount(); ++h)
        for (std::uint32_t low = 0; low < lowCount; ++low)
            byMultiset[m_space->Combine(h, m_space->LowMultiset(low))] += byHighMultiset[std::size_t(h) * lowCount + low];
    for (std::size_t i = 0; i < m_conditions.size(); ++i) {
        const CompiledCondition& c = m_conditions[i];
        if (c.Basis() == ValueBasis::Multiset) {
            for (std::uint32_t m = 0; m < m_space->MultisetCount(); ++m)
                tally.conditionFailures[i] += byMultiset[m] * c.FailsByMultiset()[m];
        } else if (c.Basis() == ValueBasis::Listed) {
            // Every number answers as an unlisted one, then each listed
            // number's own answer replaces that.
            const std::uint64_t unlisted = c.FailsUnlisted() ? 1 : 0;
            std::int64_t failed = static_cast<std::int64_t>(unlisted * tally.in);
            for (const auto& [code, fails] : c.Listed())
                failed += static_cast<std::int64_t>(weights[code]) * ((fails ? 1 : 0) - static_cast<std::int64_t>(unlisted));
            tally.conditionFailures[i] = static_cast<std::uint64_t>(failed);
        }
    }
    return tally;
}

std::uint64_t CompiledSet::KeptCount() const
{
    std::uint64_t kept = 0;
    for (std::uint8_t byte : m_pass)
        kept += static_cast<std::uint64_t>(std::popcount(byte));
    return kept;
}

bool CompiledSet::Explain(std::uint32_t code, std::vector<std::uint8_t>& fails,
                          std::vector<std::uint8_t>& groupFails) const
{
    const std::uint32_t high = code / m_space->LowCount();
    const std::uint32_t low = code % m_space->LowCount();
    const std::uint32_t multiset = m_space->MultisetOf(code);
    fails.resize(m_conditions.size());
    groupFails.resize(m_groups.size());
    bool passes = true;
    for (std::size_t g = 0; g < m_groups.size(); ++g) {
        const CompiledGroup& group = m_groups[g];
        int errors = 0;
        for (std::size_t i = group.first; i < group.first + group.count; ++i) {
            fails[i] = m_conditions[i].Fails(high, low, multiset) ? 1 : 0;
            errors += fails[i];
        }
        groupFails[g] = errors >= group.minErrors && errors <= group.maxErrors ? 0 : 1;
        passes = passes && groupFails[g] == 0;
    }
    return passes;
}

CompileResult Compile(const ConditionSet& set, int length, const HistoryIndex* history)
{
    if (auto problem = CheckCompilable(set, length, history != nullptr))
        return {nullptr, *problem};
    if (history != nullptr && history->Length() != length)
        return {nullptr, "开奖历史是 " + std::to_string(history->Length()) + " 位号码，与当前的 "
                             + std::to_string(length) + " 位号码不符"};
    return {std::make_unique<CompiledSet>(set, length, history), {}};
}

} // namespace vesk::filter
