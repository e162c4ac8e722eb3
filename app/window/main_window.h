#pragma once
// The host's main window: the navigation tree on the left, the feature area
// on the right, the host's settings in the menu and a status bar. It runs the
// module through a ModuleSession: tree selections open features, a feature's
// close request closes it, a change of host variant rebuilds the tree.
//
// Ownership: borrows the host object, which must outlive the window. The
// module is released when the window closes or is destroyed.

#include "app/services/host_object.h"
#include "app/session/module_session.h"
#include "framework/cimagelist.h"
#include "framework/ctreectrl.h"
#include "framework/pre_translate.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QLabel;

namespace vesk::app {

class DrawHistoryActions;
class FeatureArea;

class MainWindow final : public QMainWindow {
public:
    explicit MainWindow(HostObject& host, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Loads the module, fills the tree and starts offering input to the
    // module; false (and a status message) when the module cannot be loaded.
    bool StartModule();
    // Selects the first tree item with this code, which opens its feature;
    // false when the tree has no such item.
    bool OpenByCode(std::uint32_t code);
    // Opens the workbench (selecting its tree item) and answers its window,
    // 0 when the tree has none or it did not open.
    WindowHandle OpenWorkbench();
    // The workbench's window once it was made (the module keeps it while
    // other features are open), else 0; opens nothing.
    WindowHandle ExistingWorkbench() const;

    CTreeCtrl& Tree() { return m_tree; }
    FeatureArea* Area() const { return m_area; }
    ModuleSession& Session() { return *m_session; }
    QAction* KeepConditionsAction() const { return m_keepConditions; }
    QAction* ShortTreeAction() const { return m_shortTree; }
    QAction* ReloadDrawsAction() const { return m_reloadDraws; }
    QAction* ImportDrawsAction() const { return m_importDraws; }
    QAction* EnterDrawAction() const { return m_enterDraw; }
    DrawHistoryActions& DrawActions() const { return *m_drawActions; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void OnTreeSelection(TreeItem item);
    // The highlighted item was clicked or entered: its feature comes back if
    // it is not the one shown.
    void OnTreeActivation(TreeItem item);
    void OnFeatureClose(std::int32_t code);
    void OnShortTreeToggled(bool on);
    void ReloadDraws();
    // The history the omissions and the open feature now use.
    void ApplyDraws(std::optional<DrawHistory> history, const QString& status);
    void ShowStatus(const QString& text);
    // Asks every feature whether the program may end (unsaved work is
    // offered for saving first); false keeps it open.
    bool FeaturesLetQuit();
    // The status once the module runs: ready, or why the catalogue did not load.
    QString ReadyStatus() const;

    HostObject& m_host;
    CImageList m_images; // before the tree, which borrows it
    CTreeCtrl m_tree;
    FeatureArea* m_area = nullptr;
    QLabel* m_status = nullptr;
    QAction* m_keepConditions = nullptr;
    QAction* m_shortTree = nullptr;
    QAction* m_reloadDraws = nullptr;
    QAction* m_importDraws = nullptr;
    QAction* m_enterDraw = nullptr;
    DrawHistoryActions* m_drawActions = nullptr; // a child of the window
    std::unique_ptr<ModuleSession> m_session;
    // Input goes to the module's pre-translation first; what it consumes is dropped.
    std::unique_ptr<PreTranslateFilter> m_preTranslate;
    std::uint32_t m_openCode = 0;  // the feature the last selection opened
    WindowHandle m_openWindow = 0; // and its window
    TreeItem m_openItem = 0;        // the item that opened it
    QPointer<QWidget> m_openWidget; // gone when the feature was released
    QPointer<QWidget> m_workbench; // the workbench's window, once opened
    bool m_fillingTree = false; // selections made while the module fills the tree open nothing
};

} // namespace vesk::app
