#include "app/window/screenshot_steps.h"

#include "framework/cwnd.h"
#include "framework/messages.h"
#include "framework/window_class.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QTabBar>
#include <QWidget>

#include <algorithm>

namespace vesk::app {
namespace {

QString WithoutMnemonic(QString text)
{
    static const QRegularExpression shortcut(QStringLiteral("\\(&.\\)"));
    text.remove(shortcut);
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

} // namespace

bool ClickControl(QWidget* root, int id)
{
    if (!root)
        return false;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        CWnd* control = CWnd::FromHandlePermanent(widget);
        if (control && widget->isVisible() && control->GetDlgCtrlID() == id) {
            SendMessage(widget, BM_CLICK);
            return true;
        }
    }
    return false;
}

bool PressByText(QWidget* root, const std::string& text)
{
    if (!root)
        return false;
    const QString wanted = QString::fromStdString(text);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (WithoutMnemonic(tabs->tabText(i)) == wanted) {
                    // As a click: the owner may refuse the change first.
                    emit tabs->tabBarClicked(i);
                    tabs->setCurrentIndex(i);
                    return true;
                }
            }
            continue;
        }
        // Framework controls first: a skinned button draws its own text.
        if (CWnd* control = CWnd::FromHandlePermanent(widget)) {
            const bool isButton = QString::fromStdString(WindowClassOf(widget)).compare(QLatin1String("Button"), Qt::CaseInsensitive) == 0;
            if (isButton && control->IsWindowEnabled() &&
                WithoutMnemonic(QString::fromStdString(control->GetWindowText())) == wanted) {
                SendMessage(widget, BM_CLICK);
                return true;
            }
            continue;
        }
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (button && button->isEnabled() && WithoutMnemonic(button->text()) == wanted) {
            button->click();
            return true;
        }
    }
    // Then the menus' commands, "..." optional.
    for (QAction* action : root->findChildren<QAction*>()) {
        QString shown = WithoutMnemonic(action->text());
        if (action->isEnabled() && !action->isSeparator() &&
            (shown == wanted || (shown.endsWith(QLatin1String("...")) && shown.chopped(3) == wanted))) {
            action->trigger();
            return true;
        }
    }
    return false;
}

std::vector<QWidget*> VisibleWindows()
{
    std::vector<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window->isVisible() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
            windows.push_back(window);
    }
    return windows;
}

QWidget* WindowOpenedSince(const std::vector<QWidget*>& before)
{
    for (QWidget* window : VisibleWindows()) {
        if (std::find(before.begin(), before.end(), window) == before.end())
            return window;
    }
    return nullptr;
}

} // namespace vesk::app
