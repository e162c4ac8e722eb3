// Control colours asked of the parent before painting.
#include "framework/control_colors.h"

#include "framework/cdc.h"
#include "framework/cwnd.h"
#include "framework/qt_color.h"
#include "framework/window_class.h"
#include "framework/window_internal.h"

#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace vesk::detail {

namespace {

constexpr const char* kOwnPalette = "vesk.ownPalette";

enum class Surface { None, Text, Label };

struct Request {
    UINT message = 0;
    Surface surface = Surface::None;
};

Request RequestOf(QWidget* control)
{
    const std::string windowClass = WindowClassOf(control);
    const DWORD style = StyleOf(control);
    if (windowClass == "Edit") {
        // Read-only and disabled edits look like statics, as on the system.
        const bool inert = (style & ES_READONLY) || !control->isEnabled();
        return {inert ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, Surface::Text};
    }
    if (windowClass == "Static")
        return {WM_CTLCOLORSTATIC, Surface::Label};
    if (windowClass == "Button") {
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_GROUPBOX:
        case BS_AUTORADIOBUTTON:
            return {WM_CTLCOLORSTATIC, Surface::Label};
        default:
            return {}; // push buttons paint their own face; owner-drawn ones draw themselves
        }
    }
    if (windowClass == "ComboBox" && (style & CBS_TYPEMASK) != CBS_DROPDOWNLIST)
        return {WM_CTLCOLOREDIT, Surface::Text};
    return {};
}

// The palette the control had before any answer changed it.
QPalette OwnPalette(QWidget* control)
{
    const QVariant stored = control->property(kOwnPalette);
    if (stored.isValid())
        return stored.value<QPalette>();
    control->setProperty(kOwnPalette, QVariant::fromValue(control->palette()));
    return control->palette();
}

} // namespace

void AskControlColors(QWidget* control, QWidget* surface)
{
    const Request request = RequestOf(control);
    QWidget* parent = request.message ? ParentWindowOf(control) : nullptr;
    if (!parent)
        return;
    const QPalette own = OwnPalette(control);
    const QPalette::ColorRole textRole = request.surface == Surface::Text ? QPalette::Text : QPalette::WindowText;
    const QPalette::ColorRole backRole = request.surface == Surface::Text ? QPalette::Base : QPalette::Window;

    // The DC starts with the control's own colours, as the system's default
    // answer gives them, so a parent that only changes the text colour keeps
    // the rest.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SetTextColor(FromQColor(own.color(textRole)));
    dc.SetBkColor(FromQColor(own.color(backRole)));
    dc.SetBkMode(OPAQUE);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessage(parent, request.message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(control)));

    QPalette palette = own;
    const QColor text = ToQColor(dc.GetTextColor());
    palette.setColor(textRole, text);
    if (request.surface == Surface::Label)
        palette.setColor(QPalette::ButtonText, text);
    if (brush)
        palette.setColor(backRole, brush->null ? QColor(Qt::transparent) : ToQColor(brush->color));
    // Qt reads the palette while it paints, so the text takes the colours now.
    if (palette != control->palette())
        control->setPalette(palette);
    // Qt fills a background before the paint event: the brush is painted here.
    if (brush && !brush->null) {
        QPainter painter(surface);
        painter.fillRect(surface->rect(), ToQColor(brush->color));
    }
}

} // namespace vesk::detail
