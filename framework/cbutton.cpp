// Buttons: push buttons, check boxes, radio buttons, group boxes, owner-drawn buttons.
#include "framework/cbutton.h"

#include "framework/cdc.h"
#include "framework/control_classes.h"
#include "framework/window_internal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>


namespace vesk {

namespace {

DWORD ButtonType(const QWidget* widget) { return detail::StyleOf(widget) & BS_TYPEMASK; }

bool Toggles(DWORD type) { return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON; }

// A Qt button that toggles only when its style says so, and whose whole
// rectangle is clickable once it is owner-drawn.
template <class Base>
class ButtonWidget : public detail::FrameworkWidget<Base> {
public:
    using detail::FrameworkWidget<Base>::FrameworkWidget;

protected:
    void nextCheckState() override
    {
        if (Toggles(ButtonType(this)))
            Base::nextCheckState();
    }
    bool hitButton(const QPoint& pos) const override
    {
        return ButtonType(this) == BS_OWNERDRAW ? this->rect().contains(pos) : Base::hitButton(pos);
    }
};

QWidget* MakeButton(const WindowCreateParams& params)
{
    const DWORD type = params.style & BS_TYPEMASK;
    QAbstractButton* button = nullptr;
    switch (type) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        button = new ButtonWidget<QCheckBox>(params.parent);
        break;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        auto* radio = new ButtonWidget<QRadioButton>(params.parent);
        radio->setAutoExclusive(type == BS_AUTORADIOBUTTON);
        button = radio;
        break;
    }
    case BS_GROUPBOX: {
        // A group box is a frame behind its controls; clicks go through it.
        auto* group = new detail::FrameworkWidget<QGroupBox>(params.parent);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        return group;
    }
    default:
        button = new ButtonWidget<QPushButton>(params.parent);
        break;
    }
    QObject::connect(button, &QAbstractButton::clicked, button, [button] { detail::NotifyCommand(button, BN_CLICKED); });
    return button;
}

void PaintOwnerDrawn(QWidget* widget, QAbstractButton* button)
{
    CWnd* wnd = CWnd::FromHandle(widget);
    CPaintDC dc(wnd); // erases first
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(detail::IdOf(widget));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = (button && button->isDown() ? ODS_SELECTED : 0) | (!widget->isEnabled() ? ODS_DISABLED : 0)
                     | (widget->hasFocus() ? ODS_FOCUS : 0);
    item.hwndItem = widget;
    item.hDC = &dc;
    item.rcItem = CRect(0, 0, widget->width(), widget->height());
    if (HWND parent = detail::ParentWindowOf(widget))
        SendMessage(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    else
        wnd->OnChildNotify(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item), nullptr);
}

bool ButtonProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* group = qobject_cast<QGroupBox*>(widget);
    *result = 0;
    const auto text = [&] { return button ? button->text() : group ? group->title() : QString(); };
    const auto setText = [&](const QString& value) {
        if (button) button->setText(value);
        if (group) group->setTitle(value);
    };
    if (detail::AnswerTextMessage(message, wParam, lParam, result, text, setText))
        return true;
    switch (message) {
    case BM_GETCHECK:
        *result = button && button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        return true;
    case BM_SETCHECK:
        if (button && button->isCheckable())
            button->setChecked(wParam == static_cast<WPARAM>(BST_CHECKED));
        return true;
    case BM_GETSTATE:
        if (button)
            *result = (button->isCheckable() && button->isChecked() ? BST_CHECKED : 0) | (button->isDown() ? BST_PUSHED : 0)
                      | (button->hasFocus() ? BST_FOCUS : 0);
        return true;
    case BM_SETSTATE:
        if (button)
            button->setDown(wParam != 0);
        return true;
    case BM_CLICK:
        if (button && button->isEnabled())
            button->click();
        return true;
    case BM_SETSTYLE:
        detail::StoreStyle(widget, (detail::StyleOf(widget) & ~0xFFFFu) | (static_cast<DWORD>(wParam) & 0xFFFFu));
        if (lParam)
            widget->update();
        return true;
    case WM_STYLECHANGED:
        widget->update();
        return true;
    case WM_PAINT:
        if (ButtonType(widget) != BS_OWNERDRAW)
            return false;
        if (wParam == 0 && detail::IsPainting(widget))
            PaintOwnerDrawn(widget, button);
        else if (wParam == 0)
            widget->update();
        return true;
    case WM_ERASEBKGND:
        // Owner-drawn buttons paint everything themselves.
        return ButtonType(widget) == BS_OWNERDRAW;
    default:
        return false;
    }
}

} // namespace

namespace detail {

WindowClass ButtonClass() { return {"Button", MakeButton, ButtonProc}; }

} // namespace detail

BOOL CButton::Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Button", caption, style, rect, parent, id);
}

int CButton::GetCheck() const { return static_cast<int>(const_cast<CButton*>(this)->SendMessage(BM_GETCHECK)); }
void CButton::SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
UINT CButton::GetState() const { return static_cast<UINT>(const_cast<CButton*>(this)->SendMessage(BM_GETSTATE)); }
void CButton::SetState(BOOL highlight) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(highlight)); }
UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void CButton::SetButtonStyle(UINT style, BOOL redraw) { SendMessage(BM_SETSTYLE, style, redraw); }

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    if (result)
        *result = TRUE;
    return TRUE;
}

} // namespace vesk
