#pragma once
// How the module's attribute calls map onto the attribute set of
// number_attributes.h. The module asks for index k of its grid columns as:
//
//   k   call                                  k   call
//   0   analysis slot 3  (0xFFFF0010)         6   analysis slot 18 (0)
//   1   game slot 18     (0x80000001, 9, v)   7   analysis slot 28 (1)
//   2   game slot 18     (0x80000010, 9, v)   8   analysis slot 3  (0xFFFF0012)
//   3   analysis slot 17 (1)                  9   analysis slot 3  (0xFFFF1100)
//   4   analysis slot 17 (0)                  10  analysis slot 3  (0xFFFF1110)
//   5   analysis slot 18 (1)
//
// Selectors are compared on their low 32 bits, whether the caller passed
// them sign-extended or not. Calls not listed here answer 0.

#include "application/number_attributes.h"
#include "host/win_types.h"

#include <cstdint>
#include <optional>

namespace vesk::app {

enum class AttributeCall { AnalysisSelector, Game18, Analysis17, Analysis18, Analysis28 };

constexpr std::optional<Attribute> AttributeOfCall(AttributeCall call, SlotInt argument)
{
    const auto value = static_cast<std::uint32_t>(argument);
    switch (call) {
    case AttributeCall::AnalysisSelector:
        switch (value) {
        case 0xFFFF0010u: return Attribute::Sum;
        case 0xFFFF0012u: return Attribute::NumberOmission;
        case 0xFFFF1100u: return Attribute::GroupOmission;
        case 0xFFFF1110u: return Attribute::SumOmission;
        default: return std::nullopt;
        }
    case AttributeCall::Game18:
        switch (value) {
        case 0x80000001u: return Attribute::Span;
        case 0x80000010u: return Attribute::SumTail;
        default: return std::nullopt;
        }
    case AttributeCall::Analysis17:
        return value == 1 ? Attribute::OddCount : value == 0 ? std::optional(Attribute::BigCount) : std::nullopt;
    case AttributeCall::Analysis18:
        return value == 1 ? Attribute::PrimeCount : value == 0 ? std::optional(Attribute::Form) : std::nullopt;
    case AttributeCall::Analysis28:
        return value == 1 ? std::optional(Attribute::Road) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace vesk::app
