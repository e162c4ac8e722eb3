// Row 8's library in the real host with the real module and the sample
// history: the leaves of 辅助工具 clicked in the tree and each tool driven.
#include "components/features/analysis/tools/bet_calculator.h"
#include "components/features/analysis/tools/group_statistics.h"
#include "components/features/analysis/tools/number_statistics.h"
#include "components/features/analysis/tools/plan_tally.h"
#include "components/features/kit/window_picker.h"
#include "components/features/tools/group_stats_page.h"
#include "components/features/tools/guide_page.h"
#include "components/features/tools/list_files.h"
#include "components/features/tools/number_stats_page.h"
#include "components/features/tools/plan_stats_page.h"
#include "components/features/tools/set_tool_page.h"
#include "components/features/tools/tool_widgets.h"
#include "components/features/tools/tools_window.h"

#include "framework/cwnd.h"
#include "framework/scripted_interaction.h"
#include "storage/files/result_file.h"
#include "storage/safe_file.h"
#include "tests/support/xls_readback.h"
#include "tests/support/feature_host_test.h"
#include "tests/support/visible_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vesk::tools {
namespace {

using test::BuildFolder;
using test::ReadAll;
using Codes = std::vector<std::uint32_t>;

class ToolsWindowTest : public test::FeatureHostTest {
protected:
    void SetUp() override { Start(root.Path(), BuildFolder() + "data/draws-3d.txt"); }

    void Start(const std::string& rootPath, const std::string& draws) { StartHost({1280, 800}, draws, rootPath); }

    ToolsWindow* Shown() { return ShownNamed<ToolsWindow>(QStringLiteral("toolsWindow")); }

    ToolsWindow* Open(const QString& leaf)
    {
        Select(leaf);
        ToolsWindow* tools = Shown();
        EXPECT_NE(tools, nullptr) << leaf.toStdString();
        return tools;
    }

    void Click(QWidget* page, const char* name)
    {
        auto* button = page->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // The workbench opened with count numbers in its result list.
    bool WorkbenchHolds(std::size_t count)
    {
        return test::WaitForVisibleLabel(window->Area(), QStringLiteral("缩水结果:%1注").arg(count)) && Shown() == nullptr;
    }

    void Snapshot(QWidget* widget, const char* name)
    {
        QApplication::processEvents(); // pending layouts, as a user would see them
        if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
            widget->window()->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }

    std::vector<QStringList> Rows(QTableView* table)
    {
        std::vector<QStringList> rows;
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < table->model()->columnCount(); ++c)
                row << table->model()->index(r, c).data().toString();
            rows.push_back(row);
        }
        return rows;
    }

    test::TempFolder files;
};

TEST_F(ToolsWindowTest, EachLeafOpensItsTool)
{
    const struct {
        const char* leaf;
        const char* page;
    } leaves[] = {{"投注指南", "guidePage"},      {"集合工具", "setToolPage"},      {"大方案统计", "planStatsPage"},
                  {"号码组统计", "groupStatsPage"}, {"号码统计", "numberStatsPage"}};
    for (const auto& leaf : leaves) {
        ToolsWindow* tools = Open(QString::fromUtf8(leaf.leaf));
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(tools->findChild<QLabel*>(QStringLiteral("featureTitle"))->text(), QString::fromUtf8(leaf.leaf));
        EXPECT_EQ(tools->findChild<QStackedWidget*>()->currentWidget()->objectName(), QString::fromLatin1(leaf.page));
        Snapshot(tools, leaf.page);
    }
    EXPECT_TRUE(Open(QStringLiteral("投注指南"))->findChild<QTextBrowser*>(QStringLiteral("guideText"))->toPlainText().contains(QStringLiteral("组选六")));
}

