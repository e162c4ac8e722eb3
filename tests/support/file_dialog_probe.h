#pragma once
// Drives Qt's widget file dialog the way a careless user would: selects a
// folder shown in it, presses Delete and answers yes to whatever it asks.

#include <QString>

class QFileDialog;

namespace vesk::test {

struct DeleteAttempt {
    bool shown = false;    // the folder appeared in the dialog and was selected
    bool pressed = false;  // Delete went to the dialog's file view
    bool answered = false; // a question came up and was answered yes
};

// dialog must be a widget dialog already up and showing folder's parent;
// name is the folder's name there. Leaves the dialog open.
DeleteAttempt PressDeleteOnFolder(QFileDialog& dialog, const QString& name);

} // namespace vesk::test
