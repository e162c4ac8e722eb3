#pragma once
// Internal to the framework: the text, selection and lines of an edit's
// widget (QLineEdit or QPlainTextEdit), in the edit text's byte offsets.

#include <QString>

#include <utility>

class QWidget;

namespace vesk::detail {

QString PlainText(QWidget* widget);
// Bytes of the edit text; for a multi-line edit without reading the text.
int TextLength(QWidget* widget);
// start -1 removes the selection; end -1 selects to the end.
void Select(QWidget* widget, int start, int end);
// The selection as (start, end) offsets, start <= end.
std::pair<int, int> Selection(QWidget* widget);
int CaretOffset(QWidget* widget);
// -1: the caret's line or offset.
int LineFromOffset(QWidget* widget, int offset);
int LineStart(QWidget* widget, int line);
int LineLength(QWidget* widget, int offset);
// Adds text at the end, leaving the caret, selection and scrolling alone.
void AppendText(QWidget* widget, const QString& text);

} // namespace vesk::detail
