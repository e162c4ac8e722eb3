// The settings menu's draw history dialogs, driven as a user would: a
// scripted file dialog picks import files, the report says what happened,
// the entry dialog takes a draw from the digit pad.
#include "app/services/host_object.h"
#include "app/window/draw_entry_dialog.h"
#include "app/window/draw_history_actions.h"
#include "app/window/draw_report_dialog.h"
#include "app/window/main_window.h"
#include "framework/module_context.h"
#include "framework/scripted_interaction.h"
#include "framework/styles.h"
#include "tests/app/text_files.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::app {
namespace {

using test::ReadText;
using test::WriteText;

// Offscreen pictures of the dialogs, for a person to look at, when asked for.
void Snap(QWidget* widget, const char* name)
{
    if (const char* folder = std::getenv("VESK_SCREENSHOTS"))
        widget->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name));
}

class DrawDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<HostObject>(HostConfig{HostPaths::UnderRoot(root.Path()), root.Path(), "", ""});
        window.resize(600, 400);
        window.show();
        actions = new DrawHistoryActions(*host, &window, [this](std::optional<DrawHistory> history, const QString& status) {
            applied = history ? static_cast<int>(history->Size()) : 0;
            this->status = status;
        });
        history = host->DrawHistoryPath();
    }

    void Click(QDialog* dialog, QDialogButtonBox::StandardButton which)
    {
        QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }

    test::TempFolder root;
    std::unique_ptr<HostObject> host;
    QWidget window;
    DrawHistoryActions* actions = nullptr;
    std::string history;
    int applied = -1;
    QString status;
};

TEST_F(DrawDialogsTest, ImportAsksForFilesAndReportsWhatItDid)
{
    WriteText(history, "2025210 111\n");
    WriteText(root.Path() + "new.txt", "期号 开奖号码\n2025211 222\n2025210 999\n2025212 12\n");
    WriteText(root.Path() + "more.csv", "2025213,2025-08-11,333\n");
    ScriptedInteraction script;
    script.QueueFileSelection({root.Path() + "new.txt", root.Path() + "more.csv"});
    actions->Import();

    ASSERT_EQ(script.FileDialogs().size(), 1u);
    EXPECT_TRUE(script.FileDialogs()[0].open);
    EXPECT_TRUE(script.FileDialogs()[0].flags & OFN_ALLOWMULTISELECT);
    EXPECT_EQ(ReadText(history), "2025210 111\n2025211 222\n2025213,2025-08-11,333\n");
    EXPECT_EQ(applied, 3);
    EXPECT_TRUE(status.contains(QStringLiteral("新增 2 期")));

    DrawReportDialog* report = actions->Report();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(report->SummaryText().startsWith(QStringLiteral("新增 2 期，跳过 0 期，拒绝 2 行（其中冲突 1 行）")));
    EXPECT_TRUE(report->SummaryText().contains(QStringLiteral("第 2025213 期 333")));
    EXPECT_EQ(report->RefusedText(), QStringLiteral("new.txt 第 3 行：第 2025210 期已有号码 111，与 999 不同\n"
                                                    "new.txt 第 4 行：没有 3 位的开奖号码"));
    Snap(report, "draw-report.png");
    Click(report, QDialogButtonBox::Ok);
    QApplication::processEvents();
    EXPECT_EQ(actions->Report(), nullptr);
}

TEST_F(DrawDialogsTest, CancelledFileDialogChangesNothing)
{
    WriteText(history, "2025210 111\n");
    ScriptedInteraction script;
    script.QueueFileCancel();
    actions->Import();
    EXPECT_EQ(actions->Report(), nullptr);
    EXPECT_EQ(applied, -1);
    EXPECT_EQ(ReadText(history), "2025210 111\n");
}

TEST_F(DrawDialogsTest, ImportWithNothingNewStillReports)
{
    WriteText(history, "2025210 111\n");
    WriteText(root.Path() + "same.txt", "2025210 111\n");
    ScriptedInteraction script;
    script.QueueFileSelection({root.Path() + "same.txt"});
    actions->Import();
    EXPECT_EQ(applied, -1); // nothing to refresh
    ASSERT_NE(actions->Report(), nullptr);
    EXPECT_TRUE(actions->Report()->SummaryText().contains(QStringLiteral("跳过 1 期")));
    EXPECT_TRUE(actions->Report()->SummaryText().contains(QStringLiteral("没有改动")));
    EXPECT_TRUE(actions->Report()->RefusedText().isEmpty());
}

