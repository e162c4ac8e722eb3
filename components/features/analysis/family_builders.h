#pragma once
// The built-in families of the omission lists: a value type's values, the
// straight and group families, the N-digit covers, and the families the tree's
// fixed leaves and vesk-cli's family ids name.

#include "components/features/analysis/family.h"

#include "components/filter/engine/condition_type.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vesk::analysis {

// The largest family a table is built for: 单选三码 of a 5-digit game.
inline constexpr std::uint64_t kMaxFamilyItems = 100000;

// The name of position p (0: the most significant) in an L-digit number:
// 百位, 十位, 个位 at 3 digits.
std::string PositionName(int position, int length);

// A number's L digits with leading zeros: "007".
std::string DigitsText(std::uint32_t code, int length);

// A value type's value as the condition window shows it ("2:1", "组三",
// "奇偶奇"): ValueLabels' text, for one value.
std::string ValueText(filter::ConditionType type, std::int64_t value, int length);

// Types a family can be made of: no history, no fields.
bool IsFamilyType(filter::ConditionType type);

// One item per value of positive probability, ascending; label: the value.
std::unique_ptr<Family> MakeTypeFamily(filter::ConditionType type, int length);

std::unique_ptr<Family> MakeSingle1(int length); // (p, d): d(p) = d; labels "P:D"
std::unique_ptr<Family> MakeSingle2(int length); // (p < q, x, y); labels "P,Q:XY"
std::unique_ptr<Family> MakeSingle3(int length); // each number; labels its digits
std::unique_ptr<Family> MakeGroup1(int length);  // digit d occurs; label "D"
std::unique_ptr<Family> MakeGroup2(int length);  // pair {x <= y} contained; label "XY"
std::unique_ptr<Family> MakeGroup3(int length);  // digits sorted equal; label the sorted digits
// Each n-subset S of 0-9: every digit of the draw is in S; label the digits.
std::unique_ptr<Family> MakeCover(int n, int length);

struct FamilyResult {
    std::unique_ptr<Family> family; // null when refused
    std::string error;
};

// A vesk-cli family id: a value type's id ("sum", "road-pattern"), single-1,
// single-2, single-3, group-1, group-2, group-3 or cover-N (N 1..9).
FamilyResult FamilyOfId(std::string_view id, int length);

// The family a fixed leaf of the tree names: 0x1030-0x1035 and the N码遗漏
// leaves (0x1002 for N = 3, one more per N). Null for other codes.
std::unique_ptr<Family> FamilyOfLeaf(std::uint32_t code, int length);
// The N of an N码遗漏 leaf, or nothing.
std::optional<int> CoverOfLeaf(std::uint32_t code);

} // namespace vesk::analysis
