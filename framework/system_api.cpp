// Cursor, keys, screen metrics, capture and the font substitutions.
#include "framework/system_api.h"

#include "framework/cwnd.h"
#include "framework/messages.h"
#include "framework/qt_geometry.h"
#include "framework/styles.h"
#include "framework/system_internal.h"
#include "framework/window_internal.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace vesk {

namespace {

QPoint g_cursor;
bool g_cursorSeen = false;
Qt::MouseButtons g_buttons;
Qt::KeyboardModifiers g_modifiers;
QPointer<QWidget> g_capture;

bool SyntheticInput()
{
    // Offscreen and minimal platforms have no pointer of their own.
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QRect PrimaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

namespace detail {

void NoteCursor(const QPoint& global)
{
    g_cursor = global;
    g_cursorSeen = true;
}
void NoteButtons(Qt::MouseButtons buttons) { g_buttons = buttons; }
void NoteModifiers(Qt::KeyboardModifiers modifiers) { g_modifiers = modifiers; }

void CaptureTakenAway(QWidget* window)
{
    if (!window || g_capture != window)
        return;
    g_capture = nullptr;
    SendMessage(window, WM_CAPTURECHANGED, 0, 0);
}

} // namespace detail

BOOL GetCursorPos(POINT* point)
{
    if (!point)
        return FALSE;
    const QPoint p = (SyntheticInput() && g_cursorSeen) ? g_cursor : QCursor::pos();
    *point = FromQPoint(p);
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    detail::NoteCursor(QPoint(x, y));
    QCursor::setPos(x, y);
    return TRUE;
}

short GetKeyState(int virtualKey)
{
    const Qt::KeyboardModifiers modifiers =
        SyntheticInput() ? (g_modifiers | QGuiApplication::keyboardModifiers()) : QGuiApplication::queryKeyboardModifiers();
    const Qt::MouseButtons buttons = SyntheticInput() ? (g_buttons | QGuiApplication::mouseButtons())
                                                      : QGuiApplication::mouseButtons();
    bool down = false;
    switch (virtualKey) {
    case VK_CONTROL: down = modifiers & Qt::ControlModifier; break;
    case VK_SHIFT: down = modifiers & Qt::ShiftModifier; break;
    case VK_MENU: down = modifiers & Qt::AltModifier; break;
    case VK_LBUTTON: down = buttons & Qt::LeftButton; break;
    case VK_RBUTTON: down = buttons & Qt::RightButton; break;
    case VK_MBUTTON: down = buttons & Qt::MiddleButton; break;
    default: break;
    }
    return down ? static_cast<short>(0x8000) : 0;
}

short GetAsyncKeyState(int virtualKey) { return GetKeyState(virtualKey); }

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXSCREEN: return PrimaryScreen().width();
    case SM_CYSCREEN: return PrimaryScreen().height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    default: return 0;
    }
}

BOOL GetWorkArea(RECT* rect)
{
    if (!rect)
        return FALSE;
    const QScreen* screen = QGuiApplication::primaryScreen();
    *rect = FromQRect(screen ? screen->availableGeometry() : PrimaryScreen());
    return TRUE;
}

DWORD GetTickCount()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<DWORD>(clock.elapsed());
}

void Sleep(DWORD milliseconds) { QThread::msleep(milliseconds); }

void PumpMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void InstallFontSubstitutions()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList cjk = {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("Noto Sans CJK SC"),
                             QStringLiteral("Noto Sans CJK")};
    for (const char* face : {"宋体", "新宋体", "SimSun", "NSimSun", "黑体", "SimHei", "微软雅黑", "Microsoft YaHei"})
        QFont::insertSubstitutions(QString::fromUtf8(face), cjk);
}

// --- Capture -------------------------------------------------------------------

CWnd* CWnd::SetCapture()
{
    QWidget* previous = g_capture;
    if (previous == m_hWnd)
        return FromHandle(previous);
    if (previous) {
        if (QWidget* client = detail::ClientOf(previous))
            client->releaseMouse();
        g_capture = nullptr;
        vesk::SendMessage(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(m_hWnd));
    }
    if (m_hWnd) {
        g_capture = m_hWnd;
        if (QWidget* client = ClientWidget(); client && client->isVisible())
            client->grabMouse();
    }
    return previous ? FromHandle(previous) : nullptr;
}

CWnd* CWnd::GetCapture() { return FromHandle(g_capture); }

HWND GetCapture() { return g_capture; }

BOOL ReleaseCapture()
{
    QWidget* previous = g_capture;
    if (!previous)
        return TRUE;
    g_capture = nullptr;
    if (QWidget* client = detail::ClientOf(previous))
        client->releaseMouse();
    SendMessage(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

} // namespace vesk
