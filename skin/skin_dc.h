#pragma once
// Scoped drawing surfaces the skinned controls share: a memory DC with a
// borrowed bitmap selected (to blit skin cells from) and a memory canvas of a
// given size (to compose a control off screen before one copy to the window).

#include "framework/cdc.h"
#include "framework/gdi_objects.h"
#include "skin/geometry/rect_ops.h"
#include "skin/geometry/strip_layout.h"

#include <vector>

namespace vesk::skin {

// A memory DC showing a bitmap the caller keeps; the bitmap is selected out
// again when the scope ends. A null bitmap gives a DC whose blits draw nothing.
class BitmapSource {
public:
    BitmapSource(CDC* like, HBITMAP bitmap);
    ~BitmapSource();
    BitmapSource(const BitmapSource&) = delete;
    BitmapSource& operator=(const BitmapSource&) = delete;

    CDC* dc() { return &m_dc; }
    bool valid() const { return m_bitmap != nullptr; }

private:
    CDC m_dc;
    HBITMAP m_bitmap;
    CBitmap* m_previous = nullptr;
};

// An off-screen canvas of width x height, compatible with `like`.
class MemoryCanvas {
public:
    MemoryCanvas(CDC* like, int width, int height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    CDC* dc() { return &m_dc; }
    // Copies the whole canvas to (x, y) of target.
    void CopyTo(CDC* target, int x, int y);

private:
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_previous = nullptr;
    int m_width;
    int m_height;
};

// Repeats one source column (sx, sy, 1 x height) across width columns, or one
// source row (sx, sy, width x 1) down height rows. Pixel copies: a stretched
// blit would blend in the neighbouring cells of the strip.
void RepeatColumn(CDC* target, int x, int y, int width, int height, CDC* source, int sx, int sy);
void RepeatRow(CDC* target, int x, int y, int width, int height, CDC* source, int sx, int sy);

// Blits strip pieces from source row sourceY into target row y, height rows
// high, with x measured from originX. One-column pieces are tiled.
void DrawStripPieces(CDC* target, int originX, int y, int height, CDC* source, int sourceY,
                     const std::vector<StripPiece>& pieces);

// Size of a bitmap; zero for a null handle.
CSize BitmapSize(HBITMAP bitmap);

} // namespace vesk::skin
