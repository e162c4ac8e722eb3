// CWnd: timers, scroll bars, mouse tracking and message boxes.
#include "framework/cwnd.h"

#include "framework/interaction.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace vesk {

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    if (!m_hWnd)
        return 0;
    if (!m_hook)
        return 0; // only windows whose messages the framework routes get timers
    return m_hook->SetTimer(id, elapse);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return m_hook && m_hook->KillTimer(id); }

namespace {

QScrollBar* BarOf(QWidget* widget, int bar)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    if (!area)
        return nullptr;
    return bar == SB_VERT ? area->verticalScrollBar() : area->horizontalScrollBar();
}

} // namespace

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll || !info)
        return FALSE;
    info->fMask = mask;
    info->nMin = scroll->minimum();
    info->nPage = static_cast<UINT>(scroll->pageStep());
    // The range covers the last page, as the system's scroll bars count.
    info->nMax = scroll->maximum() + scroll->pageStep() - 1;
    info->nPos = scroll->value();
    info->nTrackPos = scroll->sliderPosition();
    return TRUE;
}

BOOL CWnd::SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw)
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll || !info)
        return FALSE;
    if (info->fMask & SIF_PAGE)
        scroll->setPageStep(static_cast<int>(info->nPage));
    if (info->fMask & SIF_RANGE)
        scroll->setRange(info->nMin, std::max(info->nMin, info->nMax - std::max(scroll->pageStep(), 1) + 1));
    if (info->fMask & SIF_POS)
        scroll->setValue(info->nPos);
    return TRUE;
}

int CWnd::GetScrollPos(int bar) const
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    return scroll ? scroll->value() : 0;
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw)
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll)
        return 0;
    const int old = scroll->value();
    scroll->setValue(pos);
    return old;
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT type)
{
    MessageBoxRequest request;
    request.parent = m_hWnd;
    request.text = text;
    request.caption = caption;
    request.type = type;
    return Interaction().MessageBox(request);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request)
{
    if (!request || !request->hwndTrack)
        return FALSE;
    CWnd* wnd = CWnd::FromHandlePermanent(request->hwndTrack);
    WindowHook* hook = wnd ? detail::WindowAccess::HookOf(wnd) : nullptr;
    if (!hook)
        return FALSE;
    hook->TrackLeave((request->dwFlags & TME_CANCEL) == 0 && (request->dwFlags & TME_LEAVE) != 0);
    return TRUE;
}

} // namespace vesk
