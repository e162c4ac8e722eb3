#pragma once
// The window of the tools row: one page per tool (codes 0x50-0x54), the page
// of the opened code shown under its title.

#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/feature_host.h"
#include "components/features/tools/tool_widgets.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QStackedWidget;

namespace vesk::tools {

class GroupStatsPage;
class GuidePage;
class NumberStatsPage;
class PlanStatsPage;
class SetToolPage;

inline constexpr std::uint32_t kGuideCode = 0x50;
inline constexpr std::uint32_t kSetToolCode = 0x51;
inline constexpr std::uint32_t kPlanStatsCode = 0x52;
inline constexpr std::uint32_t kGroupStatsCode = 0x53;
inline constexpr std::uint32_t kNumberStatsCode = 0x54;

class ToolsWindow final : public QWidget {
public:
    // host: borrowed, outlives the window.
    ToolsWindow(const features::FeatureHost* host, QWidget* parent = nullptr);

    // Numbers a page hands to the workbench.
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button
    // Where every list box's 取缩水结果 reads the workbench's result list.
    void SetWorkbenchSource(const WorkbenchSource& source);

    // Shows the tool of code (the guide for a code this row does not
    // serve), with the game's length and the history read again.
    void ShowTool(std::uint32_t code);
    // The history changed: the pages that use it read it again.
    void ReloadHistory();

    GuidePage* Guide() const { return m_guide; }
    SetToolPage* SetTool() const { return m_setTool; }
    PlanStatsPage* PlanStats() const { return m_planStats; }
    GroupStatsPage* GroupStats() const { return m_groupStats; }
    NumberStatsPage* NumberStats() const { return m_numberStats; }

private:
    const features::FeatureHost* m_host;
    QLabel* m_title;
    QStackedWidget* m_pages;
    GuidePage* m_guide;
    SetToolPage* m_setTool;
    PlanStatsPage* m_planStats;
    GroupStatsPage* m_groupStats;
    NumberStatsPage* m_numberStats;
};

} // namespace vesk::tools
