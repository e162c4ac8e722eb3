#pragma once
// Condition values computed the slow, obvious way from the number's text,
// independently of the engine, so tests can compare against them.

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::filter::test {

// number: L digit characters; history: drawn numbers as text, oldest first.
std::int64_t OracleValue(const Condition& c, const std::string& number, const std::vector<std::string>& history);

// Whether the set passes the number, by the group rule applied literally.
bool OraclePasses(const ConditionSet& set, const std::string& number, const std::vector<std::string>& history);

std::string NumberText(std::uint32_t code, int length);

inline Condition MakeCondition(ConditionType type, std::vector<std::int64_t> values, Mode mode = Mode::Keep,
                               bool enabled = true)
{
    Condition c;
    c.type = type;
    c.values = std::move(values);
    c.mode = mode;
    c.enabled = enabled;
    return c;
}

} // namespace vesk::filter::test
