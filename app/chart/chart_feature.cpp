#include "app/chart/chart_feature.h"

#include "app/chart/chart_window.h"
#include "framework/cwnd.h"

namespace vesk::chart {

ChartFeature::ChartFeature(QWidget* owner) : m_owner(owner) {}

ChartFeature::~ChartFeature()
{
    delete m_window.data();
}

WindowHandle ChartFeature::FeatureWindow(SlotInt which)
{
    return which == 1 && m_window ? ToWindowHandle(m_window.data()) : 0;
}

SlotInt ChartFeature::OpenFeature(const char* name, SlotInt)
{
    if (!name || std::string_view(name) != kChartFeatureName)
        return 0;
    if (!m_window) {
        m_window = new ChartWindow(m_owner);
        // Known to the framework, so the module's IsWindow and SendMessage reach it.
        CWnd::FromHandle(m_window.data());
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return 1;
}

} // namespace vesk::chart
