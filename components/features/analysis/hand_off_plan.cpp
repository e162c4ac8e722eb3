#include "components/features/analysis/hand_off_plan.h"

#include <unordered_set>

namespace vesk::analysis {

const char* HandOffModeName(HandOffMode mode)
{
    switch (mode) {
    case HandOffMode::Replace: return "替换";
    case HandOffMode::Append: return "追加";
    case HandOffMode::Intersect: return "交集";
    }
    return "";
}

HandOffPlan PlanHandOff(HandOffMode mode, const std::vector<std::uint32_t>& current,
                        const std::vector<std::uint32_t>& sent)
{
    HandOffPlan plan;
    switch (mode) {
    case HandOffMode::Replace:
        plan.numbers = sent;
        break;
    case HandOffMode::Append: {
        std::unordered_set<std::uint32_t> held(current.begin(), current.end());
        plan.numbers = current;
        for (std::uint32_t code : sent) {
            if (held.insert(code).second) {
                plan.numbers.push_back(code);
                ++plan.added;
            }
        }
        break;
    }
    case HandOffMode::Intersect: {
        const std::unordered_set<std::uint32_t> wanted(sent.begin(), sent.end());
        for (std::uint32_t code : current)
            if (wanted.count(code) != 0)
                plan.numbers.push_back(code);
        break;
    }
    }
    return plan;
}

std::string HandOffStatus(HandOffMode mode, std::size_t added, std::size_t total)
{
    const std::string m = std::to_string(total);
    switch (mode) {
    case HandOffMode::Replace: return "已替换为 " + m + " 注（可撤消）";
    case HandOffMode::Append: return "已追加 " + std::to_string(added) + " 注，缩水器共 " + m + " 注（可撤消）";
    case HandOffMode::Intersect: return "已取交集，缩水器共 " + m + " 注（可撤消）";
    }
    return {};
}

std::string EmptyIntersectionStatus(std::size_t kept)
{
    return "交集为空，缩水器未改动，仍有 " + std::to_string(kept) + " 注";
}

} // namespace vesk::analysis
