// Painting of CBaseScrollBar: the track and thumb caches and the composed bar.

#include "skin/base_scroll_bar.h"

#include "framework/cdc.h"
#include "skin/geometry/scroll_paint_layout.h"
#include "skin/skin_dc.h"

namespace vesk {

using namespace skin;

namespace {

// Drawing along the bar: y on a vertical bar, x on a horizontal one.
struct Axis {
    bool vertical;
    // Repeats the source line at sourceAlong (across the whole thickness)
    // along a span of the bar.
    void Spread(CDC* target, int along, int alongLength, int thickness, CDC* source, int sourceAlong) const
    {
        if (vertical)
            RepeatRow(target, 0, along, thickness, alongLength, source, 0, sourceAlong);
        else
            RepeatColumn(target, along, 0, alongLength, thickness, source, sourceAlong, 0);
    }
};

} // namespace

void CBaseScrollBar::RebuildCaches()
{
    const int w = m_geometry.clientWidth;
    const int h = m_geometry.clientHeight;
    const CSize cached = BitmapSize(m_trackCache);
    if (w <= 0 || h <= 0 || (m_trackCache.GetSafeHandle() && w <= cached.cx && h <= cached.cy))
        return;

    const Axis axis{m_vertical != 0};
    const int length = m_geometry.length();
    const int thickness = m_geometry.thickness();
    CClientDC screen(this);

    auto build = [&](CBitmap& cache, CBitmap& source, int line) {
        cache.DeleteObject();
        cache.CreateCompatibleBitmap(&screen, w, h);
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* previous = dc.SelectObject(&cache);
        if (source.GetSafeHandle()) {
            BitmapSource from(&dc, source);
            axis.Spread(&dc, 0, length, thickness, from.dc(), line);
        }
        dc.SelectObject(previous);
    };

    build(m_trackCache, m_track, 0);
    for (int state = 0; state < 3; ++state) {
        build(m_thumbCache[state], m_thumbStrip, state * 7 + 3);
        if (!m_thumbStrip.GetSafeHandle())
            continue;
        CDC dc;
        dc.CreateCompatibleDC(&screen);
        CBitmap* previous = dc.SelectObject(&m_thumbCache[state]);
        {
            BitmapSource strip(&dc, m_thumbStrip);
            for (int i = 0; i < 3; ++i) {
                axis.Spread(&dc, i, 1, thickness, strip.dc(), state * 7 + i);
                axis.Spread(&dc, length - 3 + i, 1, thickness, strip.dc(), state * 7 + 4 + i);
            }
        }
        dc.SelectObject(previous);
    }
}

void CBaseScrollBar::Paint()
{
    CPaintDC paint(this);
    const int w = m_geometry.clientWidth;
    const int h = m_geometry.clientHeight;
    if (w <= 0 || h <= 0)
        return;
    const bool enabled = IsWindowEnabled() != 0;
    const int length = m_geometry.length();
    const int thickness = m_geometry.thickness();

    MemoryCanvas canvas(&paint, w, h);
    CDC* dc = canvas.dc();

    // Track between the arrows; the thumb is painted over it.
    if (m_trackCache.GetSafeHandle()) {
        BitmapSource track(dc, m_trackCache);
        const Rect range = trackRect(m_geometry);
        dc->BitBlt(range.left, range.top, width(range), height(range), track.dc(), range.left, range.top, SRCCOPY);
    }

    const ScrollPaintState state{enabled, static_cast<ScrollPart>(m_part), m_hot != 0, m_pressed != 0};
    auto drawArrow = [&](CBitmap& image, ScrollPart arrow, int along) {
        if (!image.GetSafeHandle())
            return;
        BitmapSource source(dc, image);
        const int cell = arrowCellOffset(state, arrow);
        if (m_vertical)
            dc->BitBlt(0, along, thickness, kArrowLength, source.dc(), 0, cell, SRCCOPY);
        else
            dc->BitBlt(along, 0, kArrowLength, thickness, source.dc(), cell, 0, SRCCOPY);
    };
    drawArrow(m_firstArrow, ScrollPart::FirstArrow, 0);
    drawArrow(m_secondArrow, ScrollPart::SecondArrow, length - kArrowLength);

    if (paintsThumb(m_geometry, enabled)) {
        const int stateIndex = thumbStateIndex(state);
        const Rect& thumb = m_geometry.thumb;
        const int start = alongStart(m_geometry, thumb);
        const int end = alongEnd(m_geometry, thumb);
        if (m_thumbCache[stateIndex].GetSafeHandle()) {
            BitmapSource body(dc, m_thumbCache[stateIndex]);
            dc->BitBlt(thumb.left, thumb.top, width(thumb), height(thumb), body.dc(), thumb.left, thumb.top, SRCCOPY);
        }
        if (m_thumbStrip.GetSafeHandle()) {
            BitmapSource strip(dc, m_thumbStrip);
            const CapOffsets caps = thumbCapOffsets(m_vertical != 0, stateIndex);
            if (m_vertical) {
                dc->BitBlt(0, start, thickness, 3, strip.dc(), 0, caps.start, SRCCOPY);
                dc->BitBlt(0, end - 3, thickness, 3, strip.dc(), 0, caps.end, SRCCOPY);
            } else {
                dc->BitBlt(start, 0, 3, thickness, strip.dc(), caps.start, 0, SRCCOPY);
                dc->BitBlt(end - 3, 0, 3, thickness, strip.dc(), caps.end, 0, SRCCOPY);
            }
        }
        const Rect grip = gripRect(m_geometry);
        if (!isEmpty(grip) && m_grip.GetSafeHandle()) {
            BitmapSource source(dc, m_grip);
            const int cell = 20 * stateIndex;
            if (m_vertical)
                dc->BitBlt(grip.left, grip.top, width(grip), height(grip), source.dc(), 0, cell, SRCCOPY);
            else
                dc->BitBlt(grip.left, grip.top, width(grip), height(grip), source.dc(), cell, 0, SRCCOPY);
        }
    }
    canvas.CopyTo(&paint, 0, 0);
}

} // namespace vesk