TEST_F(ToolsWindowTest, GuideCountsBetsAndHandsTheNumbersOff)
{
    ToolsWindow* tools = Open(QStringLiteral("投注指南"));
    ASSERT_NE(tools, nullptr);
    GuidePage* guide = tools->Guide();
    auto* counts = guide->findChild<QLabel*>(QStringLiteral("betCounts"));
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("position0")), QStringLiteral("12"));
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("position1")), QStringLiteral("3 4"));
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("position2")), QStringLiteral("5,6"));
    EXPECT_EQ(counts->text(), QStringLiteral("直选复式：8 注，16 元"));

    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("digitSet")), QStringLiteral("13579"));
    EXPECT_TRUE(guide->findChild<QRadioButton*>(QStringLiteral("bySet"))->isChecked());
    EXPECT_EQ(counts->text(), QStringLiteral("直选：125 注，250 元\n组选三：20 注，40 元\n组选六：10 注，20 元"));
    auto* play = guide->findChild<QComboBox*>(QStringLiteral("numbersPlay"));
    play->setCurrentIndex(play->findText(QStringLiteral("组选六")));
    Click(guide, "showNumbers");
    EXPECT_EQ(guide->Numbers().size(), 10u);
    EXPECT_TRUE(guide->findChild<QPlainTextEdit*>(QStringLiteral("betNumbers"))->toPlainText().simplified().startsWith(QStringLiteral("135 137 139 157")));
    Snapshot(tools, "guide-numbers");

    // A bad entry is named, and the numbers listed before cannot be sent.
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("digitSet")), QStringLiteral("x"));
    EXPECT_TRUE(counts->text().contains(QStringLiteral("“x”")));
    EXPECT_TRUE(guide->Numbers().empty());
    QTest::keyClick(guide->findChild<QLineEdit*>(QStringLiteral("digitSet")), Qt::Key_Backspace);
    Click(guide, "showNumbers");
    Click(guide, "sendNumbers");
    EXPECT_TRUE(WorkbenchHolds(10));
}

TEST_F(ToolsWindowTest, TheGuideCountsSumSpanAndBankerBetsAtTheMultiplePicked)
{
    ToolsWindow* tools = Open(QStringLiteral("投注指南"));
    ASSERT_NE(tools, nullptr);
    GuidePage* guide = tools->Guide();
    auto* counts = guide->findChild<QLabel*>(QStringLiteral("betCounts"));
    const auto bets = [](analysis::BetPlay play, analysis::BetPick pick) { return analysis::CountBets(play, pick, 3); };
    analysis::BetPick sums;
    sums.values = 1u << 10 | 1u << 11;
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("sumValues")), QStringLiteral("10 11"));
    EXPECT_EQ(counts->text(), QStringLiteral("直选和值：%1 注，%2 元\n组选和值：%3 注，%4 元")
                                  .arg(bets(analysis::BetPlay::StraightSum, sums))
                                  .arg(2 * bets(analysis::BetPlay::StraightSum, sums))
                                  .arg(bets(analysis::BetPlay::GroupSum, sums))
                                  .arg(2 * bets(analysis::BetPlay::GroupSum, sums)));
    guide->findChild<QSpinBox*>(QStringLiteral("multiple"))->setValue(3);
    EXPECT_TRUE(counts->text().startsWith(QStringLiteral("直选和值：%1 注，%2 元（3 倍）")
                                              .arg(bets(analysis::BetPlay::StraightSum, sums))
                                              .arg(6 * bets(analysis::BetPlay::StraightSum, sums))))
        << counts->text().toStdString();
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("sumValues")), QStringLiteral(" 30"));
    EXPECT_TRUE(counts->text().contains(QStringLiteral("“30”"))) << counts->text().toStdString();

    guide->findChild<QSpinBox*>(QStringLiteral("multiple"))->setValue(1);
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("bankerDigits")), QStringLiteral("1"));
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("dragDigits")), QStringLiteral("234"));
    EXPECT_EQ(counts->text(), QStringLiteral("组选胆拖：9 注，18 元")); // 组三 6 (113, 133, ...), 组六 3
    auto* play = guide->findChild<QComboBox*>(QStringLiteral("numbersPlay"));
    play->setCurrentIndex(play->findText(QStringLiteral("组选胆拖")));
    Click(guide, "showNumbers");
    EXPECT_EQ(guide->Numbers(), (Codes{112, 113, 114, 122, 123, 124, 133, 134, 144}));
    QTest::keyClicks(guide->findChild<QLineEdit*>(QStringLiteral("dragDigits")), QStringLiteral("1"));
    EXPECT_TRUE(counts->text().contains(QStringLiteral("既是"))) << counts->text().toStdString();
}

