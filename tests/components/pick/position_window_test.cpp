// 单选定位 in the real host: the per-position figures against the core, the
// product's count and cost before generating, its back-test, groups and the
// hand-off.
#include "tests/components/pick/pick_fixture.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/pick/position_pick.h"
#include "components/features/pick/number_panel.h"
#include "components/features/pick/position_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

namespace vesk::pick {
namespace {

class PositionWindowTest : public PickFixture {
protected:
    PositionWindow* Position() { return static_cast<PositionWindow*>(Shown(QStringLiteral("pickPositionWindow"))); }
};

TEST_F(PositionWindowTest, FiguresPerPositionAreTheCoresAndFollowW)
{
    Select(QStringLiteral("单选定位"));
    PositionWindow* feature = Position();
    ASSERT_NE(feature, nullptr);
    const std::vector<std::uint32_t> draws = SampleDraws();
    for (std::size_t w : {std::size_t{30}, std::size_t{7}}) {
        if (w != 30)
            feature->findChild<QSpinBox*>(QStringLiteral("methodWindow"))->setValue(static_cast<int>(w));
        const auto figures = analysis::PositionFigures(draws, 3, w);
        QAbstractItemModel* model = feature->DigitTable()->model();
        ASSERT_EQ(model->rowCount(), 10);
        ASSERT_EQ(model->columnCount(), 9);
        EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("百位"));
        EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("近%1期").arg(w));
        for (int p = 0; p < 3; ++p)
            for (int d = 0; d < 10; ++d) {
                const auto& f = figures[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)];
                EXPECT_EQ(model->index(d, p * 3 + 1).data().toString(), QString::number(f.current)) << p << d;
                EXPECT_EQ(model->index(d, p * 3 + 2).data().toString(), QString::number(f.count)) << p << d;
            }
    }
    Snapshot("pick-position");
}

TEST_F(PositionWindowTest, TheProductsCountCostAndBackTestShowBeforeGenerating)
{
    Select(QStringLiteral("单选定位"));
    PositionWindow* feature = Position();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->Numbers()->CountLabel()->text(), QStringLiteral("复式 0×0×0 · 共 0 注 · 金额 0 元"));
    for (const auto& [p, d] : std::vector<std::pair<int, int>>{{0, 1}, {0, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 0}, {2, 9}})
        feature->SetPicked(p, d, true);
    EXPECT_EQ(feature->Numbers()->CountLabel()->text(), QStringLiteral("复式 2×3×2 · 共 12 注 · 金额 24 元"));
    const analysis::PositionDigits digits = feature->Picked();
    const analysis::ProductBackTest test = analysis::BackTestProduct(digits, SampleDraws(), 100);
    EXPECT_EQ(test.baseline, (analysis::Figure{12, 1000}));
    // The product's figures as vesk-cli pick --backtest prints them.
    const std::vector<QStringList> lines =
        CliPick({QStringLiteral("--method"), QStringLiteral("position"), QStringLiteral("--positions"),
                 QStringLiteral("12/345/09"), QStringLiteral("--backtest"), QStringLiteral("100")});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1][1].toLongLong(), test.hits);
    const QStringList shown = feature->findChild<QLabel*>(QStringLiteral("backTest"))->text().split(QLatin1Char('\n'));
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("挑选所用 近100期（计分100期）：命中 %1 期").arg(lines[1][1])));
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("检验 之前100期（计分100期）：命中 %1 期").arg(lines[2][1])))
        << shown[1].toStdString();
    EXPECT_TRUE(feature->Numbers()->List()->toPlainText().isEmpty());
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("generateNumbers")), Qt::LeftButton);
    EXPECT_EQ(feature->Numbers()->List()->toPlainText(),
              QStringLiteral("130 139 140 149 150 159 230 239 240 249\n250 259"));
    feature->findChild<QCheckBox*>(QStringLiteral("groupBox"))->setChecked(true);
    EXPECT_EQ(feature->Numbers()->Numbers().size(), 12u); // no two orderings of one group here
    Snapshot("pick-position-picked");

    feature->findChild<QCheckBox*>(QStringLiteral("groupBox"))->setChecked(false);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    EXPECT_TRUE(WorkbenchShows(QStringLiteral("缩水结果:12注")));
}

TEST_F(PositionWindowTest, NothingIsSentWithoutAFullProduct)
{
    Select(QStringLiteral("单选定位"));
    PositionWindow* feature = Position();
    ASSERT_NE(feature, nullptr);
    feature->SetPicked(0, 1, true);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(Position(), feature); // still open: no workbench was opened for nothing
    EXPECT_TRUE(feature->Numbers()->List()->toPlainText().contains(QStringLiteral("没有号码")));
}

} // namespace
} // namespace vesk::pick
