// The condition window driven with real input events inside the pages: the
// fixed form, a 容错 group on the combined page, saved sets, the report of
// a run and the back-test.
#include "tests/condition_pages/window_input.h"
#include "tests/support/build_folders.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "components/filter/engine/digits.h"
#include "numbers/number_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vesk::test {
namespace {

class ConditionWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        pages.OpenPages();
        pages.Fixed().MoveWindow(CRect(0, 0, 330, 300));
        pages.Combined().MoveWindow(CRect(0, 0, 330, 300));
        fixed = pages.Panel(pages.Fixed());
        ASSERT_NE(fixed, nullptr);
    }

    QWidget* ShowCombined()
    {
        pages.Fixed().ShowWindow(SW_HIDE);
        pages.Combined().ShowWindow(SW_SHOW);
        QWidget* panel = pages.Panel(pages.Combined());
        panel->window()->activateWindow();
        return panel;
    }

    PageHarness pages;
    QWidget* fixed = nullptr;
};

TEST_F(ConditionWindow, SumTenToTwelveOnTheFixedPageMatchesTheEngineInPreviewAndRun)
{
    QWidget* sum = Row(fixed, QStringLiteral("和值"));
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(Preview(fixed), PreviewOf(1000)); // no condition keeps every number
    QTest::mouseClick(Toggle(sum, QStringLiteral("10")), Qt::LeftButton);
    QTest::mouseClick(Toggle(sum, QStringLiteral("11")), Qt::LeftButton);
    // The keyboard works as well: focus and space.
    QToolButton* twelve = Toggle(sum, QStringLiteral("12"));
    twelve->setFocus();
    QTest::keyClick(twelve, Qt::Key_Space);

    filter::ConditionSet expected;
    expected.groups.push_back({});
    filter::Condition condition;
    condition.values = {10, 11, 12};
    expected.groups[0].conditions.push_back(condition);
    EXPECT_EQ(SetOf(*pages.Engine(pages.Fixed())), expected);
    EXPECT_TRUE(Visible<QCheckBox>(fixed, QStringLiteral("和值"))->isChecked()); // the first value enabled it
    const std::uint64_t kept = EngineKept(expected);
    EXPECT_EQ(kept, 63u + 69u + 73u);
    EXPECT_EQ(Preview(fixed), PreviewOf(kept));

    char message[256] = {};
    ASSERT_NE(pages.Fixed().PrepareRun(message), 0) << message;
    NumberList all = AllNumbers();
    pages.Fixed().FilterList(all);
    const auto compiled = filter::Compile(expected, 3, nullptr).compiled;
    std::uint64_t unmarked = 0;
    for (std::uint32_t i = 0; i < 1000; ++i) {
        const bool marked = all.TagAt(i) == NumberList::kRemovalTag;
        EXPECT_EQ(!marked, compiled->Passes(i)) << i;
        unmarked += marked ? 0 : 1;
    }
    EXPECT_EQ(unmarked, kept);
    EXPECT_NE(Visible<QLabel>(fixed, QStringLiteral("上次缩水：1000 → %1，滤除 %2 注").arg(kept).arg(1000 - kept)), nullptr);
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("报告")), Qt::LeftButton);
    QPlainTextEdit* report = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == QStringLiteral("缩水报告") && top->isVisible())
            report = top->findChild<QPlainTextEdit*>();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->toPlainText().contains(QStringLiteral("和值：不符 %1 注").arg(1000 - kept))) << report->toPlainText().toStdString();

    // Untoggling the last value and the box leaves the row inactive: its
    // condition stays, taking no part.
    for (const char* value : {"10", "11", "12"})
        QTest::mouseClick(Toggle(sum, QString::fromUtf8(value)), Qt::LeftButton);
    QTest::mouseClick(Visible<QCheckBox>(fixed, QStringLiteral("和值")), Qt::LeftButton);
    const filter::ConditionSet cleared = SetOf(*pages.Engine(pages.Fixed()));
    ASSERT_EQ(cleared.groups.at(0).conditions.size(), 1u);
    EXPECT_FALSE(cleared.groups[0].conditions[0].enabled);
    EXPECT_EQ(Preview(fixed), PreviewOf(1000));

    // The report still speaks of the run, and says the conditions changed since.
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("报告")), Qt::LeftButton);
    const QString later = report->toPlainText();
    EXPECT_TRUE(later.startsWith(QStringLiteral("（条件在这次缩水后已有改动"))) << later.toStdString();
    EXPECT_TRUE(later.contains(QStringLiteral("和值：不符 %1 注").arg(1000 - kept))) << later.toStdString();
}

