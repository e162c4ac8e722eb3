// Static text over QLabel.
#include "framework/cstatic.h"

#include "framework/control_classes.h"
#include "framework/window_internal.h"

#include <QLabel>


namespace vesk {

namespace {

QWidget* MakeStatic(const WindowCreateParams& params)
{
    auto* label = new detail::FrameworkWidget<QLabel>(params.parent);
    Qt::Alignment align = Qt::AlignLeft;
    switch (params.style & SS_TYPEMASK) {
    case SS_CENTER: align = Qt::AlignHCenter; break;
    case SS_RIGHT: align = Qt::AlignRight; break;
    default: break;
    }
    label->setAlignment(align | ((params.style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop));
    label->setWordWrap((params.style & SS_TYPEMASK) <= SS_RIGHT);
    label->setTextFormat(Qt::PlainText);
    return label;
}

bool StaticProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label)
        return false;
    // The label shows the text without its "&" marks; the window text keeps them.
    const auto text = [label] { return label->property("vesk.text").toString(); };
    const auto setText = [label](const QString& value) {
        QString shown = value;
        shown.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        shown.remove(QLatin1Char('&'));
        shown.replace(QStringLiteral("\x01"), QLatin1String("&"));
        label->setProperty("vesk.text", value);
        label->setText(shown);
    };
    return detail::AnswerTextMessage(message, wParam, lParam, result, text, setText);
}

} // namespace

namespace detail {

WindowClass StaticClass() { return {"Static", MakeStatic, StaticProc}; }

} // namespace detail

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Static", text, style, rect, parent, id);
}

} // namespace vesk
