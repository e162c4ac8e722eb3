#include "components/features/analysis/query/pattern_types.h"

#include "components/features/analysis/family_builders.h"

#include "components/filter/engine/condition_type.h"

namespace vesk::analysis {

namespace {

// "百位" → "百": a place's name without the trailing 位.
std::string PlaceShort(int position, int length)
{
    std::string name = PositionName(position, length);
    const std::string suffix = "位";
    if (name.size() > suffix.size() && name.ends_with(suffix))
        name.resize(name.size() - suffix.size());
    return name;
}

} // namespace

std::vector<PatternType> PatternTypes(int length)
{
    std::vector<PatternType> types;
    for (int t = 0; t < filter::kConditionTypeCount; ++t) {
        const auto type = static_cast<filter::ConditionType>(t);
        const filter::TypeInfo& info = filter::InfoOf(type);
        if (info.needsHistory)
            continue;
        const std::string name(info.name);
        const std::uint32_t base = static_cast<std::uint32_t>(t) * 256;
        filter::Condition condition;
        condition.type = type;
        if (info.field == filter::TypeField::None) {
            types.push_back({name, condition, base});
        } else if (info.field == filter::TypeField::Position) {
            for (int p = 0; p < length; ++p) {
                condition.position = p;
                types.push_back({"定位·" + PositionName(p, length), condition, base + static_cast<std::uint32_t>(p)});
            }
        } else if (info.field == filter::TypeField::Pair) {
            std::uint32_t index = 0;
            for (int a = 0; a < length; ++a)
                for (int b = a + 1; b < length; ++b, ++index) {
                    condition.pair = {a, b};
                    types.push_back({name + "·" + PlaceShort(a, length) + PlaceShort(b, length), condition, base + index});
                }
        }
    }
    return types;
}

std::optional<PatternType> PatternTypeOfKey(std::uint32_t key, int length)
{
    for (PatternType& type : PatternTypes(length))
        if (type.key == key)
            return std::move(type);
    return std::nullopt;
}

} // namespace vesk::analysis
