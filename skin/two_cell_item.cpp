#include "skin/two_cell_item.h"

#include "skin/skin_dc.h"

namespace vesk::skin {

CellSize TwoCellSizeOf(HBITMAP bitmap)
{
    const CSize size = BitmapSize(bitmap);
    return twoCellSize(size.cx, size.cy);
}

void DrawTwoCellItem(CButton& button, const DRAWITEMSTRUCT& item, const TwoCellImage& image, bool checked)
{
    CDC* dc = CDC::FromHandle(item.hDC);
    const Rect rect = item.rcItem;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const CString text = button.GetWindowText();

    if (image.bitmap) {
        const Point at = twoCellOrigin(rect, image.cell, !text.empty());
        if (disabled) {
            // The disabled look shows the off cell greyed, whatever the state.
            dc->DrawState(CPoint(at.x, at.y), CSize(image.cell.width, image.cell.height), image.bitmap,
                          DST_BITMAP | DSS_DISABLED);
        } else {
            BitmapSource source(dc, image.bitmap);
            const int cell = twoCellIndex(selected, checked, false);
            dc->BitBlt(at.x, at.y, image.cell.width, image.cell.height, source.dc(), cell * image.cell.width,
                       0, SRCCOPY);
        }
    }
    if (text.empty())
        return;
    RECT textRect = twoCellTextRect(rect, image.cell.width);
    dc->SetBkMode(TRANSPARENT);
    CFont* font = button.GetFont();
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    const COLORREF colour = disabled ? RGB(161, 161, 146) : RGB(0, 0, 0);
    const COLORREF oldColour = dc->SetTextColor(colour);
    dc->DrawText(text, &textRect, DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE);
    dc->SetTextColor(oldColour);
    if (previous)
        dc->SelectObject(previous);
}

} // namespace vesk::skin