TEST_F(ToolsWindowTest, TheSetToolKeepsItsListsAndResultAcrossASwitch)
{
    ToolsWindow* tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    tools->SetTool()->InputA()->Editor()->setPlainText(QStringLiteral("123 456"));
    tools->SetTool()->InputB()->Editor()->setPlainText(QStringLiteral("456 789"));
    Click(tools->SetTool(), "calculate");
    const Codes result = tools->SetTool()->Result();
    ASSERT_FALSE(result.empty());
    Open(QStringLiteral("号码统计"));
    tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->SetTool()->InputA()->Editor()->toPlainText(), QStringLiteral("123 456"));
    EXPECT_EQ(tools->SetTool()->InputB()->Editor()->toPlainText(), QStringLiteral("456 789"));
    EXPECT_EQ(tools->SetTool()->Result(), result);
}

TEST_F(ToolsWindowTest, SetToolComputesSavesAndRefusesBadInput)
{
    ToolsWindow* tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    SetToolPage* page = tools->SetTool();
    page->InputA()->Editor()->setPlainText(QStringLiteral("123 321 123 455\r\n900"));
    page->InputB()->Editor()->setPlainText(QStringLiteral("123, 545, 009"));
    page->SetOperation(analysis::SetOperation::Intersection, true);
    Click(page, "calculate");
    EXPECT_EQ(page->Result(), (Codes{9, 123, 455}));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("setCount"))->text(), QStringLiteral("交集（组选）：3 注"));
    Snapshot(tools, "set-tool");

    ScriptedInteraction script;
    // A typo is named and the result shown stays.
    page->InputB()->Editor()->setPlainText(QStringLiteral("123 54 009"));
    page->SetOperation(analysis::SetOperation::Union, false);
    Click(page, "calculate");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("号码 B 中 “54”"), std::string::npos);
    EXPECT_EQ(page->Result(), (Codes{9, 123, 455}));

    // B from a result file; a file of 4-digit numbers is refused and changes nothing.
    NumberList four(4);
    four.ParseText("1234 5678", 4);
    ASSERT_TRUE(files::SaveResultFile(files.Path() + "four.flt", four, 10).ok);
    script.QueueFileSelection({files.Path() + "four.flt"});
    page->InputB()->LoadFile();
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_NE(script.MessageBoxes()[1].text.find("4 位号码"), std::string::npos);
    EXPECT_EQ(page->InputB()->Editor()->toPlainText(), QStringLiteral("123 54 009"));
    std::ofstream(files.Path() + "b.txt") << "777 123\r\n";
    script.QueueFileSelection({files.Path() + "b.txt"});
    Click(page->InputB(), "listBLoad");
    Click(page, "calculate");
    EXPECT_EQ(page->Result(), (Codes{123, 321, 455, 777, 900}));

    // Saved through the result files, read back as the result page reads them.
    script.QueueFileSelection({files.Path() + "union"});
    Click(page, "saveResult");
    NumberList saved(3);
    ASSERT_TRUE(files::LoadResultFile(files.Path() + "union.txt", saved).Loaded());
    EXPECT_EQ(saved.Count(), 5u);
    EXPECT_EQ(saved.ToValue(4), 900u);
    ASSERT_EQ(script.MessageBoxes().size(), 3u);
    EXPECT_EQ(script.MessageBoxes()[2].text, "已导出到 " + files.Path() + "union.txt");
    // A save that fails says so.
    script.QueueFileSelection({files.Path() + "missing/union.txt"});
    Click(page, "saveResult");
    ASSERT_EQ(script.MessageBoxes().size(), 4u);
    EXPECT_EQ(script.MessageBoxes()[3].text,
              "保存失败：" + files.Path() + "missing/union.txt（文件夹不存在），原文件未改动");

    // The operation picked by the user is remembered.
    auto* operation = page->findChild<QComboBox*>(QStringLiteral("setOperation"));
    operation->setCurrentIndex(2);
    emit operation->activated(2);
    QTest::mouseClick(page->findChild<QCheckBox*>(QStringLiteral("asGroups")), Qt::LeftButton);

    Click(page, "sendNumbers");
    EXPECT_TRUE(WorkbenchHolds(5));
    tools = Open(QStringLiteral("集合工具"));
    EXPECT_EQ(tools->findChild<QComboBox*>(QStringLiteral("setOperation"))->currentText(), QStringLiteral("A − B"));
    EXPECT_TRUE(tools->findChild<QCheckBox*>(QStringLiteral("asGroups"))->isChecked());
}

