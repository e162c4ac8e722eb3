#pragma once
// The steps a picture run takes in the open feature before the picture, as
// the user would take them: a control clicked by its id, or a button or tab
// pressed by the text it shows.

#include <string>
#include <vector>

class QWidget;

namespace vesk::app {

// Clicks the first visible framework control with this id below root; false
// when there is none.
bool ClickControl(QWidget* root, int id);

// Presses the first visible button (a Qt button or a framework control)
// whose text is text, mnemonics ("&" and "(&X)") left out, or selects the
// tab of that text; failing those, triggers the menu command of that text
// (a trailing "..." may be left out); false when nothing below root has it.
bool PressByText(QWidget* root, const std::string& text);

// The visible top-level windows (windows, dialogs and tool windows; no popups).
std::vector<QWidget*> VisibleWindows();
// A visible top-level window that is not among before, or null: what the
// steps opened beside the main window.
QWidget* WindowOpenedSince(const std::vector<QWidget*>& before);

} // namespace vesk::app
