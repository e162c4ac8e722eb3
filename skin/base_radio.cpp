#include "skin/base_radio.h"

#include "skin/owner_draw.h"

namespace vesk {

void CBaseRadio::SetImage(HBITMAP bitmap)
{
    m_image = {bitmap, skin::TwoCellSizeOf(bitmap)};
}

void CBaseRadio::SetCheck(int check)
{
    if (check == m_checked)
        return;
    m_checked = check;
    if (IsWindow())
        Invalidate(TRUE);
}

void CBaseRadio::PreSubclassWindow()
{
    skin::MakeOwnerDrawn(*this);
    CButton::PreSubclassWindow();
}

LRESULT CBaseRadio::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CButton::WindowProc(message, wParam, lParam);
    if (message == WM_DESTROY)
        m_image = {}; // the image is only lent; forget it with the window
    return result;
}

void CBaseRadio::DrawItem(DRAWITEMSTRUCT* item)
{
    skin::DrawTwoCellItem(*this, *item, m_image, m_checked != 0);
}

} // namespace vesk
