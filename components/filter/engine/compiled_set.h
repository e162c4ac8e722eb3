#pragma once
// A condition set compiled for one game length and one draw history: a pass
// table with one bit per number of the whole space (10^L bits; 12.5 MB for
// L = 8, so every supported length takes the same road), answered per
// number in constant time, plus what a run report and a preview need.
//
// Only enabled conditions of enabled groups are compiled. The compiled set
// copies what it needs: the set and the history may go once Compile returns.

#include "components/filter/engine/compiled_condition.h"
#include "components/filter/engine/condition_set.h"
#include "components/filter/engine/history_index.h"
#include "components/filter/engine/number_space.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vesk::filter {

// A condition's place in its set.
struct ConditionRef {
    std::size_t group = 0;
    std::size_t condition = 0;
    friend bool operator==(const ConditionRef&, const ConditionRef&) = default;
};

struct CompiledGroup {
    std::size_t group = 0; // index in the set
    int minErrors = 0;
    int maxErrors = 0;
    std::size_t first = 0; // its conditions: [first, first + count) of the compiled ones
    std::size_t count = 0;
};

// The counts of a filter run, the one tally every counter gives: how many
// numbers went in and were kept, and per compiled condition and group how
// many failed it (counted even where the group's allowed errors forgave a
// condition).
struct RunCounts {
    std::uint64_t in = 0;
    std::uint64_t kept = 0;
    std::vector<std::uint64_t> conditionFailures; // per compiled condition
    std::vector<std::uint64_t> groupFailures;     // per compiled group
};

class CompiledSet {
public:
    CompiledSet(const ConditionSet& set, int length, const HistoryIndex* history);

    // The same set for another history of the same length: only the
    // conditions that need a history are compiled again, then the pass
    // table. What the back-test calls once per judged draw.
    void UpdateHistory(const HistoryIndex& history);

    int Length() const { return m_space->Length(); }
    const NumberSpace& Space() const { return *m_space; }

    // code < 10^Length().
    bool Passes(std::uint32_t code) const { return (m_pass[code >> 3] >> (code & 7)) & 1; }
    // Length() digit values, each 0..9. Inline, with one load per length,
    // since runs call it once per number.
    bool PassesDigits(const std::uint8_t* d) const
    {
        switch (Length()) {
        case 1: return Passes(d[0]);
        case 2: return Passes(CodeOfDigits<2>(d));
        case 3: return Passes(CodeOfDigits<3>(d));
        case 4: return Passes(CodeOfDigits<4>(d));
        case 5: return Passes(CodeOfDigits<5>(d));
        case 6: return Passes(CodeOfDigits<6>(d));
        case 7: return Passes(CodeOfDigits<7>(d));
        default: return Passes(CodeOfDigits<8>(d));
        }
    }
    std::uint64_t KeptCount() const;
    // Numbers of the space compiled group g (of Groups()) keeps on its own.
    std::uint64_t GroupKeptCount(std::size_t g) const { return m_groupKept[g]; }

    std::size_t ConditionCount() const { return m_conditions.size(); }
    const CompiledCondition& ConditionAt(std::size_t i) const { return m_conditions[i]; }
    const ConditionRef& RefAt(std::size_t i) const { return m_refs[i]; }
    const std::vector<CompiledGroup>& Groups() const { return m_groups; }

    // Which compiled conditions the number fails (fails[i], resized to
    // ConditionCount()) and which compiled groups it fails (groupFails,
    // resized to Groups().size()); returns whether it passes the set.
    bool Explain(std::uint32_t code, std::vector<std::uint8_t>& fails, std::vector<std::uint8_t>& groupFails) const;

    // The tallies of numbers given as a count per number of the space
    // (weights.size() == Space().Size(), else nothing is counted): one walk
    // over the space instead of a look-up per number and condition, so it
    // pays once the numbers are about as many as the space holds.
    RunCounts TallyWeighted(std::span<const std::uint32_t> weights) const;

private:
    // Independent products rather than a chain of times-ten, and no
    // packing through memory: both stall on every number.
    template <int L>
    static std::uint32_t CodeOfDigits(const std::uint8_t* d)
    {
        std::uint32_t code = 0;
        std::uint32_t weight = 1;
        for (int i = L - 1; i >= 0; --i, weight *= 10)
            code += d[i] * weight;
        return code;
    }

    void BuildPassTable();

    std::shared_ptr<const NumberSpace> m_space;
    std::vector<CompiledCondition> m_conditions;
    std::vector<ConditionRef> m_refs;
    std::vector<CompiledGroup> m_groups;
    std::vector<std::uint8_t> m_pass; // bit (code & 7) of byte (code >> 3)
    std::vector<std::uint64_t> m_groupKept; // per compiled group
};

struct CompileResult {
    std::unique_ptr<CompiledSet> compiled; // null when refused
    std::string error;                     // CheckCompilable's message when refused
};

// history: oldest draw first, or null when there is none.
CompileResult Compile(const ConditionSet& set, int length, const HistoryIndex* history);

} // namespace vesk::filter
