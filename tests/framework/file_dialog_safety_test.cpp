// The file dialogs the program shows delete, rename and move nothing: Delete
// on a folder, answered yes, leaves the folder and its files where they were.
#include "framework/interaction.h"
#include "framework/styles.h"
#include "tests/support/file_dialog_probe.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesk {
namespace {

struct Seen {
    bool dialogUp = false;
    test::DeleteAttempt attempt;
    bool newFolderShown = false;
    bool stillThere = false;
};

// Runs the default provider's dialog for request on a folder holding a
// sub-folder with a file in it, and tries to delete the sub-folder.
Seen TryToDeleteThroughDialog(FileDialogRequest request)
{
    test::TempFolder root;
    const std::filesystem::path keep = std::filesystem::path(root.Path()) / "我的号码";
    std::filesystem::create_directories(keep);
    std::ofstream(keep / "bets.txt") << "123\n";
    request.fileName = root.Path();
    Seen seen;
    QTimer::singleShot(0, [&seen, &keep] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.dialogUp = true;
        if (auto* newFolder = dialog->findChild<QWidget*>(QStringLiteral("newFolderButton")))
            seen.newFolderShown = newFolder->isVisible();
        seen.attempt = test::PressDeleteOnFolder(*dialog, QStringLiteral("我的号码"));
        seen.stillThere = std::filesystem::exists(keep / "bets.txt");
        dialog->reject();
    });
    Interaction().FileDialog(request);
    return seen;
}

void ExpectNothingDeleted(const Seen& seen)
{
    ASSERT_TRUE(seen.dialogUp) << "Qt's widget dialog was not shown";
    ASSERT_TRUE(seen.attempt.shown) << "the folder was not listed";
    ASSERT_TRUE(seen.attempt.pressed);
    EXPECT_TRUE(seen.stillThere) << "the dialog deleted the folder";
    EXPECT_FALSE(seen.newFolderShown) << "making a folder there means renaming it";
}

TEST(FileDialogSafety, OpeningOneFileDeletesNothing)
{
    FileDialogRequest request;
    request.open = true;
    request.filter = "文本文件(*.txt)|*.txt|所有文件(*.*)|*.*||";
    ExpectNothingDeleted(TryToDeleteThroughDialog(request));
}

TEST(FileDialogSafety, OpeningSeveralFilesDeletesNothing)
{
    FileDialogRequest request;
    request.open = true;
    request.flags = OFN_ALLOWMULTISELECT;
    request.filter = "文本文件(*.txt)|*.txt||";
    ExpectNothingDeleted(TryToDeleteThroughDialog(request));
}

TEST(FileDialogSafety, SavingDeletesNothing)
{
    FileDialogRequest request;
    request.open = false;
    request.flags = OFN_OVERWRITEPROMPT;
    request.filter = "Excel 工作簿(*.xls)|*.xls||";
    ExpectNothingDeleted(TryToDeleteThroughDialog(request));
}

} // namespace
} // namespace vesk
