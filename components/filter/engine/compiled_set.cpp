#include "components/filter/engine/compiled_set.h"

#include "components/filter/engine/validate.h"

#include "numbers/digit_packing.h"

#include <bit>
#include <cstring>

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

void CompiledSet::BuildPassTable()
{
    const std::uint32_t lowCount = m_space->LowCount();
    m_pass.assign(static_cast<std::size_t>((m_space->Size() + 7) / 8), 0);
    std::vector<GroupPlan> plans;
    for (const CompiledGroup& group : m_groups)
        plans.push_back(PlanGroup(group, m_conditions, *m_space));

    // Per listed condition, its first listed number not yet reached; the
    // highs go up, and so do the listed numbers.
    std::vector<std::vector<std::size_t>> nextListed;
    for (const GroupPlan& plan : plans)
        nextListed.emplace_back(plan.listed.size(), 0);

    std::vector<std::uint16_t> errors(lowCount);
    std::vector<std::uint8_t> pass(lowCount, 0);
    for (std::uint32_t high = 0; high < m_space->HighCount(); ++high) {
        std::fill(pass.begin(), pass.end(), 1);
        const std::uint32_t highMultiset = m_space->HighMultiset(high);
        const std::uint64_t base = std::uint64_t(high) * lowCount;
        for (std::size_t p = 0; p < plans.size(); ++p) {
            const GroupPlan& plan = plans[p];
            std::memcpy(errors.data(), &plan.multisetErrors[std::size_t(highMultiset) * lowCount],
                        lowCount * sizeof(std::uint16_t));
            for (const CompiledCondition* c : plan.ordered) {
                const std::uint8_t* row = c->FailRow(c->HighClass(high));
                for (std::uint32_t low = 0; low < lowCount; ++low)
                    errors[low] = static_cast<std::uint16_t>(errors[low] + row[low]);
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
            for (std::uint32_t low = 0; low < lowCount; ++low)
                pass[low] &= static_cast<std::uint16_t>(errors[low] + plan.bias) <= plan.spread ? 1 : 0;
        }
        if (lowCount % 8 == 0) {
            for (std::uint32_t low = 0; low < lowCount; low += 8)
                m_pass[(base + low) / 8] = PackEight(&pass[low]);
        } else {
            for (std::uint32_t low = 0; low < lowCount; ++low)
                m_pass[(base + low) / 8] |= static_cast<std::uint8_t>(pass[low] << ((base + low) % 8));
        }
    }
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
