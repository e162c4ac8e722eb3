// Standard handling shared by all windows, and the widgets windows are made of.
#include "framework/window_default.h"

#include "framework/cdc.h"
#include "framework/cmenu.h"
#include "framework/control_classes.h"
#include "framework/cwnd.h"
#include "framework/qt_geometry.h"
#include "framework/system_api.h"
#include "framework/window_class.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"
#include "framework/window_message_event.h"

#include <QCoreApplication>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWidget>

#include <vector>

namespace vesk::detail {

namespace {

constexpr int kCaptionButton = 16;

CRect WindowRectAtOrigin(const QWidget* window) { return CRect(0, 0, window->width(), window->height()); }

CRect CaptionRect(const QWidget* window, DWORD style)
{
    const QRect insets = FrameInsets(style & ~WS_CAPTION);
    if ((style & WS_CAPTION) != WS_CAPTION)
        return {};
    return CRect(insets.left(), insets.top(), window->width() - insets.width(),
                 insets.top() + GetSystemMetrics(SM_CYCAPTION));
}

CRect CloseBoxRect(const QWidget* window, DWORD style)
{
    const CRect caption = CaptionRect(window, style);
    if (caption.IsRectEmpty() || !(style & WS_SYSMENU))
        return {};
    return CRect(caption.right - kCaptionButton - 2, caption.top + 2, caption.right - 2, caption.bottom - 3);
}

void PaintDefaultFrame(CWnd* wnd)
{
    QWidget* window = wnd->m_hWnd;
    const DWORD style = StyleOf(window);
    const QRect insets = FrameInsets(style);
    if (insets.isNull() || !IsPainting(window))
        return;
    CWindowDC dc(wnd);
    const CRect all = WindowRectAtOrigin(window);
    dc.FillSolidRect(all, RGB(212, 208, 200));
    CBrush edge(RGB(64, 64, 64));
    dc.FrameRect(all, &edge);
    const CRect caption = CaptionRect(window, style);
    if (caption.IsRectEmpty())
        return;
    dc.FillSolidRect(caption, RGB(10, 36, 106));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 255, 255));
    CRect text = caption;
    text.left += 4;
    dc.DrawText(wnd->GetWindowText(), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    const CRect close = CloseBoxRect(window, style);
    if (!close.IsRectEmpty()) {
        dc.FillSolidRect(close, RGB(212, 208, 200));
        dc.DrawText("×", close, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

LRESULT DefaultHitTest(QWidget* window, LPARAM lParam)
{
    const QPoint global(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const QPoint local = window->mapFromGlobal(global);
    if (!window->rect().contains(local))
        return HTNOWHERE;
    if (QWidget* client = ClientOf(window); client && client->geometry().contains(local))
        return HTCLIENT;
    const DWORD style = StyleOf(window);
    if (CloseBoxRect(window, style).PtInRect(FromQPoint(local)))
        return HTCLOSE;
    if (CaptionRect(window, style).PtInRect(FromQPoint(local)))
        return HTCAPTION;
    return HTBORDER;
}

} // namespace

QRect FrameInsets(DWORD style)
{
    int border = 0;
    if (style & WS_THICKFRAME)
        border = GetSystemMetrics(SM_CXFRAME);
    else if ((style & WS_DLGFRAME) || (style & DS_MODALFRAME))
        border = GetSystemMetrics(SM_CXDLGFRAME);
    else if (style & WS_BORDER)
        border = GetSystemMetrics(SM_CXBORDER);
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    // QRect used as four insets: left, top, right (as width), bottom (as height).
    return QRect(border, border + caption, border, border);
}

LRESULT GenericDefault(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    QWidget* window = wnd->m_hWnd;
    LRESULT result = 0;
    const auto setTitle = [window](const QString& text) {
        window->setWindowTitle(text);
        if (HasFrame(window))
            window->update(); // the caption shows it
    };
    if (AnswerTextMessage(message, wParam, lParam, &result, [window] { return window->windowTitle(); }, setTitle))
        return result;
    switch (message) {
    case WM_SETFONT: {
        auto font = reinterpret_cast<HFONT>(wParam);
        StoreFont(window, font);
        if (font) {
            window->setFont(font->font);
            if (QWidget* client = ClientOf(window); client != window)
                client->setFont(font->font);
        }
        if (LOWORD(static_cast<WPARAM>(lParam)))
            window->update();
        return 0;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FontOf(window));
    case WM_CLOSE:
        wnd->DestroyWindow();
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_CLOSE: wnd->SendMessage(WM_CLOSE); break;
        case SC_MINIMIZE: window->showMinimized(); break;
        case SC_MAXIMIZE: window->showMaximized(); break;
        case SC_RESTORE: window->showNormal(); break;
        default: break;
        }
        return 0;
    case WM_NCCALCSIZE: {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        if (params && HasFrame(window)) {
            const QRect insets = FrameInsets(StyleOf(window));
            CRect r(params->rgrc[0]);
            r.DeflateRect(insets.left(), insets.top(), insets.width(), insets.height());
            params->rgrc[0] = r;
        }
        return 0;
    }
    case WM_NCHITTEST:
        return HasFrame(window) ? DefaultHitTest(window, lParam) : HTCLIENT;
    case WM_NCPAINT:
        if (HasFrame(window))
            PaintDefaultFrame(wnd);
        return 0;
    case WM_NCLBUTTONDOWN:
        if (wParam == static_cast<WPARAM>(HTCAPTION)) {
            if (WindowHook* hook = WindowAccess::HookOf(wnd))
                hook->BeginFrameMove(QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
        }
        return 0;
    case WM_NCLBUTTONUP:
        if (wParam == static_cast<WPARAM>(HTCLOSE))
            wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE, lParam);
        return 0;
    case WM_NCLBUTTONDBLCLK:
        if (wParam == static_cast<WPARAM>(HTCAPTION) && (StyleOf(window) & WS_MAXIMIZEBOX))
            wnd->SendMessage(WM_SYSCOMMAND, window->isMaximized() ? SC_RESTORE : SC_MAXIMIZE, lParam);
        return 0;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType == ODT_MENU) {
            if (CMenu* menu = MenuForItem(item->hMenu)) {
                menu->DrawItem(item);
                return TRUE;
            }
        }
        return FALSE;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType == ODT_MENU) {
            if (CMenu* menu = MenuForItem(MenuOfMeasuredItem(item))) {
                menu->MeasureItem(item);
                return TRUE;
            }
        }
        return FALSE;
    }
    case WM_PAINT:
    case WM_NCDESTROY:
        if (message == WM_PAINT)
            ClientOf(window)->update();
        return 0;
    default:
        break;
    }
    if (!IsFrameworkWidget(window)) {
        // A widget of the host answers through the message event.
        WindowMessageEvent event(message, wParam, lParam);
        QCoreApplication::sendEvent(window, &event);
        return event.result;
    }
    return 0;
}

