// Window data on widgets, the widget-to-CWnd map, and window destruction.
#include "framework/window_internal.h"

#include "framework/cwnd.h"
#include "framework/internal_error.h"
#include "framework/window_class.h"
#include "framework/window_hook.h"
#include "framework/window_message_event.h"

#include <QAbstractScrollArea>
#include <QVariant>

#include <cstdio>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vesk::detail {

namespace {

constexpr const char* kStyle = "vesk.style";
constexpr const char* kExStyle = "vesk.exStyle";
constexpr const char* kId = "vesk.id";
constexpr const char* kFont = "vesk.font";
constexpr const char* kOwner = "vesk.owner";
constexpr const char* kClient = "vesk.client";
constexpr const char* kFrame = "vesk.frame";

struct Entry {
    CWnd* current = nullptr;
    // Wrappers made by FromHandle stay alive until the widget dies, so a
    // pointer handed out earlier stays usable after a CWnd subclasses it.
    std::vector<std::unique_ptr<CWnd>> wrappers;
    bool watched = false;
};

std::unordered_map<const QWidget*, Entry>& Map()
{
    static std::unordered_map<const QWidget*, Entry> map;
    return map;
}

std::unordered_set<const QWidget*>& Live()
{
    static std::unordered_set<const QWidget*> live;
    return live;
}

template <class T>
T Property(const QWidget* widget, const char* name, T fallback)
{
    const QVariant v = widget ? widget->property(name) : QVariant();
    return v.isValid() ? v.value<T>() : fallback;
}

} // namespace

DWORD StyleOf(const QWidget* widget) { return Property<uint>(widget, kStyle, 0); }
void StoreStyle(QWidget* widget, DWORD style) { widget->setProperty(kStyle, QVariant::fromValue<uint>(style)); }
DWORD ExStyleOf(const QWidget* widget) { return Property<uint>(widget, kExStyle, 0); }
void StoreExStyle(QWidget* widget, DWORD exStyle) { widget->setProperty(kExStyle, QVariant::fromValue<uint>(exStyle)); }
int IdOf(const QWidget* widget) { return Property<int>(widget, kId, 0); }
void StoreId(QWidget* widget, int id) { widget->setProperty(kId, id); }
HFONT FontOf(const QWidget* widget) { return reinterpret_cast<HFONT>(Property<quintptr>(widget, kFont, 0)); }
void StoreFont(QWidget* widget, HFONT font)
{
    widget->setProperty(kFont, QVariant::fromValue<quintptr>(reinterpret_cast<quintptr>(font)));
}
QWidget* OwnerOf(const QWidget* widget) { return Property<QPointer<QWidget>>(widget, kOwner, nullptr); }
void StoreOwner(QWidget* widget, QWidget* owner)
{
    widget->setProperty(kOwner, QVariant::fromValue(QPointer<QWidget>(owner)));
}

bool IsFrameworkWidget(const QWidget* widget) { return widget && !WindowClassOf(widget).empty(); }

QWidget* ClientOf(QWidget* window)
{
    if (!window)
        return nullptr;
    if (QWidget* inner = Property<QPointer<QWidget>>(window, kClient, nullptr))
        return inner;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(window))
        return area->viewport();
    return window;
}

QWidget* WindowOf(QWidget* widget)
{
    if (QWidget* outer = Property<QPointer<QWidget>>(widget, kFrame, nullptr))
        return outer;
    return widget;
}

bool IsFrameClient(const QWidget* widget) { return Property<QPointer<QWidget>>(widget, kFrame, nullptr) != nullptr; }
bool HasFrame(const QWidget* window) { return Property<QPointer<QWidget>>(window, kClient, nullptr) != nullptr; }

void LinkFrame(QWidget* outer, QWidget* inner)
{
    outer->setProperty(kClient, QVariant::fromValue(QPointer<QWidget>(inner)));
    inner->setProperty(kFrame, QVariant::fromValue(QPointer<QWidget>(outer)));
}

CWnd* Lookup(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    auto& map = Map();
    auto it = map.find(widget);
    if (it == map.end() && IsFrameClient(widget))
        it = map.find(WindowOf(const_cast<QWidget*>(widget)));
    return it == map.end() ? nullptr : it->second.current;
}

QWidget* ParentWindowOf(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    QWidget* window = WindowOf(const_cast<QWidget*>(widget));
    if (window->isWindow())
        return nullptr;
    QWidget* parent = window->parentWidget();
    // A control inside a scroll area's viewport belongs to the area itself.
    while (parent && !IsFrameworkWidget(parent) && parent->parentWidget()
           && qobject_cast<QAbstractScrollArea*>(parent->parentWidget()))
        parent = parent->parentWidget();
    return parent ? WindowOf(parent) : nullptr;
}

