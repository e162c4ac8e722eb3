#include "components/features/tools/tools_window.h"

#include "components/features/tools/group_stats_page.h"
#include "components/features/tools/guide_page.h"
#include "components/features/tools/number_stats_page.h"
#include "components/features/tools/plan_stats_page.h"
#include "components/features/tools/set_tool_page.h"
#include "components/features/kit/feature_look.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vesk::tools {

ToolsWindow::ToolsWindow(const features::FeatureHost* host, QWidget* parent)
    : QWidget(parent), m_host(host), m_title(features::MakeFeatureTitle(QString(), this)), m_pages(new QStackedWidget(this)),
      m_guide(new GuidePage(m_pages)), m_setTool(new SetToolPage(host, m_pages)), m_planStats(new PlanStatsPage(m_pages)),
      m_groupStats(new GroupStatsPage(host, m_pages)), m_numberStats(new NumberStatsPage(host, m_pages))
{
    setObjectName(QStringLiteral("toolsWindow"));
    features::PaintFeatureBackground(this);
    for (QWidget* page : {static_cast<QWidget*>(m_guide), static_cast<QWidget*>(m_setTool), static_cast<QWidget*>(m_planStats),
                          static_cast<QWidget*>(m_groupStats), static_cast<QWidget*>(m_numberStats)})
        m_pages->addWidget(page);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_pages, 1);

    const auto send = [this](const std::vector<std::uint32_t>& codes, analysis::HandOffMode mode) {
        if (sendNumbers)
            sendNumbers(codes, mode);
    };
    m_guide->sendNumbers = send;
    m_setTool->sendNumbers = send;
    m_planStats->sendNumbers = send;
    m_groupStats->sendNumbers = send;
}

void ToolsWindow::SetWorkbenchSource(const WorkbenchSource& source)
{
    for (ListInput* input : {m_setTool->InputA(), m_setTool->InputB(), m_groupStats->Input(), m_numberStats->Input()})
        input->SetWorkbenchSource(source);
}

void ToolsWindow::ShowTool(std::uint32_t code)
{
    static const struct {
        std::uint32_t code;
        const char* title;
    } kTools[] = {{kGuideCode, "投注指南"},       {kSetToolCode, "集合工具"},       {kPlanStatsCode, "大方案统计"},
                  {kGroupStatsCode, "号码组统计"}, {kNumberStatsCode, "号码统计"}};
    int index = 0;
    for (int i = 0; i < 5; ++i)
        if (kTools[i].code == code)
            index = i;
    m_title->setText(QString::fromUtf8(kTools[index].title));
    const int length = m_host->Length();
    m_guide->SetLength(length);
    if (index == 1)
        m_setTool->Reload();
    m_planStats->SetLength(length);
    if (index == 3)
        m_groupStats->Reload();
    if (index == 4)
        m_numberStats->Reload();
    m_pages->setCurrentIndex(index);
}

void ToolsWindow::ReloadHistory()
{
    if (m_pages->currentWidget() == m_groupStats)
        m_groupStats->Reload();
    if (m_pages->currentWidget() == m_numberStats)
        m_numberStats->Reload();
}

} // namespace vesk::tools
