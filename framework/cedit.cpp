// Edits: single-line over QLineEdit, multi-line over QPlainTextEdit.
#include "framework/cedit.h"

#include "framework/control_classes.h"
#include "framework/edit_text.h"
#include "framework/window_internal.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QApplication>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextBlock>
#include <QValidator>

#include <limits>

namespace vesk {

namespace {

constexpr const char* kLimit = "vesk.limit";
constexpr const char* kQuiet = "vesk.quiet";
constexpr int kNoLimit = std::numeric_limits<int>::max() - 1;

// Scroll bars as wide as the system's (16 pixels), which window code measures.
class EditStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_ScrollBarExtent)
            return 16;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* SharedEditStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new EditStyle;
        style->setParent(qApp);
    }
    return style;
}

int LimitOf(const QWidget* widget)
{
    const QVariant v = widget->property(kLimit);
    return v.isValid() ? v.toInt() : kNoLimit;
}

bool Quiet(const QWidget* widget) { return widget->property(kQuiet).toBool(); }

// Runs a change made by the program: no limit check.
template <class F>
void Programmatic(QWidget* widget, F&& change)
{
    widget->setProperty(kQuiet, true);
    change();
    widget->setProperty(kQuiet, false);
}

class LimitValidator : public QValidator {
public:
    explicit LimitValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override
    {
        return EditLength(input) > LimitOf(m_edit) ? Invalid : Acceptable;
    }

private:
    QLineEdit* m_edit;
};

void NotifyChange(QWidget* widget)
{
    detail::NotifyCommand(widget, EN_UPDATE);
    detail::NotifyCommand(widget, EN_CHANGE);
}

// Typing or pasting past the limit keeps only what fits.
void EnforceLimit(QPlainTextEdit* edit, int position, int added)
{
    const int limit = LimitOf(edit);
    if (Quiet(edit) || added <= 0 || limit == kNoLimit)
        return;
    const QString text = edit->toPlainText();
    const int excess = EditLength(text) - limit;
    if (excess <= 0)
        return;
    // Drop characters from the end of the insertion until the text fits.
    int cut = position + added;
    int removed = 0;
    while (cut > position && removed < excess) {
        --cut;
        removed += EditOffsetFromPosition(text, cut + 1) - EditOffsetFromPosition(text, cut);
    }
    Programmatic(edit, [&] {
        QTextCursor cursor(edit->document());
        cursor.setPosition(cut);
        cursor.setPosition(position + added, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
    detail::NotifyCommand(edit, EN_MAXTEXT);
}

QWidget* MakeEdit(const WindowCreateParams& params)
{
    if (params.style & ES_MULTILINE) {
        auto* edit = new detail::FrameworkWidget<QPlainTextEdit>(params.parent);
        // The bars take their width from their own style, not the edit's.
        edit->setStyle(SharedEditStyle());
        edit->verticalScrollBar()->setStyle(SharedEditStyle());
        edit->horizontalScrollBar()->setStyle(SharedEditStyle());
        edit->setLineWrapMode((params.style & (ES_AUTOHSCROLL | WS_HSCROLL)) ? QPlainTextEdit::NoWrap
                                                                              : QPlainTextEdit::WidgetWidth);
        edit->setVerticalScrollBarPolicy((params.style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy((params.style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        edit->setReadOnly(params.style & ES_READONLY);
        edit->setTabChangesFocus(true);
        if (!(params.style & WS_BORDER) && !(params.exStyle & WS_EX_CLIENTEDGE))
            edit->setFrameShape(QFrame::NoFrame);
        QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                         [edit](int position, int, int added) { EnforceLimit(edit, position, added); });
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] { NotifyChange(edit); });
        return edit;
    }
    auto* edit = new detail::FrameworkWidget<QLineEdit>(params.parent);
    edit->setReadOnly(params.style & ES_READONLY);
    if (params.style & ES_PASSWORD)
        edit->setEchoMode(QLineEdit::Password);
    if (params.style & ES_CENTER)
        edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    else if (params.style & ES_RIGHT)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (!(params.style & WS_BORDER) && !(params.exStyle & WS_EX_CLIENTEDGE))
        edit->setFrame(false);
    edit->setValidator(new LimitValidator(edit));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { NotifyChange(edit); });
    return edit;
}

// --- Text and selection, whichever widget holds the text ---------------------------

QString PlainText(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return line->text();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        return multi->toPlainText();
    return {};
}

void Select(QWidget* widget, int start, int end)
{
    const QString text = PlainText(widget);
    const int length = static_cast<int>(text.size());
    int anchor = 0;
    int position = 0;
    if (start == -1) {
        // Removes the selection, keeping the caret.
        if (auto* line = qobject_cast<QLineEdit*>(widget))
            line->deselect();
        if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
            QTextCursor cursor = multi->textCursor();
            cursor.clearSelection();
            multi->setTextCursor(cursor);
        }
        return;
    }
    anchor = PositionFromEditOffset(text, start);
    position = end < 0 ? length : PositionFromEditOffset(text, end);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setCursorPosition(anchor);
        line->cursorForward(true, position - anchor);
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        QTextCursor cursor = multi->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        // Setting the cursor would scroll to it; the caller scrolls with EM_SCROLLCARET.
        const int v = multi->verticalScrollBar()->value();
        const int h = multi->horizontalScrollBar()->value();
        multi->setTextCursor(cursor);
        multi->verticalScrollBar()->setValue(v);
        multi->horizontalScrollBar()->setValue(h);
    }
}

std::pair<int, int> Selection(QWidget* widget)
{
    const QString text = PlainText(widget);
    int anchor = 0;
    int position = 0;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        position = line->cursorPosition();
        anchor = line->hasSelectedText() ? (line->selectionStart() == position ? line->selectionEnd() : line->selectionStart())
                                         : position;
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        anchor = multi->textCursor().anchor();
        position = multi->textCursor().position();
    }
    const int a = EditOffsetFromPosition(text, std::min(anchor, position));
    const int b = EditOffsetFromPosition(text, std::max(anchor, position));
    return {a, b};
}

