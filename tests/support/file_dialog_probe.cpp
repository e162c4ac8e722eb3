#include "tests/support/file_dialog_probe.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

namespace vesk::test {

namespace {

// The index of path in view's model, which may be a proxy of the dialog's
// file system model.
QModelIndex ViewIndexOf(QAbstractItemView& view, QFileSystemModel& files, const QString& path)
{
    const QModelIndex source = files.index(path);
    if (!source.isValid())
        return {};
    if (auto* proxy = qobject_cast<QAbstractProxyModel*>(view.model()))
        return proxy->mapFromSource(source);
    return view.model() == &files ? source : QModelIndex{};
}

} // namespace

DeleteAttempt PressDeleteOnFolder(QFileDialog& dialog, const QString& name)
{
    DeleteAttempt attempt;
    auto* files = dialog.findChild<QFileSystemModel*>();
    auto* view = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (!files || !view)
        return attempt;
    const QString path = dialog.directory().absoluteFilePath(name);
    // The model lists the folder from a thread of its own.
    QModelIndex index;
    const bool listed = QTest::qWaitFor([&] {
        index = ViewIndexOf(*view, *files, path);
        return index.isValid() && files->index(path).isValid() && view->visualRect(index).isValid();
    }, 3000);
    if (!listed || !index.isValid())
        return attempt;
    // The dialog's Delete is a shortcut of its window: only an active window gets it.
    dialog.activateWindow();
    if (!QTest::qWaitForWindowActive(&dialog, 3000))
        return attempt;
    view->setFocus();
    view->setCurrentIndex(index);
    view->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    attempt.shown = true;
    // A question the dialog asks comes up modal inside the key press.
    struct Answer {
        bool looked = false;
        bool answered = false;
    };
    auto answer = std::make_shared<Answer>();
    QTimer::singleShot(100, [answer] {
        answer->looked = true;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            answer->answered = true;
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->accept();
        }
    });
    QTest::keyClick(view, Qt::Key_Delete);
    attempt.pressed = true;
    if (!QTest::qWaitFor([answer] { return answer->looked; }, 3000))
        return attempt;
    attempt.answered = answer->answered;
    return attempt;
}

} // namespace vesk::test
