#include "skin/skin_dc.h"

namespace vesk::skin {

BitmapSource::BitmapSource(CDC* like, HBITMAP bitmap)
    : m_bitmap(bitmap)
{
    m_dc.CreateCompatibleDC(like);
    if (m_bitmap)
        m_previous = m_dc.SelectObject(CBitmap::FromHandle(m_bitmap));
}

BitmapSource::~BitmapSource()
{
    if (m_previous)
        m_dc.SelectObject(m_previous);
    m_dc.DeleteDC();
}

MemoryCanvas::MemoryCanvas(CDC* like, int width, int height)
    : m_width(width)
    , m_height(height)
{
    m_dc.CreateCompatibleDC(like);
    m_bitmap.CreateCompatibleBitmap(like, std::max(width, 1), std::max(height, 1));
    m_previous = m_dc.SelectObject(&m_bitmap);
}

MemoryCanvas::~MemoryCanvas()
{
    m_dc.SelectObject(m_previous);
    m_dc.DeleteDC();
}

void MemoryCanvas::CopyTo(CDC* target, int x, int y)
{
    target->BitBlt(x, y, m_width, m_height, &m_dc, 0, 0, SRCCOPY);
}

void RepeatColumn(CDC* target, int x, int y, int width, int height, CDC* source, int sx, int sy)
{
    for (int i = 0; i < width; ++i)
        target->BitBlt(x + i, y, 1, height, source, sx, sy, SRCCOPY);
}

void RepeatRow(CDC* target, int x, int y, int width, int height, CDC* source, int sx, int sy)
{
    for (int i = 0; i < height; ++i)
        target->BitBlt(x, y + i, width, 1, source, sx, sy, SRCCOPY);
}

void DrawStripPieces(CDC* target, int originX, int y, int height, CDC* source, int sourceY,
                     const std::vector<StripPiece>& pieces)
{
    for (const StripPiece& piece : pieces) {
        const int x = originX + piece.destX;
        if (piece.sourceWidth == piece.destWidth)
            target->BitBlt(x, y, piece.destWidth, height, source, piece.sourceX, sourceY, SRCCOPY);
        else
            RepeatColumn(target, x, y, piece.destWidth, height, source, piece.sourceX, sourceY);
    }
}

CSize BitmapSize(HBITMAP bitmap)
{
    if (!bitmap)
        return {};
    BITMAP info;
    CBitmap::FromHandle(bitmap)->GetBitmap(&info);
    return {info.bmWidth, info.bmHeight};
}

} // namespace vesk::skin
