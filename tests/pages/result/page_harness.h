#pragma once
// The result page as the workbench will hold it, with the real host services
// on a temporary folder and the real grid component from the plug-in
// folder: a top-level window standing in for the workbench (it records what
// reaches it), a container dialog, the page inside. The print, arrangement
// and chart pieces that live outside the module are recorders here, handed
// out by a host that forwards everything else to the real one.

#include "app/services/host_object.h"
#include "application/module_app.h"
#include "framework/framework.h"
#include "host/module_messages.h"
#include "host/other_interfaces.h"
#include "pages/result/result_page.h"
#include "tests/support/temp_folder.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

struct HeardMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Stands in for the workbench window: records every command sent to it.
class RecordingWindow : public CWnd {
public:
    std::vector<HeardMessage> commands;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The chart window: copies what WM_CHART_NUMBERS hands it.
class ChartProbe : public CWnd {
public:
    int messages = 0;
    WPARAM tag = 0;
    std::int32_t digits = -1;
    std::int32_t listKey = -1;
    std::int32_t zero = -1;
    std::vector<std::string> numbers; // each 8-byte block as digit characters
    std::vector<std::uint8_t> padding; // the bytes after the digits of every block
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

struct PrintRecorder final : IRyxPrint {
    std::vector<std::string> calls;
    SlotInt Begin(IHostObject* host, SlotInt count, SlotInt kind) override;
    SlotInt SetItem(SlotInt index, const char* text) override;
    SlotInt Print() override;
};

struct ArrangeRecorder final : IArrange {
    std::vector<std::string> calls;
    std::function<SlotInt()> run; // what the user does; default: nothing changed
    int imagesLoaded = 0;
    SlotInt Initialize(IHostObject* host, WindowHandle owner) override;
    SlotInt SetCaption(const char* caption) override;
    SlotInt SetAreaCaptions(const char* shown, const char* hidden) override;
    SlotInt SetShownRecord(SlotInt optionId) override;
    SlotInt SetHiddenRecord(SlotInt optionId) override;
    SlotInt SetImages(void* normal, void* selected, void* dragged, void* hint) override;
    SlotInt Run() override;
};

// The real host, but "RyxOther.dll" components are the recorders and the
// chart feature is a probe window that appears after `chartDelay` asks.
class TestHost final : public IHostObject {
public:
    explicit TestHost(app::HostObject& real) : m_real(real) {}
    void* GetService(SlotInt index) override { return m_real.GetService(index); }
    SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) override;
    SlotInt ReleaseComponent(void* holder) override;
    WindowHandle GetFeatureWindow(SlotInt which) override;
    SlotInt OpenFeatureByName(const char* name, SlotInt arg) override;

    PrintRecorder print;
    ArrangeRecorder arrange;
    bool realOther = false; // load libryxother.so itself instead of the recorders
    bool realChart = false; // ask the real host's features for the chart
    std::vector<std::string> loads;
    int releases = 0;
    int chartOpens = 0;
    int chartAsks = 0;
    int chartDelay = 0;     // asks before the window exists; -1: never
    bool chartOpen = false; // created by an earlier hand-off
    ChartProbe chart;

private:
    void MakeChartWindow();
    app::HostObject& m_real;
};

class PageHarness {
public:
    PageHarness();
    ~PageHarness();

    bool Ready() const { return m_ready; }
    result::ResultPage& Page() { return *m_page; }
    ModuleApp& App() { return m_app; }
    TestHost& Host() { return m_testHost; }
    app::HostObject& RealHost() { return m_host; }
    RecordingWindow& Workbench() { return m_workbench; }
    const std::string& Folder() const { return m_folder.Path(); }
    // Makes the page anew (after option records changed).
    bool Recreate();

    // Puts numbers ("123 456 ...") into a list and records the change, as
    // the workbench does after a filter run.
    void SetResult(const std::string& text);
    void SetRecycle(const std::string& text);
    std::string ResultText();
    std::string RecycleText();
    // The rows the result grid shows in column 1.
    std::vector<std::string> GridNumbers(IRyxGridCtrl* grid);
    bool Enabled(unsigned id);
    std::string Text(unsigned id);
    // Sends the button's BN_CLICKED to the page as the button does.
    void Click(unsigned id);
    // A grid notification as the component sends it.
    void Notify(unsigned gridId, UINT code, int item, int subItem);

private:
    TempFolder m_folder;
    app::HostObject m_host;
    TestHost m_testHost;
    ModuleApp m_app;
    RecordingWindow m_workbench;
    CDialog m_container;
    std::unique_ptr<result::ResultPage> m_page;
    bool m_ready = false;
};

std::string ListText(NumberList& list);

} // namespace vesk::test