TEST_F(ConditionWindow, ExcludeModeAndAloneRejectedCountsFollowEveryClick)
{
    QWidget* span = Row(fixed, QStringLiteral("跨度"));
    QTest::mouseClick(Toggle(span, QStringLiteral("0")), Qt::LeftButton);
    auto* mode = span->findChild<QComboBox*>();
    mode->setFocus();
    QTest::keyClick(mode, Qt::Key_Down); // 排除
    filter::ConditionSet set = SetOf(*pages.Engine(pages.Fixed()));
    ASSERT_EQ(set.groups.at(0).conditions.size(), 1u);
    EXPECT_EQ(set.groups[0].conditions[0].mode, filter::Mode::Exclude);
    EXPECT_EQ(Preview(fixed), PreviewOf(990)); // the ten triples go
    EXPECT_NE(Visible<QLabel>(span, QStringLiteral("−10 注")), nullptr);
}

TEST_F(ConditionWindow, AToleranceGroupOnTheCombinedPage)
{
    QWidget* panel = ShowCombined();
    QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件组")), Qt::LeftButton);
    Settle();
    auto pickType = [&](int steps) {
        QComboBox* picker = nullptr;
        for (QComboBox* box : panel->findChildren<QComboBox*>(QStringLiteral("typePicker")))
            if (box->isVisibleTo(panel))
                picker = box;
        ASSERT_NE(picker, nullptr);
        picker->setFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(picker, Qt::Key_Down);
        QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件")), Qt::LeftButton);
        Settle();
    };
    pickType(0); // 和值
    pickType(2); // 跨度
    QTest::mouseClick(Toggle(Row(panel, QStringLiteral("和值")), QStringLiteral("13")), Qt::LeftButton);
    QTest::mouseClick(Toggle(Row(panel, QStringLiteral("和值")), QStringLiteral("14")), Qt::LeftButton);
    QTest::mouseClick(Toggle(Row(panel, QStringLiteral("跨度")), QStringLiteral("5")), Qt::LeftButton);
    std::vector<QSpinBox*> spins;
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>())
        if (spin->isVisibleTo(panel))
            spins.push_back(spin);
    ASSERT_EQ(spins.size(), 2u);
    spins[1]->setFocus();
    QTest::keyClick(spins[1], Qt::Key_Up); // 容错 [0, 1]

    const filter::ConditionSet set = SetOf(*pages.Engine(pages.Combined()));
    ASSERT_EQ(set.groups.size(), 1u);
    EXPECT_EQ(set.groups[0].minErrors, 0);
    EXPECT_EQ(set.groups[0].maxErrors, 1);
    ASSERT_EQ(set.groups[0].conditions.size(), 2u);
    EXPECT_EQ(set.groups[0].conditions[0].values, (std::vector<std::int64_t>{13, 14}));
    EXPECT_EQ(set.groups[0].conditions[1].type, filter::ConditionType::Span);
    const std::uint64_t kept = EngineKept(set);
    EXPECT_EQ(Preview(panel), PreviewOf(kept));
    // One of two may fail: more than either condition keeps alone, fewer than all.
    filter::ConditionSet strict = set;
    strict.groups[0].maxErrors = 0;
    EXPECT_GT(kept, EngineKept(strict));
    EXPECT_LT(kept, 1000u);

    // A name typed and committed by the run's slot 10.
    QLineEdit* name = nullptr;
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        if (edit->isVisibleTo(panel) && edit->text() == QStringLiteral("条件组 1"))
            name = edit;
    ASSERT_NE(name, nullptr);
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("main"));
    char message[256] = {};
    EXPECT_NE(pages.Combined().PrepareRun(message), 0) << message;
    EXPECT_EQ(SetOf(*pages.Engine(pages.Combined())).groups[0].name, "main");
}

