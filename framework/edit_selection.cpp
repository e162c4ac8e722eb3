// The text, selection and lines of edit widgets in edit-text offsets.
#include "framework/edit_selection.h"

#include "framework/edit_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace vesk::detail {

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


} // namespace vesk::detail