TEST_F(ToolsWindowTest, ListsTakeTheWorkbenchsResultsWithoutClosingTheTool)
{
    ToolsWindow* tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    SetToolPage* page = tools->SetTool();
    ScriptedInteraction script;
    // Before the workbench was ever opened there is nothing to take, and
    // nothing is opened for it.
    Click(page->InputA(), "listATakeResults");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("缩水器还没有打开"), std::string::npos);
    EXPECT_TRUE(page->InputA()->Editor()->toPlainText().isEmpty());
    EXPECT_EQ(Shown(), tools);

    // Two numbers handed to the workbench come back into B, in its order,
    // and the tool stays open.
    page->InputA()->Editor()->setPlainText(QStringLiteral("789 123 456"));
    page->InputB()->Editor()->setPlainText(QStringLiteral("456"));
    page->SetOperation(analysis::SetOperation::AMinusB, false);
    Click(page, "calculate");
    Click(page, "sendNumbers");
    ASSERT_TRUE(WorkbenchHolds(2));
    tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    page = tools->SetTool();
    Click(page->InputB(), "listBTakeResults");
    EXPECT_EQ(page->InputB()->Read().codes, (Codes{123, 789}));
    EXPECT_EQ(Shown(), tools);
    EXPECT_EQ(script.MessageBoxes().size(), 1u) << script.MessageBoxes().back().text;
}

// The host's status line.
QString StatusText(app::MainWindow& window)
{
    const auto labels = window.statusBar()->findChildren<QLabel*>();
    return labels.isEmpty() ? QString() : labels.front()->text();
}

// The workbench's button with this control id, under the host's area.
QWidget* WorkbenchControl(app::MainWindow& window, int id)
{
    for (QWidget* widget : window.Area()->findChildren<QWidget*>())
        if (CWnd* wnd = CWnd::FromHandle(widget); wnd && wnd->GetDlgCtrlID() == id && widget->isVisible())
            return widget;
    return nullptr;
}

