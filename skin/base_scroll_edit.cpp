#include "skin/base_scroll_edit.h"

#include "framework/cdc.h"
#include "framework/cfiledialog.h"
#include "framework/system_api.h"
#include "skin/focus_message.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <QString>

namespace vesk {

using namespace skin;

namespace {

constexpr DWORD kVerticalBarStyle = 0x1;

} // namespace

void CBaseScrollEdit::CreateScrollBars()
{
    if (m_vertical.IsWindow())
        return;
    CWnd* parent = GetParent();
    m_vertical.Create(WS_CHILD | kVerticalBarStyle, RECT{}, parent, kVerticalBarId, this);
    m_horizontal.Create(WS_CHILD, RECT{}, parent, kHorizontalBarId, this);
    // Lay them over the edit now: an edit that is never resized afterwards
    // would otherwise keep showing its own bars.
    LayoutBars();
    SyncRanges();
    UpdateRegion();
}

void CBaseScrollEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
    SyncRanges();
    SyncPositions(true);
}

void CBaseScrollEdit::SetText(const CString& text)
{
    SetWindowText(text);
    SyncRanges();
}

bool CBaseScrollEdit::SaveTextAs(const CString& defaultName)
{
    CString name = defaultName;
    for (;;) {
        CFileDialog dialog(FALSE, "*.txt", name.c_str(), OFN_OVERWRITEPROMPT, "文本文件(*.txt)|*.txt||", this);
        if (dialog.DoModal() != IDOK)
            return false;
        const std::string path = dialog.GetPathName();
        const FileResult written = WriteFileSafely(path, std::string_view(GetWindowText()));
        if (written.ok)
            return true;
        // Say so and offer the dialog again: the text is still only here.
        MessageBox(SaveFailedText(path, written).c_str(), "提示信息", MB_OK | MB_ICONINFORMATION);
        name = path;
    }
}

CRect CBaseScrollEdit::ClientInScreen() const
{
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    return client;
}

void CBaseScrollEdit::LayoutBars()
{
    CRect window;
    GetWindowRect(&window);
    const CRect client = ClientInScreen();
    m_borders = borderWidths(window, client);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&window);
    const ScrollEditBars bars = layoutScrollEditBars(window, m_borders, client.Width(), client.Height());
    const int show = (GetStyle() & WS_VISIBLE) ? SW_SHOWNORMAL : SW_HIDE;

    if (m_vertical.IsWindow()) {
        if (!bars.verticalShown) {
            m_vertical.ShowWindow(SW_HIDE);
            m_verticalShown = 0;
        } else {
            SCROLLINFO info;
            GetScrollInfo(SB_VERT, &info, SIF_ALL);
            m_vertical.MoveWindow(bars.vertical);
            m_vertical.SetScrollInfo(&info);
            m_vertical.ShowWindow(show);
            m_verticalShown = 1;
        }
    }
    if (m_horizontal.IsWindow()) {
        if (bars.horizontalShown) {
            SCROLLINFO info;
            GetScrollInfo(SB_HORZ, &info, SIF_ALL);
            info.nPage = info.nPage > kBarThickness ? info.nPage - kBarThickness : 0;
            m_horizontal.MoveWindow(bars.horizontal);
            m_horizontal.SetScrollInfo(&info);
            m_horizontal.ShowWindow(show);
            m_horizontalShown = 1;
        } else {
            m_horizontal.ShowWindow(SW_HIDE);
            m_horizontalShown = 0;
        }
    }
}

void CBaseScrollEdit::UpdateRegion()
{
    CRect window;
    GetWindowRect(&window);
    const CRect client = ClientInScreen();
    CRgn region;
    region.CreateRectRgn(0, 0, window.Width(), window.Height());
    for (const Rect& cut : scrollEditRegionCuts(window.Width(), window.Height(), m_borders, client.Width(),
                                                client.Height(), m_verticalShown != 0, m_horizontalShown != 0)) {
        CRgn strip;
        strip.CreateRectRgnIndirect(cut);
        region.CombineRgn(&region, &strip, RGN_XOR);
    }
    SetWindowRgn(region, TRUE);
}

void CBaseScrollEdit::SyncBar(CBaseScrollBar& bar, int which, int& lastUnits)
{
    if (!bar.IsWindow())
        return;
    SCROLLINFO info;
    GetScrollInfo(which, &info, SIF_ALL);
    const int units = info.nMax - info.nMin + 1;
    const bool fits = info.nPage >= static_cast<UINT>(std::max(units, 0));
    if (units != lastUnits && !fits) {
        if (!bar.IsWindowEnabled())
            bar.EnableWindow(TRUE);
        bar.SetScrollInfo(&info, TRUE);
        lastUnits = units;
    } else if (bar.IsWindowEnabled() && fits) {
        bar.EnableWindow(FALSE);
        lastUnits = 0;
    }
}

