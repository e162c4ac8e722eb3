// Static text over QLabel.
#include "framework/cstatic.h"

#include "framework/control_classes.h"
#include "framework/window_internal.h"

#include <QLabel>

#include <cstring>

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
    *result = 0;
    switch (message) {
    case WM_SETTEXT: {
        QString text = QString::fromUtf8(lParam ? reinterpret_cast<const char*>(lParam) : "");
        // "&&" shows one ampersand; a single one marks a letter, which a label
        // without a buddy does not underline.
        text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
        text.remove(QLatin1Char('&'));
        text.replace(QStringLiteral("\x01"), QLatin1String("&"));
        label->setProperty("vesk.text", QString::fromUtf8(lParam ? reinterpret_cast<const char*>(lParam) : ""));
        label->setText(text);
        *result = TRUE;
        return true;
    }
    case WM_GETTEXT: {
        const QByteArray utf8 = label->property("vesk.text").toString().toUtf8();
        if (!lParam || wParam == 0)
            return true;
        const size_t count = std::min<size_t>(static_cast<size_t>(utf8.size()), wParam - 1);
        std::memcpy(reinterpret_cast<char*>(lParam), utf8.constData(), count);
        reinterpret_cast<char*>(lParam)[count] = '\0';
        *result = static_cast<LRESULT>(count);
        return true;
    }
    case WM_GETTEXTLENGTH:
        *result = label->property("vesk.text").toString().toUtf8().size();
        return true;
    default:
        return false;
    }
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
