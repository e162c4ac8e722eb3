// CDialog: dialogs made from templates, modeless and modal.
#include "framework/cdialog.h"

#include "framework/gdi_objects.h"
#include "framework/interaction.h"
#include "framework/module_context.h"
#include "framework/qt_geometry.h"
#include "framework/system_api.h"
#include "framework/window_class.h"
#include "framework/window_default.h"
#include "framework/window_internal.h"

#include <QComboBox>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace vesk {

namespace {

// A control of the template as a real widget inside the dialog's client.
QWidget* CreateControl(QWidget* client, const DialogControl& control, const DialogUnits& units, HFONT font)
{
    const WindowClass* windowClass = FindWindowClass(control.windowClass);
    if (!windowClass)
        return nullptr;
    WindowCreateParams params;
    params.parent = client;
    params.style = control.style | WS_CHILD;
    params.exStyle = control.exStyle;
    params.text = control.text;
    QWidget* widget = detail::MakeWidget(*windowClass, params);
    if (!widget)
        return nullptr;
    detail::StoreStyle(widget, params.style);
    detail::StoreExStyle(widget, control.exStyle);
    detail::StoreId(widget, control.id);
    CRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // A combo box's template height is that of its dropped list.
        rect.bottom = rect.top + std::min(rect.Height(), combo->sizeHint().height());
    }
    detail::ApplyGeometry(widget, ToQRect(rect));
    CWnd* wnd = CWnd::FromHandle(widget);
    wnd->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!control.text.empty())
        wnd->SetWindowText(control.text);
    if (control.style & WS_DISABLED)
        widget->setEnabled(false);
    // The first control of a template lies on top, as the system stacks them.
    widget->lower();
    widget->setVisible(!control.hidden);
    return widget;
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog()
{
    // While this is still a CDialog, so that its handlers see WM_DESTROY.
    if (m_hWnd && IsSubclassed())
        DestroyWindow();
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    m_parent = parent;
    const DialogTemplate* dialog = CurrentModuleContext().Templates().Find(templateId);
    if (!dialog)
        return FALSE;
    return CreateFromTemplate(*dialog, parent, false);
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent, bool modal)
{
    InstallFontSubstitutions();
    m_font = std::make_unique<CFont>();
    m_font->CreateFromQFont(DialogFont(dialog));
    m_units = DialogUnits::ForFont(m_font->GetQFont());
    DWORD style = dialog.style;
    if (modal)
        style = (style & ~WS_CHILD) | WS_POPUP;
    const bool child = (style & WS_CHILD) != 0;
    CRect rect = m_units.ToPixels(dialog.x, dialog.y, dialog.cx, dialog.cy);
    if (!child) {
        const QRect insets = detail::FrameInsets(style);
        rect.InflateRect(insets.left(), insets.top(), insets.width(), insets.height());
        rect.OffsetRect(insets.left(), insets.top());
        if (parent && parent->m_hWnd) {
            CPoint origin;
            parent->ClientToScreen(&origin);
            rect.OffsetRect(origin.x, origin.y);
        }
    }
    if (!CreateEx(dialog.exStyle, "#32770", dialog.caption.c_str(), style & ~WS_VISIBLE, rect, parent, 0))
        return FALSE;
    // Qt takes the modality only from a window not yet shown; set later, the
    // windows beneath would stay open to input while the dialog's loop runs.
    if (modal)
        m_hWnd->setWindowModality(Qt::ApplicationModal);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(*m_font)), FALSE);
    for (const DialogControl& control : dialog.controls)
        CreateControl(ClientWidget(), control, m_units, *m_font);
    const LRESULT focusFirst = SendMessage(WM_INITDIALOG, 0, 0);
    if (!m_hWnd)
        return FALSE;
    if (!child && (modal || (style & DS_CENTER)))
        CenterWindow();
    if (modal || (dialog.style & WS_VISIBLE))
        m_hWnd->show();
    if (focusFirst)
        NextDlgCtrl();
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    const DialogTemplate* dialog = CurrentModuleContext().Templates().Find(m_templateId);
    if (!dialog || m_hWnd)
        return -1;
    m_result = IDCANCEL;
    m_ended = false;
    if (!CreateFromTemplate(*dialog, m_parent, true))
        return -1;
    m_hWnd->show();
    QEventLoop loop;
    m_loop = &loop;
    Interaction().ModalDialogStarted(*this);
    if (!m_ended && m_hWnd)
        loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    // The loop is over, so none of the dialog's events is being delivered: the
    // window goes now, not later. Left to a later deletion, its tree would
    // outlive the caller's next step, which may unload the library whose
    // code the dialog's widgets run.
    const QPointer<QWidget> window = m_hWnd;
    if (m_hWnd)
        DestroyWindow();
    delete window.data();
    return m_result;
}

void CDialog::EndDialog(int result)
{
    m_result = result;
    m_ended = true;
    if (m_loop)
        m_loop->exit(result);
    else if (m_hWnd)
        m_hWnd->hide();
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::MapDialogRect(RECT* rect) const
{
    if (!rect)
        return;
    *rect = m_units.ToPixels(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
}

CWnd* CDialog::GetNextDlgTabItem(CWnd* control, BOOL previous) const
{
    QWidget* start = control && control->m_hWnd ? control->m_hWnd : ClientWidget();
    if (!start)
        return nullptr;
    QWidget* w = start;
    do {
        w = previous ? w->previousInFocusChain() : w->nextInFocusChain();
        if (w && w != start && ClientWidget()->isAncestorOf(w) && w->isEnabled() && w->isVisible()
            && w->focusPolicy() & Qt::TabFocus)
            return FromHandle(detail::WindowOf(w));
    } while (w && w != start);
    return nullptr;
}

void CDialog::NextDlgCtrl() const
{
    if (CWnd* next = GetNextDlgTabItem(nullptr))
        next->SetFocus();
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDOK) {
            OnOK();
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return 0;
        }
        break;
    case WM_CLOSE:
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    default:
        break;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    // Dialog keys belong to the top-level dialog; a child dialog (a page)
    // leaves them to the dialog it sits in.
    if (!msg || msg->message != WM_KEYDOWN || !m_hWnd || !m_hWnd->isWindow())
        return FALSE;
    if (msg->wParam == static_cast<WPARAM>(VK_ESCAPE)) {
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    }
    if (msg->wParam == static_cast<WPARAM>(VK_RETURN)) {
        const QString focusClass = QString::fromStdString(WindowClassOf(msg->hwnd));
        if ((detail::StyleOf(msg->hwnd) & ES_MULTILINE) && focusClass.compare(QLatin1String("Edit"), Qt::CaseInsensitive) == 0)
            return FALSE;
        if (focusClass.compare(QLatin1String("Button"), Qt::CaseInsensitive) == 0 && msg->hwnd != m_hWnd) {
            NotifyButton(msg->hwnd);
            return TRUE;
        }
        HWND ok = vesk::GetDlgItem(m_hWnd, IDOK);
        // A disabled OK button means the dialog cannot be accepted yet.
        if (!ok || ok->isEnabled())
            SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
        return TRUE;
    }
    return FALSE;
}

void CDialog::NotifyButton(HWND button)
{
    SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(detail::IdOf(button)), BN_CLICKED),
                reinterpret_cast<LPARAM>(button));
}

} // namespace vesk
