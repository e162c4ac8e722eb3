#pragma once
// One enabled condition compiled for a number space: whether it fails,
// tabulated by what its value depends on.
//  - Multiset: by the number's multiset of digits.
//  - Ordered: by a class of the high part and a class of the low part (for
//    a pattern, the parts' digit classes; for a position, that digit), the
//    table filled by evaluating one representative number per pair.
//  - Listed: one answer for every number but a few listed ones.

#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/number_space.h"

#include <cstdint>
#include <vector>

namespace vesk::filter {

class CompiledCondition {
public:
    // history may be null when the condition needs none.
    CompiledCondition(const Condition& condition, const NumberSpace& space, const HistoryIndex* history);

    // The condition compiled again for another history, reusing its tables;
    // a condition that needs no history stays as it is.
    void Recompile(const NumberSpace& space, const HistoryIndex* history);

    ValueBasis Basis() const { return m_basis; }
    const PreparedCondition& Prepared() const { return m_prepared; }

    bool Fails(std::uint32_t high, std::uint32_t low, std::uint32_t multiset) const;

    // Multiset: fails per multiset index.
    const std::vector<std::uint8_t>& FailsByMultiset() const { return m_failByMultiset; }
    // Ordered: the high part's class, and per low number whether it fails
    // together with a high part of that class.
    std::uint32_t HighClass(std::uint32_t high) const { return m_highClass[high]; }
    const std::uint8_t* FailRow(std::uint32_t highClass) const { return &m_failRows[std::size_t(highClass) * m_lowCount]; }
    // Listed: the answer for numbers not listed, and the listed ones.
    bool FailsUnlisted() const { return m_failsUnlisted; }
    const std::vector<std::pair<std::uint32_t, bool>>& Listed() const { return m_listed; }

    // How many numbers of the whole space fail the condition.
    std::uint64_t FailCount(const NumberSpace& space) const;

private:
    void CompileMultiset(const NumberSpace& space, const HistoryIndex* history);
    void CompileHistoryMultiset(const NumberSpace& space, const HistoryIndex& history);
    void CompileOrdered(const NumberSpace& space);
    void CompileListed(const NumberSpace& space, const HistoryIndex* history);

    PreparedCondition m_prepared;
    ValueBasis m_basis;
    std::uint32_t m_lowCount = 0;
    std::vector<std::uint8_t> m_failByMultiset;
    std::vector<std::uint32_t> m_highClass;
    std::vector<std::uint32_t> m_lowClass;
    std::uint32_t m_lowClasses = 0;
    std::vector<std::uint8_t> m_failTable; // high class x low class
    std::vector<std::uint8_t> m_failRows;  // high class x low number
    bool m_failsUnlisted = false;
    std::vector<std::pair<std::uint32_t, bool>> m_listed; // ascending codes
};

} // namespace vesk::filter
