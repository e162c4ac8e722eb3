#pragma once
// Hover tracking shared by the skinned controls: asks for WM_MOUSELEAVE.

#include "framework/cwnd.h"

namespace vesk::skin {

inline void RequestMouseLeave(CWnd& wnd)
{
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = wnd.m_hWnd;
    TrackMouseEvent(&track);
}

} // namespace vesk::skin
