// Rows 9 and 10 in the real host with the real module and the sample
// history: 胆杀验证 and 公式搜索 opened from their leaves of the short tree,
// their tables against the analysis core.
#include "components/features/formula/banker_window.h"
#include "components/features/formula/formula_feature.h"
#include "components/features/formula/formula_window.h"
#include "components/features/formula/trend_model.h"

#include "components/features/analysis/formula/banker_rules.h"
#include "components/features/analysis/formula/formula_search.h"
#include "components/features/kit/table_export.h"

#include "tests/support/feature_host_test.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>


namespace vesk::formula {
namespace {

const QString kBankerLeaf = QStringLiteral("胆杀验证");
const QString kFormulaLeaf = QStringLiteral("公式搜索（开发中）");

class FormulaWindowTest : public test::FeatureHostTest {
protected:
    void SetUp() override
    {
        StartHost({1100, 720});
        // Codes 96 and 97 are leaves of the short tree only.
        window->ShortTreeAction()->setChecked(true);
    }

    template <class Window>
    Window* Shown(const char* name)
    {
        return ShownNamed<Window>(QString::fromUtf8(name));
    }
    FormulaWindow* ShownFormula() { return Shown<FormulaWindow>("formulaWindow"); }
    BankerWindow* ShownBanker() { return Shown<BankerWindow>("bankerWindow"); }

    static void WaitForSearch(FormulaWindow* feature)
    {
        for (int i = 0; i < 2000 && feature->Searching(); ++i)
            QTest::qWait(5);
        ASSERT_FALSE(feature->Searching());
    }

    std::optional<std::uint32_t> Option(SlotInt id)
    {
        std::uint8_t bytes[4] = {};
        if (host->Environment().ReadOption(id, nullptr) != 4)
            return std::nullopt;
        host->Environment().ReadOption(id, bytes);
        return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t(bytes[3]) << 24;
    }

    void Snapshot(QWidget* widget, const char* name)
    {
        QApplication::processEvents(); // pending layout requests
        if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
            widget->window()->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }

