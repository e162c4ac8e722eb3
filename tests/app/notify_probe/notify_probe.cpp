// The notify probe: a double click on a row sends NM_DBLCLK with the row in
// the item-activate record, a click on the header band LVN_COLUMNCLICK with
// the column in the list-view record.
#include "tests/app/notify_probe/notify_probe.h"

#include "framework/framework.h"

#include <new>

namespace vesk::test {
namespace {

class ProbeWindow : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const int x = GET_X_LPARAM(lParam);
        const int y = GET_Y_LPARAM(lParam);
        if (message == WM_LBUTTONDBLCLK && y >= kProbeRowHeight) {
            NMITEMACTIVATE record{};
            record.iItem = y / kProbeRowHeight - 1;
            record.iSubItem = x / kProbeColumnWidth;
            record.ptAction = {x, y};
            record.uKeyFlags = (wParam & MK_CONTROL) ? 2u : 0u;
            NotifyParent(m_hWnd, NM_DBLCLK, &record);
            return 0;
        }
        if (message == WM_LBUTTONDOWN && y < kProbeRowHeight) {
            NMLISTVIEW record{};
            record.iItem = -1;
            record.iSubItem = x / kProbeColumnWidth;
            record.ptAction = {x, y};
            NotifyParent(m_hWnd, LVN_COLUMNCLICK, &record);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class NotifyProbe final : public INotifyProbe {
public:
    SlotInt Create(WindowHandle parent, SlotInt controlId, const Rect* rect) override
    {
        CWnd* parentWnd = CWnd::FromWindowHandle(parent);
        if (!parentWnd || !rect || m_window.m_hWnd)
            return 0;
        const CRect area(rect->left, rect->top, rect->right, rect->bottom);
        return m_window.Create(nullptr, "", WS_CHILD | WS_VISIBLE, area, parentWnd, static_cast<UINT>(controlId));
    }

    WindowHandle GetWindow() override { return m_window.ToWindowHandle(); }

private:
    ProbeWindow m_window;
};

} // namespace
} // namespace vesk::test

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out || !(*name == vesk::test::kNotifyProbeName))
        return 0;
    auto* probe = new (std::nothrow) vesk::test::NotifyProbe;
    *out = static_cast<vesk::test::INotifyProbe*>(probe);
    return probe ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    delete static_cast<vesk::test::NotifyProbe*>(static_cast<vesk::test::INotifyProbe*>(*ref));
    *ref = nullptr;
    return 1;
}
