// The smart-pick methods' windows in the real host: each leaf's classes,
// pattern table, live count, numbers and back-test against the core; the
// hand-off to the workbench; remembered parameters; refresh; the list of
// methods.
#include "tests/components/pick/pick_fixture.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/pick/digit_ranking.h"
#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/pick/digit_chips.h"
#include "components/features/pick/method_list.h"
#include "components/features/pick/method_window.h"
#include "components/features/pick/number_panel.h"
#include "components/features/pick/pick_feature.h"
#include "components/features/pick/pick_options.h"

#include "app/window/feature_area.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include <fstream>

namespace vesk::pick {
namespace {

const std::vector<std::pair<QString, analysis::PickMethod>> kLeaves = {
    {QStringLiteral("邻孤传选号"), analysis::PickMethod::Neighbour}, {QStringLiteral("复隔中选号"), analysis::PickMethod::RepeatSkip},
    {QStringLiteral("热温冷选号"), analysis::PickMethod::HotCold},   {QStringLiteral("金字塔选号"), analysis::PickMethod::Pyramid},
    {QStringLiteral("跟随选号"), analysis::PickMethod::Follow},      {QStringLiteral("魔数选号"), analysis::PickMethod::Magic},
};

class PickWindowTest : public PickFixture {
protected:
    MethodWindow* Method() { return static_cast<MethodWindow*>(Shown(QStringLiteral("pickMethodWindow"))); }

    // The window's 挑选所用 and 检验 lines name the hits and scored draws
    // vesk-cli pick --backtest 100 prints for the same patterns.
    void ExpectFiguresOfCli(MethodWindow* feature, const QStringList& args)
    {
        const std::vector<QStringList> lines = CliPick(args + QStringList{QStringLiteral("--backtest"), QStringLiteral("100")});
        ASSERT_EQ(lines.size(), 3u);
        const QStringList shown = feature->findChild<QLabel*>(QStringLiteral("backTest"))->text().split(QLatin1Char('\n'));
        ASSERT_EQ(shown.size(), 2);
        EXPECT_TRUE(shown[0].startsWith(QStringLiteral("挑选所用 近100期（计分%1期）：命中 %2 期").arg(lines[1][2], lines[1][1])))
            << shown[0].toStdString();
        EXPECT_TRUE(shown[1].startsWith(QStringLiteral("检验 之前100期（计分%1期）：命中 %2 期").arg(lines[2][2], lines[2][1])))
            << shown[1].toStdString();
        EXPECT_TRUE(shown[1].contains(QStringLiteral("单侧 p = ")));
        EXPECT_FALSE(shown[0].contains(QStringLiteral("p = "))); // no verdict on the draws a pick was made on
    }
};

TEST_F(PickWindowTest, EachLeafShowsTheCoresClassesAndPatternTable)
{
    const std::vector<std::uint32_t> draws = SampleDraws();
    for (const auto& [leaf, method] : kLeaves) {
        SCOPED_TRACE(leaf.toStdString());
        Select(leaf);
        MethodWindow* feature = Method();
        ASSERT_NE(feature, nullptr);
        EXPECT_EQ(feature->Method(), method);
        const analysis::PickParameters parameters = analysis::DefaultParameters(method);
        const analysis::PatternSpace space(method, 3);
        const analysis::PickTable expected = analysis::ComputePickTable(method, parameters, space, draws, 100);
        ASSERT_TRUE(expected.next);
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(feature->Chips()->Chip(d)->property("digitClass").toInt(), expected.next->of[static_cast<std::size_t>(d)]) << d;
        QTableView* table = feature->PatternTable();
        ASSERT_EQ(table->model()->rowCount(), static_cast<int>(space.Size()));
        for (int r = 0; r < table->model()->rowCount(); ++r) {
            const auto p = static_cast<std::size_t>(r);
            const analysis::PickPatternRow& row = expected.rows[p];
            EXPECT_EQ(table->model()->index(r, kPatternLabel).data().toString().toStdString(), space.Label(p));
            EXPECT_EQ(table->model()->index(r, kPatternCount).data().toString(), QString::number(row.count));
            EXPECT_EQ(table->model()->index(r, kPatternShare).data().toString().toStdString(),
                      analysis::FormatFigure(row.share, 1, 100) + "%");
            EXPECT_EQ(table->model()->index(r, kPatternBaseline).data().toString().toStdString(),
                      analysis::FormatFigure(row.baseline, 1, 100) + "%");
            EXPECT_EQ(table->model()->index(r, kPatternNextCount).data().toString(),
                      QString::number(space.SpaceCount(p, *expected.next)));
        }
        EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("scoredLine"))->text().startsWith(QStringLiteral("近100期：计分 100 期")));
        // Nothing ticked: no numbers, and the back-test says what it will show.
        EXPECT_TRUE(feature->Numbers()->CountLabel()->text().contains(QStringLiteral("共 0 注")));
        const std::string name = "pick-" + std::string(analysis::InfoOf(method).name);
        Snapshot(name.c_str());
    }
}

