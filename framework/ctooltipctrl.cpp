// Tooltips: tools by window and rectangle, shown through QToolTip.
#include "framework/ctooltipctrl.h"

#include "framework/control_classes.h"
#include "framework/qt_geometry.h"
#include "framework/window_internal.h"

#include <QCursor>
#include <QEvent>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include <optional>
#include <vector>

namespace vesk {

struct CToolTipCtrl::State {
    struct Tool {
        QPointer<QWidget> window;
        UINT_PTR id = 0;
        QString text;
        std::optional<QRect> rect;
    };
    std::vector<Tool> tools;
    bool active = true;
    int maxWidth = -1;
    int initialDelay = 500;
    QTimer timer;
    QPoint pending;
    QPointer<QWidget> pendingWindow;
    QString visible;

    Tool* Find(QWidget* window, UINT_PTR id)
    {
        for (Tool& tool : tools)
            if (tool.window == window && tool.id == id)
                return &tool;
        return nullptr;
    }
    // The tool under a point of a window (client coordinates).
    Tool* At(QWidget* window, const QPoint& local)
    {
        for (Tool& tool : tools)
            if (tool.window == window && (!tool.rect || tool.rect->contains(local)))
                return &tool;
        return nullptr;
    }
    QString Formatted(const QString& text) const
    {
        if (maxWidth <= 0)
            return text.toHtmlEscaped();
        return QStringLiteral("<p style='white-space:pre-wrap; max-width:%1px'>%2</p>").arg(maxWidth).arg(text.toHtmlEscaped());
    }
    void Show(QWidget* window, const QPoint& local)
    {
        Tool* tool = active && window ? At(window, local) : nullptr;
        if (!tool || tool->text.isEmpty()) {
            Hide();
            return;
        }
        visible = tool->text;
        QToolTip::showText(window->mapToGlobal(local), Formatted(tool->text), window,
                           tool->rect ? *tool->rect : window->rect());
    }
    void Hide()
    {
        timer.stop();
        if (!visible.isEmpty())
            QToolTip::hideText();
        visible.clear();
    }
};

namespace {

// Tool windows whose own tooltip requests the control answers.
class ToolFilter : public QObject {
public:
    explicit ToolFilter(CToolTipCtrl* control) : m_control(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        MSG msg;
        msg.hwnd = static_cast<QWidget*>(watched);
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MakePointLParam(help->pos().x(), help->pos().y());
        m_control->RelayEvent(&msg);
        return true;
    }

private:
    CToolTipCtrl* m_control;
};

QWidget* MakeToolTip(const WindowCreateParams& params)
{
    auto* widget = new detail::FrameworkWidget<QWidget>(params.parent);
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    return widget;
}

} // namespace

namespace detail {

WindowClass ToolTipClass() { return {"tooltips_class32", MakeToolTip, {}}; }

} // namespace detail

CToolTipCtrl::CToolTipCtrl() : m_state(std::make_unique<State>())
{
    m_state->timer.setSingleShot(true);
    QObject::connect(&m_state->timer, &QTimer::timeout, [this] {
        if (m_state->pendingWindow)
            m_state->Show(m_state->pendingWindow, m_state->pending);
    });
}

CToolTipCtrl::~CToolTipCtrl()
{
    m_state->Hide();
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CWnd::CreateEx(WS_EX_TOOLWINDOW, "tooltips_class32", nullptr, WS_POPUP | style, CRect(), parent, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const CString& text, const RECT* rect, UINT_PTR id)
{
    if (!wnd || !wnd->m_hWnd || m_state->Find(wnd->m_hWnd, id))
        return FALSE;
    State::Tool tool;
    tool.window = wnd->m_hWnd;
    tool.id = id;
    tool.text = QString::fromUtf8(text.c_str());
    if (rect && !CRect(*rect).IsRectEmpty())
        tool.rect = ToQRect(*rect);
    m_state->tools.push_back(tool);
    if (!m_hWnd)
        return TRUE;
    auto* filter = m_hWnd->findChild<QObject*>(QStringLiteral("vesk.toolfilter"));
    if (!filter) {
        filter = new ToolFilter(this);
        filter->setObjectName(QStringLiteral("vesk.toolfilter"));
        filter->setParent(m_hWnd);
    }
    detail::ClientOf(wnd->m_hWnd)->installEventFilter(filter);
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* wnd, UINT_PTR id)
{
    auto& tools = m_state->tools;
    std::erase_if(tools, [&](const State::Tool& t) { return !t.window || (wnd && t.window == wnd->m_hWnd && t.id == id); });
}

void CToolTipCtrl::UpdateTipText(const CString& text, CWnd* wnd, UINT_PTR id)
{
    if (State::Tool* tool = wnd ? m_state->Find(wnd->m_hWnd, id) : nullptr)
        tool->text = QString::fromUtf8(text.c_str());
}

CString CToolTipCtrl::GetText(CWnd* wnd, UINT_PTR id) const
{
    const State::Tool* tool = wnd ? m_state->Find(wnd->m_hWnd, id) : nullptr;
    return tool ? tool->text.toStdString() : CString();
}

int CToolTipCtrl::GetToolCount() const { return static_cast<int>(m_state->tools.size()); }

void CToolTipCtrl::Activate(BOOL activate)
{
    m_state->active = activate != FALSE;
    if (!m_state->active)
        m_state->Hide();
}

BOOL CToolTipCtrl::IsActive() const { return m_state->active; }

int CToolTipCtrl::SetMaxTipWidth(int width) { return std::exchange(m_state->maxWidth, width); }

void CToolTipCtrl::SetDelayTime(UINT which, int milliseconds)
{
    if (which == TTDT_INITIAL || which == TTDT_AUTOMATIC)
        m_state->initialDelay = std::max(0, milliseconds);
}

int CToolTipCtrl::GetDelayTime(UINT which) const { return which == TTDT_INITIAL ? m_state->initialDelay : 0; }

void CToolTipCtrl::RelayEvent(MSG* msg)
{
    if (!msg || !msg->hwnd)
        return;
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        QWidget* window = detail::WindowOf(msg->hwnd);
        const QPoint local(GET_X_LPARAM(msg->lParam), GET_Y_LPARAM(msg->lParam));
        State::Tool* tool = m_state->At(window, local);
        if (!tool) {
            m_state->Hide();
            return;
        }
        if (m_state->visible == tool->text)
            return;
        m_state->pendingWindow = window;
        m_state->pending = local;
        m_state->timer.start(m_state->initialDelay);
        return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MOUSELEAVE:
    case WM_KEYDOWN:
        m_state->Hide();
        return;
    default:
        return;
    }
}

CString CToolTipCtrl::VisibleText() const { return m_state->visible.toStdString(); }

LRESULT CToolTipCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case TTM_ACTIVATE:
        Activate(static_cast<BOOL>(wParam));
        return 0;
    case TTM_SETMAXTIPWIDTH:
        return SetMaxTipWidth(static_cast<int>(lParam));
    case TTM_SETDELAYTIME:
        SetDelayTime(static_cast<UINT>(wParam), LOWORD(static_cast<WPARAM>(lParam)));
        return 0;
    case TTM_GETTOOLCOUNT:
        return GetToolCount();
    case TTM_RELAYEVENT:
        RelayEvent(reinterpret_cast<MSG*>(lParam));
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

} // namespace vesk
