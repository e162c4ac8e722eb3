#pragma once
// A JSON value as a refusal message names it: a number, text or literal as
// written, an array or object by its kind only. Writing out a value nested
// deep enough (a few hundred kilobytes of brackets) would exhaust the stack.

#include <nlohmann/json.hpp>

#include <string>

namespace vesk::filter {

inline std::string JsonValueText(const nlohmann::json& json)
{
    if (json.is_array())
        return "an array";
    if (json.is_object())
        return "an object";
    return json.dump();
}

} // namespace vesk::filter
