#include "components/features/analysis/tools/set_operations.h"

#include "components/filter/engine/digits.h"

#include <algorithm>
#include <iterator>

namespace vesk::analysis {

std::string_view SetOperationName(SetOperation operation)
{
    switch (operation) {
    case SetOperation::Union:
        return "并集";
    case SetOperation::Intersection:
        return "交集";
    case SetOperation::AMinusB:
        return "A − B";
    case SetOperation::BMinusA:
        return "B − A";
    case SetOperation::SymmetricDifference:
        return "对称差";
    }
    return {};
}

std::vector<std::uint32_t> DistinctCodes(const std::vector<std::uint32_t>& codes, int length, bool asGroups)
{
    std::vector<std::uint32_t> distinct = codes;
    if (asGroups)
        for (std::uint32_t& code : distinct)
            code = filter::GroupCodeOf(filter::DigitsOf(code, length).data(), length);
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    return distinct;
}

SetResult ApplySetOperation(const CodeList& a, const CodeList& b, SetOperation operation, bool asGroups)
{
    SetResult result;
    if (a.length != b.length) {
        result.error = "A 是 " + std::to_string(a.length) + " 位号码，B 是 " + std::to_string(b.length) +
                       " 位号码：位数不同的号码不能比较";
        return result;
    }
    result.length = a.length;
    const std::vector<std::uint32_t> x = DistinctCodes(a.codes, a.length, asGroups);
    const std::vector<std::uint32_t> y = DistinctCodes(b.codes, b.length, asGroups);
    auto out = std::back_inserter(result.codes);
    switch (operation) {
    case SetOperation::Union:
        std::set_union(x.begin(), x.end(), y.begin(), y.end(), out);
        break;
    case SetOperation::Intersection:
        std::set_intersection(x.begin(), x.end(), y.begin(), y.end(), out);
        break;
    case SetOperation::AMinusB:
        std::set_difference(x.begin(), x.end(), y.begin(), y.end(), out);
        break;
    case SetOperation::BMinusA:
        std::set_difference(y.begin(), y.end(), x.begin(), x.end(), out);
        break;
    case SetOperation::SymmetricDifference:
        std::set_symmetric_difference(x.begin(), x.end(), y.begin(), y.end(), out);
        break;
    }
    return result;
}

} // namespace vesk::analysis
