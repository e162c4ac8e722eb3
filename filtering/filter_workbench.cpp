#include "filtering/filter_workbench.h"

#include "framework/cdc.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "skin/workbench_colors.h"

namespace vesk {

DialogTemplate FilterWorkbenchTemplate()
{
    DialogTemplate dialog;
    dialog.id = IDD_FILTER_WORKBENCH;
    dialog.cx = 367;
    dialog.cy = 181;
    dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    return dialog;
}

FilterWorkbench::FilterWorkbench(IModule* owner) : m_owner(owner)
{
    HandleMessage(WM_ERASEBKGND, [this](WPARAM wParam, LPARAM) { return OnEraseBackground(wParam); });
    HandleMessage(WM_PAINT, [this](WPARAM, LPARAM) { return OnPaint(); });
}

BOOL FilterWorkbench::CreateIn(CWnd* parent)
{
    return Create(IDD_FILTER_WORKBENCH, parent);
}

void FilterWorkbench::RefreshAll()
{
    // The result pages refresh here once the workbench holds them.
}

void FilterWorkbench::FillEditorNumbers(void* array)
{
    // The editor page fills the array here once the workbench holds it.
    static_cast<void>(array);
}

LRESULT FilterWorkbench::OnEraseBackground(WPARAM wParam)
{
    CDC* dc = reinterpret_cast<CDC*>(wParam);
    if (!dc)
        return 0;
    RECT client;
    GetClientRect(&client);
    dc->FillSolidRect(client, kWorkbenchBackground);
    return 1;
}

LRESULT FilterWorkbench::OnPaint()
{
    CPaintDC dc(this); // erases the background first
    return 0;
}

} // namespace vesk