    static QString Cell(QTableView* table, int row, int column)
    {
        return table->model()->index(row, column).data().toString();
    }
};

TEST_F(FormulaWindowTest, FormulaLeafListsTheSearchesTopFormulasBesideTheShuffledBest)
{
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    Snapshot(feature, "formula-search");
    window->resize(820, 560);
    QApplication::processEvents();
    Snapshot(feature, "formula-search-small");
    const analysis::FormulaSearchResult expected =
        analysis::SearchFormulas(SampleDraws(), 100, analysis::GuessUse::Banker, 20, true);
    QTableView* table = feature->Table();
    ASSERT_EQ(table->model()->rowCount(), 20);
    EXPECT_EQ(table->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("比洗牌最高"));
    EXPECT_EQ(table->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("最长连错"));
    for (int r = 0; r < 20; ++r) {
        const analysis::FormulaRow& row = expected.top[static_cast<std::size_t>(r)];
        EXPECT_EQ(Cell(table, r, 1), FormulaText(row.formula)) << r;
        EXPECT_EQ(Cell(table, r, 2).toLongLong(), row.hits) << r;
        EXPECT_EQ(Cell(table, r, 3), QStringLiteral("100"));
        EXPECT_EQ(Cell(table, r, 4), PercentText(row.rate)) << r;
        EXPECT_EQ(Cell(table, r, 5), QStringLiteral("27.1%"));
        EXPECT_EQ(Cell(table, r, 8).toLongLong(), row.longestMiss) << r;
        EXPECT_EQ(Cell(table, r, 9).toInt(), row.next) << r;
        // The rate less the best shuffle's, in points to one decimal: the
        // counts are over the same 100 draws, so whole points.
        const long long points = row.hits - expected.shuffledMax.num * 100 / expected.shuffledMax.den;
        EXPECT_EQ(Cell(table, r, 7), (points > 0 ? QStringLiteral("+%1.0") : points < 0 ? QStringLiteral("%1.0") : QStringLiteral("0.0")).arg(points)) << r;
    }
    // The plain sentence, and the shuffled searches' mean and maximum.
    auto* summary = feature->findChild<QLabel*>(QStringLiteral("shuffleSummary"));
    ASSERT_TRUE(summary->isVisible());
    EXPECT_TRUE(summary->text().contains(QStringLiteral("单凭运气")));
    EXPECT_TRUE(summary->text().contains(QStringLiteral("平均 ") + PercentText(expected.shuffledMean)));
    EXPECT_TRUE(summary->text().contains(QStringLiteral("最高 ") + PercentText(expected.shuffledMax)));
    EXPECT_FALSE(feature->findChild<QProgressBar*>(QStringLiteral("searchProgress"))->isVisible());

    // 导出 writes the table as shown.
    const std::string text = features::ModelText(*table->model());
    EXPECT_EQ(text.substr(0, text.find('\n')), "排名\t公式\t命中\t验证期数\t命中率\t随机基准\t比随机\t比洗牌最高\t最长连错\t下期");
    EXPECT_NE(text.find("\n1\t" + FormulaText(expected.top[0].formula).toStdString() + "\t"), std::string::npos);
    // Under it, what the window says beside the table: the mode, the warning
    // and the shuffles' mean and maximum.
    const std::string exported = features::ModelText(*table->model(), feature->ExportNotes());
    const std::string notes = exported.substr(text.size());
    EXPECT_TRUE(notes.starts_with("\n统计期数与方式：100期，胆码\n")) << notes;
    EXPECT_NE(notes.find("单凭运气"), std::string::npos) << notes;
    EXPECT_NE(notes.find("平均 " + PercentText(expected.shuffledMean).toStdString()), std::string::npos) << notes;
    EXPECT_NE(notes.find("最高 " + PercentText(expected.shuffledMax).toStdString()), std::string::npos) << notes;
}

TEST_F(FormulaWindowTest, FormulaChoicesAreRememberedAndSearchedAgain)
{
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    auto* use = feature->findChild<QComboBox*>(QStringLiteral("guessUse"));
    use->setCurrentIndex(1);
    emit use->activated(1);
    auto* top = feature->findChild<QSpinBox*>(QStringLiteral("topCount"));
    top->setValue(5);
    emit top->editingFinished();
    WaitForSearch(feature);
    EXPECT_EQ(Option(kFormulaUseOption), 1u);
    EXPECT_EQ(Option(kFormulaTopOption), 5u);
    ASSERT_EQ(feature->Table()->model()->rowCount(), 5);
    EXPECT_EQ(Cell(feature->Table(), 0, 5), QStringLiteral("72.9%"));

    Select(kBankerLeaf);
    Select(kFormulaLeaf);
    feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    EXPECT_EQ(feature->Use(), analysis::GuessUse::Kill);
    EXPECT_EQ(feature->Top(), 5u);
    const analysis::FormulaSearchResult expected =
        analysis::SearchFormulas(SampleDraws(), 100, analysis::GuessUse::Kill, 5, false);
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(Cell(feature->Table(), r, 1), FormulaText(expected.top[static_cast<std::size_t>(r)].formula));
}

TEST_F(FormulaWindowTest, StoppingTheSearchKeepsTheLastResultAndSaysSo)
{
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    const QString first = Cell(feature->Table(), 0, 1);
    feature->SetChoices(0, analysis::GuessUse::Banker); // 全部: a longer search
    ASSERT_TRUE(feature->Searching());
    feature->StopSearch();
    EXPECT_FALSE(feature->Searching());
    QTest::qWait(30);
    EXPECT_EQ(Cell(feature->Table(), 0, 1), first);
    EXPECT_TRUE(feature->StatusText().contains(QStringLiteral("已停止；表中仍是上一次（100期，胆码）的结果")))
        << feature->StatusText().toStdString();
    EXPECT_FALSE(feature->findChild<QPushButton*>(QStringLiteral("stopSearch"))->isVisible());
    // Another choice searches again to the end.
    feature->SetChoices(0, analysis::GuessUse::Banker);
    WaitForSearch(feature);
    EXPECT_EQ(feature->Result().scored, static_cast<std::int64_t>(SampleDraws().size()) - 1);
}

TEST_F(FormulaWindowTest, ALongSearchShowsItsProgressAndStopsOnAClick)
{
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    feature->SetProgressDelay(0);
    feature->SetChoices(0, analysis::GuessUse::Kill);
    auto* progress = feature->findChild<QProgressBar*>(QStringLiteral("searchProgress"));
    auto* stop = feature->findChild<QPushButton*>(QStringLiteral("stopSearch"));
    for (int i = 0; i < 200 && !progress->isVisible() && feature->Searching(); ++i)
        QTest::qWait(1);
    ASSERT_TRUE(feature->Searching());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_LT(progress->value(), 100);
    EXPECT_FALSE(feature->Table()->isEnabled()); // the last result, greyed
    Snapshot(feature, "formula-progress");
    QTest::mouseClick(stop, Qt::LeftButton);
    EXPECT_FALSE(feature->Searching());
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(feature->Table()->model()->rowCount(), 20); // the last result stays
    EXPECT_TRUE(feature->Table()->isEnabled());
}

TEST_F(FormulaWindowTest, BankerLeafChecksEveryRuleAsTheCoreDoes)
{
    Select(kBankerLeaf);
    BankerWindow* feature = ShownBanker();
    ASSERT_NE(feature, nullptr);
    Snapshot(feature, "banker-check");
    const std::vector<std::uint32_t> draws = SampleDraws();
    const std::vector<analysis::DigitRule> rules = analysis::StandardRules(3, 0);
    const std::vector<analysis::RuleCheck> expected = analysis::CheckRules(rules, draws, 3, 100, analysis::GuessUse::Banker);
    QTableView* table = feature->Table();
    ASSERT_EQ(table->model()->rowCount(), static_cast<int>(rules.size()));
    for (int r = 0; r < table->model()->rowCount(); ++r) {
        const analysis::RuleCheck& check = expected[static_cast<std::size_t>(r)];
        EXPECT_EQ(Cell(table, r, 0).toStdString(), analysis::RuleLabel(check.rule, 3));
        EXPECT_EQ(Cell(table, r, 1).toStdString(), analysis::DigitsText(*check.next));
        EXPECT_EQ(Cell(table, r, 2).toLongLong(), check.hits);
        EXPECT_EQ(Cell(table, r, 3).toLongLong(), check.scored);
        EXPECT_EQ(Cell(table, r, 4), PercentText(check.rate));
        EXPECT_EQ(Cell(table, r, 5), PercentText(check.baseline));
        // p as the exact binomial sum at the mean chance; the verdict at 1 %.
        const long double chance = check.baseline.Value();
        long double term = std::pow(1 - chance, static_cast<long double>(check.scored));
        long double above = 0;
        for (std::int64_t i = 0; i <= check.scored; ++i) {
            if (i >= check.hits)
                above += term;
            term = term * static_cast<long double>(check.scored - i) / static_cast<long double>(i + 1) * chance / (1 - chance);
        }
        EXPECT_NEAR(Cell(table, r, 7).toDouble(), static_cast<double>(above), 0.00005 + 1e-12) << r;
        if (above < 0.01L) {
            EXPECT_EQ(Cell(table, r, 8), QStringLiteral("高于随机")) << r;
        } else if (Cell(table, r, 8) != QStringLiteral("低于随机")) {
            EXPECT_EQ(Cell(table, r, 8), QStringLiteral("在随机波动之内")) << r;
        }
    }
    // The trend: one row per draw of the window, one column per rule, the
    // newest draw in view.
    feature->Tabs()->setCurrentIndex(1);
    QApplication::processEvents();
    Snapshot(feature, "banker-trend");
    QTableView* shown = feature->Trend();
    EXPECT_TRUE(shown->visualRect(shown->model()->index(99, 0)).intersects(shown->viewport()->rect()));
    window->resize(820, 560);
    QApplication::processEvents();
    Snapshot(feature, "banker-trend-small");
    QTableView* trend = feature->Trend();
    ASSERT_EQ(trend->model()->rowCount(), 100);
    ASSERT_EQ(trend->model()->columnCount(), 2 + static_cast<int>(rules.size()));
    EXPECT_EQ(Cell(trend, 99, 1), QStringLiteral("%1").arg(draws.back(), 3, 10, QLatin1Char('0')));
    for (int r = 0; r < 100; ++r)
        EXPECT_EQ(Cell(trend, r, 2), expected[0].outcomes[static_cast<std::size_t>(r)] ? QStringLiteral("中")
                                                                                        : QStringLiteral("×"));
}

TEST_F(FormulaWindowTest, OwnDigitsAreARuleAndBadDigitsChangeNothing)
{
    Select(kBankerLeaf);
    BankerWindow* feature = ShownBanker();
    ASSERT_NE(feature, nullptr);
    const int standard = feature->Table()->model()->rowCount();
    QLineEdit* edit = feature->FixedEdit();
    edit->setText(QStringLiteral("5,0 5"));
    emit edit->editingFinished();
    ASSERT_EQ(feature->Table()->model()->rowCount(), standard + 1);
    EXPECT_EQ(Cell(feature->Table(), standard, 0), QStringLiteral("固定 0 5"));
    EXPECT_EQ(edit->text(), QStringLiteral("0 5"));
    EXPECT_EQ(Option(kBankerFixedOption), 0b100001u);

    edit->setText(QStringLiteral("0 x7"));
    emit edit->editingFinished();
    EXPECT_EQ(feature->FixedDigits(), 0b100001);
    EXPECT_EQ(Option(kBankerFixedOption), 0b100001u);
    EXPECT_EQ(feature->Table()->model()->rowCount(), standard + 1);
    EXPECT_TRUE(feature->StatusText().contains(QStringLiteral("“x”"))) << feature->StatusText().toStdString();

    // 杀 and the window are kept, and the digits come back on the next opening.
    auto* use = feature->findChild<QComboBox*>(QStringLiteral("guessUse"));
    use->setCurrentIndex(1);
    emit use->activated(1);
    Select(kFormulaLeaf);
    Select(kBankerLeaf);
    feature = ShownBanker();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->Use(), analysis::GuessUse::Kill);
    EXPECT_EQ(feature->FixedEdit()->text(), QStringLiteral("0 5"));
    EXPECT_EQ(Cell(feature->Table(), standard, 5), QStringLiteral("51.2%")); // 0.8^3
    feature->Table()->scrollToBottom();
    Snapshot(feature, "banker-kill-own-digits");
}

TEST_F(FormulaWindowTest, BothWindowsOpenInTurnAndAfterTheTreeIsRebuilt)
{
    window->ShortTreeAction()->setChecked(false);
    window->ShortTreeAction()->setChecked(true);
    Select(kBankerLeaf);
    ASSERT_NE(ShownBanker(), nullptr);
    EXPECT_GT(ShownBanker()->Table()->model()->rowCount(), 0);
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    ASSERT_NE(feature, nullptr);
    WaitForSearch(feature);
    EXPECT_EQ(feature->Table()->model()->rowCount(), 20);
    Select(kBankerLeaf);
    EXPECT_NE(ShownBanker(), nullptr);
}

TEST_F(FormulaWindowTest, WithoutDrawsOneLineSaysHowToImport)
{
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "期号 号码\n";
    for (const QString& leaf : {kBankerLeaf, kFormulaLeaf}) {
        Select(leaf);
        QWidget* feature = leaf == kBankerLeaf ? static_cast<QWidget*>(ShownBanker()) : ShownFormula();
        ASSERT_NE(feature, nullptr);
        auto* missing = feature->findChild<QLabel*>(QStringLiteral("missingHistory"));
        EXPECT_TRUE(missing->isVisible());
        EXPECT_TRUE(missing->text().contains(QStringLiteral("导入"))) << missing->text().toStdString();
    }
    // One draw: nothing can be predicted from a draw before it.
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "2025001 123\n";
    Select(kBankerLeaf);
    Select(kFormulaLeaf);
    FormulaWindow* feature = ShownFormula();
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("missingHistory"))->text().contains(QStringLiteral("至少需要 2 期")));
    EXPECT_FALSE(feature->Searching());
}