TEST_F(ConditionWindow, GroupsAreAddedMovedAndRemovedWithTheirConditions)
{
    QWidget* panel = ShowCombined();
    auto visibleButtons = [panel](const QString& text) {
        std::vector<QAbstractButton*> found;
        for (QAbstractButton* button : panel->findChildren<QAbstractButton*>())
            if (button->text() == text && button->isVisibleTo(panel))
                found.push_back(button);
        return found;
    };
    QTest::mouseClick(visibleButtons(QStringLiteral("添加条件组")).at(0), Qt::LeftButton);
    Settle();
    QTest::mouseClick(visibleButtons(QStringLiteral("添加条件")).at(0), Qt::LeftButton); // 和值 into the first
    Settle();
    QTest::mouseClick(visibleButtons(QStringLiteral("添加条件组")).at(0), Qt::LeftButton);
    Settle();
    QTest::mouseClick(visibleButtons(QStringLiteral("上移")).at(1), Qt::LeftButton);
    Settle();
    filter::ConditionSet set = SetOf(*pages.Engine(pages.Combined()));
    ASSERT_EQ(set.groups.size(), 2u);
    EXPECT_EQ(set.groups[0].name, "条件组 2");
    EXPECT_TRUE(set.groups[0].conditions.empty());
    EXPECT_EQ(set.groups[1].conditions.size(), 1u);
    QTest::mouseClick(visibleButtons(QStringLiteral("删除组")).at(1), Qt::LeftButton);
    Settle();
    set = SetOf(*pages.Engine(pages.Combined()));
    ASSERT_EQ(set.groups.size(), 1u);
    EXPECT_EQ(set.groups[0].name, "条件组 2");
    EXPECT_EQ(visibleButtons(QStringLiteral("删除组")).size(), 1u);
}

TEST_F(ConditionWindow, KeyboardTabsThroughTogglesAndEnterCommitsATypedValuesText)
{
    QToolButton* ten = Toggle(Row(fixed, QStringLiteral("和值")), QStringLiteral("10"));
    fixed->window()->activateWindow();
    ten->setFocus();
    QTest::keyClick(ten, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Toggle(Row(fixed, QStringLiteral("和值")), QStringLiteral("11")));

    QWidget* panel = ShowCombined();
    QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件组")), Qt::LeftButton);
    Settle();
    QComboBox* picker = panel->findChild<QComboBox*>(QStringLiteral("typePicker"));
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_End); // the last type, 和值遗漏: too many values for toggles
    QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件")), Qt::LeftButton);
    Settle();
    QLineEdit* values = nullptr;
    for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
        if (edit->isVisibleTo(panel) && edit->placeholderText().startsWith(QStringLiteral("值")))
            values = edit;
    ASSERT_NE(values, nullptr);
    values->setFocus();
    QTest::keyClicks(values, QStringLiteral("0-3 9"));
    EXPECT_TRUE(SetOf(*pages.Engine(pages.Combined())).groups[0].conditions[0].values.empty()); // not yet
    QTest::keyClick(values, Qt::Key_Return);
    const filter::Condition typed = SetOf(*pages.Engine(pages.Combined())).groups[0].conditions[0];
    EXPECT_EQ(typed.type, filter::ConditionType::SumOmission);
    EXPECT_EQ(typed.values, (std::vector<std::int64_t>{0, 1, 2, 3, 9}));
    EXPECT_TRUE(typed.enabled);

    // A text that is no list of values is shown as wrong and changes nothing.
    values->selectAll();
    QTest::keyClicks(values, QStringLiteral("5-2"));
    QTest::keyClick(values, Qt::Key_Return);
    EXPECT_EQ(SetOf(*pages.Engine(pages.Combined())).groups[0].conditions[0].values, typed.values);
    EXPECT_FALSE(values->styleSheet().isEmpty());
}

