#include "tests/workbench/session_driver.h"

#include "app/window/feature_area.h"
#include "framework/module_context.h"
#include "framework/cwnd.h"
#include "tests/support/build_folders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

namespace vesk::test {

namespace {

// The tab bar under root whose first tab reads first.
QTabBar* TabsStartingWith(QWidget* root, const QString& first)
{
    if (!root)
        return nullptr;
    for (QTabBar* tabs : root->findChildren<QTabBar*>())
        if (tabs->count() > 0 && tabs->tabText(0) == first)
            return tabs;
    return nullptr;
}

} // namespace

SessionDriver::SessionDriver()
{
    SetResourceFolder(BuildFolder());
    m_host = std::make_unique<app::HostObject>(app::HostConfig{app::HostPaths::UnderRoot(m_root.Path()),
                                                               BuildFolder() + "plugins/",
                                                               BuildFolder() + "data/S3Cdt.dat"});
    Restart();
}

QToolButton* SessionDriver::SumToggle(QWidget* root, int value)
{
    for (QCheckBox* box : root->findChildren<QCheckBox*>()) {
        if (box->text() != QStringLiteral("和值") || !box->isVisibleTo(root))
            continue;
        QWidget* row = box->parentWidget()->parentWidget();
        for (QToolButton* toggle : row->findChildren<QToolButton*>())
            if (toggle->text() == QString::number(value))
                return toggle;
    }
    return nullptr;
}

void SessionDriver::Restart()
{
    m_window.reset();
    m_window = std::make_unique<app::MainWindow>(*m_host);
    m_window->resize(1100, 700);
    m_window->show();
    m_window->StartModule();
    Settle();
}

SessionDriver::~SessionDriver()
{
    m_window.reset();
    m_host.reset();
}

void SessionDriver::Select(const QString& text)
{
    QTreeWidget* tree = m_window->Tree().GetTreeWidget();
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    if (found.isEmpty())
        return;
    tree->setCurrentItem(found.front());
    Settle();
}

QWidget* SessionDriver::Workbench() const
{
    for (QWidget* child : m_window->Area()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && TabsStartingWith(child, QStringLiteral(" 固定条件 ")))
            return child;
    return nullptr;
}

QTabBar* SessionDriver::LeftTabs() const { return TabsStartingWith(Workbench(), QStringLiteral(" 固定条件 ")); }
QTabBar* SessionDriver::RightTabs() const { return TabsStartingWith(Workbench(), QStringLiteral("  缩水器  ")); }
QWidget* SessionDriver::LeftContainer() const { return LeftTabs() ? LeftTabs()->parentWidget() : nullptr; }
QWidget* SessionDriver::RightContainer() const { return RightTabs() ? RightTabs()->parentWidget() : nullptr; }

QWidget* SessionDriver::GroupingPanel() const
{
    // The pane that holds 组号.
    QWidget* generate = Control(Workbench(), 7512);
    return generate ? generate->parentWidget() : nullptr;
}

QWidget* SessionDriver::Control(QWidget* root, int id)
{
    if (!root)
        return nullptr;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        CWnd* wnd = CWnd::FromHandle(widget);
        if (wnd && wnd->GetDlgCtrlID() == id)
            return widget;
    }
    return nullptr;
}

CString SessionDriver::TextOf(QWidget* control)
{
    CWnd* wnd = control ? CWnd::FromHandle(control) : nullptr;
    return wnd ? wnd->GetWindowText() : CString();
}

void SessionDriver::Click(QWidget* widget)
{
    if (!widget)
        return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
}

void SessionDriver::ClickTab(QTabBar* tabs, int index)
{
    if (!tabs)
        return;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
    Settle();
}

void SessionDriver::Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void SessionDriver::SaveShot(const char* name) const
{
    const char* folder = std::getenv("VESK_SHOT_DIR");
    if (folder)
        m_window->grab().save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
}

std::vector<std::string> SessionDriver::GridNumbers(int gridId) const
{
    std::vector<std::string> rows;
    QWidget* grid = Control(RightContainer(), gridId);
    auto* view = grid ? grid->findChild<QAbstractItemView*>() : nullptr;
    if (!view)
        return rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows.push_back(view->model()->index(row, 1).data().toString().toStdString());
    return rows;
}

std::vector<std::string> NumbersOf(const std::vector<int>& hundreds, const std::vector<int>& tens,
                                   const std::vector<int>& units)
{
    std::vector<std::string> numbers;
    for (int h : hundreds)
        for (int t : tens)
            for (int u : units) {
                char text[4];
                std::snprintf(text, sizeof text, "%d%d%d", h, t, u);
                numbers.emplace_back(text);
            }
    return numbers;
}

} // namespace vesk::test