TEST_F(PickWindowTest, TickedPatternsGiveTheirNumbersCountAndBackTestAtOnce)
{
    Select(QStringLiteral("热温冷选号"));
    MethodWindow* feature = Method();
    ASSERT_NE(feature, nullptr);
    const analysis::PatternSpace space(analysis::PickMethod::HotCold, 3);
    ASSERT_TRUE(feature->SetPicked("111", true));
    ASSERT_TRUE(feature->SetPicked("210", true));
    EXPECT_FALSE(feature->SetPicked("9", true));
    const analysis::PickTable& table = feature->Table();
    std::vector<bool> picked(space.Size(), false);
    picked[*space.IndexOfLabel("111")] = picked[*space.IndexOfLabel("210")] = true;
    const std::vector<std::uint32_t> straight = analysis::PickedNumbers(space, *table.next, picked);
    EXPECT_EQ(feature->Numbers()->CountLabel()->text(),
              QStringLiteral("已选 2 种形态 · 共 %1 注 · 金额 %2 元").arg(straight.size()).arg(straight.size() * 2));
    ExpectFiguresOfCli(feature, {QStringLiteral("--method"), QStringLiteral("hot-cold"), QStringLiteral("--patterns"),
                                 QStringLiteral("111,210")});

    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("generateNumbers")), Qt::LeftButton);
    const QStringList listed = feature->Numbers()->List()->toPlainText().split(QRegularExpression(QStringLiteral("\\s+")));
    ASSERT_EQ(listed.size(), static_cast<int>(straight.size()));
    for (std::size_t i = 0; i < straight.size(); ++i)
        EXPECT_EQ(listed[static_cast<int>(i)], QStringLiteral("%1").arg(straight[i], 3, 10, QLatin1Char('0')));

    // 组选: one number per digit multiset; the count follows at once.
    feature->findChild<QCheckBox*>(QStringLiteral("groupBox"))->setChecked(true);
    const std::vector<std::uint32_t> groups = analysis::GroupsOf(straight, 3);
    EXPECT_TRUE(feature->Numbers()->CountLabel()->text().contains(QStringLiteral("共 %1 组").arg(groups.size())));
    EXPECT_TRUE(feature->Numbers()->List()->toPlainText().isEmpty()); // the old list no longer holds
    EXPECT_EQ(feature->Numbers()->Numbers(), groups);

    // 全选 covers the whole space: every scored draw hits, at a baseline of 100%.
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("pickButton0")), Qt::LeftButton);
    EXPECT_EQ(feature->Numbers()->Numbers().size(), 220u); // every group of three digits
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("backTest"))->text().contains(QStringLiteral("命中 100 期 100.0%")));
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("pickButton1")), Qt::LeftButton);
    EXPECT_TRUE(feature->Picked() == std::vector<bool>(space.Size(), false));
    ASSERT_TRUE(feature->SetPicked("111", true));
    Snapshot("pick-hot-cold-picked");
}