int CaretOffset(QWidget* widget)
{
    const QString text = PlainText(widget);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return EditOffsetFromPosition(text, line->cursorPosition());
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        return EditOffsetFromPosition(text, multi->textCursor().position());
    return 0;
}

int LineFromOffset(QWidget* widget, int offset)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!multi)
        return 0;
    const QString text = PlainText(widget);
    const int position = PositionFromEditOffset(text, offset < 0 ? CaretOffset(widget) : offset);
    return multi->document()->findBlock(position).blockNumber();
}

int LineStart(QWidget* widget, int line)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!multi)
        return line <= 0 ? 0 : -1;
    if (line < 0)
        line = LineFromOffset(widget, -1);
    const QTextBlock block = multi->document()->findBlockByNumber(line);
    if (!block.isValid())
        return -1;
    return EditOffsetFromPosition(multi->toPlainText(), block.position());
}

int LineLength(QWidget* widget, int offset)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!multi)
        return EditLength(PlainText(widget));
    const QString text = multi->toPlainText();
    const QTextBlock block = multi->document()->findBlock(PositionFromEditOffset(text, offset < 0 ? CaretOffset(widget) : offset));
    return block.isValid() ? EditLength(block.text()) : 0;
}

void ScrollBy(QScrollBar* bar, UINT code, WPARAM wParam)
{
    switch (code) {
    case SB_LINEUP: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case SB_LINEDOWN: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case SB_PAGEUP: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case SB_PAGEDOWN: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: bar->setValue(static_cast<std::int16_t>(HIWORD(wParam))); break;
    case SB_TOP: bar->setValue(bar->minimum()); break;
    case SB_BOTTOM: bar->setValue(bar->maximum()); break;
    default: break;
    }
}

