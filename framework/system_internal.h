#pragma once
// Internal to the framework: input state seen in events, and capture.

#include <QPoint>
#include <Qt>

class QWidget;

namespace vesk::detail {

void NoteCursor(const QPoint& global);
void NoteButtons(Qt::MouseButtons buttons);
void NoteModifiers(Qt::KeyboardModifiers modifiers);
// Qt took the mouse grab away from window (a popup opened): it loses capture.
void CaptureTakenAway(QWidget* window);

} // namespace vesk::detail
