#include "tests/skin/skin_test_support.h"

#include <QApplication>
#include <QDir>

namespace skintest {

using namespace vesk;

void UseGeneratedSkins()
{
    SetResourceFolder(qEnvironmentVariable("VESK_BINARY_DIR", QStringLiteral(".")).toStdString());
}

QImage SkinImage(const char* name)
{
    return QImage(QString::fromStdString(ResolveResourcePath(std::string("Skin\\") + name)))
        .convertToFormat(QImage::Format_RGB32);
}

bool RecordingDialog::CreateWith(DialogTemplate dialogTemplate)
{
    static UINT next = 9100;
    dialogTemplate.id = next++;
    CurrentModuleContext().Templates().Register(dialogTemplate);
    if (!Create(dialogTemplate.id, nullptr))
        return false;
    ShowWindow(SW_SHOW);
    Settle();
    return true;
}

LRESULT RecordingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    Report report{message, 0, 0};
    switch (message) {
    case WM_COMMAND:
        report = {message, HIWORD(wParam), LOWORD(wParam)};
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        report = {message, LOWORD(wParam), static_cast<std::int16_t>(HIWORD(wParam))};
        break;
    default:
        return CDialog::WindowProc(message, wParam, lParam);
    }
    reports.push_back(report);
    if (onReport)
        onReport(report);
    return CDialog::WindowProc(message, wParam, lParam);
}

DialogTemplate Popup(int cx, int cy, std::vector<DialogControl> controls)
{
    DialogTemplate dialog;
    dialog.style = WS_POPUP | WS_VISIBLE;
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.controls = std::move(controls);
    return dialog;
}

DialogControl Control(int id, const char* windowClass, const char* text, int x, int y, int cx, int cy, DWORD style)
{
    return {.id = id, .windowClass = windowClass, .text = text, .x = x, .y = y, .cx = cx, .cy = cy, .style = style};
}

QImage Grab(QWidget* widget)
{
    Settle();
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor PixelOf(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

QColor Rgb(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace skintest