TEST_F(ToolsWindowTest, HandOffsReplaceAppendOrIntersectAsChosenInOneUndoStepAndSaySo)
{
    ScriptedInteraction script;
    // An open workbench with an empty list answers an empty list.
    Select(QStringLiteral("组号缩水"));
    ToolsWindow* tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    Click(tools->SetTool()->InputA(), "listATakeResults");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "缩水器中没有号码。");

    const auto send = [this](const QString& numbers, analysis::HandOffMode mode) {
        ToolsWindow* tools = Open(QStringLiteral("集合工具"));
        ASSERT_NE(tools, nullptr);
        SetToolPage* page = tools->SetTool();
        page->InputA()->Editor()->setPlainText(numbers);
        page->InputB()->Editor()->setPlainText(numbers);
        page->SetOperation(analysis::SetOperation::Union, false);
        Click(page, "calculate");
        auto* choice = page->findChild<QComboBox*>(QStringLiteral("handOffMode"));
        ASSERT_NE(choice, nullptr);
        choice->setCurrentIndex(static_cast<int>(mode));
        Click(page, "sendNumbers");
    };
    send(QStringLiteral("123 456 789"), analysis::HandOffMode::Replace);
    ASSERT_TRUE(WorkbenchHolds(3));
    EXPECT_EQ(StatusText(*window), QStringLiteral("已替换为 3 注（可撤消）"));

    send(QStringLiteral("789 111"), analysis::HandOffMode::Append);
    ASSERT_TRUE(WorkbenchHolds(4));
    EXPECT_EQ(StatusText(*window), QStringLiteral("已追加 1 注，缩水器共 4 注（可撤消）"));
    // One hand-off, one step back.
    QWidget* undo = WorkbenchControl(*window, 7563);
    ASSERT_NE(undo, nullptr);
    QTest::mouseClick(undo, Qt::LeftButton, {}, undo->rect().center());
    EXPECT_TRUE(WorkbenchHolds(3));
    QWidget* redo = WorkbenchControl(*window, 7564);
    ASSERT_NE(redo, nullptr);
    QTest::mouseClick(redo, Qt::LeftButton, {}, redo->rect().center());
    ASSERT_TRUE(WorkbenchHolds(4));

    // The choice is the window's until changed.
    tools = Open(QStringLiteral("集合工具"));
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->SetTool()->findChild<QComboBox*>(QStringLiteral("handOffMode"))->currentText(), QStringLiteral("追加"));

    send(QStringLiteral("111 456 222"), analysis::HandOffMode::Intersect);
    ASSERT_TRUE(WorkbenchHolds(2));
    EXPECT_EQ(StatusText(*window), QStringLiteral("已取交集，缩水器共 2 注（可撤消）"));
    tools = Open(QStringLiteral("集合工具"));
    Click(tools->SetTool()->InputB(), "listBTakeResults");
    EXPECT_EQ(tools->SetTool()->InputB()->Read().codes, (Codes{456, 111}));

    // Nothing in common: the list stays, and the status says so.
    send(QStringLiteral("000"), analysis::HandOffMode::Intersect);
    ASSERT_TRUE(WorkbenchHolds(2));
    EXPECT_NE(StatusText(*window).indexOf(QStringLiteral("交集为空")), -1) << StatusText(*window).toStdString();
    EXPECT_EQ(script.MessageBoxes().size(), 1u) << script.MessageBoxes().back().text;
}

