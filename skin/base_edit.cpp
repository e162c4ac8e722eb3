#include "skin/base_edit.h"

#include "framework/cdc.h"
#include "framework/system_api.h"
#include "skin/focus_message.h"
#include "skin/geometry/char_filter.h"

#include <QString>

namespace vesk {

void CBaseEdit::SetAllowedChars(const CString& allowed)
{
    m_allowed = QString::fromStdString(allowed).toStdU32String();
}

BOOL CBaseEdit::EnableWindow(BOOL enable)
{
    const BOOL result = CEdit::EnableWindow(enable);
    SendMessage(WM_NCPAINT);
    return result;
}

BOOL CBaseEdit::PreTranslateMessage(MSG* msg)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if (msg->message == WM_KEYDOWN && msg->wParam == 'A' && ctrl) {
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET);
    } else if (msg->message == WM_CHAR
               && !skin::isCharAllowed(m_allowed, static_cast<char32_t>(msg->wParam), ctrl)) {
        return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
}

LRESULT CBaseEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        PaintFrame();
        return 0;
    case WM_MOUSEMOVE:
        skin::NotifyFocusedMouseMove(*this);
        return CEdit::WindowProc(message, wParam, lParam);
    default:
        return CEdit::WindowProc(message, wParam, lParam);
    }
}

void CBaseEdit::PaintFrame()
{
    CWindowDC dc(this);
    CRect window;
    GetWindowRect(&window);
    window.OffsetRect(-window.left, -window.top);
    CPen frame(PS_SOLID, 1, IsWindowEnabled() ? kEnabledFrame : kDisabledFrame);
    CPen* oldPen = dc.SelectObject(&frame);
    CGdiObject* oldBrush = dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(window);
    dc.SelectStockObject(WHITE_PEN);
    window.DeflateRect(1, 1);
    dc.Rectangle(window);
    dc.SelectObject(oldPen);
    if (oldBrush)
        dc.SelectObject(oldBrush);
}

} // namespace vesk
