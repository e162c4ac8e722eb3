#include "components/filter/engine/condition_set_file.h"

#include <nlohmann/json.hpp>

namespace vesk::filter {

namespace {

using Json = nlohmann::ordered_json;

Json ConditionJson(const Condition& c)
{
    Json json;
    json["type"] = InfoOf(c.type).id;
    if (c.type != ConditionType::List)
        json["values"] = c.values;
    json["mode"] = c.mode == Mode::Keep ? "keep" : "exclude";
    json["enabled"] = c.enabled;
    switch (InfoOf(c.type).field) {
    case TypeField::None: break;
    case TypeField::Position: json["position"] = c.position; break;
    case TypeField::Pair: json["pair"] = c.pair; break;
    case TypeField::Digits: json["digits"] = c.digits; break;
    case TypeField::Pairs: json["pairs"] = c.pairs; break;
    case TypeField::Numbers:
        json["numbers"] = c.numbers;
        json["group"] = c.group;
        break;
    case TypeField::Window: json["window"] = c.window; break;
    }
    return json;
}

} // namespace

std::string WriteConditionSet(const ConditionSet& set)
{
    Json json;
    json["format"] = kConditionFormat;
    json["version"] = kConditionFormatVersion;
    json["digits"] = set.digits;
    json["groups"] = Json::array();
    for (const Group& group : set.groups) {
        Json g;
        g["name"] = group.name;
        g["enabled"] = group.enabled;
        g["errors"] = {group.minErrors, group.maxErrors};
        g["conditions"] = Json::array();
        for (const Condition& c : group.conditions)
            g["conditions"].push_back(ConditionJson(c));
        json["groups"].push_back(std::move(g));
    }
    if (set.results)
        json["results"] = {{"numbers", *set.results}};
    // Names are the user's text: invalid UTF-8 is replaced rather than refused.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace vesk::filter
