#include "components/filter/engine/condition_set_file.h"

#include "components/filter/engine/condition_checks.h"
#include "components/filter/engine/json_value_text.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <limits>
#include <set>
#include <vector>

namespace vesk::filter {

namespace {

using Json = nlohmann::json;

// Why the reading stopped; thrown only inside this file and turned into
// the result's message at its door.
struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(const std::string& place, const std::string& reason)
{
    throw Refusal{place.empty() ? reason : place + ": " + reason};
}

std::string Key(const std::string& place, std::string_view key)
{
    return place.empty() ? std::string(key) : place + "." + std::string(key);
}

std::string Index(const std::string& place, std::size_t i)
{
    return place + "[" + std::to_string(i) + "]";
}

void RefuseUnknownKeys(const Json& object, const std::string& place, std::initializer_list<std::string_view> known,
                       std::string_view what = {})
{
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            Refuse(place, "unknown key \"" + key + "\"" + (what.empty() ? "" : " for " + std::string(what)));
    }
}

const Json& Object(const Json& json, const std::string& place)
{
    if (!json.is_object())
        Refuse(place, "expected an object");
    return json;
}

const Json& Array(const Json& json, const std::string& place)
{
    if (!json.is_array())
        Refuse(place, "expected an array");
    return json;
}

std::int64_t Integer(const Json& json, const std::string& place, std::int64_t low, std::int64_t high)
{
    if (!json.is_number_integer())
        Refuse(place, "expected a whole number, not " + JsonValueText(json));
    const bool aboveAll = json.is_number_unsigned() && json.get<std::uint64_t>() > static_cast<std::uint64_t>(high);
    const auto value = aboveAll ? high : json.get<std::int64_t>();
    if (aboveAll || value < low || value > high)
        Refuse(place, JsonValueText(json) + " is out of range " + std::to_string(low) + " to " + std::to_string(high));
    return value;
}

int SmallInteger(const Json& json, const std::string& place)
{
    return static_cast<int>(Integer(json, place, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool Boolean(const Json& json, const std::string& place)
{
    if (!json.is_boolean())
        Refuse(place, "expected true or false, not " + JsonValueText(json));
    return json.get<bool>();
}

std::string String(const Json& json, const std::string& place)
{
    if (!json.is_string())
        Refuse(place, "expected a string, not " + JsonValueText(json));
    return json.get<std::string>();
}

const Json* Find(const Json& object, std::string_view key)
{
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

const Json& Required(const Json& object, const std::string& place, std::string_view key)
{
    const Json* value = Find(object, key);
    if (value == nullptr)
        Refuse(place, "missing key \"" + std::string(key) + "\"");
    return *value;
}

template <typename T, typename ReadOne>
std::vector<T> ListOf(const Json& json, const std::string& place, ReadOne readOne)
{
    std::vector<T> items;
    Array(json, place);
    for (std::size_t i = 0; i < json.size(); ++i)
        items.push_back(readOne(json[i], Index(place, i)));
    return items;
}

std::vector<std::string> Strings(const Json& json, const std::string& place)
{
    return ListOf<std::string>(json, place, String);
}

std::vector<int> SmallIntegers(const Json& json, const std::string& place)
{
    return ListOf<int>(json, place, SmallInteger);
}

std::string_view FieldKey(TypeField field)
{
    switch (field) {
    case TypeField::Position: return "position";
    case TypeField::Pair: return "pair";
    case TypeField::Digits: return "digits";
    case TypeField::Pairs: return "pairs";
    case TypeField::Numbers: return "numbers";
    case TypeField::Window: return "window";
    case TypeField::None: break;
    }
    return {};
}

void ReadField(const Json& json, const std::string& place, TypeField field, Condition& c)
{
    switch (field) {
    case TypeField::None:
        break;
    case TypeField::Position:
        c.position = SmallInteger(json, place);
        break;
    case TypeField::Pair: {
        const std::vector<int> pair = SmallIntegers(json, place);
        if (pair.size() != 2)
            Refuse(place, "expected two positions [a, b]");
        c.pair = {pair[0], pair[1]};
        break;
    }
    case TypeField::Digits:
        c.digits = SmallIntegers(json, place);
        break;
    case TypeField::Pairs:
        c.pairs = Strings(json, place);
        break;
    case TypeField::Numbers:
        c.numbers = Strings(json, place);
        break;
    case TypeField::Window:
        c.window = SmallInteger(json, place);
        break;
    }
}

Condition ReadCondition(const Json& json, const std::string& place, int length)
{
    Object(json, place);
    Condition c;
    const std::string typeId = String(Required(json, place, "type"), Key(place, "type"));
    const std::optional<ConditionType> type = TypeOfId(typeId);
    if (!type)
        Refuse(Key(place, "type"), "unknown condition type \"" + typeId + "\"");
    c.type = *type;
    const TypeInfo& info = InfoOf(c.type);
    const bool isList = c.type == ConditionType::List;
    const std::string_view field = FieldKey(info.field);
    const std::string what = std::string(info.id) + " conditions";
    if (isList)
        RefuseUnknownKeys(json, place, {"type", "mode", "enabled", "numbers", "group"}, what);
    else if (field.empty())
        RefuseUnknownKeys(json, place, {"type", "values", "mode", "enabled"}, what);
    else
        RefuseUnknownKeys(json, place, {"type", "values", "mode", "enabled", field}, what);

    if (!isList) {
        const std::string valuesPlace = Key(place, "values");
        c.values = ListOf<std::int64_t>(Required(json, place, "values"), valuesPlace, [](const Json& v, const std::string& at) {
            return Integer(v, at, std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
        });
    }
    if (const Json* mode = Find(json, "mode")) {
        const std::string text = String(*mode, Key(place, "mode"));
        if (text != "keep" && text != "exclude")
            Refuse(Key(place, "mode"), "expected \"keep\" or \"exclude\", not \"" + text + "\"");
        c.mode = text == "keep" ? Mode::Keep : Mode::Exclude;
    }
    if (const Json* enabled = Find(json, "enabled"))
        c.enabled = Boolean(*enabled, Key(place, "enabled"));
    if (!field.empty())
        ReadField(Required(json, place, field), Key(place, field), info.field, c);
    if (isList)
        if (const Json* group = Find(json, "group"))
            c.group = Boolean(*group, Key(place, "group"));

    if (const std::optional<FieldIssue> issue = CheckCondition(c, length))
        Refuse(Key(place, issue->key), issue->english);
    return c;
}

Group ReadGroup(const Json& json, const std::string& place, int length)
{
    Object(json, place);
    RefuseUnknownKeys(json, place, {"name", "enabled", "errors", "conditions"});
    Group group;
    if (const Json* name = Find(json, "name"))
        group.name = String(*name, Key(place, "name"));
    if (const Json* enabled = Find(json, "enabled"))
        group.enabled = Boolean(*enabled, Key(place, "enabled"));
    if (const Json* errors = Find(json, "errors")) {
        const std::string at = Key(place, "errors");
        const std::vector<int> range = SmallIntegers(*errors, at);
        if (range.size() != 2)
            Refuse(at, "expected [min, max]");
        if (range[0] < 0 || range[0] > range[1])
            Refuse(at, "[" + std::to_string(range[0]) + ", " + std::to_string(range[1])
                           + "] is not a range 0 <= min <= max");
        group.minErrors = range[0];
        group.maxErrors = range[1];
    }
    const std::string at = Key(place, "conditions");
    const Json& conditions = Array(Required(json, place, "conditions"), at);
    for (std::size_t i = 0; i < conditions.size(); ++i)
        group.conditions.push_back(ReadCondition(conditions[i], Index(at, i), length));
    return group;
}

std::vector<std::string> ReadResults(const Json& json, int length)
{
    Object(json, "results");
    RefuseUnknownKeys(json, "results", {"numbers"});
    std::vector<std::string> numbers = Strings(Required(json, "results", "numbers"), "results.numbers");
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (!IsNumberText(numbers[i], static_cast<std::size_t>(length)))
            Refuse(Index("results.numbers", i), "\"" + numbers[i] + "\" is not a " + std::to_string(length) + "-digit number");
    return numbers;
}

ConditionSet ReadSet(const Json& json, int gameLength)
{
    Object(json, "");
    RefuseUnknownKeys(json, "", {"format", "version", "digits", "groups", "results"});
    const std::string format = String(Required(json, "", "format"), "format");
    if (format != kConditionFormat)
        Refuse("format", "\"" + format + "\" is not a condition set (expected \"" + std::string(kConditionFormat) + "\")");
    const std::int64_t version = Integer(Required(json, "", "version"), "version",
                                         std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
    if (version < 1)
        Refuse("version", std::to_string(version) + " is not a version of the format");
    if (version > kConditionFormatVersion)
        Refuse("version", std::to_string(version) + " is newer than this program reads ("
                              + std::to_string(kConditionFormatVersion) + ")");
    ConditionSet set;
    set.digits = static_cast<int>(Integer(Required(json, "", "digits"), "digits", 1, 8));
    if (gameLength != 0 && set.digits != gameLength)
        Refuse("digits", "the set is for " + std::to_string(set.digits) + "-digit numbers, not for the "
                             + std::to_string(gameLength) + "-digit game");
    const Json& groups = Array(Required(json, "", "groups"), "groups");
    for (std::size_t i = 0; i < groups.size(); ++i)
        set.groups.push_back(ReadGroup(groups[i], Index("groups", i), set.digits));
    if (const Json* results = Find(json, "results"))
        set.results = ReadResults(*results, set.digits);
    return set;
}

// Parses text, refusing a key given twice in one object (the library would
// keep the last silently).
Json ParseStrict(std::string_view text)
{
    std::vector<std::set<std::string>> keysAtDepth;
    std::string duplicate;
    auto watch = [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) {
            keysAtDepth.emplace_back();
        } else if (event == Json::parse_event_t::object_end) {
            keysAtDepth.pop_back();
        } else if (event == Json::parse_event_t::key && !keysAtDepth.empty()) {
            const std::string key = parsed.get<std::string>();
            if (!keysAtDepth.back().insert(key).second && duplicate.empty())
                duplicate = key;
        }
        return true;
    };
    try {
        Json json = Json::parse(text.begin(), text.end(), watch);
        if (!duplicate.empty())
            Refuse("", "the key \"" + duplicate + "\" is given twice in one object");
        return json;
    } catch (const Json::parse_error& e) {
        // The library's message leads with its own tag; the rest says where.
        std::string message = e.what();
        const std::size_t tagEnd = message.find("] ");
        Refuse("", "not valid JSON: " + (tagEnd == std::string::npos ? message : message.substr(tagEnd + 2)));
    }
}

} // namespace

SetReadResult ReadConditionSet(std::string_view text, int gameLength)
{
    try {
        return {ReadSet(ParseStrict(text), gameLength), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, "not enough memory for the condition set"};
    } catch (const Json::exception& e) {
        return {std::nullopt, std::string("unreadable condition set: ") + e.what()};
    }
}

} // namespace vesk::filter