TEST_F(ConditionWindow, SavedSetsComeBackWithTheirResultsAndADamagedOneChangesNothing)
{
    ScriptedInteraction script;
    const std::string path = pages.Root() + "方案.json";
    QWidget* sum = Row(fixed, QStringLiteral("和值"));
    QTest::mouseClick(Toggle(sum, QStringLiteral("9")), Qt::LeftButton);
    pages.resultNumbers = {"123", "456"};
    script.QueueFileSelection({path});
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("保存方案")), Qt::LeftButton);
    const filter::ConditionSet saved = SetOf(*pages.Engine(pages.Fixed()));
    std::ifstream in(path);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto read = filter::ReadConditionSet(text, 3);
    ASSERT_TRUE(read.set) << read.error;
    EXPECT_EQ(read.set->results, (std::vector<std::string>{"123", "456"}));
    EXPECT_EQ(read.set->groups, saved.groups);
    EXPECT_FALSE(FileExists(path + ".part"));

    QTest::mouseClick(Toggle(sum, QStringLiteral("20")), Qt::LeftButton);
    script.QueueFileSelection({path});
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("载入方案")), Qt::LeftButton);
    Settle();
    EXPECT_EQ(SetOf(*pages.Engine(pages.Fixed())), saved);
    EXPECT_EQ(pages.restoredNumbers, (std::vector<std::string>{"123", "456"}));
    EXPECT_TRUE(Toggle(Row(fixed, QStringLiteral("和值")), QStringLiteral("9"))->isChecked());

    const std::string damaged = pages.Root() + "坏.json";
    WriteFile(damaged, R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"conditions": [{"type": "position", "position": 3, "values": [1]}]}]})");
    script.QueueFileSelection({damaged});
    script.QueueMessageBoxAnswer(IDOK);
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("载入方案")), Qt::LeftButton);
    EXPECT_EQ(SetOf(*pages.Engine(pages.Fixed())), saved);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("position"), std::string::npos);
    EXPECT_EQ(script.UnexpectedRequests(), 0);
}

TEST_F(ConditionWindow, TheFixedPageRefusesASetItCannotShowWhole)
{
    // Several groups, a 容错 and a disabled group: each would filter by what the page does not show.
    for (const char* groups : {R"([{"conditions": [{"type": "sum", "values": [1]}]}, {"conditions": []}])",
                               R"([{"errors": [0, 1], "conditions": [{"type": "sum", "values": [1]}]}])",
                               R"([{"enabled": false, "conditions": [{"type": "sum", "values": [1]}]}])"}) {
        ScriptedInteraction script;
        const std::string path = pages.Root() + "refused.json";
        WriteFile(path, std::string(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": )") + groups + "}");
        script.QueueFileSelection({path});
        script.QueueMessageBoxAnswer(IDOK);
        QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("载入方案")), Qt::LeftButton);
        EXPECT_EQ(pages.Engine(pages.Fixed())->FixedConditionCount(0), 0) << groups;
        ASSERT_EQ(script.MessageBoxes().size(), 1u) << groups;
        EXPECT_NE(script.MessageBoxes()[0].text.find("请在组合条件页载入"), std::string::npos) << script.MessageBoxes()[0].text;
    }
}

