#pragma once
// CWnd: a window of the framework, attached to a QWidget. Every window is a
// real Qt widget; the CWnd turns the widget's events into messages, routes
// them through WindowProc (override it, or register handlers), and hands
// whatever it does not handle to DefWindowProc, which lets Qt process the
// event ("default handling").
//
// Ownership: a CWnd that created its widget (Create) destroys it with
// DestroyWindow or in its destructor. A CWnd that subclassed a widget
// (SubclassWindow, SubclassDlgItem) detaches on destruction and leaves the
// widget to its parent. A widget deleted by Qt detaches its CWnd (m_hWnd
// becomes null) after WM_DESTROY and WM_NCDESTROY.

#include "framework/geometry.h"
#include "framework/gdi_constants.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "framework/win_structs.h"
#include "framework/win_types.h"

#include <deque>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class QWidget;
class QObject;
class QEvent;

namespace vesk {

class CDC;
class CFont;
class CMenu;
class CRgn;
class WindowHook;
namespace detail {
struct WindowAccess;
}

using MessageHandler = std::function<LRESULT(WPARAM, LPARAM)>;
using CommandHandler = std::function<void()>;
using NotifyHandler = std::function<LRESULT(NMHDR*)>;

class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window's widget (outer widget for top-level windows); null when none.
    HWND m_hWnd = nullptr;

    // --- Handles --------------------------------------------------------
    // The CWnd of a widget: the attached one, else a wrapper owned by the
    // framework that lives as long as the widget. Null for a null handle.
    static CWnd* FromHandle(HWND hwnd);
    static CWnd* FromWindowHandle(WindowHandle handle) { return FromHandle(vesk::FromWindowHandle(handle)); }
    // Only a CWnd that was attached by Create/Subclass/Attach; else null.
    static CWnd* FromHandlePermanent(HWND hwnd);
    HWND GetSafeHwnd() const { return m_hWnd; }
    WindowHandle ToWindowHandle() const { return vesk::ToWindowHandle(m_hWnd); }
    operator HWND() const { return m_hWnd; }
    // The widget that holds the client area: the inner widget of a top-level
    // window, the viewport of a scrolling control, else the window itself.
    QWidget* ClientWidget() const;

