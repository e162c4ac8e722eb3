#pragma once
// The host's chart feature "Kelpo" as host slots 5 and 6 reach it: opening it
// by name makes its window (once) and brings it up; slot 5 with 1 answers
// that window while it exists. The window lives until this object goes, so a
// handle once answered stays a window for the module's later messages.

#include "app/chart/chart_window.h"
#include "app/services/host_features.h"

#include <QPointer>

#include <string_view>

namespace vesk::chart {

inline constexpr std::string_view kChartFeatureName = "Kelpo";

class ChartFeature final : public app::HostFeatures {
public:
    // owner: the window the chart stays above (may be null, or set later
    // with SetOwner before the feature is first opened).
    explicit ChartFeature(QWidget* owner = nullptr);
    ~ChartFeature() override;
    ChartFeature(const ChartFeature&) = delete;
    ChartFeature& operator=(const ChartFeature&) = delete;

    WindowHandle FeatureWindow(SlotInt which) override;
    SlotInt OpenFeature(const char* name, SlotInt arg) override;

    void SetOwner(QWidget* owner) { m_owner = owner; }
    // Null until the feature is first opened.
    ChartWindow* Window() const { return m_window; }

private:
    QPointer<QWidget> m_owner;
    QPointer<ChartWindow> m_window;
};

} // namespace vesk::chart
