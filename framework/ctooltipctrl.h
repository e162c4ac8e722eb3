#pragma once
// CToolTipCtrl: tooltips for tools (windows, or rectangles of them). Shown by
// Qt's tooltip machinery after the initial delay while active.

#include "framework/cwnd.h"

#include <memory>

namespace vesk {

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl();
    ~CToolTipCtrl() override;

    BOOL Create(CWnd* parent, DWORD style = 0);
    using CWnd::Create;
    // A tool covers rect of wnd (the whole client area when rect is null).
    BOOL AddTool(CWnd* wnd, const CString& text, const RECT* rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* wnd, UINT_PTR id = 0);
    void UpdateTipText(const CString& text, CWnd* wnd, UINT_PTR id = 0);
    CString GetText(CWnd* wnd, UINT_PTR id = 0) const;
    int GetToolCount() const;
    void Activate(BOOL activate);
    BOOL IsActive() const;
    int SetMaxTipWidth(int width);
    void SetDelayTime(UINT which, int milliseconds);
    int GetDelayTime(UINT which) const;
    // Feeds a mouse message of a tool window: shows or hides the tip.
    void RelayEvent(MSG* msg);
    // The text shown now, empty when hidden.
    CString VisibleText() const;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace vesk
