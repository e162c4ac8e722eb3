#include "skin/base_group_box.h"

#include "framework/cdc.h"
#include "skin/geometry/button_layout.h"
#include "skin/owner_draw.h"

#include <algorithm>

namespace vesk {

void CBaseGroupBox::PreSubclassWindow()
{
    skin::MakeOwnerDrawn(*this);
    CButton::PreSubclassWindow();
    UpdateRegion();
}

LRESULT CBaseGroupBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        DrawFrame(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
        return TRUE;
    case WM_SIZE: {
        const LRESULT result = CButton::WindowProc(message, wParam, lParam);
        UpdateRegion();
        return result;
    }
    default:
        return CButton::WindowProc(message, wParam, lParam);
    }
}

void CBaseGroupBox::DrawFrame(CDC* dc)
{
    if (!dc)
        return;
    RECT client;
    GetClientRect(&client);
    const CRect frame(skin::groupFrameRect(client));
    CPen pen(PS_SOLID, 1, m_frameColour);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->RoundRect(frame, CPoint(5, 5));
    dc->RoundRect(frame, CPoint(7, 7));
    dc->SelectObject(oldPen);
    if (oldBrush)
        dc->SelectObject(oldBrush);
}

void CBaseGroupBox::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC* dc = CDC::FromHandle(item->hDC);
    const CString text = GetWindowText();
    CFont* font = GetFont();
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    dc->SetTextColor(m_captionColour);
    const CSize extent = dc->GetTextExtent(text);
    RECT caption = skin::groupCaptionRect(extent.cx, extent.cy);
    dc->FillRect(caption, dc->GetCurrentBrush());
    dc->DrawText(text, &caption, DT_CENTER | DT_SINGLELINE);
    if (previous)
        dc->SelectObject(previous);
}

void CBaseGroupBox::UpdateRegion()
{
    if (!IsWindow())
        return;
    CRect client;
    GetClientRect(&client);
    // The box owns the band its frame and caption are drawn in; everything
    // inside belongs to the parent and the controls placed there. A ring of
    // one pixel would clip the caption and the frame's top edge away.
    CDC* dc = GetDC();
    CFont* font = GetFont();
    CFont* previous = dc && font ? dc->SelectObject(font) : nullptr;
    const int captionHeight = dc ? dc->GetTextExtent(GetWindowText().empty() ? "X" : GetWindowText()).cy : 0;
    if (previous)
        dc->SelectObject(previous);
    if (dc)
        ReleaseDC(dc);
    CRect inside = client;
    inside.DeflateRect(kGroupBorderBand, std::max(captionHeight, skin::kGroupFrameTop + kGroupBorderBand),
                       kGroupBorderBand, kGroupBorderBand);
    CRgn outer;
    CRgn inner;
    CRgn band;
    outer.CreateRectRgnIndirect(client);
    inner.CreateRectRgnIndirect(inside);
    band.CreateRectRgn(0, 0, 0, 0);
    band.CombineRgn(&outer, &inner, inside.IsRectEmpty() ? RGN_COPY : RGN_XOR);
    SetWindowRgn(band, TRUE);
}

} // namespace vesk
