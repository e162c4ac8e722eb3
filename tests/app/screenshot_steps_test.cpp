// A picture run offscreen: its steps press what the user would press, and no
// question or dialog can make it wait for an answer nobody gives.
#include "app/window/screenshot_interaction.h"
#include "app/window/screenshot_steps.h"
#include "framework/interaction.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace vesk::app {
namespace {

TEST(ScreenshotInteraction, QuestionsAreAnsweredWithoutWaiting)
{
    const ScreenshotInteraction unattended;
    MessageBoxRequest question;
    question.text = "删除全部号码?";
    question.type = MB_YESNO;
    EXPECT_EQ(Interaction().MessageBox(question), IDNO);
    question.type = MB_OKCANCEL;
    EXPECT_EQ(Interaction().MessageBox(question), IDCANCEL);
    question.type = MB_OK;
    EXPECT_EQ(Interaction().MessageBox(question), IDOK);
    EXPECT_FALSE(Interaction().FileDialog({}).accepted);
    EXPECT_FALSE(Interaction().PrintDialog({}).accepted);
}

TEST(ScreenshotInteraction, FileDialogsTakeTheQueuedAnswersInOrderThenCancel)
{
    ScreenshotInteraction unattended;
    unattended.QueueFileAnswer("/tmp/a.csv");
    unattended.QueueFileAnswer("/tmp/b.txt");
    EXPECT_EQ(Interaction().FileDialog({}).paths, std::vector<std::string>{"/tmp/a.csv"});
    const FileDialogResult second = Interaction().FileDialog({});
    EXPECT_TRUE(second.accepted);
    EXPECT_EQ(second.paths, std::vector<std::string>{"/tmp/b.txt"});
    EXPECT_FALSE(Interaction().FileDialog({}).accepted);
}

TEST(ScreenshotInteraction, AModalQtDialogIsPicturedAndClosed)
{
    test::TempFolder folder;
    const std::string picture = folder.Path() + "dialog.png";
    ScreenshotInteraction unattended(picture);
    QDialog dialog;
    dialog.resize(240, 120);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected); // returns: nobody had to close it
    EXPECT_TRUE(unattended.Pictured());
    EXPECT_GT(QFileInfo(QString::fromStdString(picture)).size(), 0);

    // Only the first is pictured; later ones are still closed.
    QDialog second;
    EXPECT_EQ(second.exec(), QDialog::Rejected);
}

TEST(ScreenshotInteraction, AFileDialogAskedForIsShownPicturedAndCancelled)
{
    test::TempFolder folder;
    const std::string picture = folder.Path() + "open.png";
    ScreenshotInteraction unattended(picture);
    FileDialogRequest request;
    request.filter = "号码文件(*.txt)|*.txt||";
    EXPECT_FALSE(Interaction().FileDialog(request).accepted);
    EXPECT_TRUE(unattended.Pictured());
    const QImage shown(QString::fromStdString(picture));
    EXPECT_GT(shown.width(), 200); // the dialog, not an empty grab
    EXPECT_EQ(&Interaction(), &unattended); // back in charge after showing it
}

TEST(ScreenshotSteps, PressFindsEnabledButtonsAndTabsByTheirShownText)
{
    QWidget root;
    auto* layout = new QVBoxLayout(&root);
    auto* disabled = new QPushButton(QStringLiteral("报告"));
    disabled->setEnabled(false);
    auto* save = new QPushButton(QStringLiteral("保存(&S)"));
    auto* tabs = new QTabBar;
    tabs->addTab(QStringLiteral("固定条件"));
    tabs->addTab(QStringLiteral("组合&条件"));
    layout->addWidget(disabled);
    layout->addWidget(save);
    layout->addWidget(tabs);
    root.show();
    int saves = 0;
    int reports = 0;
    QObject::connect(save, &QPushButton::clicked, [&saves] { ++saves; });
    QObject::connect(disabled, &QPushButton::clicked, [&reports] { ++reports; });

    EXPECT_TRUE(PressByText(&root, "保存"));
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(PressByText(&root, "报告")); // a greyed button cannot be pressed
    EXPECT_EQ(reports, 0);
    EXPECT_TRUE(PressByText(&root, "组合条件"));
    EXPECT_EQ(tabs->currentIndex(), 1);
    auto* import = new QAction(QStringLiteral("导入开奖号码(&I)..."), &root);
    int imports = 0;
    QObject::connect(import, &QAction::triggered, [&imports] { ++imports; });
    EXPECT_TRUE(PressByText(&root, "导入开奖号码"));
    EXPECT_TRUE(PressByText(&root, "导入开奖号码..."));
    EXPECT_EQ(imports, 2);
    import->setEnabled(false);
    EXPECT_FALSE(PressByText(&root, "导入开奖号码"));
    EXPECT_FALSE(PressByText(&root, "打印"));
    EXPECT_FALSE(ClickControl(&root, 7512)); // plain Qt widgets have no control id
}

TEST(ScreenshotSteps, WindowOpenedSinceFindsOnlyTheNewOne)
{
    const std::vector<QWidget*> before = VisibleWindows();
    EXPECT_EQ(WindowOpenedSince(before), nullptr);
    QWidget opened;
    opened.setWindowFlag(Qt::Tool);
    opened.show();
    EXPECT_EQ(WindowOpenedSince(before), &opened);
    opened.hide();
    EXPECT_EQ(WindowOpenedSince(before), nullptr);
}

} // namespace
} // namespace vesk::app
