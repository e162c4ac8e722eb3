#include "components/features/analysis/omission/custom_items.h"

#include "components/filter/engine/condition_checks.h"
#include "components/filter/engine/json_value_text.h"

#include "storage/files/file_access.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

namespace vesk::analysis {

namespace {

using Json = nlohmann::json;

constexpr std::string_view kFormat = "3dvesk-omission-items";
constexpr int kVersion = 1;

struct Refusal {
    std::string message;
};

[[noreturn]] void Refuse(const std::string& place, const std::string& reason)
{
    throw Refusal{place.empty() ? reason : place + ": " + reason};
}

void OnlyKeys(const Json& object, const std::string& place, std::initializer_list<std::string_view> known)
{
    if (!object.is_object())
        Refuse(place, "expected an object");
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            Refuse(place, "unknown key \"" + key + "\"");
    }
}

const Json& Member(const Json& object, const std::string& place, const char* key)
{
    if (!object.contains(key))
        Refuse(place, std::string("missing \"") + key + "\"");
    return object.at(key);
}

std::string Text(const Json& json, const std::string& place)
{
    if (!json.is_string())
        Refuse(place, "expected a text");
    return json.get<std::string>();
}

int Whole(const Json& json, const std::string& place)
{
    // An unsigned number above the signed range would read as a negative one.
    const bool inRange = json.is_number_unsigned() ? json.get<std::uint64_t>() <= 100000000
                                                   : json.is_number_integer() && json.get<std::int64_t>() >= -1000000 &&
                                                         json.get<std::int64_t>() <= 100000000;
    if (!inRange)
        Refuse(place, "expected a whole number, not " + filter::JsonValueText(json));
    return json.get<int>();
}

const Json& ArrayAt(const Json& object, const std::string& place, const char* key)
{
    const Json& array = Member(object, place, key);
    if (!array.is_array())
        Refuse(place + "." + key, "expected an array");
    return array;
}

std::string NameOf(const Json& object, const std::string& place)
{
    return object.contains("name") ? Text(object.at("name"), place + ".name") : std::string();
}

CustomCombination ReadCombination(const Json& object, const std::string& place, int length)
{
    OnlyKeys(object, place, {"name", "type", "values", "position", "pair"});
    CustomCombination item;
    item.name = NameOf(object, place);
    const std::string id = Text(Member(object, place, "type"), place + ".type");
    const std::optional<filter::ConditionType> type = filter::TypeOfId(id);
    if (!type)
        Refuse(place + ".type", "unknown value type \"" + id + "\"");
    const filter::TypeInfo& info = filter::InfoOf(*type);
    const bool fieldOk = info.field == filter::TypeField::None || info.field == filter::TypeField::Position ||
                         info.field == filter::TypeField::Pair;
    if (info.needsHistory || !fieldOk)
        Refuse(place + ".type", "\"" + id + "\" cannot make an item of one draw");
    item.condition.type = *type;
    if (info.field == filter::TypeField::Position)
        item.condition.position = Whole(Member(object, place, "position"), place + ".position");
    else if (object.contains("position"))
        Refuse(place, "unknown key \"position\" for " + id);
    if (info.field == filter::TypeField::Pair) {
        const Json& pair = ArrayAt(object, place, "pair");
        if (pair.size() != 2)
            Refuse(place + ".pair", "expected two positions");
        item.condition.pair = {Whole(pair[0], place + ".pair[0]"), Whole(pair[1], place + ".pair[1]")};
    } else if (object.contains("pair")) {
        Refuse(place, "unknown key \"pair\" for " + id);
    }
    const Json& values = ArrayAt(object, place, "values");
    if (values.empty())
        Refuse(place + ".values", "no values");
    for (std::size_t i = 0; i < values.size(); ++i)
        item.condition.values.push_back(Whole(values[i], place + ".values[" + std::to_string(i) + "]"));
    if (const std::optional<filter::FieldIssue> issue = filter::CheckCondition(item.condition, length))
        Refuse(place + "." + issue->key, issue->english);
    return item;
}

CustomCompound ReadCompound(const Json& object, const std::string& place, int length)
{
    OnlyKeys(object, place, {"name", "digits"});
    CustomCompound item;
    item.name = NameOf(object, place);
    const Json& digits = ArrayAt(object, place, "digits");
    if (digits.size() != static_cast<std::size_t>(length))
        Refuse(place + ".digits", "expected " + std::to_string(length) + " positions");
    for (std::size_t p = 0; p < digits.size(); ++p) {
        const std::string where = place + ".digits[" + std::to_string(p) + "]";
        std::string set = Text(digits[p], where);
        std::sort(set.begin(), set.end());
        if (set.empty() || std::adjacent_find(set.begin(), set.end()) != set.end() ||
            !std::all_of(set.begin(), set.end(), [](char c) { return c >= '0' && c <= '9'; }))
            Refuse(where, "expected distinct digits, at least one");
        item.digits.push_back(set);
    }
    return item;
}

CustomList ReadList(const Json& object, const std::string& place, int length)
{
    OnlyKeys(object, place, {"name", "numbers", "group"});
    CustomList item;
    item.name = NameOf(object, place);
    if (object.contains("group")) {
        if (!object.at("group").is_boolean())
            Refuse(place + ".group", "expected true or false");
        item.group = object.at("group").get<bool>();
    }
    const Json& numbers = ArrayAt(object, place, "numbers");
    if (numbers.empty())
        Refuse(place + ".numbers", "no numbers");
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string where = place + ".numbers[" + std::to_string(i) + "]";
        std::string number = Text(numbers[i], where);
        if (!filter::IsNumberText(number, static_cast<std::size_t>(length)))
            Refuse(where, "\"" + number + "\" is not a " + std::to_string(length) + "-digit number");
        item.numbers.push_back(std::move(number));
    }
    return item;
}

