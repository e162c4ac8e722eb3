#pragma once
// The event hook of a subclassed window: filters the events of the window's
// widget (and of its client widget) and turns them into messages for the
// CWnd. It also owns the window's timers and its mouse-leave tracking.

#include "framework/win_types.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <map>

class QWidget;
class QEvent;

namespace vesk {

class CWnd;

class WindowHook : public QObject {
public:
    WindowHook(CWnd* wnd, QWidget* window);
    ~WindowHook() override;

    UINT_PTR SetTimer(UINT_PTR id, UINT elapse);
    bool KillTimer(UINT_PTR id);
    void TrackLeave(bool on) { m_trackLeave = on; }
    bool IsTrackingLeave() const { return m_trackLeave; }
    // While set, paint events pass to Qt untouched (rendering the control's
    // own look into a DC).
    void SetRenderingDefault(bool on) { m_renderingDefault = on; }
    // Starts moving the window with the mouse (default of a caption press).
    void BeginFrameMove(const QPoint& globalPos);
    // Re-reads the client widget (after the window's structure changed).
    void Reinstall();
    // Asks WM_NCCALCSIZE again and places the client (frame changed).
    void LayoutClient();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool ClientEvent(QWidget* widget, QEvent* event);
    bool FrameEvent(QWidget* widget, QEvent* event);
    bool CommonEvent(QWidget* widget, QEvent* event);
    bool MouseEvent(QWidget* widget, QEvent* event, bool nonClient);
    bool KeyEvent(QWidget* widget, QEvent* event);
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam, QObject* target, QEvent* event,
                 bool* defaulted = nullptr, bool deferQt = false);

    CWnd* m_wnd;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_client;
    std::map<UINT_PTR, int> m_timers; // window timer id → Qt timer id
    bool m_trackLeave = false;
    bool m_renderingDefault = false;
    bool m_moving = false;
    QPoint m_moveStart;
    QPoint m_moveOrigin;
};

} // namespace vesk
