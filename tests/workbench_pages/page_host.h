#pragma once
// What the page tests stand on: the real host services on a temporary folder
// (no print component in its plug-in folder), the generated skins, the
// pages' templates in a module context of their own, and a stand-in
// workbench window that records the commands the pages forward to it. A page
// is created in a child container of that window, as the tab containers
// hold them, so the workbench is the page's grandparent.

#include "app/services/host_object.h"
#include "framework/framework.h"
#include "tests/support/temp_folder.h"

#include <QImage>

#include <string>
#include <vector>

namespace vesk::test {

struct Forwarded {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWorkbench : public CDialog {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::vector<Forwarded> commands;
};

class PageHost {
public:
    // withComponents: the build's plug-in folder (the real print component);
    // otherwise an empty one.
    explicit PageHost(bool withComponents = false);
    ~PageHost();

    app::HostObject& Host() { return *m_host; }
    CWnd* Container() { return &m_container; }
    RecordingWorkbench& Workbench() { return m_workbench; }
    const std::string& Folder() const { return m_root.Path(); }
    // Sizes the container and the page to fill it (client pixels).
    void Resize(CWnd& page, int width, int height);
    std::string WriteFile(const std::string& name, const std::string& bytes) const;

private:
    TempFolder m_root;
    std::unique_ptr<app::HostObject> m_host;
    ModuleContext m_context { "pages-test" };
    ModuleContextGuard m_guard { m_context };
    RecordingWorkbench m_workbench;
    CDialog m_container;
};

std::string ReadFile(const std::string& path);
// Lets queued paints and posted messages run.
void Settle();
QImage Grab(CWnd& window);
// The text of a skinned control's tooltip.
template <typename Control> CString TipOf(Control& control)
{
    return control.Tooltip()->GetText(&control, 1);
}
// Writes a picture of the window to $VESK_SHOT_DIR/name.png when that is set.
void SaveShot(CWnd& window, const char* name);
// Clicks a control with the left mouse button in its middle.
void Click(CWnd& control);

} // namespace vesk::test
