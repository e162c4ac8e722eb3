#include "skin/base_check_box.h"

#include "skin/owner_draw.h"

namespace vesk {

CBaseCheckBox::~CBaseCheckBox()
{
    m_tooltip.Destroy();
}

void CBaseCheckBox::SetCheck(int check)
{
    if (check == m_checked)
        return;
    m_checked = check;
    if (IsWindow())
        Invalidate(TRUE);
}

void CBaseCheckBox::SetCheckImage(HBITMAP bitmap)
{
    m_image = {bitmap, skin::TwoCellSizeOf(bitmap)};
}

BOOL CBaseCheckBox::SetTooltip(const CString& text, BOOL activate)
{
    return m_tooltip.Set(this, text, activate);
}

BOOL CBaseCheckBox::PreTranslateMessage(MSG* msg)
{
    m_tooltip.Relay(msg);
    return CButton::PreTranslateMessage(msg);
}

void CBaseCheckBox::PreSubclassWindow()
{
    skin::MakeOwnerDrawn(*this);
    CButton::PreSubclassWindow();
}

LRESULT CBaseCheckBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN) {
        if (GetFocus() != this)
            SetFocus();
        m_checked = !m_checked;
        Invalidate(TRUE);
    }
    return CButton::WindowProc(message, wParam, lParam);
}

void CBaseCheckBox::DrawItem(DRAWITEMSTRUCT* item)
{
    skin::DrawTwoCellItem(*this, *item, m_image, m_checked != 0);
}

} // namespace vesk