bool IsPainting(const QWidget* widget) { return widget && widget->testAttribute(Qt::WA_WState_InPaintEvent); }

bool IsLive(const QWidget* widget) { return widget && Live().count(widget) != 0; }
void MarkLive(const QWidget* widget) { Live().insert(widget); }

CWnd* WindowAccess::MakeWrapper(QWidget* widget)
{
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_wrapper = true;
    wrapper->m_hWnd = widget;
    CWnd* raw = wrapper.get();
    Entry& entry = Map()[widget];
    entry.wrappers.push_back(std::move(wrapper));
    if (!entry.current)
        entry.current = raw;
    return raw;
}

bool WindowAccess::IsWrapper(const CWnd* wnd) { return wnd->m_wrapper; }

void WindowAccess::Orphan(CWnd* wnd)
{
    wnd->m_hook.reset();
    wnd->m_hWnd = nullptr;
    wnd->m_ownsWidget = false;
}

WindowHook* WindowAccess::HookOf(CWnd* wnd) { return wnd->m_hook.get(); }

void Register(QWidget* widget, CWnd* wnd)
{
    MarkLive(widget);
    Entry& entry = Map()[widget];
    entry.current = wnd;
    if (!entry.watched && !IsFrameworkWidget(widget)) {
        // A widget we did not make: forget it when Qt deletes it.
        entry.watched = true;
        QObject::connect(widget, &QObject::destroyed, [widget] {
            auto it = Map().find(widget);
            if (it != Map().end()) {
                if (it->second.current && !WindowAccess::IsWrapper(it->second.current))
                    WindowAccess::Orphan(it->second.current);
                Map().erase(it);
            }
            Live().erase(widget);
        });
    }
}

void Unregister(QWidget* widget, CWnd* wnd)
{
    auto it = Map().find(widget);
    if (it == Map().end() || it->second.current != wnd)
        return;
    // Fall back to a wrapper so the widget keeps a CWnd for FromHandle.
    it->second.current = it->second.wrappers.empty() ? nullptr : it->second.wrappers.front().get();
    if (!it->second.current && it->second.wrappers.empty() && !it->second.watched)
        Map().erase(it);
}

CWnd* WrapperFor(QWidget* widget) { return WindowAccess::MakeWrapper(widget); }

void WindowDestroying(QWidget* widget)
{
    if (IsFrameClient(widget))
        return; // the outer widget stands for the window
    auto it = Map().find(widget);
    if (it != Map().end()) {
        CWnd* wnd = it->second.current;
        if (wnd && wnd->m_hWnd == widget) {
            if (GetCapture() == widget)
                ReleaseCapture();
            wnd->SendMessage(WM_DESTROY);
            wnd->SendMessage(WM_NCDESTROY);
        }
        // The handlers may have changed the map.
        it = Map().find(widget);
        if (it != Map().end()) {
            CWnd* current = it->second.current;
            const bool permanent = current && !WindowAccess::IsWrapper(current);
            Entry entry = std::move(it->second);
            Map().erase(it);
            if (permanent) {
                WindowAccess::Orphan(current);
                current->PostNcDestroy();
            }
        }
    }
    Live().erase(widget);
}

void DeliverToQt(QObject* target, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(target);
    QtEventSink* sink = dynamic_cast<QtEventSink*>(target);
    if (!sink && widget && widget->parentWidget())
        sink = dynamic_cast<QtEventSink*>(widget->parentWidget());
    if (sink)
        sink->QtEvent(target, event);
    else
        target->event(event);
}

bool DeliverWindowMessage(QWidget* widget, QEvent* event)
{
    if (event->type() != WindowMessageEvent::EventType())
        return false;
    auto* message = static_cast<WindowMessageEvent*>(event);
    CWnd* wnd = Lookup(widget);
    if (!wnd)
        wnd = WrapperFor(widget);
    // A posted message comes straight from Qt's loop: nothing above may see an exception.
    try {
        message->result = wnd->WindowProc(message->message, message->wParam, message->lParam);
    } catch (...) {
        char where[40];
        std::snprintf(where, sizeof where, "投递的消息 0x%04X", message->message);
        ReportCurrentException(where);
        message->result = 0;
    }
    return true;
}

} // namespace vesk::detail
