#pragma once
// Internal to the framework: per-widget window data and the widget mixin that
// every widget made by the framework uses.

#include "framework/win_types.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <type_traits>

#include <string>

namespace vesk {
class CWnd;
class CMenu;
class WindowHook;
struct MEASUREITEMSTRUCT;
}

namespace vesk::detail {

// Window data kept on the widget, so that every CWnd of it agrees.
DWORD StyleOf(const QWidget* widget);
void StoreStyle(QWidget* widget, DWORD style);
DWORD ExStyleOf(const QWidget* widget);
void StoreExStyle(QWidget* widget, DWORD exStyle);
int IdOf(const QWidget* widget);
void StoreId(QWidget* widget, int id);
HFONT FontOf(const QWidget* widget);
void StoreFont(QWidget* widget, HFONT font);
QWidget* OwnerOf(const QWidget* widget);
void StoreOwner(QWidget* widget, QWidget* owner);
// True for widgets the framework made (they carry a window class).
bool IsFrameworkWidget(const QWidget* widget);
void StoreWindowClass(QWidget* widget, const std::string& name);

// Access to the private parts of CWnd for the framework's own code.
struct WindowAccess {
    static CWnd* MakeWrapper(QWidget* widget);
    static bool IsWrapper(const CWnd* wnd);
    // The widget is gone: the CWnd forgets it.
    static void Orphan(CWnd* wnd);
    static WindowHook* HookOf(CWnd* wnd);
};

// The CMenu that measures and draws items of menu: its own, else the menu
// being tracked. MenuOfMeasuredItem finds the menu of a measured item.
CMenu* MenuForItem(HMENU menu);
HMENU MenuOfMeasuredItem(const MEASUREITEMSTRUCT* item);

// A top-level window is an outer frameless widget (the non-client area)
// holding an inner client widget. For other windows both are the same widget,
// except scrolling controls whose client is the viewport.
QWidget* ClientOf(QWidget* window);
// The window a widget belongs to: the outer widget for a frame's client.
QWidget* WindowOf(QWidget* widget);
bool IsFrameClient(const QWidget* widget);
bool HasFrame(const QWidget* window);
void LinkFrame(QWidget* outer, QWidget* inner);

// The CWnd registered for a widget (permanent or wrapper); null when none.
CWnd* Lookup(const QWidget* widget);
void Register(QWidget* widget, CWnd* wnd);
void Unregister(QWidget* widget, CWnd* wnd);
// A framework-owned CWnd for a widget that has none.
CWnd* WrapperFor(QWidget* widget);
// Windows that exist: made or seen by the framework and not destroyed.
bool IsLive(const QWidget* widget);
void MarkLive(const QWidget* widget);

// Called first thing in the destructor of every framework widget: sends
// WM_DESTROY and WM_NCDESTROY while the widget is intact and detaches it.
void WindowDestroying(QWidget* widget);
// Delivers a posted or sent WindowMessageEvent to the widget's CWnd.
bool DeliverWindowMessage(QWidget* widget, QEvent* event);

// The parent window (for notifications): the window of the parent widget.
QWidget* ParentWindowOf(const QWidget* widget);

// True while some window is handling a message.
bool HandlingMessages();

// True while the widget is painting (inside its paint event).
bool IsPainting(const QWidget* widget);

// Qt's own handling of an event the framework held back for a message.
class QtEventSink {
public:
    virtual bool QtEvent(QObject* target, QEvent* event) = 0;

protected:
    ~QtEventSink() = default;
};

// Lets Qt process event on target, as if the framework had not looked at it.
void DeliverToQt(QObject* target, QEvent* event);

// Asks the parent for the control's colours (control_colors.h).
void AskControlColors(QWidget* control, QWidget* surface);

// A scrolling control paints in its viewport: the colours are asked there.
template <class Base, bool = std::is_base_of_v<QAbstractScrollArea, Base>>
class ViewportColors : public Base {
public:
    using Base::Base;
};

template <class Base>
class ViewportColors<Base, true> : public Base {
public:
    using Base::Base;

protected:
    bool viewportEvent(QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            AskControlColors(this, this->viewport());
        return Base::viewportEvent(e);
    }
};

template <class Base>
class FrameworkWidget : public ViewportColors<Base>, public QtEventSink {
public:
    using ViewportColors<Base>::ViewportColors;
    ~FrameworkWidget() override { WindowDestroying(this); }

    bool QtEvent(QObject* target, QEvent* event) override
    {
        if constexpr (std::is_base_of_v<QAbstractScrollArea, Base>) {
            // A scroll area sees its viewport's events before the viewport does.
            if (target == this->viewport() && this->viewportEvent(event))
                return true;
        }
        return static_cast<QObject*>(target)->event(event);
    }

protected:
    bool event(QEvent* e) override
    {
        if (DeliverWindowMessage(this, e))
            return true;
        if constexpr (!std::is_base_of_v<QAbstractScrollArea, Base>) {
            if (e->type() == QEvent::Paint)
                AskControlColors(this, this);
        }
        return Base::event(e);
    }
};

} // namespace vesk::detail
