#include "skin/base_combo_box.h"

#include "framework/cdc.h"
#include "skin/geometry/combo_look.h"
#include "skin/mouse_tracking.h"

namespace vesk {

using namespace skin;

int CBaseComboBox::SetCurSel(int index)
{
    const int result = static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)));
    Invalidate(TRUE);
    return result;
}

LRESULT CBaseComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEMOVE:
        if (!m_hot) {
            m_hot = 1;
            Invalidate(TRUE);
            skin::RequestMouseLeave(*this);
        }
        return CComboBox::WindowProc(message, wParam, lParam);
    case WM_MOUSELEAVE:
        if (m_hot) {
            m_hot = 0;
            Invalidate(TRUE);
        }
        return 0;
    case WM_KILLFOCUS:
    case WM_ACTIVATE: {
        const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
        Invalidate(TRUE);
        return result;
    }
    default:
        return CComboBox::WindowProc(message, wParam, lParam);
    }
}

BOOL CBaseComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        switch (HIWORD(wParam)) {
        case CBN_DROPDOWN:
            m_dropped = 1;
            break;
        case CBN_CLOSEUP:
            m_dropped = 0;
            Invalidate(TRUE);
            break;
        case CBN_SELCHANGE:
            Invalidate(TRUE);
            break;
        default:
            break;
        }
    }
    // The parent sees every notification too.
    return CComboBox::OnChildNotify(message, wParam, lParam, result);
}

void CBaseComboBox::Paint()
{
    // The control paints itself first; the flat frame and the drop button go
    // over it. Qt already composes the widget off screen, so the frame and
    // the button are drawn straight onto the paint DC.
    Default();
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC* dc = &paint;

    CBrush grey(RGB(112, 112, 112));
    CBrush white(RGB(255, 255, 255));
    dc->FrameRect(client, &grey);
    CRect inner = client;
    inner.DeflateRect(1, 1);
    dc->FrameRect(inner, &white);

    const ComboColours colours = comboColours(m_dropped != 0, m_hot != 0);
    const CRect button(comboButtonRect(client));
    dc->FillSolidRect(button, colours.fill);
    CPen line(PS_SOLID, 1, colours.line);
    CPen* oldPen = dc->SelectObject(&line);
    dc->MoveTo(button.left, button.top);
    dc->LineTo(button.left, button.bottom);
    CPen arrowPen(PS_SOLID, 1, colours.arrow);
    CBrush arrowBrush(colours.arrow);
    dc->SelectObject(&arrowPen);
    CBrush* oldBrush = dc->SelectObject(&arrowBrush);
    const auto arrow = comboArrow(button);
    const POINT points[3] = {{arrow[0].x, arrow[0].y}, {arrow[1].x, arrow[1].y}, {arrow[2].x, arrow[2].y}};
    dc->Polygon(points, 3);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

} // namespace vesk
