// The text, selection and lines of edit widgets in edit-text offsets.
#include "framework/edit_selection.h"

#include "framework/edit_text.h"
#include "framework/edit_text_index.h"

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

int TextLength(QWidget* widget)
{
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        return EditTextIndex::Of(multi).Length();
    return EditLength(PlainText(widget));
}

namespace {

// Setting the cursor would scroll to it.
void SetCursorKeepingView(QPlainTextEdit* multi, int anchor, int position)
{
    QTextCursor cursor = multi->textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    const int v = multi->verticalScrollBar()->value();
    const int h = multi->horizontalScrollBar()->value();
    multi->setTextCursor(cursor);
    multi->verticalScrollBar()->setValue(v);
    multi->horizontalScrollBar()->setValue(h);
}

} // namespace

void Select(QWidget* widget, int start, int end)
{
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
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const QString text = line->text();
        const int anchor = PositionFromEditOffset(text, start);
        const int position = end < 0 ? static_cast<int>(text.size()) : PositionFromEditOffset(text, end);
        line->setCursorPosition(anchor);
        line->cursorForward(true, position - anchor);
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        const EditTextIndex& index = EditTextIndex::Of(multi);
        // The caller scrolls with EM_SCROLLCARET.
        SetCursorKeepingView(multi, index.PositionOf(start),
                             end < 0 ? multi->document()->characterCount() - 1 : index.PositionOf(end));
    }
}

std::pair<int, int> Selection(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        const QString text = line->text();
        const int position = line->cursorPosition();
        const int anchor = line->hasSelectedText()
                               ? (line->selectionStart() == position ? line->selectionEnd() : line->selectionStart())
                               : position;
        return {EditOffsetFromPosition(text, std::min(anchor, position)), EditOffsetFromPosition(text, std::max(anchor, position))};
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        const EditTextIndex& index = EditTextIndex::Of(multi);
        const QTextCursor cursor = multi->textCursor();
        return {index.OffsetOf(cursor.selectionStart()), index.OffsetOf(cursor.selectionEnd())};
    }
    return {0, 0};
}

int CaretOffset(QWidget* widget)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return EditOffsetFromPosition(line->text(), line->cursorPosition());
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget))
        return EditTextIndex::Of(multi).OffsetOf(multi->textCursor().position());
    return 0;
}

namespace {

// The line holding offset (-1: the caret's).
QTextBlock BlockAt(QPlainTextEdit* multi, int offset)
{
    const int position = offset < 0 ? multi->textCursor().position() : EditTextIndex::Of(multi).PositionOf(offset);
    return multi->document()->findBlock(position);
}

} // namespace

int LineFromOffset(QWidget* widget, int offset)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    return multi ? BlockAt(multi, offset).blockNumber() : 0;
}

int LineStart(QWidget* widget, int line)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!multi)
        return line <= 0 ? 0 : -1;
    const QTextBlock block = line < 0 ? BlockAt(multi, -1) : multi->document()->findBlockByNumber(line);
    if (!block.isValid())
        return -1;
    return EditTextIndex::Of(multi).OffsetOf(block.position());
}

int LineLength(QWidget* widget, int offset)
{
    auto* multi = qobject_cast<QPlainTextEdit*>(widget);
    if (!multi)
        return EditLength(PlainText(widget));
    const QTextBlock block = BlockAt(multi, offset);
    return block.isValid() ? RawEditLength(block.text()) : 0;
}

void AppendText(QWidget* widget, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(line->text() + text);
        return;
    }
    if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
        // A cursor of its own, so the view stays; a caret at the end would
        // still move with the insertion and is put back.
        const int anchor = multi->textCursor().anchor();
        const int position = multi->textCursor().position();
        QTextCursor end(multi->document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
        const QTextCursor moved = multi->textCursor();
        if (moved.anchor() != anchor || moved.position() != position)
            SetCursorKeepingView(multi, anchor, position);
    }
}

} // namespace vesk::detail
