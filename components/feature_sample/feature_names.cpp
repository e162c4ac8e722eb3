#include "components/feature_sample/feature_names.h"

#include <array>
#include <utility>

namespace vesk::sample {

std::string_view FeatureName(std::uint32_t code)
{
    static constexpr std::array<std::pair<std::uint32_t, std::string_view>, 25> kNames = {{
        {4, "偏态搜索"},       {0x80000002u, "遗漏列表（分布）"},
        {5, "直落统计"},       {6, "号码查询"},
        {7, "特征串查询"},     {9, "状态表"},
        {0x30, "邻孤传选号"},  {0x31, "复隔中选号"},
        {0x32, "热温冷选号"},  {0x33, "金字塔选号"},
        {0x34, "跟随选号"},    {0x35, "魔数选号"},
        {0x36, "单选定位"},    {0x37, "选号助手"},
        {0x50, "投注指南"},    {0x51, "集合工具"},
        {0x52, "大方案统计"},  {0x53, "号码组统计"},
        {0x54, "号码统计"},    {96, "胆杀验证"},
        {97, "公式搜索（开发中）"}, {98, "公式管理（开发中）"},
        {99, "胆杀组号（开发中）"}, {1, "组号缩水"},
        {85, "计算器"},
    }};
    for (const auto& [known, name] : kNames) {
        if (known == code)
            return name;
    }
    return {};
}

std::string OmissionListName(std::uint32_t subCode)
{
    static constexpr std::array<std::pair<std::uint32_t, std::string_view>, 9> kLists = {{
        {0x1020, "自定义组合"}, {0x1021, "自定义复式"}, {0x1022, "自定义号码"},
        {0x1030, "单选单码"},   {0x1031, "单选两码"},   {0x1032, "单选三码"},
        {0x1033, "组选单码"},   {0x1034, "组选两码"},   {0x1035, "组选三码"},
    }};
    for (const auto& [known, name] : kLists) {
        if (known == subCode)
            return std::string(name);
    }
    // N-code lists count up from 0x1002 for N = 3.
    if (subCode >= 0x1002 && subCode < 0x1002 + 16)
        return std::to_string(subCode - 0x1002 + 3) + "码遗漏";
    return {};
}

} // namespace vesk::sample
