#include "skin/base_tab_ctrl.h"

#include "framework/cdc.h"
#include "skin/geometry/strip_layout.h"
#include "skin/geometry/tab_layout.h"
#include "skin/skin_dc.h"
#include "skin/workbench_colors.h"

namespace vesk {

using namespace skin;

CBaseTabCtrl::CBaseTabCtrl()
{
    m_heads.Attach(LoadBitmapFile("Skin\\TabHead.bmp"));
}

LRESULT CBaseTabCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return CTabCtrl::WindowProc(message, wParam, lParam);
    }
}

void CBaseTabCtrl::Paint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    MemoryCanvas canvas(&paint, client.Width(), client.Height());
    CDC* dc = canvas.dc();
    dc->FillSolidRect(client, kWorkbenchBackground);

    const int count = GetItemCount();
    const int selected = GetCurSel();
    if (count > 0) {
        RECT selectedItem{};
        GetItemRect(selected >= 0 ? selected : 0, &selectedItem);
        DrawPageFrame(dc, client, selectedItem);
        BitmapSource heads(dc, m_heads);
        for (int i = 0; i < count; ++i)
            if (i != selected)
                DrawHead(dc, heads.dc(), i, false);
        if (selected >= 0)
            DrawHead(dc, heads.dc(), selected, true);
    }
    canvas.CopyTo(&paint, 0, 0);
}

void CBaseTabCtrl::DrawPageFrame(CDC* dc, const RECT& client, const RECT& selectedItem)
{
    const CRect frame(tabPageFrame(client, selectedItem));
    CPen pen(PS_SOLID, 1, RGB(122, 153, 207));
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->RoundRect(frame, CPoint(9, 9));
    // The top-left corner is square: it meets the first tab head.
    dc->FillSolidRect(frame.left, frame.top, 4, 4, kWorkbenchBackground);
    dc->MoveTo(frame.left, frame.top + 4);
    dc->LineTo(frame.left, frame.top);
    dc->LineTo(frame.left + 4, frame.top);
    dc->SelectObject(oldPen);
    if (oldBrush)
        dc->SelectObject(oldBrush);
}

void CBaseTabCtrl::DrawHead(CDC* dc, CDC* heads, int index, bool selected)
{
    RECT item{};
    GetItemRect(index, &item);
    const Rect head = tabHeadRect(item, selected);
    if (m_heads.GetSafeHandle()) {
        const StripCell cell{selected ? kSelectedTabCell : kOtherTabCell, 3, 4};
        DrawStripPieces(dc, head.left, head.top, height(head), heads, 0, bodyThenCaps(cell, width(head)));
    }
    char text[256] = {};
    TCITEM info;
    info.mask = TCIF_TEXT;
    info.pszText = text;
    info.cchTextMax = 255;
    GetItem(index, &info);
    RECT textRect = tabTextRect(head, selected);
    CFont* font = GetFont();
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(RGB(0, 0, 0));
    dc->DrawText(text, &textRect, DT_CENTER);
    if (previous)
        dc->SelectObject(previous);
}

} // namespace vesk