TEST_F(ToolsWindowTest, PlanStatisticsFromFilesAndPastedBlocks)
{
    ToolsWindow* tools = Open(QStringLiteral("大方案统计"));
    ASSERT_NE(tools, nullptr);
    PlanStatsPage* page = tools->PlanStats();
    std::ofstream(files.Path() + "p1.txt") << "123 456 789";
    std::ofstream(files.Path() + "p2.txt") << "123 456";
    ScriptedInteraction script;
    script.QueueFileSelection({files.Path() + "p1.txt", files.Path() + "p2.txt"});
    Click(page, "loadPlans");
    EXPECT_TRUE(page->findChild<QLabel*>(QStringLiteral("planFiles"))->text().contains(QStringLiteral("p2.txt")));
    page->Editor()->setPlainText(QStringLiteral("123 000\n\n123 456 123\n"));
    ASSERT_TRUE(page->Tally());

    const analysis::PlanTally expected = analysis::TallyPlans(std::vector<Codes>{{123, 456, 789}, {123, 456}, {123, 0}, {123, 456, 123}}, 3);
    const auto counts = Rows(page->CountTable());
    ASSERT_EQ(counts.size(), 5u); // 4 plans down to none
    for (std::size_t c = 0; c <= 4; ++c) {
        EXPECT_EQ(counts[4 - c][0], QString::number(c));
        EXPECT_EQ(counts[4 - c][1], QString::number(expected.byCount[c]));
    }
    EXPECT_EQ(Rows(page->NumberTable()).front(), (QStringList{QStringLiteral("123"), QStringLiteral("4")}));
    EXPECT_EQ(Rows(page->NumberTable()).back(), (QStringList{QStringLiteral("789"), QStringLiteral("1")}));
    Snapshot(tools, "plan-stats");
    // Exported as shown, as tab-separated .tsv: never a .txt that passes for numbers.
    script.QueueFileDialogAnswer({true, {files.Path() + "counts.txt"}, 2});
    Click(page, "exportCounts");
    EXPECT_EQ(script.MessageBoxes().back().text, "已导出到 " + files.Path() + "counts.tsv");
    const std::string exported = ReadAll(files.Path() + "counts.tsv");
    EXPECT_EQ(exported.rfind("方案数\t号码个数\t至少在这么多方案中\n", 0), 0u);
    EXPECT_NE(exported.find("0\t996\t1000"), std::string::npos);

    // A bad pasted plan is named by its place; the tables stay.
    page->Editor()->setPlainText(QStringLiteral("123\n\n12x"));
    EXPECT_FALSE(page->Tally());
    EXPECT_NE(script.MessageBoxes().back().text.find("第 2 个方案中 “12x”"), std::string::npos);
    EXPECT_EQ(page->CountTable()->model()->rowCount(), 5);

    page->SetMinimumPlans(3);
    EXPECT_EQ(page->PickedNumbers(), (Codes{123, 456}));
    // 导出号码 writes those numbers as number text that reads back as themselves.
    script.QueueFileDialogAnswer({true, {files.Path() + "picked"}, 1});
    Click(page, "exportNumbers");
    EXPECT_EQ(script.MessageBoxes().back().text, "已导出到 " + files.Path() + "picked.txt");
    EXPECT_EQ(ReadListFile(files.Path() + "picked.txt", 3).codes, (Codes{123, 456}));
    // The workbook holds the plan counts beside them.
    ASSERT_EQ(page->ExportPicked(files.Path() + "picked.xls"), "");
    const test::Readback book = test::ReadXlsWithXlrd(files.Path() + "picked.xls");
    ASSERT_TRUE(book.ok) << book.text;
    EXPECT_NE(book.text.find("t:123\tn:4"), std::string::npos) << book.text;
    EXPECT_NE(book.text.find("t:456\tn:3"), std::string::npos) << book.text;
    EXPECT_EQ(book.text.find("t:789"), std::string::npos) << book.text;
    // A failing disk keeps the old file.
    {
        InjectedFileFailure full(FileStep::Write, ENOSPC);
        EXPECT_NE(page->ExportPicked(files.Path() + "picked.txt").find("原文件未改动"), std::string::npos);
    }
    EXPECT_EQ(ReadListFile(files.Path() + "picked.txt", 3).codes, (Codes{123, 456}));
    Click(page, "sendNumbers");
    EXPECT_TRUE(WorkbenchHolds(2));
}

