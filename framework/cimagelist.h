#pragma once
// CImageList: a list of equally sized images drawn by index (tree icons).

#include "framework/gdi_objects.h"

#include <QIcon>

#include <vector>

namespace vesk {

class CImageList {
public:
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // mask colour pixels become transparent. Returns the index, -1 on failure.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(HICON icon);
    int AddImage(const QImage& image);
    int GetImageCount() const { return static_cast<int>(m_icons.size()); }
    CSize GetImageSize() const { return m_size; }
    // A null icon for a bad index.
    QIcon GetQIcon(int index) const;
    HICON ExtractIcon(int index) const;
    BOOL Draw(CDC* dc, int index, POINT pt, UINT style) const;

private:
    CSize m_size{16, 16};
    std::vector<QIcon> m_icons;
};

} // namespace vesk
