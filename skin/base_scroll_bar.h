#pragma once
// CBaseScrollBar: a free-standing child window of class "BaseScrollBar" that
// looks and acts like a scroll bar, drawn from skin images. It moves nothing
// itself: every user action goes to the owner as WM_VSCROLL or WM_HSCROLL
// (lParam 0, so the owner treats it as its own bar), and the owner sets the
// position back. A thumb drag runs a nested message loop until the capture
// ends; press repeats use timers 1000 (300 ms delay) and 1001 (50 ms).

#include "framework/cwnd.h"
#include "framework/gdi_objects.h"
#include "skin/geometry/scroll_geometry.h"
#include "skin/geometry/scroll_range.h"

#include <memory>

class QEventLoop;

namespace vesk {

class CBaseScrollBar : public CWnd {
public:
    static constexpr UINT_PTR kDelayTimer = 1000;
    static constexpr UINT_PTR kRepeatTimer = 1001;

    CBaseScrollBar();
    ~CBaseScrollBar() override;

    // Style bit 0x1 makes a vertical bar (the bit is removed before creating).
    // owner receives the scroll messages; the parent when null. Returns FALSE
    // when the window class cannot be registered or the window not created.
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CWnd* owner = nullptr);
    using CWnd::Create;

    BOOL GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int GetScrollPos() const { return m_range.pos; }
    BOOL SetScrollInfo(SCROLLINFO* info, BOOL redraw = TRUE);
    // Returns the old position; an equal value changes nothing.
    int SetScrollPos(int pos, BOOL redraw = TRUE);
    BOOL EnableWindow(BOOL enable = TRUE);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // State for tests and for the owner's painting decisions.
    const skin::ScrollGeometry& Geometry() const { return m_geometry; }
    skin::ScrollPart Part() const { return static_cast<skin::ScrollPart>(m_part); }
    bool IsPressed() const { return m_pressed != 0; }
    bool IsHot() const { return m_hot != 0; }
    bool IsVertical() const { return m_vertical != 0; }

private:
    void LoadImages(bool vertical);
    void Layout();
    void PlaceThumb();
    void Report(UINT code, int pos = 0);
    void InvalidateThumbs(BOOL update);
    void InvalidatePart(const RECT& rect);

    void OnMouseMove(UINT flags, POINT point);
    void OnMouseLeave();
    void OnLButtonDown(POINT point);
    void RunDragLoop();
    void DragTo(POINT screen);
    void OnTimer(UINT_PTR id);
    void OnCaptureChanged();

    void Paint();
    void RebuildCaches();

    int m_part = -1;
    int m_vertical = 0;
    int m_dragged = 0;
    skin::ScrollRange m_range;
    int m_reported = 0;
    skin::ScrollGeometry m_geometry;
    int m_tracking = 0;
    int m_hot = 0;
    int m_pressed = 0;
    int m_pageBackward = 0;
    POINT m_dragStart;
    int m_dragStartPos = 0;
    RECT m_partRect{};
    RECT m_dragThumb{};
    RECT m_previousThumb{};
    CBitmap m_firstArrow;
    CBitmap m_secondArrow;
    CBitmap m_grip;
    CBitmap m_trackCache;
    CBitmap m_thumbStrip;
    CBitmap m_thumbCache[3]; // normal, hot, pressed
    CBitmap m_track;         // the track pattern the cache repeats
    CWnd* m_owner = nullptr;

    QEventLoop* m_dragLoop = nullptr;
    // Cleared on destruction, so a drag loop that outlives the bar returns quietly.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace vesk