template <typename Read>
void ReadArray(const Json& root, const char* key, Read read)
{
    if (!root.contains(key))
        return;
    const Json& array = root.at(key);
    if (!array.is_array())
        Refuse(key, "expected an array");
    for (std::size_t i = 0; i < array.size(); ++i)
        read(array[i], std::string(key) + "[" + std::to_string(i) + "]");
}

std::string AutoName(const std::string& name, const char* stem, std::size_t index)
{
    return name.empty() ? std::string(stem) + std::to_string(index + 1) : name;
}

} // namespace

std::string CustomItemsPath(const std::string& configFolder, int length)
{
    return configFolder + "omission-items-" + std::to_string(length) + ".json";
}

CustomItemsParse ParseCustomItems(std::string_view text, int length)
{
    CustomItemsParse result;
    try {
        const Json root = Json::parse(text);
        OnlyKeys(root, "", {"format", "version", "digits", "combinations", "compounds", "lists"});
        if (Text(Member(root, "", "format"), "format") != kFormat)
            Refuse("format", "expected \"" + std::string(kFormat) + "\"");
        const int version = Whole(Member(root, "", "version"), "version");
        if (version != kVersion)
            Refuse("version", "version " + std::to_string(version) + " is not known");
        const int digits = Whole(Member(root, "", "digits"), "digits");
        if (digits != length)
            Refuse("digits", "the items are for " + std::to_string(digits) + "-digit numbers, the game has " +
                                 std::to_string(length));
        ReadArray(root, "combinations",
                  [&](const Json& j, const std::string& p) { result.items.combinations.push_back(ReadCombination(j, p, length)); });
        ReadArray(root, "compounds",
                  [&](const Json& j, const std::string& p) { result.items.compounds.push_back(ReadCompound(j, p, length)); });
        ReadArray(root, "lists", [&](const Json& j, const std::string& p) { result.items.lists.push_back(ReadList(j, p, length)); });
        result.ok = true;
    } catch (const Refusal& refusal) {
        result.items = {};
        result.error = refusal.message;
    } catch (const Json::exception& error) {
        result.items = {};
        result.error = std::string("not valid JSON: ") + error.what();
    }
    return result;
}