TEST(OtherGames, FiveDigitDrawsGetTheirRulesAndTheSearchSaysWhyNot)
{
    features::HistoryDraws draws{{12345, 67890, 13579, 24680}, {}};
    BankerWindow banker;
    banker.SetHistory(draws, 5, "");
    ASSERT_EQ(banker.Table()->model()->rowCount(), 25 + 5); // no magic formulas of three digits
    EXPECT_EQ(banker.Table()->model()->index(4, 0).data().toString(), QStringLiteral("上1期第5位"));
    EXPECT_EQ(banker.Trend()->model()->index(3, 1).data().toString(), QStringLiteral("24680"));

    FormulaWindow formula;
    formula.SetHistory(draws, 5, "");
    EXPECT_FALSE(formula.Searching());
    EXPECT_TRUE(formula.findChild<QLabel*>(QStringLiteral("missingHistory"))->text().contains(QStringLiteral("三位数")));
}

TEST(TrendModelTest, PassesTheModelTester)
{
    const std::vector<std::uint32_t> draws = {358, 127, 490, 336, 815};
    features::HistoryDraws history{draws, {"1", "2", "3", "4", "5"}};
    TrendModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    const std::vector<analysis::DigitRule> rules = analysis::StandardRules(3, 0);
    model.SetChecks(analysis::CheckRules(rules, draws, 3, 3, analysis::GuessUse::Banker), history, 3);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("3"));
    EXPECT_EQ(model.index(2, 1).data().toString(), QStringLiteral("815"));
    // 上5期 rules have no draw five back of these: left blank, not counted.
    EXPECT_EQ(model.index(0, 2 + 7 + 12).data().toString(), QString());
    model.SetChecks({}, history, 3);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 2);
}

} // namespace
} // namespace vesk::formula
