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

} // namespace vesk::sample