TEST_F(ToolsWindowTest, GroupStatisticsOverTheRememberedWindow)
{
    ToolsWindow* tools = Open(QStringLiteral("号码组统计"));
    ASSERT_NE(tools, nullptr);
    GroupStatsPage* page = tools->GroupStats();
    page->Input()->Editor()->setPlainText(QStringLiteral("123 321 112 777 019"));
    ASSERT_TRUE(page->Calculate());
    const Codes draws = SampleDraws();
    const analysis::GroupStatistics expected = analysis::ComputeGroupStatistics(Codes{123, 321, 112, 777, 19}, 3, draws, 100);
    const auto rows = Rows(page->Table());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], QStringLiteral("019"));
    EXPECT_EQ(rows[2][2], QStringLiteral("123 321"));
    EXPECT_EQ(rows[2][3], QStringLiteral("2/6"));
    for (std::size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(rows[r][4], QString::number(expected.rows[r].hits)) << r;
    Snapshot(tools, "group-stats");

    page->Picker()->setCurrentIndex(page->Picker()->findText(QStringLiteral("全部")));
    emit page->Picker()->activated(page->Picker()->currentIndex());
    const analysis::GroupStatistics all = analysis::ComputeGroupStatistics(Codes{123, 321, 112, 777, 19}, 3, draws, 0);
    EXPECT_EQ(Rows(page->Table())[2][4], QString::number(all.rows[2].hits));
    // Remembered: opened again, the window is still 全部.
    Open(QStringLiteral("号码统计"));
    tools = Open(QStringLiteral("号码组统计"));
    EXPECT_EQ(tools->GroupStats()->Picker()->Window(), 0u);
}

TEST_F(ToolsWindowTest, NumberStatisticsShowTheCoresBacktest)
{
    ToolsWindow* tools = Open(QStringLiteral("号码统计"));
    ASSERT_NE(tools, nullptr);
    NumberStatsPage* page = tools->NumberStats();
    Codes list;
    for (std::uint32_t code = 0; code < 1000; code += 7)
        list.push_back(code);
    page->Input()->SetCodes(list);
    page->TypePicker()->setCurrentIndex(page->TypePicker()->findText(QStringLiteral("跨度")));
    emit page->TypePicker()->activated(page->TypePicker()->currentIndex());
    ASSERT_TRUE(page->Calculate());

    const analysis::ListBacktest expected = analysis::BacktestList(list, 3, SampleDraws(), 100);
    EXPECT_EQ(page->DrawTable()->model()->rowCount(), 100);
    const QString summary = page->Summary()->text();
    EXPECT_TRUE(summary.contains(QStringLiteral("直选命中 %1 期").arg(expected.straightHits))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("组选命中 %1 期").arg(expected.groupHits)));
    EXPECT_TRUE(summary.contains(QStringLiteral("成本 %1 元，奖金 %2 元").arg(expected.straightBetting.cost).arg(expected.straightBetting.winnings)));
    int straight = 0;
    for (const QStringList& row : Rows(page->DrawTable()))
        straight += row[2] == QStringLiteral("中");
    EXPECT_EQ(straight, expected.straightHits);
    EXPECT_EQ(page->DistributionTable()->model()->rowCount(), 10); // spans 0-9
    EXPECT_EQ(page->DistributionTable()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("跨度"));
    Snapshot(tools, "number-stats");

    // The value type is remembered.
    Open(QStringLiteral("号码组统计"));
    tools = Open(QStringLiteral("号码统计"));
    EXPECT_EQ(tools->NumberStats()->TypePicker()->currentText(), QStringLiteral("跨度"));
}

TEST_F(ToolsWindowTest, WithoutDrawsTheStatisticsSayHowToImport)
{
    TearDown();
    test::TempFolder empty;
    Start(empty.Path(), files.Path() + "no-draws.txt");
    ToolsWindow* tools = Open(QStringLiteral("号码统计"));
    ASSERT_NE(tools, nullptr);
    tools->NumberStats()->Input()->Editor()->setPlainText(QStringLiteral("123"));
    ASSERT_TRUE(tools->NumberStats()->Calculate());
    EXPECT_EQ(tools->NumberStats()->DrawTable()->model()->rowCount(), 0);
    EXPECT_FALSE(tools->NumberStats()->Summary()->text().isEmpty());
    tools = Open(QStringLiteral("号码组统计"));
    tools->GroupStats()->Input()->Editor()->setPlainText(QStringLiteral("123 321"));
    ASSERT_TRUE(tools->GroupStats()->Calculate());
    EXPECT_EQ(tools->GroupStats()->Table()->model()->rowCount(), 1);
}

} // namespace
} // namespace vesk::tools