// 按规则挑选 ticks what beat its baseline over the window and grades that
// rule walked forward, as vesk-cli does; with every draw in the window
// nothing is left to check on.
TEST_F(PickWindowTest, TheRulePicksAndIsGradedOnDrawsItDidNotSee)
{
    Select(QStringLiteral("邻孤传选号"));
    MethodWindow* feature = Method();
    ASSERT_NE(feature, nullptr);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("pickButton3")), Qt::LeftButton);
    const analysis::PickTable& table = feature->Table();
    const std::vector<bool> picked = feature->Picked();
    QStringList labels;
    const analysis::PatternSpace space(analysis::PickMethod::Neighbour, 3);
    for (std::size_t p = 0; p < space.Size(); ++p) {
        EXPECT_EQ(picked[p], table.rows[p].share.Compare(table.rows[p].baseline) > 0) << space.Label(p);
        if (picked[p])
            labels << QString::fromStdString(space.Label(p));
    }
    ASSERT_FALSE(labels.isEmpty());
    const std::vector<QStringList> lines = CliPick({QStringLiteral("--method"), QStringLiteral("neighbour"),
                                                    QStringLiteral("--patterns"), labels.join(QLatin1Char(',')),
                                                    QStringLiteral("--backtest"), QStringLiteral("100"),
                                                    QStringLiteral("--rule"), QStringLiteral("100")});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3][0], QStringLiteral("walk-forward"));
    QLabel* rule = feature->findChild<QLabel*>(QStringLiteral("ruleRecord"));
    EXPECT_FALSE(rule->isHidden());
    EXPECT_TRUE(rule->text().startsWith(QStringLiteral("按规则逐期回测 近100期（计分%1期）：命中 %2 期").arg(lines[3][2], lines[3][1])))
        << rule->text().toStdString();
    ExpectFiguresOfCli(feature, {QStringLiteral("--method"), QStringLiteral("neighbour"), QStringLiteral("--patterns"),
                                 labels.join(QLatin1Char(','))});
    Snapshot("pick-rule");

    // A short window says its rates rest on few draws.
    feature->ShowMethod(feature->Method(), feature->Parameters(), 20);
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("scoredLine"))->text().endsWith(QStringLiteral("（样本少于 30 期）")));
    const QStringList few = feature->findChild<QLabel*>(QStringLiteral("backTest"))->text().split(QLatin1Char('\n'));
    ASSERT_EQ(few.size(), 2);
    EXPECT_TRUE(few[0].contains(QStringLiteral("（样本少于 30 期）"))) << few[0].toStdString();
    EXPECT_TRUE(few[1].contains(QStringLiteral("（样本少于 30 期）"))) << few[1].toStdString();

    feature->ShowMethod(feature->Method(), feature->Parameters(), 0);
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("backTest"))->text().endsWith(
        QStringLiteral("检验：全部期数已用于挑选，没有可检验的期")));
    EXPECT_TRUE(rule->text().contains(QStringLiteral("统计期数为全部时")));
    // A tick by hand makes the picks the user's own: the rule's record goes.
    feature->SetPicked(space.Label(0), !feature->Picked()[0]);
    EXPECT_TRUE(rule->isHidden());
}

TEST_F(PickWindowTest, SendingHandsTheNumbersToTheWorkbenchsResultList)
{
    Select(QStringLiteral("邻孤传选号"));
    MethodWindow* feature = Method();
    ASSERT_NE(feature, nullptr);
    ASSERT_TRUE(feature->SetPicked("111", true));
    const std::size_t count = feature->Numbers()->Numbers().size();
    ASSERT_GT(count, 0u);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    EXPECT_TRUE(WorkbenchShows(QStringLiteral("缩水结果:%1注").arg(count)));
    EXPECT_EQ(Method(), nullptr);
}