bool EditProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* line = qobject_cast<QLineEdit*>(widget);
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!line && !multi)
        return false;
    *result = 0;
    switch (message) {
    case WM_SETTEXT: {
        const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        Programmatic(widget, [&] {
            if (line)
                line->setText(QString::fromUtf8(text.c_str()));
            else
                multi->setPlainText(FromEditText(text));
        });
        *result = TRUE;
        return true;
    }
    case WM_GETTEXT:
        *result = detail::CopyTextOut(ToEditText(PlainText(widget)), wParam, lParam);
        return true;
    case WM_GETTEXTLENGTH:
        *result = EditLength(PlainText(widget));
        return true;
    case EM_SETSEL:
        Select(widget, static_cast<int>(static_cast<LPARAM>(wParam)), static_cast<int>(lParam));
        return true;
    case EM_GETSEL: {
        const auto [start, end] = Selection(widget);
        if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(start);
        if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(end);
        *result = static_cast<LRESULT>(MAKELONG(static_cast<WORD>(start), static_cast<WORD>(end)));
        return true;
    }
    case EM_SCROLLCARET:
        if (multi)
            multi->ensureCursorVisible();
        *result = TRUE;
        return true;
    case EM_REPLACESEL: {
        const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (line)
            line->insert(QString::fromUtf8(text.c_str()));
        else
            multi->insertPlainText(FromEditText(text));
        return true;
    }
    case EM_LIMITTEXT:
        widget->setProperty(kLimit, wParam == 0 ? kNoLimit : static_cast<int>(std::min<WPARAM>(wParam, kNoLimit)));
        return true;
    case EM_GETLIMITTEXT:
        *result = LimitOf(widget);
        return true;
    case EM_GETLINECOUNT:
        *result = multi ? multi->document()->blockCount() : 1;
        return true;
    case EM_LINEINDEX:
        *result = LineStart(widget, static_cast<int>(static_cast<LPARAM>(wParam)));
        return true;
    case EM_LINELENGTH:
        *result = LineLength(widget, static_cast<int>(static_cast<LPARAM>(wParam)));
        return true;
    case EM_LINEFROMCHAR:
        *result = LineFromOffset(widget, static_cast<int>(static_cast<LPARAM>(wParam)));
        return true;
    case EM_GETFIRSTVISIBLELINE:
        *result = multi ? multi->verticalScrollBar()->value() : 0;
        return true;
    case EM_LINESCROLL:
        if (multi) {
            multi->horizontalScrollBar()->setValue(multi->horizontalScrollBar()->value() + static_cast<int>(static_cast<LPARAM>(wParam)));
            multi->verticalScrollBar()->setValue(multi->verticalScrollBar()->value() + static_cast<int>(lParam));
        }
        *result = TRUE;
        return true;
    case EM_SETREADONLY:
        if (line) line->setReadOnly(wParam != 0);
        if (multi) multi->setReadOnly(wParam != 0);
        *result = TRUE;
        return true;
    case EM_GETMODIFY:
        *result = line ? line->isModified() : multi->document()->isModified();
        return true;
    case EM_SETMODIFY:
        if (line) line->setModified(wParam != 0);
        else multi->document()->setModified(wParam != 0);
        return true;
    case EM_CANUNDO:
        *result = line ? line->isUndoAvailable() : multi->document()->isUndoAvailable();
        return true;
    case EM_UNDO:
    case WM_UNDO:
        if (line) line->undo();
        else multi->undo();
        *result = TRUE;
        return true;
    case WM_CUT:
        if (line) line->cut();
        else multi->cut();
        return true;
    case WM_COPY:
        if (line) line->copy();
        else multi->copy();
        return true;
    case WM_PASTE:
        if (line) line->paste();
        else multi->paste();
        return true;
    case WM_CLEAR:
        if (line) line->del();
        else multi->textCursor().removeSelectedText();
        return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (!multi || lParam != 0)
            return false;
        ScrollBy(message == WM_VSCROLL ? multi->verticalScrollBar() : multi->horizontalScrollBar(), LOWORD(wParam), wParam);
        return true;
    case WM_STYLECHANGED:
        if (line) line->setReadOnly(detail::StyleOf(widget) & ES_READONLY);
        if (multi) multi->setReadOnly(detail::StyleOf(widget) & ES_READONLY);
        return true;
    default:
        return false;
    }
}

} // namespace

namespace detail {

WindowClass EditClass() { return {"Edit", MakeEdit, EditProc}; }

} // namespace detail

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Edit", nullptr, style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD s = 0;
    DWORD e = 0;
    const_cast<CEdit*>(this)->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void CEdit::ReplaceSel(const CString& text, BOOL canUndo)
{
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::SetLimitText(UINT maxBytes) { SendMessage(EM_LIMITTEXT, maxBytes); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(const_cast<CEdit*>(this)->SendMessage(EM_GETLIMITTEXT)); }
int CEdit::GetLineCount() const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_GETLINECOUNT)); }
int CEdit::LineIndex(int line) const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line))); }
int CEdit::LineLength(int offset) const
{
    return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINELENGTH, static_cast<WPARAM>(offset)));
}
int CEdit::LineFromChar(int offset) const
{
    return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(offset)));
}
int CEdit::GetFirstVisibleLine() const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_GETFIRSTVISIBLELINE)); }
void CEdit::LineScroll(int lines, int chars) { SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly))); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(const_cast<CEdit*>(this)->SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(modified)); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(const_cast<CEdit*>(this)->SendMessage(EM_CANUNDO)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }

} // namespace vesk
