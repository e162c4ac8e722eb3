#pragma once
// A user's hands on the workbench inside the real host window: the host's
// own objects on a temporary folder, the module and its components loaded by
// the host, controls found by their ids and driven with real mouse and key
// events. Only dialogs are scripted.

#include "app/services/host_object.h"
#include "app/window/main_window.h"
#include "framework/scripted_interaction.h"
#include "tests/support/temp_folder.h"

#include <QString>

#include <memory>
#include <string>
#include <vector>

class QAbstractItemView;
class QTabBar;
class QToolButton;
class QWidget;

namespace vesk::test {

class SessionDriver {
public:
    SessionDriver();
    ~SessionDriver();

    app::HostObject& Host() { return *m_host; }
    app::MainWindow& Window() { return *m_window; }
    ScriptedInteraction& Script() { return m_script; }
    const std::string& Folder() const { return m_root.Path(); }

    // Quits the host window (the module closes every feature) and starts a
    // new one on the same folder, as a person starting the program again.
    void Restart();
    // Selects the tree item with that text (the workbench for 组号缩水).
    void Select(const QString& text);
    // The workbench window in the host's area, null when none is shown.
    QWidget* Workbench() const;
    QWidget* GroupingPanel() const;
    QWidget* LeftContainer() const;
    QWidget* RightContainer() const;
    QTabBar* LeftTabs() const;
    QTabBar* RightTabs() const;

    // The first control with id under root.
    static QWidget* Control(QWidget* root, int id);
    // The value toggle of the 和值 row on the condition page in front.
    static QToolButton* SumToggle(QWidget* root, int value);
    static CString TextOf(QWidget* control);
    // A left click in the middle of the widget, then the queued work.
    static void Click(QWidget* widget);
    static void ClickTab(QTabBar* tabs, int index);
    static void Settle();

    void ClickIn(QWidget* root, int id) { Click(Control(root, id)); }
    // Writes a picture of the host window to $VESK_SHOT_DIR/name.png when set.
    void SaveShot(const char* name) const;
    // The numbers of a grid of the result page, as its number column shows them.
    std::vector<std::string> GridNumbers(int gridId) const;

private:
    TempFolder m_root;
    ScriptedInteraction m_script;
    std::unique_ptr<app::HostObject> m_host;
    std::unique_ptr<app::MainWindow> m_window;
};

// Every three-digit number with digits from the given sets, ascending.
std::vector<std::string> NumbersOf(const std::vector<int>& hundreds, const std::vector<int>& tens,
                                   const std::vector<int>& units);

} // namespace vesk::test