TEST_F(PickWindowTest, ParametersAreRememberedAndChangeTheClasses)
{
    Select(QStringLiteral("跟随选号"));
    MethodWindow* feature = Method();
    ASSERT_NE(feature, nullptr);
    feature->findChild<QSpinBox*>(QStringLiteral("methodWindow"))->setValue(20);
    feature->findChild<QSpinBox*>(QStringLiteral("followTop"))->setValue(3);
    const std::vector<std::uint32_t> draws = SampleDraws();
    analysis::PickParameters parameters = analysis::DefaultParameters(analysis::PickMethod::Follow);
    parameters.window = 20;
    parameters.top = 3;
    const auto classes = analysis::ClassesBefore(analysis::PickMethod::Follow, parameters, draws, 3, draws.size());
    ASSERT_TRUE(classes);
    for (int d = 0; d < 10; ++d)
        EXPECT_EQ(feature->Chips()->Chip(d)->property("digitClass").toInt(), classes->of[static_cast<std::size_t>(d)]);

    Select(QStringLiteral("魔数选号"));
    feature = Method();
    ASSERT_NE(feature, nullptr);
    feature->findChild<QCheckBox*>(QStringLiteral("formula3"))->setChecked(false);
    EXPECT_EQ(feature->Parameters().formulas, analysis::kAllMagicFormulas & ~analysis::kMagicSumABC);

    Select(QStringLiteral("跟随选号"));
    feature = Method();
    EXPECT_EQ(feature->Parameters().window, 20u);
    EXPECT_EQ(feature->Parameters().top, 3);
    EXPECT_EQ(feature->findChild<QSpinBox*>(QStringLiteral("followTop"))->value(), 3);
    Select(QStringLiteral("魔数选号"));
    EXPECT_EQ(Method()->Parameters().formulas, analysis::kAllMagicFormulas & ~analysis::kMagicSumABC);

    // The history window is remembered per method.
    auto* picker = Method()->findChild<QComboBox*>(QStringLiteral("windowPicker"));
    picker->setCurrentIndex(picker->findData(qulonglong{30}));
    emit picker->activated(picker->currentIndex());
    EXPECT_EQ(Method()->Table().window, 30u);
    Select(QStringLiteral("金字塔选号"));
    EXPECT_EQ(Method()->Table().window, 100u);
    Select(QStringLiteral("魔数选号"));
    EXPECT_EQ(Method()->Table().window, 30u);
    EXPECT_TRUE(Method()->findChild<QLabel*>(QStringLiteral("scoredLine"))->text().startsWith(QStringLiteral("近30期：计分 30 期")));
}

TEST_F(PickWindowTest, RefreshAfterAnImportAndTheNoHistoryLine)
{
    Select(QStringLiteral("复隔中选号"));
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "2025001 123\n";
    window->ReloadDrawsAction()->trigger();
    QApplication::processEvents();
    MethodWindow* feature = Method();
    ASSERT_NE(feature, nullptr);
    // One draw: no draw can be scored and the next draw's classes need two.
    EXPECT_EQ(feature->Table().scored, 0u);
    EXPECT_FALSE(feature->Table().next);
    EXPECT_TRUE(feature->Chips()->Legend()->text().contains(QStringLiteral("2 期")));
    EXPECT_FALSE(feature->findChild<QWidget*>(QStringLiteral("generateNumbers"))->isEnabled());

    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "期号 号码\n";
    window->ReloadDrawsAction()->trigger();
    QApplication::processEvents();
    auto* missing = feature->findChild<QLabel*>(QStringLiteral("missingHistory"));
    EXPECT_TRUE(missing->isVisible());
    EXPECT_TRUE(missing->text().contains(QStringLiteral("导入"))) << missing->text().toStdString();
    EXPECT_FALSE(feature->PatternTable()->isVisible());
    Snapshot("pick-no-history");
}

TEST_F(PickWindowTest, TheMethodListOpensEachMethod)
{
    // Code 55 has no tree item: the host opens it by code alone.
    ASSERT_GT(window->Session().Open({kMethodListCode, 0}), 0);
    QApplication::processEvents();
    auto* list = static_cast<MethodList*>(Shown(QStringLiteral("pickMethodList")));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->List()->count(), analysis::kPickMethodCount);
    Snapshot("pick-method-list");
    list->List()->setCurrentRow(3);
    list->OpenCurrent();
    QApplication::processEvents();
    ASSERT_NE(Method(), nullptr);
    EXPECT_EQ(Method()->Method(), analysis::PickMethod::Pyramid);
}

} // namespace
} // namespace vesk::pick