void CBaseScrollEdit::SyncRanges()
{
    SyncBar(m_vertical, SB_VERT, m_lastVerticalUnits);
    SyncBar(m_horizontal, SB_HORZ, m_lastHorizontalUnits);
    if (m_vertical.IsWindow())
        m_vertical.Invalidate(FALSE);
}

void CBaseScrollEdit::SyncPositions(bool horizontalToo)
{
    if (m_vertical.IsWindow())
        m_vertical.SetScrollPos(GetScrollPos(SB_VERT), TRUE);
    if (horizontalToo && m_horizontal.IsWindow())
        m_horizontal.SetScrollPos(GetScrollPos(SB_HORZ), TRUE);
}

LRESULT CBaseScrollEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return CEdit::WindowProc(message, wParam, lParam) == -1 ? -1 : 0;
    case WM_NCPAINT: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        CWindowDC dc(this);
        CRect window;
        GetWindowRect(&window);
        window.OffsetRect(-window.left, -window.top);
        CBrush frame(RGB(127, 157, 185));
        dc.FrameRect(window, &frame);
        return result;
    }
    case WM_SIZE: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        LayoutBars();
        SyncRanges();
        UpdateRegion();
        return result;
    }
    case WM_MOVE: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        LayoutBars();
        UpdateRegion();
        return result;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
        const bool vertical = message == WM_VSCROLL;
        CBaseScrollBar& bar = vertical ? m_vertical : m_horizontal;
        const int which = vertical ? SB_VERT : SB_HORZ;
        const UINT code = LOWORD(wParam);
        // The message holds 16 bits of the thumb's place, too few for a long
        // text or a wide line; the bar keeps the whole position.
        if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && bar.IsWindow()) {
            SCROLLINFO info;
            bar.GetScrollInfo(&info, SIF_TRACKPOS);
            SetScrollPos(which, info.nTrackPos, TRUE);
            if (code == SB_THUMBPOSITION)
                bar.SetScrollPos(GetScrollPos(which), TRUE);
            else
                bar.Invalidate(FALSE);
            return 0;
        }
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (code < SB_THUMBPOSITION || code == SB_TOP || code == SB_BOTTOM)
            SyncPositions(!vertical);
        return result;
    }
    case WM_MOUSEWHEEL: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        SyncPositions(false);
        return result;
    }
    case WM_CHAR: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (m_vertical.IsWindow() && m_vertical.GetScrollPos() != GetScrollPos(SB_VERT))
            SyncPositions(false);
        return result;
    }
    case WM_KEYDOWN:
        if (wParam == 'A' && GetKeyState(VK_CONTROL) < 0)
            SetSel(0, -1, FALSE);
        return CEdit::WindowProc(message, wParam, lParam);
    case WM_MOUSEMOVE: {
        const CRect client = [this] { CRect r; GetClientRect(&r); return r; }();
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if ((wParam & MK_LBUTTON) && !client.PtInRect(at))
            SyncPositions(true); // a selection drag past the edge scrolls the text
        NotifyFocusedMouseMove(*this);
        return CEdit::WindowProc(message, wParam, lParam);
    }
    case WM_SHOWWINDOW: {
        const LRESULT result = CEdit::WindowProc(message, wParam, lParam);
        if (m_vertical.IsWindow())
            m_vertical.ShowWindow(wParam && m_verticalShown ? SW_SHOWNORMAL : SW_HIDE);
        if (m_horizontal.IsWindow())
            m_horizontal.ShowWindow(wParam && m_horizontalShown ? SW_SHOWNORMAL : SW_HIDE);
        return result;
    }
    default:
        return CEdit::WindowProc(message, wParam, lParam);
    }
}

BOOL CBaseScrollEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        SyncRanges();
    // The text scrolled by itself (keys, caret moves, selection drags). A bar
    // that holds the mouse is the one scrolling and places its own thumb.
    if (message == WM_COMMAND && (HIWORD(wParam) == EN_VSCROLL || HIWORD(wParam) == EN_HSCROLL)) {
        CBaseScrollBar& bar = HIWORD(wParam) == EN_VSCROLL ? m_vertical : m_horizontal;
        const int which = HIWORD(wParam) == EN_VSCROLL ? SB_VERT : SB_HORZ;
        if (bar.IsWindow() && CWnd::GetCapture() != &bar)
            bar.SetScrollPos(GetScrollPos(which), TRUE);
    }
    // The parent still receives the notification.
    return CEdit::OnChildNotify(message, wParam, lParam, result);
}

} // namespace vesk
