#pragma once
// 集合工具's operations on two number lists, straight or as groups. A list
// may hold a number more than once and in any order; the result is a set:
// ascending, each number once. As groups both lists are first turned into
// their group numbers (digits ascending) and the result is group numbers.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

enum class SetOperation { Union, Intersection, AMinusB, BMinusA, SymmetricDifference };

inline constexpr SetOperation kSetOperations[] = {SetOperation::Union, SetOperation::Intersection, SetOperation::AMinusB,
                                                  SetOperation::BMinusA, SetOperation::SymmetricDifference};

// "并集", "交集", "A − B", "B − A", "对称差".
std::string_view SetOperationName(SetOperation operation);

struct CodeList {
    std::vector<std::uint32_t> codes; // each below 10^length
    int length = 3;                   // 1..8
};

struct SetResult {
    std::vector<std::uint32_t> codes; // ascending, unique
    int length = 0;
    std::string error; // lists of different lengths are refused; codes empty then
    bool Ok() const { return error.empty(); }
};

SetResult ApplySetOperation(const CodeList& a, const CodeList& b, SetOperation operation, bool asGroups);

// The codes ascending and unique, or their group numbers ascending and unique.
std::vector<std::uint32_t> DistinctCodes(const std::vector<std::uint32_t>& codes, int length, bool asGroups);

} // namespace vesk::analysis