TEST_F(DrawDialogsTest, EntrySuggestsTheNextPeriodAndTakesTheDigitPad)
{
    WriteText(history, "2025216 625\n2025217 894\n");
    actions->Enter();
    DrawEntryDialog* entry = actions->Entry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->PeriodEdit()->text(), QStringLiteral("2025218"));

    // The offscreen platform activates every window it shows, the pad too, so
    // the number edit takes the focus again only once that has settled.
    QApplication::processEvents();
    entry->PeriodEdit()->setFocus();
    QApplication::setActiveWindow(entry);
    entry->NumberEdit()->setFocus();
    QWidget* pad = host->Pad().Window();
    ASSERT_NE(pad, nullptr);
    ASSERT_TRUE(pad->isVisible());
    Snap(entry, "draw-entry.png");
    for (const char* key : {"0", "9", "4", "7"}) { // the fourth digit does not fit
        for (QToolButton* button : pad->findChildren<QToolButton*>())
            if (button->text() == QLatin1String(key))
                QTest::mouseClick(button, Qt::LeftButton);
    }
    EXPECT_EQ(entry->NumberEdit()->text(), QStringLiteral("094"));

    Click(entry, QDialogButtonBox::Ok);
    QApplication::processEvents();
    EXPECT_EQ(ReadText(history), "2025216 625\n2025217 894\n2025218 094\n");
    EXPECT_EQ(applied, 3);
    EXPECT_EQ(status, QStringLiteral("已录入开奖号码：第 2025218 期 094"));
    EXPECT_EQ(actions->Entry(), nullptr);
}

TEST_F(DrawDialogsTest, EntryStaysOpenAndSaysWhyWhileRefused)
{
    WriteText(history, "2025217 894\n");
    actions->Enter();
    DrawEntryDialog* entry = actions->Entry();
    ASSERT_NE(entry, nullptr);
    entry->NumberEdit()->setText(QStringLiteral("94"));
    Click(entry, QDialogButtonBox::Ok);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->ErrorText(), QStringLiteral("没有 3 位的开奖号码"));

    entry->PeriodEdit()->setText(QStringLiteral("2025217"));
    entry->NumberEdit()->setText(QStringLiteral("895"));
    Click(entry, QDialogButtonBox::Ok);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(entry->ErrorText(), QStringLiteral("第 2025217 期已有号码 894，与 895 不同"));
    Snap(entry, "draw-entry-refused.png");
    EXPECT_EQ(ReadText(history), "2025217 894\n");
    EXPECT_EQ(applied, -1);

    Click(entry, QDialogButtonBox::Cancel);
    QApplication::processEvents();
    EXPECT_EQ(actions->Entry(), nullptr);
}

// The whole host: the sample installed on first start and said once, the
// menu items, and an import reaching the omissions the columns show.
TEST(DrawHistoryHost, FirstStartInstallsTheSampleAndTheMenuImportsInto)
{
    const std::string build = test::BuildFolder();
    SetResourceFolder(build);
    test::TempFolder root;
    const std::string sample = build + "data/draws-3d.txt";
    struct Started {
        std::unique_ptr<HostObject> host;
        std::unique_ptr<MainWindow> window; // goes first: it releases the module through the host
        QString status;
    };
    auto start = [&] {
        Started started;
        started.host = std::make_unique<HostObject>(
            HostConfig{HostPaths::UnderRoot(root.Path()), build + "plugins/", build + "data/S3Cdt.dat", sample});
        started.window = std::make_unique<MainWindow>(*started.host);
        EXPECT_TRUE(started.window->StartModule());
        started.status = started.window->statusBar()->findChild<QLabel*>()->text();
        return started;
    };

    {
        auto [host, window, status] = start();
        EXPECT_TRUE(status.contains(QStringLiteral("已装入开奖号码样本，截至第 2025217 期"))) << status.toStdString();
        EXPECT_EQ(ReadText(host->DrawHistoryPath()), ReadText(sample));
        QStringList items;
        for (QAction* action : window->menuBar()->actions().front()->menu()->actions())
            items << action->text();
        EXPECT_TRUE(items.contains(QStringLiteral("导入开奖号码(&I)...")));
        EXPECT_TRUE(items.contains(QStringLiteral("录入开奖号码(&E)...")));
    }
    auto [host, window, status] = start();
    EXPECT_FALSE(status.contains(QStringLiteral("样本"))) << status.toStdString();

    // 2025217 894 is the latest sample draw; a newer one moves its omission.
    const std::uint8_t digits[3] = {8, 9, 4};
    host->Analysis().SetCurrentNumber(digits);
    EXPECT_EQ(host->Analysis().GetAttribute(0xFFFF0012), 0);
    WriteText(root.Path() + "new.txt", "2025218 123\n");
    ScriptedInteraction script;
    script.QueueFileSelection({root.Path() + "new.txt"});
    window->ImportDrawsAction()->trigger();
    EXPECT_EQ(host->Analysis().GetAttribute(0xFFFF0012), 1);
    EXPECT_TRUE(window->statusBar()->findChild<QLabel*>()->text().contains(QStringLiteral("新增 1 期")));
    ASSERT_NE(window->DrawActions().Report(), nullptr);
    Snap(window->DrawActions().Report(), "draw-report-one.png");
}

} // namespace
} // namespace vesk::app
