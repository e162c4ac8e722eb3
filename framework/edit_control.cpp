// The "Edit" window class: single-line over QLineEdit, multi-line over
// QPlainTextEdit, with the text limit and the edit messages.
#include "framework/cedit.h"

#include "framework/control_classes.h"
#include "framework/edit_selection.h"
#include "framework/edit_text.h"
#include "framework/edit_text_index.h"
#include "framework/quiet_change.h"
#include "framework/window_internal.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTextBlock>
#include <QValidator>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>

namespace vesk {

namespace {

using detail::CaretOffset;
using detail::EditTextIndex;
using detail::LineFromOffset;
using detail::LineLength;
using detail::LineStart;
using detail::PlainText;
using detail::Select;
using detail::Selection;

constexpr const char* kLimit = "vesk.limit";
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

// A change made by the program is not cut by the limit.
using detail::IsQuiet;
using detail::Quietly;

class LimitValidator : public QValidator {
public:
    explicit LimitValidator(QLineEdit* edit) : QValidator(edit), m_edit(edit) {}
    State validate(QString& input, int&) const override
    {
        // ES_NUMBER: digits only, typed or pasted (the program may set any text).
        if ((detail::StyleOf(m_edit) & ES_NUMBER)
            && std::any_of(input.cbegin(), input.cend(), [](QChar c) { return c < u'0' || c > u'9'; }))
            return Invalid;
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

// Typing or pasting past the limit keeps only what fits: the end of the
// insertion is cut, in one piece, reading only what was inserted.
void EnforceLimit(QPlainTextEdit* edit, int position, int added)
{
    const int limit = LimitOf(edit);
    if (IsQuiet(edit) || added <= 0 || limit == kNoLimit)
        return;
    const int excess = EditTextIndex::Of(edit).Length() - limit;
    if (excess <= 0)
        return;
    QTextCursor cursor(edit->document());
    const int end = std::min(position + added, edit->document()->characterCount() - 1);
    cursor.setPosition(position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QString inserted = cursor.selectedText();
    // A low surrogate counts no bytes, so a pair is never split.
    qsizetype cut = inserted.size();
    int removed = 0;
    while (cut > 0 && removed < excess)
        removed += RawUnitBytes(inserted, --cut);
    Quietly(edit, [&] {
        cursor.setPosition(position + static_cast<int>(cut));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    });
    // Made while the document tells of the insertion: the index hears of it here.
    EditTextIndex::Of(edit).Changed(position + static_cast<int>(cut), end - position - static_cast<int>(cut), 0);
    detail::NotifyCommand(edit, EN_MAXTEXT);
}

// Every scrolling of the text is told (EN_VSCROLL, EN_HSCROLL), the edit's
// own (keys, caret moves) included, so that bars drawn by window code can
// follow it. Qt moves its bar with the bar's signals blocked when the edit
// scrolls itself; the repaint the scrolling asks for is watched as well.
void TellScrolling(QPlainTextEdit* edit)
{
    auto told = std::make_shared<QPoint>();
    const auto tell = [edit, told] {
        const QPoint now(edit->horizontalScrollBar()->value(), edit->verticalScrollBar()->value());
        const QPoint before = std::exchange(*told, now);
        if (now.y() != before.y())
            detail::NotifyCommand(edit, EN_VSCROLL);
        if (now.x() != before.x())
            detail::NotifyCommand(edit, EN_HSCROLL);
    };
    QObject::connect(edit->verticalScrollBar(), &QScrollBar::valueChanged, edit, tell);
    QObject::connect(edit->horizontalScrollBar(), &QScrollBar::valueChanged, edit, tell);
    QObject::connect(edit, &QPlainTextEdit::updateRequest, edit, tell);
}

// The non-client border the style asks for, as wide as the system's (window
// code measures it and paints over it on WM_NCPAINT): a sunken client edge of
// 2 pixels, a plain 1-pixel border, or none.
void SetBorder(QPlainTextEdit* edit, const WindowCreateParams& params)
{
    if (params.exStyle & WS_EX_CLIENTEDGE) {
        edit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        edit->setLineWidth(2);
    } else if (params.style & WS_BORDER) {
        edit->setFrameStyle(QFrame::Box | QFrame::Plain);
        edit->setLineWidth(1);
    } else {
        edit->setFrameShape(QFrame::NoFrame);
    }
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
        SetBorder(edit, params);
        // The index follows the document's changes before the limit looks at them.
        EditTextIndex::Of(edit);
        QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                         [edit](int position, int, int added) { EnforceLimit(edit, position, added); });
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] { NotifyChange(edit); });
        TellScrolling(edit);
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
        Quietly(widget, [&] {
            if (line)
                line->setText(QString::fromUtf8(text.c_str()));
            else
                multi->setPlainText(FromEditText(text));
        });
        *result = TRUE;
        return true;
    }
    case WM_GETTEXT:
        if (line) {
            *result = detail::CopyTextOut(line->text().toStdString(), wParam, lParam);
        } else if (lParam && wParam > 0) {
            // One conversion, written straight into the caller's buffer.
            auto* out = reinterpret_cast<char*>(lParam);
            const size_t count = WriteEditText(multi->toPlainText().toUtf8(), out, wParam - 1);
            out[count] = '\0';
            *result = static_cast<LRESULT>(count);
        }
        return true;
    case WM_GETTEXTLENGTH:
        *result = detail::TextLength(widget);
        return true;
    case EM_APPENDTEXT: {
        const std::string text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        Quietly(widget, [&] { detail::AppendText(widget, FromEditText(text)); });
        *result = TRUE;
        return true;
    }
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

} // namespace vesk
