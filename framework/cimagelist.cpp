// Image lists.
#include "framework/cimagelist.h"

#include "framework/cdc.h"

#include <QPixmap>

namespace vesk {

BOOL CImageList::Create(int cx, int cy, UINT, int initial, int)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    m_size = CSize(cx, cy);
    m_icons.clear();
    m_icons.reserve(static_cast<size_t>(std::max(initial, 0)));
    return TRUE;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    if (!bitmap || bitmap->GetImage().isNull())
        return -1;
    QImage image = bitmap->GetImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000) == key)
                image.setPixel(x, y, 0);
    // A strip of several images adds each cell.
    int first = -1;
    for (int x = 0; x + m_size.cx <= image.width(); x += m_size.cx) {
        const int index = AddImage(image.copy(x, 0, m_size.cx, m_size.cy));
        if (first < 0)
            first = index;
    }
    return first;
}

int CImageList::Add(HICON icon)
{
    return icon ? AddImage(icon->image) : -1;
}

int CImageList::AddImage(const QImage& image)
{
    if (image.isNull())
        return -1;
    m_icons.emplace_back(QPixmap::fromImage(image.scaled(m_size.cx, m_size.cy)));
    return static_cast<int>(m_icons.size()) - 1;
}

QIcon CImageList::GetQIcon(int index) const
{
    return (index >= 0 && index < GetImageCount()) ? m_icons[static_cast<size_t>(index)] : QIcon();
}

HICON CImageList::ExtractIcon(int index) const
{
    const QIcon icon = GetQIcon(index);
    return icon.isNull() ? nullptr : CreateIconFromImage(icon.pixmap(m_size.cx, m_size.cy).toImage());
}

BOOL CImageList::Draw(CDC* dc, int index, POINT pt, UINT) const
{
    const QIcon icon = GetQIcon(index);
    if (!dc || !dc->GetPainter() || icon.isNull())
        return FALSE;
    dc->GetPainter()->drawPixmap(pt.x, pt.y, icon.pixmap(m_size.cx, m_size.cy));
    return TRUE;
}

} // namespace vesk