    // --- Creation and destruction ----------------------------------------
    // className names a registered window class (see window_class.h); null or
    // "" makes a plain window. rect is in the parent's client coordinates (or
    // the screen for top-level windows). Sends WM_CREATE; returns FALSE when
    // creation failed or WM_CREATE returned -1.
    virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id);
    // Routes the widget's events through this object. Calls PreSubclassWindow.
    BOOL SubclassWindow(HWND hwnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();
    // Binds without routing events (messages sent through this CWnd still arrive).
    BOOL Attach(HWND hwnd);
    HWND Detach();
    // Sends WM_DESTROY and WM_NCDESTROY, deletes the widget (and its children).
    virtual BOOL DestroyWindow();

    // --- Messages ---------------------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The window procedure. Overrides handle what they need and call the base
    // class for the rest. The base consults the registered handlers, then the
    // virtual hooks below, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Standard handling: the window class's behaviour, then Qt's handling of
    // the event that caused the message.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // DefWindowProc of the message being handled right now.
    LRESULT Default();
    // The message being handled (by this or any window); null outside handlers.
    static const MSG* GetCurrentMessage();

    // Registered handlers, looked up by the base WindowProc. A new handler for
    // the same key replaces the previous one.
    void HandleMessage(UINT message, MessageHandler handler);
    void HandleCommand(UINT id, UINT code, CommandHandler handler);
    void HandleCommandRange(UINT firstId, UINT lastId, UINT code, std::function<void(UINT id)> handler);
    void HandleNotify(UINT id, UINT code, NotifyHandler handler);

    // Return TRUE to consume the message (it is then not dispatched).
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers msg to the windows from msg->hwnd up to (excluding) stop, inner first.
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // --- Hooks ------------------------------------------------------------
    // WM_COMMAND: reflects to the control first (OnChildNotify), then handlers.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A message this window sent to its parent, reflected back to it
    // (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*,
    // WM_HSCROLL, WM_VSCROLL). Return TRUE when handled.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow() {}
    // Called after WM_NCDESTROY once the widget is gone.
    virtual void PostNcDestroy() {}

    // --- Styles and identity ------------------------------------------------
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    // Sends WM_STYLECHANGED; a change of WS_CAPTION or of the frame is applied
    // to the widget (frameless or not). Returns FALSE when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CString GetClassName() const;

    // --- Relations ----------------------------------------------------------
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    void SetOwner(CWnd* owner);
    CWnd* GetTopLevelParent() const;
    // The child window with this id (not its children's), or null.
    CWnd* GetDlgItem(int id) const;
    CWnd* GetWindow(UINT relation) const;
    std::vector<CWnd*> GetChildren() const;

    // --- Text ---------------------------------------------------------------
    void SetWindowText(const CString& text);
    CString GetWindowText() const;
    int GetWindowTextLength() const;
    void SetDlgItemText(int id, const CString& text);
    CString GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // --- Geometry -----------------------------------------------------------
    // Window rectangles are in screen coordinates; client rectangles start at 0,0.
    void GetWindowRect(RECT* rect) const;
    void GetClientRect(RECT* rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(const RECT& rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;
    void ScreenToClient(POINT* point) const;
    void ScreenToClient(RECT* rect) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);
    // Clips painting and input of the window to the region; the window keeps
    // a copy, the caller keeps its region object. Null removes the region.
    int SetWindowRgn(HRGN region, BOOL redraw);
    int GetWindowRgn(HRGN region) const;

    // --- Visibility, state, painting ------------------------------------------
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(const RECT* rect, BOOL erase = TRUE);
    // Paints pending invalid areas now.
    void UpdateWindow();
    BOOL RedrawWindow(const RECT* rect = nullptr, HRGN region = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    CWnd* SetFocus();
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    BOOL BringWindowToTop();
    // A DC on the client area (GetDC) or the whole window (GetWindowDC);
    // return it with ReleaseDC. Outside painting it measures but draws nothing
    // visible; draw in WM_PAINT / WM_NCPAINT, or Invalidate and UpdateWindow.
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // --- Timers, capture, scroll bars ---------------------------------------
    // WM_TIMER with the id arrives every elapse ms until KillTimer. Setting an
    // existing id restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void* unused = nullptr);
    BOOL KillTimer(UINT_PTR id);
    // Mouse input goes to this window until ReleaseCapture; the window that
    // loses the capture receives WM_CAPTURECHANGED (lParam: the new owner).
    CWnd* SetCapture();
    static CWnd* GetCapture();
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const;
    BOOL SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);

    // --- Dialogs --------------------------------------------------------------
    // Through the interaction provider (see interaction.h).
    int MessageBox(const CString& text, const CString& caption = {}, UINT type = MB_OK);

    BOOL IsWindow() const;
    // True while the CWnd routes its widget's events (Create or Subclass).
    bool IsSubclassed() const { return m_hook != nullptr; }

protected:
    friend class WindowHook;
    friend struct detail::WindowAccess;

    // Binds to the widget, creating the event hook when route is true.
    void AttachWidget(HWND hwnd, bool route, bool owns);
    void ReleaseWidget();
    // A message being handled. A message made from a Qt event keeps it, so
    // that Default() can let Qt process that event (once).
    struct PendingEvent {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        QObject* target;
        QEvent* event;
        bool defaulted;
        bool deferQt; // default handling is noted, Qt processes a later message
    };
    // Runs WindowProc for a message made from event (delivered to target).
    // defaulted tells whether default handling was asked for.
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam, QObject* target, QEvent* event,
                     bool* defaulted, bool deferQt = false);
    // The innermost unfinished event message of this window equal to message.
    PendingEvent* FindPendingEvent(UINT message, WPARAM wParam, LPARAM lParam);
    // Default WM_PAINT with a DC: the widget's own Qt painting into that DC.
    void RenderDefaultInto(CDC* dc);
    void FrameChanged();

private:
    struct CommandKey {
        UINT id;
        UINT code;
        bool operator==(const CommandKey&) const = default;
    };
    struct CommandKeyHash {
        size_t operator()(const CommandKey& k) const { return (size_t(k.id) << 32) ^ k.code; }
    };
    struct CommandRange {
        UINT first;
        UINT last;
        UINT code;
        std::function<void(UINT)> handler;
    };

    std::unique_ptr<WindowHook> m_hook;
    bool m_ownsWidget = false;
    bool m_wrapper = false; // made by FromHandle, owned by the framework
    std::unordered_map<UINT, MessageHandler> m_messageHandlers;
    std::unordered_map<CommandKey, CommandHandler, CommandKeyHash> m_commandHandlers;
    std::unordered_map<CommandKey, NotifyHandler, CommandKeyHash> m_notifyHandlers;
    std::vector<CommandRange> m_commandRanges;
    std::deque<PendingEvent> m_pendingEvents; // messages being handled, innermost last (stable addresses)
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

// --- Free functions over handles -------------------------------------------
// To a handle with a CWnd: its WindowProc. To a plain widget: a
// WindowMessageEvent sent (or posted) to it; the result is the event's result.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// True while the widget exists.
BOOL IsWindow(HWND hwnd);
HWND GetParent(HWND hwnd);
HWND GetDlgItem(HWND hwnd, int id);
HWND GetFocus();
HWND GetCapture();
BOOL ReleaseCapture();
// WM_NOTIFY from a window to its parent window, as controls send it: fills in
// the header's sender, id and code, and returns the parent's answer (0 when
// the window has no parent). header starts the record the code announces.
LRESULT NotifyParent(HWND from, UINT code, NMHDR* header);
// The same for the grid records of the host's contracts.
LRESULT NotifyParent(HWND from, UINT code, NMLISTVIEW* record);
LRESULT NotifyParent(HWND from, UINT code, NMITEMACTIVATE* record);
BOOL TrackMouseEvent(TRACKMOUSEEVENT* request);

} // namespace vesk