std::string WriteCustomItems(const CustomItems& items, int length)
{
    // Keys in the order a reader expects them, not sorted.
    using Ordered = nlohmann::ordered_json;
    Ordered root = {{"format", kFormat}, {"version", kVersion}, {"digits", length}};
    Ordered combinations = Ordered::array();
    for (const CustomCombination& item : items.combinations) {
        const filter::TypeInfo& info = filter::InfoOf(item.condition.type);
        Ordered object = {{"name", item.name}, {"type", info.id}, {"values", item.condition.values}};
        if (info.field == filter::TypeField::Position)
            object["position"] = item.condition.position;
        if (info.field == filter::TypeField::Pair)
            object["pair"] = item.condition.pair;
        combinations.push_back(std::move(object));
    }
    Ordered compounds = Ordered::array();
    for (const CustomCompound& item : items.compounds)
        compounds.push_back({{"name", item.name}, {"digits", item.digits}});
    Ordered lists = Ordered::array();
    for (const CustomList& item : items.lists)
        lists.push_back({{"name", item.name}, {"numbers", item.numbers}, {"group", item.group}});
    root["combinations"] = std::move(combinations);
    root["compounds"] = std::move(compounds);
    root["lists"] = std::move(lists);
    return root.dump(2) + "\n";
}

CustomItemsLoad LoadCustomItems(const std::string& path, int length)
{
    CustomItemsLoad load;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return load;
    const files::FileBytes bytes = files::ReadFileBytes(path);
    if (!bytes.ok) {
        load.error = path + ": " + bytes.error;
        return load;
    }
    CustomItemsParse parsed = ParseCustomItems(bytes.bytes, length);
    if (parsed.ok) {
        load.items = std::move(parsed.items);
        return load;
    }
    std::string aside = path + ".damaged";
    for (int n = 2; std::filesystem::exists(aside, ec); ++n)
        aside = path + ".damaged-" + std::to_string(n);
    std::filesystem::rename(path, aside, ec);
    load.error = path + ": " + parsed.error;
    if (!ec)
        load.setAsidePath = aside;
    return load;
}

std::string SaveCustomItems(const std::string& path, const CustomItems& items, int length)
{
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, WriteCustomItems(items, length));
    return outcome.ok ? std::string() : path + ": " + outcome.error;
}

std::string SaveCustomItemsText(const std::string& path, std::string_view text, int length)
{
    const CustomItemsParse parsed = ParseCustomItems(text, length);
    if (!parsed.ok)
        return parsed.error;
    return SaveCustomItems(path, parsed.items, length);
}

CustomItems ExampleCustomItems(int length)
{
    CustomItems items;
    filter::Condition sum;
    sum.type = filter::ConditionType::Sum;
    sum.values = {10, 11, 12, 13};
    items.combinations.push_back({"和值10-13", sum});
    CustomCompound compound{"复式示例", {}};
    for (int p = 0; p < length; ++p)
        compound.digits.push_back(std::to_string(p % 5 * 2) + std::to_string(p % 5 * 2 + 1));
    items.compounds.push_back(compound);
    items.lists.push_back({"号码示例", {std::string(static_cast<std::size_t>(length), '1')}, true});
    return items;
}

std::unique_ptr<Family> MakeCustomFamily(std::uint32_t code, const CustomItems& items, int length)
{
    if (code == kCustomCombinationCode) {
        std::vector<ValueItem> family;
        for (std::size_t i = 0; i < items.combinations.size(); ++i) {
            const std::string name = AutoName(items.combinations[i].name, "组合", i);
            family.push_back({{name, name}, items.combinations[i].condition});
        }
        return MakeValueFamily("自定义组合", length, std::move(family));
    }
    std::vector<ConditionItem> family;
    if (code == kCustomCompoundCode) {
        for (std::size_t i = 0; i < items.compounds.size(); ++i) {
            const std::string name = AutoName(items.compounds[i].name, "复式", i);
            ConditionItem item{{name, name}, {}};
            for (std::size_t p = 0; p < items.compounds[i].digits.size(); ++p) {
                filter::Condition position;
                position.type = filter::ConditionType::Position;
                position.position = static_cast<int>(p);
                for (char c : items.compounds[i].digits[p])
                    position.values.push_back(c - '0');
                item.conditions.push_back(std::move(position));
            }
            family.push_back(std::move(item));
        }
        return MakeConditionFamily("自定义复式", length, std::move(family));
    }
    if (code == kCustomListCode) {
        for (std::size_t i = 0; i < items.lists.size(); ++i) {
            const std::string name = AutoName(items.lists[i].name, "号码", i);
            filter::Condition list;
            list.type = filter::ConditionType::List;
            list.numbers = items.lists[i].numbers;
            list.group = items.lists[i].group;
            family.push_back({{name, name}, {std::move(list)}});
        }
        return MakeConditionFamily("自定义号码", length, std::move(family));
    }
    return nullptr;
}

} // namespace vesk::analysis
