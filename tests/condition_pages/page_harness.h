#pragma once
// The two condition pages as the workbench will hold them, inside a test
// dialog: a top-level window standing for the workbench, a container dialog
// standing for the left tab container, and the pages in it. The host is the
// real one on a temporary folder, seen through a RecordingHost, and the
// filter component is libvesk.so loaded by the host's component loader.

#include "filtering/condition_page.h"
#include "tests/condition_pages/recording_host.h"
#include "tests/support/temp_folder.h"

#include "framework/framework.h"
#include "numbers/list_snapshot.h"

#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

class PageHarness {
public:
    PageHarness();
    ~PageHarness();

    // Creates the container and both pages (the fixed one shown), as the
    // left tab container does, in the module's template context.
    void OpenPages();
    // Destroys both pages (fixed first), as closing the workbench does.
    void ClosePages();

    RecordingHost& Host() { return *m_host; }
    app::HostObject& RealHost() { return *m_real; }
    const std::string& Root() const { return m_root.Path(); }
    std::string StateFolder() const { return m_root.Path() + "state/"; }
    CWnd& Workbench() { return m_workbench; }
    CDialog& Container() { return m_container; }
    ConditionPage& Fixed() { return *m_fixed; }
    ConditionPage& Combined() { return *m_combined; }
    // The engine inside the component behind a page's recorder.
    IRyxFilter* Engine(ConditionPage& page) { return m_host->InnerFilter(page.Filter()); }
    // The condition window's widget inside a page.
    QWidget* Panel(ConditionPage& page) const;

    // The result numbers the workbench answers a snapshot request with, and
    // those it was handed back.
    std::vector<std::string> resultNumbers;
    std::vector<std::string> restoredNumbers;

private:
    TempFolder m_root;
    std::unique_ptr<app::HostObject> m_real;
    std::unique_ptr<RecordingHost> m_host;
    CWnd m_workbench;
    CDialog m_container;
    std::unique_ptr<ConditionPage> m_fixed;
    std::unique_ptr<ConditionPage> m_combined;
};

// The set a filter holds, as its state file holds it (read back through slot 32).
std::string StateText(IRyxFilter& filter);
// Writes text as the file path.
void WriteFile(const std::string& path, const std::string& text);
bool FileExists(const std::string& path);
// The whole file, empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Files of the folder, names only, sorted.
std::vector<std::string> FilesIn(const std::string& folder);

} // namespace vesk::test