bool PlainWindowProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* wnd = CWnd::FromHandle(widget);
    switch (message) {
    case WM_PAINT:
        *result = 0;
        if (wParam == 0) {
            if (IsPainting(wnd->ClientWidget()))
                CPaintDC dc(wnd); // erases, as the system's BeginPaint does
            else
                wnd->ClientWidget()->update();
        }
        return true;
    case WM_ERASEBKGND: {
        auto* dc = reinterpret_cast<CDC*>(wParam);
        if (!dc)
            return false;
        auto brush = reinterpret_cast<HBRUSH>(wnd->SendMessage(WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(widget)));
        CRect client;
        wnd->GetClientRect(&client);
        if (brush)
            dc->FillRect(client, CBrush::FromHandle(brush));
        else {
            const QColor color = wnd->ClientWidget()->palette().color(QPalette::Window);
            dc->FillSolidRect(client, RGB(color.red(), color.green(), color.blue()));
        }
        *result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

QWidget* MakeWidget(const WindowClass& windowClass, const WindowCreateParams& params)
{
    QWidget* widget = windowClass.factory ? windowClass.factory(params) : new FrameworkWidget<QWidget>(params.parent);
    if (!widget)
        return nullptr;
    if (widget->parentWidget() != params.parent)
        widget->setParent(params.parent);
    StoreWindowClass(widget, windowClass.name);
    MarkLive(widget);
    return widget;
}

QWidget* MakeFrame(const WindowClass& windowClass, const WindowCreateParams& params, QWidget* owner)
{
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (params.exStyle & WS_EX_TOOLWINDOW)
        flags |= Qt::Tool;
    if (params.exStyle & WS_EX_TOPMOST)
        flags |= Qt::WindowStaysOnTopHint;
    auto* outer = new FrameworkWidget<QWidget>(owner ? owner->window() : nullptr, flags);
    WindowCreateParams inner = params;
    inner.parent = outer;
    QWidget* client = MakeWidget(windowClass, inner);
    if (!client) {
        delete outer;
        return nullptr;
    }
    client->show(); // shown with the outer widget
    StoreWindowClass(outer, windowClass.name);
    LinkFrame(outer, client);
    MarkLive(outer);
    return outer;
}

void ApplyGeometry(QWidget* widget, const QRect& rect)
{
    const QRect old = widget->geometry();
    widget->setGeometry(rect);
    if (widget->isVisible())
        return;
    // Qt would deliver these when the widget is first shown.
    if (old.topLeft() != rect.topLeft() || widget->testAttribute(Qt::WA_PendingMoveEvent)) {
        QMoveEvent move(rect.topLeft(), old.topLeft());
        QCoreApplication::sendEvent(widget, &move);
    }
    if (old.size() != rect.size() || widget->testAttribute(Qt::WA_PendingResizeEvent)) {
        QResizeEvent resize(rect.size(), old.size());
        QCoreApplication::sendEvent(widget, &resize);
    }
    widget->setAttribute(Qt::WA_PendingMoveEvent, false);
    widget->setAttribute(Qt::WA_PendingResizeEvent, false);
}

void DestroyTree(QWidget* window)
{
    std::vector<QPointer<QWidget>> windows{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (IsFrameworkWidget(child) && !IsFrameClient(child))
            windows.emplace_back(child);
    }
    for (const QPointer<QWidget>& w : windows) {
        if (w)
            WindowDestroying(w);
    }
}

} // namespace vesk::detail