TEST_F(ConditionWindow, BacktestJudgesTheLastDrawsOfTheHostsHistory)
{
    WriteFile(pages.Root() + "data/draws.txt", "2024001 123\n2024002 456\n2024003 789\n2024004 111\n");
    QWidget* sum = Row(fixed, QStringLiteral("和值"));
    QTest::mouseClick(Toggle(sum, QStringLiteral("6")), Qt::LeftButton);
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("历史验证")), Qt::LeftButton);
    auto* text = fixed->window()->findChild<QPlainTextEdit*>();
    QPlainTextEdit* shown = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == QStringLiteral("历史验证") && top->isVisible())
            shown = top->findChild<QPlainTextEdit*>();
    static_cast<void>(text);
    ASSERT_NE(shown, nullptr);
    // Sum 6 keeps 28 of the 1000 numbers; the lost draws go by period.
    EXPECT_EQ(shown->toPlainText().toStdString(), "4 期中保留 1 期（25.0%），随机约 2.8%\n\n"
                                                  "456（第 2024002 期）：和值\n"
                                                  "789（第 2024003 期）：和值\n"
                                                  "111（第 2024004 期）：和值");
}

// 历史表现: the sum's own record beside its chance, worked out by hand: sum 6
// keeps 28 of the 1000 numbers and only 123 of the four draws; P(at least one
// of four at 0.028) = 1 - 0.972^4 = 0.1074. A double click finds its row.
TEST_F(ConditionWindow, RecordsShowEachConditionBesideItsChanceAndFindItsRow)
{
    WriteFile(pages.Root() + "data/draws.txt", "2024001 123\n2024002 456\n2024003 789\n2024004 111\n");
    QWidget* sum = Row(fixed, QStringLiteral("和值"));
    QTest::mouseClick(Toggle(sum, QStringLiteral("6")), Qt::LeftButton);
    QTest::mouseClick(Visible<QPushButton>(fixed, QStringLiteral("历史表现")), Qt::LeftButton);
    QWidget* view = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == QStringLiteral("条件历史表现") && top->isVisible())
            view = top;
    ASSERT_NE(view, nullptr);
    auto* table = view->findChild<QTableView*>(QStringLiteral("recordTable"));
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* model = table->model();
    ASSERT_EQ(model->rowCount(), 3); // the sum, its group, the set
    const auto row = [model](int r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
        return cells;
    };
    const QStringList first = row(0);
    EXPECT_TRUE(first[0].endsWith(QStringLiteral(" 和值"))) << first[0].toStdString();
    EXPECT_EQ(first.mid(1), (QStringList{QStringLiteral("2.8%"), QStringLiteral("1"), QStringLiteral("25.0%"),
                                         QStringLiteral("0.1074"), QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(row(2)[0], QStringLiteral("全部条件"));
    EXPECT_EQ(row(2).mid(1), first.mid(1));
    EXPECT_TRUE(view->findChild<QLabel*>(QStringLiteral("recordStatus"))->text().contains(QStringLiteral("（样本少于 30 期）")));

    // Sorted by the longest cut, then back by the file's order.
    table->sortByColumn(6, Qt::DescendingOrder);
    EXPECT_EQ(model->index(0, 6).data().toString(), QStringLiteral("3"));
    table->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_TRUE(model->index(0, 0).data().toString().endsWith(QStringLiteral(" 和值")));

    auto* enable = sum->findChild<QCheckBox*>();
    ASSERT_NE(enable, nullptr);
    enable->clearFocus();
    const QRect cell = table->visualRect(model->index(0, 0));
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    // The row's box is its page's focus, whichever window is active.
    EXPECT_TRUE(QTest::qWaitFor([&] { return enable->window()->focusWidget() == enable; }, 2000));

    // The pages close with the count box in focus: the view goes without
    // running again on its way out.
    view->activateWindow();
    view->findChild<QSpinBox*>()->setFocus();
}

// The combined page's 历史表现 over the sample history says, line by line,
// what vesk-cli backtest --per-condition prints for the same set.
TEST_F(ConditionWindow, RecordsOfACombinedGroupAreVeskClisLines)
{
    std::ifstream sample(std::string(std::getenv("VESK_SOURCE_DIR")) + "/data/draws-3d.txt", std::ios::binary);
    const std::string draws((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(draws.empty());
    WriteFile(pages.Root() + "data/draws.txt", draws);
    QWidget* panel = ShowCombined();
    QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件组")), Qt::LeftButton);
    Settle();
    for (int steps : {0, 2}) { // 和值, 跨度
        QComboBox* picker = nullptr;
        for (QComboBox* box : panel->findChildren<QComboBox*>(QStringLiteral("typePicker")))
            if (box->isVisibleTo(panel))
                picker = box;
        ASSERT_NE(picker, nullptr);
        picker->setFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(picker, Qt::Key_Down);
        QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("添加条件")), Qt::LeftButton);
        Settle();
    }
    for (const char* sum : {"12", "13", "14", "15"})
        QTest::mouseClick(Toggle(Row(panel, QStringLiteral("和值")), QString::fromUtf8(sum)), Qt::LeftButton);
    QTest::mouseClick(Toggle(Row(panel, QStringLiteral("跨度")), QStringLiteral("5")), Qt::LeftButton);
    QTest::mouseClick(Toggle(Row(panel, QStringLiteral("跨度")), QStringLiteral("6")), Qt::LeftButton);
    std::vector<QSpinBox*> spins;
    for (QSpinBox* spin : panel->findChildren<QSpinBox*>())
        if (spin->isVisibleTo(panel))
            spins.push_back(spin);
    ASSERT_EQ(spins.size(), 2u);
    spins[1]->setFocus();
    QTest::keyClick(spins[1], Qt::Key_Up); // 容错 [0, 1]

    const std::string setPath = pages.Root() + "set.json";
    WriteFile(setPath, filter::WriteConditionSet(SetOf(*pages.Engine(pages.Combined()))));
    QProcess cli;
    cli.start(QString::fromStdString(BuildFolder() + "bin/vesk-cli"),
              {QStringLiteral("backtest"), QStringLiteral("--conditions"), QString::fromStdString(setPath),
               QStringLiteral("--draws"), QString::fromStdString(pages.Root() + "data/draws.txt"),
               QStringLiteral("--per-condition"), QStringLiteral("--last"), QStringLiteral("100")});
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    QTest::mouseClick(Visible<QPushButton>(panel, QStringLiteral("历史表现")), Qt::LeftButton);
    QTableView* table = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowTitle() == QStringLiteral("条件历史表现") && top->isVisible())
            table = top->findChild<QTableView*>(QStringLiteral("recordTable"));
    ASSERT_NE(table, nullptr);
    const QAbstractItemModel* model = table->model();
    ASSERT_EQ(lines.size(), 5); // header, 1.1, 1.2, 1, set
    ASSERT_EQ(model->rowCount(), 4);
    const auto percent = [](const QString& share) { return share.toDouble() * 100; };
    for (int r = 0; r < 4; ++r) {
        const QStringList printed = lines[r + 1].split(QLatin1Char('\t'));
        ASSERT_EQ(printed.size(), 8);
        const auto cell = [&](int c) { return model->index(r, c).data().toString(); };
        if (printed[0] == QStringLiteral("set"))
            EXPECT_EQ(cell(0), QStringLiteral("全部条件"));
        else if (printed[0].contains(QLatin1Char('.')))
            EXPECT_TRUE(cell(0).startsWith(printed[0] + QLatin1Char(' '))) << cell(0).toStdString();
        else
            EXPECT_TRUE(cell(0).endsWith(QStringLiteral("（容错 0-1）"))) << cell(0).toStdString();
        EXPECT_EQ(printed[2], QStringLiteral("100"));
        EXPECT_NEAR(cell(1).chopped(1).toDouble(), percent(printed[4]), 0.05 + 1e-9) << r;
        EXPECT_EQ(cell(2), printed[1]) << r;
        EXPECT_NEAR(cell(3).chopped(1).toDouble(), percent(printed[3]), 0.05 + 1e-9) << r;
        EXPECT_EQ(cell(4), printed[5]) << r;
        EXPECT_EQ(cell(5), printed[6]) << r;
        EXPECT_EQ(cell(6), printed[7]) << r;
    }
    Settle();
    table->window()->resize(700, 420);
    if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
        table->window()->grab().save(QString::fromUtf8(folder) + "/condition-records.png");
}

} // namespace
} // namespace vesk::test
