#include "skin/base_button.h"

#include "skin/geometry/button_layout.h"
#include "skin/mouse_tracking.h"
#include "skin/owner_draw.h"
#include "skin/skin_dc.h"

#include <QImage>

namespace vesk {

using namespace skin;

CBaseButton::~CBaseButton()
{
    m_skin.Detach();
    m_icon.Detach();
    m_tooltip.Destroy();
}

void CBaseButton::SetSkin(HBITMAP bitmap)
{
    m_skin.Detach();
    m_skin.Attach(bitmap);
    if (IsWindow())
        Invalidate(TRUE);
}

void CBaseButton::SetIcon(HBITMAP bitmap, COLORREF)
{
    m_mask.DeleteObject();
    m_keyedIcon.DeleteObject();
    m_icon.Detach();
    m_icon.Attach(bitmap);
    if (bitmap) {
        // The mask is white where the icon is magenta and the drawn copy black
        // there, so SRCAND then SRCPAINT leaves the background showing.
        QImage keyed = m_icon.GetImage().convertToFormat(QImage::Format_RGB32);
        QImage mask(keyed.size(), QImage::Format_RGB32);
        for (int y = 0; y < keyed.height(); ++y) {
            for (int x = 0; x < keyed.width(); ++x) {
                const bool transparent = (keyed.pixel(x, y) & 0xFFFFFF) == 0xFF00FF;
                mask.setPixel(x, y, transparent ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
                if (transparent)
                    keyed.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        m_mask.CreateFromImage(mask);
        m_keyedIcon.CreateFromImage(keyed);
    }
    if (IsWindow())
        Invalidate(TRUE);
}

BOOL CBaseButton::SetTooltip(const CString& text, BOOL activate)
{
    return m_tooltip.Set(this, text, activate);
}

BOOL CBaseButton::PreTranslateMessage(MSG* msg)
{
    m_tooltip.Relay(msg);
    return CButton::PreTranslateMessage(msg);
}

void CBaseButton::PreSubclassWindow()
{
    MakeOwnerDrawn(*this);
    CButton::PreSubclassWindow();
}

LRESULT CBaseButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = CButton::WindowProc(message, wParam, lParam);
        if (!m_hot && !(wParam & MK_LBUTTON)) {
            m_hot = 1;
            Invalidate(TRUE);
            skin::RequestMouseLeave(*this);
        }
        return result;
    }
    case WM_MOUSELEAVE:
        if (m_hot) {
            m_hot = 0;
            Invalidate(TRUE);
        }
        return 0;
    case WM_LBUTTONDOWN:
        // The hot look ends while the button is held.
        SendMessage(WM_MOUSELEAVE);
        return CButton::WindowProc(message, wParam, lParam);
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return CButton::WindowProc(message, wParam, lParam);
    }
}

void CBaseButton::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC* target = CDC::FromHandle(item->hDC);
    const CRect rect(item->rcItem);
    const int w = rect.Width();
    const int h = rect.Height();
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const bool pressed = !disabled && (item->itemState & ODS_SELECTED) != 0;

    MemoryCanvas canvas(target, w, h);
    CDC* dc = canvas.dc();
    dc->SelectStockObject(WHITE_BRUSH);
    dc->PatBlt(0, 0, w, h, PATCOPY);

    if (m_skin.GetSafeHandle()) {
        const ButtonState state = chooseButtonState(disabled, pressed, m_hot != 0);
        BitmapSource strip(dc, m_skin);
        const int stripHeight = BitmapSize(m_skin).cy;
        DrawStripPieces(dc, 0, 0, std::min(stripHeight, h), strip.dc(), 0,
                        capsThenBody(StripCell{buttonCellX(state), kButtonCapWidth, 4}, w));
    }

    const CString text = GetWindowText();
    RECT textRect{0, 0, w, h};
    if (m_icon.GetSafeHandle()) {
        const CSize icon = BitmapSize(m_icon);
        const Point at = iconOrigin(w, h, icon.cx, icon.cy, !text.empty(), pressed);
        DrawIconAt(dc, at.x, at.y, disabled);
        textRect = buttonTextRect(textRect, icon.cx, true);
    }
    if (!text.empty())
        DrawLabel(dc, textRect, item->itemState);

    canvas.CopyTo(target, rect.left, rect.top);
}

void CBaseButton::DrawIconAt(CDC* dc, int x, int y, bool disabled)
{
    const CSize size = BitmapSize(m_icon);
    if (disabled) {
        dc->DrawState(CPoint(x, y), size, static_cast<HBITMAP>(m_keyedIcon), DST_BITMAP | DSS_DISABLED);
        return;
    }
    BitmapSource mask(dc, m_mask);
    dc->BitBlt(x, y, size.cx, size.cy, mask.dc(), 0, 0, SRCAND);
    BitmapSource icon(dc, m_keyedIcon);
    dc->BitBlt(x, y, size.cx, size.cy, icon.dc(), 0, 0, SRCPAINT);
}

void CBaseButton::DrawLabel(CDC* dc, RECT rect, UINT state)
{
    constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_SINGLELINE;
    const CString text = GetWindowText();
    dc->SetBkMode(TRANSPARENT);
    CFont* font = GetFont();
    CFont* previous = font ? dc->SelectObject(font) : nullptr;
    CRect shifted(rect);
    shifted.OffsetRect(1, 1);
    if (state & ODS_DISABLED) {
        dc->SetTextColor(RGB(255, 255, 255));
        dc->DrawText(text, shifted, kFormat);
        dc->SetTextColor(RGB(128, 128, 128));
        dc->DrawText(text, rect, kFormat);
    } else if (state & ODS_SELECTED) {
        dc->SetTextColor(RGB(0, 0, 0));
        dc->DrawText(text, shifted, kFormat);
    } else {
        dc->SetTextColor(RGB(0, 0, 0));
        dc->DrawText(text, rect, kFormat);
    }
    if (previous)
        dc->SelectObject(previous);
}

} // namespace vesk
