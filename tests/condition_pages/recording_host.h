#pragma once
// A host object that hands out the real host's services and components but
// records, at the slot boundary, every call the module makes to the filter
// component and to the analysis service's slot 5: the component is wrapped in
// recorders that log and pass each call on.

#include "app/services/host_object.h"
#include "host/filter_interfaces.h"

#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

using CallLog = std::vector<std::string>;

class RecordingHost final : public IHostObject {
public:
    explicit RecordingHost(app::HostObject& real);
    ~RecordingHost();

    void* GetService(SlotInt index) override;
    SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) override;
    SlotInt ReleaseComponent(void* holder) override;
    WindowHandle GetFeatureWindow(SlotInt which) override { return m_real.GetFeatureWindow(which); }
    SlotInt OpenFeatureByName(const char* name, SlotInt arg) override { return m_real.OpenFeatureByName(name, arg); }

    CallLog& Log() { return m_log; }
    // The calls logged since the last Take.
    CallLog Take();
    app::HostObject& Real() { return m_real; }
    // The component's own engine behind a recorder handed out, or null.
    IRyxFilter* InnerFilter(IRyxFilter* recorder) const;

    class FilterRecorder;
    class WindowRecorder;
    class AnalysisRecorder;

private:
    app::HostObject& m_real;
    CallLog m_log;
    std::unique_ptr<AnalysisRecorder> m_analysis;
    std::vector<std::unique_ptr<FilterRecorder>> m_filters;
    std::vector<std::unique_ptr<WindowRecorder>> m_windows;
};

} // namespace vesk::test
