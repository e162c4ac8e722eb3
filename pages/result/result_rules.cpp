#include "pages/result/result_rules.h"

#include "pages/result/result_ids.h"

namespace vesk::result {

std::vector<ControlState> ButtonStates(const PageCounts& counts)
{
    const bool rows = counts.resultRows >= 1;
    return {
        {kDelete, counts.selectedRows >= 1},
        {kClear, rows},
        {kToChart, rows},
        {kPrint, rows},
        {kSave, rows},
        {kSingleToGroup, rows},
        {kGroupToSingle, rows},
        {kResultToEditor, rows},
        {kUndo, counts.canUndo},
        {kRedo, counts.canRedo},
        {kRecycleToEditor, counts.recycleRows >= 1},
    };
}

std::string ResultStatusText(long long rows)
{
    return "缩水结果:" + std::to_string(rows) + "注";
}

std::string RecycleStatusText(long long rows)
{
    return "回收区结果:" + std::to_string(rows) + "注";
}

std::vector<MenuEntry> ResultMenu(const PageCounts& counts)
{
    const bool two = counts.resultRows >= 2;
    const MenuEntry separator{};
    return {
        {"添加(&A)", kAdd, true},
        {"删除(&D)", kDelete, counts.selectedRows >= 1},
        {"清空(&C)", kClear, two},
        separator,
        {"组选变单选", kGroupToSingle, two},
        {"单选变组选", kSingleToGroup, two},
        separator,
        {"撤消(&U)", kUndo, counts.canUndo},
        {"恢复(&R)", kRedo, counts.canRedo},
        separator,
        {"打开(&O)...", kOpen, true},
        {"保存(&V)...", kSave, two},
        separator,
        {"打印(&P)...", kPrint, two},
        separator,
        {"设置(&S)...", kOptions, true},
    };
}

} // namespace vesk::result
