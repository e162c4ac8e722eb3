#pragma once
// Keyboard focus a user can see in a feature window: a ring drawn around the
// control that has the focus (the style alone draws none for most controls
// here), and a Tab order that follows the layout, row by row, left to right.

class QWidget;

namespace vesk::features {

// Draws the ring around whichever control under window takes the focus, and
// orders Tab by the layout each time the window shows.
void ShowFocusRing(QWidget* window);

// Orders Tab through the visible controls under window that take it from
// the keyboard: top to bottom, and left to right within a row.
void OrderTabsByLayout(QWidget* window);

} // namespace vesk::features
