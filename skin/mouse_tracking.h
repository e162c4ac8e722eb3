#pragma once
// Hover tracking shared by the skinned controls: asks for WM_MOUSELEAVE.

#include "framework/cwnd.h"

#include <QWidget>

namespace vesk::skin {

inline void RequestMouseLeave(CWnd& wnd)
{
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = wnd.m_hWnd;
    TrackMouseEvent(&track);
}

// Hover looks need WM_MOUSEMOVE while no button is down, which Qt delivers
// only to widgets that track the mouse.
inline void TrackMouseMoves(CWnd& wnd)
{
    if (wnd.m_hWnd)
        wnd.m_hWnd->setMouseTracking(true);
    if (QWidget* client = wnd.ClientWidget())
        client->setMouseTracking(true);
}

} // namespace vesk::skin
