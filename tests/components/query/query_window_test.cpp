// Rows 2-5 in the real host with the real module and the sample history:
// the leaves 号码查询, 特征串查询, 直落统计 and 状态表 clicked in the tree.
#include "components/features/analysis/query/falls.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/query/lookup_index.h"
#include "components/features/analysis/omission_table.h"
#include "components/features/analysis/query/pattern_search.h"
#include "components/features/analysis/query/state_table.h"
#include "components/features/analysis/value_labels.h"
#include "components/features/query/lookup_window.h"
#include "components/features/query/pattern_window.h"
#include "components/features/query/query_feature.h"
#include "components/features/query/state_columns.h"
#include "components/features/query/state_window.h"
#include "components/features/query/straight_window.h"

#include "framework/cdialog.h"
#include "framework/scripted_interaction.h"
#include "tests/support/feature_host_test.h"
#include "tests/support/xls_readback.h"
#include "tests/support/visible_label.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace vesk::query {
namespace {

using test::BuildFolder;
using test::ReadAll;

struct Sample {
    std::vector<std::uint32_t> codes;
    std::vector<std::string> periods;
};

const Sample& SampleHistory()
{
    static const Sample sample = [] {
        const std::string text = ReadAll(BuildFolder() + "data/draws-3d.txt");
        const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 3);
        Sample s;
        for (const Draw& draw : history.Draws()) {
            s.codes.push_back(draw.code);
            s.periods.push_back(std::to_string(*draw.period));
        }
        return s;
    }();
    return sample;
}

QStringList Row(const QAbstractItemModel* model, int row)
{
    QStringList cells;
    for (int c = 0; c < model->columnCount(); ++c)
        cells << model->index(row, c).data().toString();
    return cells;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

// vesk-cli pattern prints the summary the window shows (its value as the
// condition file's integer, shares with four decimals where the window
// shows percentages with two).
void ExpectCliAgrees(PatternWindow* feature, const QStringList& typeArgs)
{
    SCOPED_TRACE(typeArgs.join(QLatin1Char(' ')).toStdString());
    QProcess cli;
    cli.start(Q(BuildFolder() + "bin/vesk-cli"),
              QStringList{QStringLiteral("pattern"), QStringLiteral("--draws"), Q(BuildFolder() + "data/draws-3d.txt"),
                          QStringLiteral("--length"), QString::number(feature->K())} +
                  typeArgs);
    ASSERT_TRUE(cli.waitForFinished(30000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QAbstractItemModel* summary = feature->Summary()->model();
    ASSERT_EQ(lines.size(), summary->rowCount() + 1);
    EXPECT_EQ(lines[0], QStringLiteral("value\tcount\tshare\tprobability"));
    const analysis::ValueLabels labels(feature->Choice().condition, 3);
    const auto percent = [](const QString& share) {
        return QString::number(share.toDouble() * 100, 'f', 2) + QLatin1Char('%');
    };
    for (int r = 0; r < summary->rowCount(); ++r) {
        const QStringList printed = lines[r + 1].split(QLatin1Char('\t'));
        const QStringList shown = Row(summary, r);
        EXPECT_EQ(shown[0], Q(labels.Text(printed[0].toLongLong())));
        EXPECT_EQ(shown[1], printed[1]);
        EXPECT_EQ(shown[2], percent(printed[2])) << r;
        EXPECT_EQ(shown[3], percent(printed[3])) << r;
        // The share's 95 % interval holds the share; no places, no interval.
        if (feature->Result().places.empty()) {
            EXPECT_EQ(shown[4], QStringLiteral("-"));
            continue;
        }
        const QStringList ends = shown[4].split(QStringLiteral("–"));
        ASSERT_EQ(ends.size(), 2) << shown[4].toStdString();
        const double share = printed[2].toDouble() * 100;
        EXPECT_LE(ends[0].chopped(1).toDouble(), share + 0.05) << r;
        EXPECT_GE(ends[1].chopped(1).toDouble(), share - 0.05) << r;
    }
}

class QueryWindowTest : public test::FeatureHostTest {
protected:
    void SetUp() override { StartHost({1280, 800}); }
    void TearDown() override
    {
        SetInteraction(nullptr);
        FeatureHostTest::TearDown();
    }

    template <class Window>
    Window* Shown(const QString& name)
    {
        return ShownNamed<Window>(name);
    }

    void PickWindow(QWidget* feature, const QString& label)
    {
        auto* picker = feature->findChild<QComboBox*>(QStringLiteral("windowPicker"));
        const int index = picker->findText(label);
        ASSERT_GE(index, 0);
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }

    void Snapshot(QWidget* widget, const char* name)
    {
        if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
            widget->window()->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }

    bool WorkbenchShows(const QString& text, int milliseconds = 10000)
    {
        return test::WaitForVisibleLabel(window->Area(), text, milliseconds);
    }
};

TEST_F(QueryWindowTest, LookupShowsTheCoresFiguresForNumbersAndPeriods)
{
    Select(QStringLiteral("号码查询"));
    auto* feature = Shown<LookupWindow>(QStringLiteral("lookupWindow"));
    ASSERT_NE(feature, nullptr);
    const Sample& sample = SampleHistory();
    feature->findChild<QPlainTextEdit*>(QStringLiteral("lookupInput"))->setPlainText(QStringLiteral("123, 321\n2025217 000"));
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("runQuery")), Qt::LeftButton);
    const QAbstractItemModel* results = feature->Results()->model();
    QAbstractItemModelTester tester(const_cast<QAbstractItemModel*>(results));
    ASSERT_EQ(results->rowCount(), 4);
    EXPECT_EQ(results->index(2, 0).data().toString(), QStringLiteral("894（2025217期）"));

    const analysis::LookupIndex index(sample.codes, 3);
    const std::uint32_t numbers[] = {123, 321, 894, 0};
    for (int r = 0; r < 4; ++r) {
        const analysis::NumberLookup want = analysis::LookUpNumber(numbers[r], 3, sample.codes, 100);
        const auto period = [&](const analysis::LookupFigures& f) {
            return f.lastDraw ? Q(sample.periods[*f.lastDraw]) : QStringLiteral("—");
        };
        EXPECT_EQ(Row(results, r).mid(1),
                  (QStringList{QString::number(want.straight.hits), period(want.straight), QString::number(want.straight.current),
                               QString::number(want.straight.maximum), QString::number(want.group.hits), period(want.group),
                               QString::number(want.group.current), QString::number(want.group.maximum)}))
            << r;
    }
    // The newest draw is its own straight hit, listed first.
    feature->Results()->selectRow(2);
    const QAbstractItemModel* hits = feature->Hits()->model();
    ASSERT_GE(hits->rowCount(), 1);
    EXPECT_EQ(Row(hits, 0), (QStringList{QStringLiteral("2025217"), QStringLiteral("894"), QStringLiteral("直选")}));
    EXPECT_EQ(static_cast<std::size_t>(hits->rowCount()),
              analysis::LookUpNumber(894, 3, sample.codes, 100).group.draws.size());
    Snapshot(feature, "lookup");

    // The whole history: the figures follow the picked window.
    PickWindow(feature, QStringLiteral("全部"));
    EXPECT_EQ(results->index(0, 1).data().toString().toLongLong(), index.LookUp(123, 0).straight.hits);
    EXPECT_EQ(results->index(0, 5).data().toString().toLongLong(), index.LookUp(123, 0).group.hits);
}

TEST_F(QueryWindowTest, LookupNamesBadTokensAndChangesNothing)
{
    Select(QStringLiteral("号码查询"));
    auto* feature = Shown<LookupWindow>(QStringLiteral("lookupWindow"));
    auto* input = feature->findChild<QPlainTextEdit*>(QStringLiteral("lookupInput"));
    input->setPlainText(QStringLiteral("456"));
    ASSERT_TRUE(feature->RunQuery());
    const QStringList before = Row(feature->Results()->model(), 0);
    input->setPlainText(QStringLiteral("123 45x 2099001"));
    EXPECT_FALSE(feature->RunQuery());
    auto* errors = feature->findChild<QLabel*>(QStringLiteral("lookupErrors"));
    EXPECT_TRUE(errors->isVisible());
    EXPECT_TRUE(errors->text().contains(QStringLiteral("45x"))) << errors->text().toStdString();
    EXPECT_TRUE(errors->text().contains(QStringLiteral("2099001")));
    ASSERT_EQ(feature->Results()->model()->rowCount(), 1);
    EXPECT_EQ(Row(feature->Results()->model(), 0), before);

    // A long paste of faults names the first few and counts the rest.
    QString faults;
    for (int i = 0; i < 2000; ++i)
        faults += QStringLiteral("12x ");
    input->setPlainText(faults);
    EXPECT_FALSE(feature->RunQuery());
    EXPECT_TRUE(errors->text().contains(QStringLiteral("共 2000 处"))) << errors->text().left(200).toStdString();
    EXPECT_LT(errors->text().size(), 400);
    EXPECT_EQ(Row(feature->Results()->model(), 0), before);
}

TEST_F(QueryWindowTest, LookupHandsItsHitsToTheWorkbench)
{
    Select(QStringLiteral("号码查询"));
    auto* feature = Shown<LookupWindow>(QStringLiteral("lookupWindow"));
    PickWindow(feature, QStringLiteral("全部"));
    feature->findChild<QPlainTextEdit*>(QStringLiteral("lookupInput"))->setPlainText(QStringLiteral("123 894 894"));
    ASSERT_TRUE(feature->RunQuery());
    EXPECT_EQ(feature->HitNumbers(), (std::vector<std::uint32_t>{123, 894}));
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    EXPECT_TRUE(WorkbenchShows(QStringLiteral("缩水结果:2注")));
}

TEST_F(QueryWindowTest, PatternSummaryAgreesWithTheCoreAndVeskCli)
{
    Select(QStringLiteral("特征串查询"));
    auto* feature = Shown<PatternWindow>(QStringLiteral("patternWindow"));
    ASSERT_NE(feature, nullptr);
    auto* type = feature->findChild<QComboBox*>(QStringLiteral("patternType"));
    const int span = type->findText(QStringLiteral("跨度"));
    ASSERT_GE(span, 0);
    type->setCurrentIndex(span);
    emit type->activated(span);
    PickWindow(feature, QStringLiteral("1000期"));
    EXPECT_EQ(feature->Choice().condition.type, filter::ConditionType::Span);

    const Sample& sample = SampleHistory();
    filter::Condition condition;
    condition.type = filter::ConditionType::Span;
    const std::vector<std::int64_t> values = analysis::DrawValues(condition, 3, sample.codes);
    const std::vector<std::int64_t> pattern = analysis::NewestPattern(values, 3);
    const analysis::ValueLabels labels(condition, 3);
    EXPECT_EQ(feature->findChild<QLineEdit*>(QStringLiteral("patternText"))->text(), Q(analysis::ValueListText(labels, pattern)));
    const analysis::PatternResult want = analysis::SearchPattern(condition, 3, values, pattern, 1000);
    EXPECT_EQ(feature->Places()->model()->rowCount(), static_cast<int>(want.places.size()));
    ASSERT_GT(want.places.size(), 0u);
    // The newest place first, with its next draw.
    const std::size_t newest = want.places.back();
    EXPECT_EQ(Row(feature->Places()->model(), 0).mid(1),
              (QStringList{Q(sample.periods[newest]), QStringLiteral("%1").arg(sample.codes[newest], 3, 10, QLatin1Char('0')),
                           Q(labels.Text(values[newest]))}));

    ExpectCliAgrees(feature, {"--type", "span", "--last", "1000"});
    // A type with a place: the units digit.
    const int units = type->findText(QStringLiteral("定位·个位"));
    ASSERT_GE(units, 0);
    type->setCurrentIndex(units);
    emit type->activated(units);
    PickWindow(feature, QStringLiteral("500期"));
    ExpectCliAgrees(feature, {"--type", "position", "--position", "2", "--last", "500"});
    Snapshot(feature, "pattern");
}

TEST_F(QueryWindowTest, PatternTakesTheUsersValuesAsTheConditionWindowWritesThem)
{
    Select(QStringLiteral("特征串查询"));
    auto* feature = Shown<PatternWindow>(QStringLiteral("patternWindow"));
    auto* type = feature->findChild<QComboBox*>(QStringLiteral("patternType"));
    const int shapes = type->findText(QStringLiteral("形态"));
    type->setCurrentIndex(shapes);
    emit type->activated(shapes);
    feature->findChild<QSpinBox*>(QStringLiteral("patternLength"))->setValue(2);
    PickWindow(feature, QStringLiteral("全部"));
    auto* text = feature->findChild<QLineEdit*>(QStringLiteral("patternText"));
    text->setText(QStringLiteral("组三 组三"));
    ASSERT_TRUE(feature->Search());
    filter::Condition condition;
    condition.type = filter::ConditionType::DistinctCount;
    const Sample& sample = SampleHistory();
    const std::vector<std::int64_t> values = analysis::DrawValues(condition, 3, sample.codes);
    const analysis::PatternResult want = analysis::SearchPattern(condition, 3, values, std::vector<std::int64_t>{2, 2}, 0);
    EXPECT_EQ(feature->Result().places, want.places);
    EXPECT_EQ(feature->Summary()->model()->index(1, 0).data().toString(), QStringLiteral("组三"));
    EXPECT_EQ(feature->Summary()->model()->rowCount(), 3);
    auto* count = feature->findChild<QLabel*>(QStringLiteral("patternCount"));
    ASSERT_GE(want.places.size(), 30u);
    EXPECT_FALSE(count->text().contains(QStringLiteral("比例不足以说明问题")));
    // Fewer than 30 places say so: 组三 six times running is rare.
    feature->findChild<QSpinBox*>(QStringLiteral("patternLength"))->setValue(6);
    text->setText(QStringLiteral("组三 组三 组三 组三 组三 组三"));
    ASSERT_TRUE(feature->Search());
    ASSERT_LT(feature->Result().places.size(), 30u);
    EXPECT_TRUE(count->text().endsWith(
        QStringLiteral("；只找到 %1 处，比例不足以说明问题").arg(feature->Result().places.size())))
        << count->text().toStdString();
    feature->findChild<QSpinBox*>(QStringLiteral("patternLength"))->setValue(2);
    text->setText(QStringLiteral("组三 组三"));
    ASSERT_TRUE(feature->Search());

    // A value the type cannot have, and a pattern of the wrong length.
    const int places = feature->Places()->model()->rowCount();
    text->setText(QStringLiteral("组三 组四"));
    EXPECT_FALSE(feature->Search());
    auto* error = feature->findChild<QLabel*>(QStringLiteral("patternError"));
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().contains(QStringLiteral("组四")));
    text->setText(QStringLiteral("组三"));
    EXPECT_FALSE(feature->Search());
    EXPECT_EQ(feature->Places()->model()->rowCount(), places);

    // Type and length are remembered when the feature opens again.
    Select(QStringLiteral("号码查询"));
    Select(QStringLiteral("特征串查询"));
    feature = Shown<PatternWindow>(QStringLiteral("patternWindow"));
    EXPECT_EQ(feature->Choice().condition.type, filter::ConditionType::DistinctCount);
    EXPECT_EQ(feature->K(), 2u);
    EXPECT_EQ(feature->findChild<QComboBox*>(QStringLiteral("windowPicker"))->currentText(), QStringLiteral("全部"));
}

TEST_F(QueryWindowTest, StraightShowsTheOmissionsAndFallsOfEachPosition)
{
    Select(QStringLiteral("直落统计"));
    auto* feature = Shown<StraightWindow>(QStringLiteral("straightWindow"));
    ASSERT_NE(feature, nullptr);
    PickWindow(feature, QStringLiteral("500期"));
    const Sample& sample = SampleHistory();
    const analysis::OmissionTable table = analysis::ComputeOmissions(*analysis::MakeSingle1(3), sample.codes, 500);
    const QAbstractItemModel* digits = feature->Digits()->model();
    ASSERT_EQ(digits->rowCount(), 10);
    ASSERT_EQ(digits->columnCount(), 13);
    EXPECT_EQ(digits->headerData(5, Qt::Horizontal).toString(), QStringLiteral("十位出现次数"));
    for (const analysis::OmissionRow& row : table.rows) {
        const int p = static_cast<int>(row.item / 10), d = static_cast<int>(row.item % 10);
        EXPECT_EQ(Row(digits, d).mid(1 + 4 * p, 4),
                  (QStringList{QString::number(row.hits), QString::number(row.current), QString::number(row.maximum),
                               Q(analysis::FormatFigure(row.average, 2))}))
            << p << ":" << d;
    }
    const std::vector<analysis::PositionFalls> falls = analysis::ComputeFalls(sample.codes, 3, 500);
    const QAbstractItemModel* fallRows = feature->Falls()->model();
    ASSERT_EQ(fallRows->rowCount(), 9);
    for (int p = 0; p < 3; ++p)
        for (int k = 0; k < 3; ++k) {
            const analysis::FallRow& row = falls[p].kinds[k];
            EXPECT_EQ(Row(fallRows, 3 * p + k).mid(2),
                      (QStringList{QString::number(row.count), Q(analysis::FormatFigure(row.share, 1, 100)) + "%",
                                   QString::number(row.currentRun), Q(analysis::FormatFigure(row.baseline, 1, 100)) + "%"}));
        }
    EXPECT_EQ(falls[0].scored, 500);
    Snapshot(feature, "straight");
}

TEST_F(QueryWindowTest, StateTableShowsEveryDrawNewestFirst)
{
    Select(QStringLiteral("状态表"));
    auto* feature = Shown<StateWindow>(QStringLiteral("stateWindow"));
    ASSERT_NE(feature, nullptr);
    const QAbstractItemModel* model = feature->Table()->model();
    QAbstractItemModelTester tester(const_cast<QAbstractItemModel*>(model));
    ASSERT_EQ(model->rowCount(), 100);
    ASSERT_EQ(model->columnCount(), 16);
    const Sample& sample = SampleHistory();
    const analysis::StateValues values = analysis::ComputeStateValues(sample.codes, 3);
    const std::size_t newest = sample.codes.size() - 1;
    for (int r : {0, 1, 99}) {
        const std::size_t draw = newest - static_cast<std::size_t>(r);
        QStringList want{Q(sample.periods[draw]), QStringLiteral("%1").arg(sample.codes[draw], 3, 10, QLatin1Char('0'))};
        for (std::size_t c = 0; c < analysis::kStateColumns; ++c) {
            filter::Condition condition;
            condition.type = analysis::kStateColumnList[c].type;
            want << Q(analysis::ValueLabels(condition, 3).Text(values.values[c][draw]));
        }
        EXPECT_EQ(Row(model, r), want) << r;
    }
    // 2025217 894: 奇偶偶 and 凸, as the condition window writes them.
    EXPECT_EQ(model->index(0, 10).data().toString(), QStringLiteral("偶奇偶"));
    EXPECT_EQ(model->index(0, 13).data().toString(), QStringLiteral("凸"));
    Snapshot(feature, "state-table");

    // The whole history; the first draw has no draw before it for 重号.
    PickWindow(feature, QStringLiteral("全部"));
    ASSERT_EQ(model->rowCount(), 8374);
    EXPECT_EQ(model->index(8373, 14).data().toString(), QStringLiteral("—"));
    feature->Table()->scrollToBottom();
    Snapshot(feature, "state-table-bottom");
}

TEST_F(QueryWindowTest, StateHeaderMenuShowsTheColumnsDistribution)
{
    Select(QStringLiteral("状态表"));
    auto* feature = Shown<StateWindow>(QStringLiteral("stateWindow"));
    PickWindow(feature, QStringLiteral("50期"));
    EXPECT_EQ(feature->DistributionMenu(1), nullptr);
    std::unique_ptr<QMenu> menu(feature->DistributionMenu(9)); // 形态
    ASSERT_NE(menu, nullptr);
    int total = 0;
    QStringList lines;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        lines << action->text();
        const QString text = action->text();
        if (text.contains(QStringLiteral("次")))
            total += text.section(QStringLiteral("："), 1).section(QStringLiteral("次"), 0, 0).toInt();
    }
    EXPECT_EQ(total, 50) << lines.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(lines.join(QLatin1Char('|')).contains(QStringLiteral("组六：")));
    if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR")) {
        menu->popup(feature->mapToGlobal(QPoint(300, 60)));
        menu->grab().save(QString::fromUtf8(folder) + "/state-distribution.png");
        menu->hide();
    }
}

TEST_F(QueryWindowTest, StateColumnsComeFromTheArrangementAndAreRemembered)
{
    Select(QStringLiteral("状态表"));
    auto* feature = Shown<StateWindow>(QStringLiteral("stateWindow"));
    // 列设置 runs the arrangement on this table's records; cancelled, nothing changes.
    ScriptedInteraction script;
    SetInteraction(&script);
    bool ran = false;
    script.QueueModalAction([&ran, this](CDialog& dialog) {
        ran = dialog.m_hWnd->findChild<QWidget*>(QStringLiteral("shownArea")) != nullptr;
        Snapshot(dialog.m_hWnd, "state-columns");
        dialog.EndDialog(IDCANCEL);
    });
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("arrangeColumns")), Qt::LeftButton);
    SetInteraction(nullptr);
    EXPECT_TRUE(ran);
    EXPECT_EQ(feature->Table()->model()->columnCount(), 16);
    IEnvironmentService& environment = host->Environment();
    EXPECT_EQ(environment.ReadOption(kStateShownColumnsOption, nullptr), 14 * 36);
    EXPECT_EQ(environment.ReadOption(kStateHiddenColumnsOption, nullptr), 0);

    // 和值 moved to the hidden columns and 和尾 one place on, by the keys
    // the arrangement takes, then OK: the table follows at once.
    SetInteraction(&script);
    script.QueueModalAction([](CDialog& dialog) {
        QWidget* area = dialog.m_hWnd->findChild<QWidget*>(QStringLiteral("shownArea"));
        ASSERT_NE(area, nullptr);
        QTest::keyClick(area, Qt::Key_Space);
        QTest::keyClick(area, Qt::Key_Right, Qt::ControlModifier);
        QWidget* ok = dialog.GetDlgItem(IDOK)->m_hWnd;
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    });
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("arrangeColumns")), Qt::LeftButton);
    SetInteraction(nullptr);
    const QAbstractItemModel* arranged = feature->Table()->model();
    ASSERT_EQ(arranged->columnCount(), 15);
    EXPECT_EQ(arranged->headerData(2, Qt::Horizontal).toString(), QStringLiteral("跨度"));
    EXPECT_EQ(arranged->headerData(3, Qt::Horizontal).toString(), QStringLiteral("和尾"));
    EXPECT_EQ(environment.ReadOption(kStateHiddenColumnsOption, nullptr), 36);

    // What the arrangement stores is shown when the table opens again.
    const std::string shown = StateColumnRecords({7, 0});
    const std::string hidden = StateColumnRecords(HiddenStateColumns({7, 0}));
    environment.WriteOption(kStateShownColumnsOption, static_cast<SlotInt>(shown.size()), shown.data());
    environment.WriteOption(kStateHiddenColumnsOption, static_cast<SlotInt>(hidden.size()), hidden.data());
    Select(QStringLiteral("号码查询"));
    Select(QStringLiteral("状态表"));
    feature = Shown<StateWindow>(QStringLiteral("stateWindow"));
    const QAbstractItemModel* model = feature->Table()->model();
    ASSERT_EQ(model->columnCount(), 4);
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("形态"));
    EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("和值"));
}

TEST_F(QueryWindowTest, StateTableExportsAndSendsItsSelection)
{
    Select(QStringLiteral("状态表"));
    auto* feature = Shown<StateWindow>(QStringLiteral("stateWindow"));
    PickWindow(feature, QStringLiteral("30期"));
    ScriptedInteraction script;
    SetInteraction(&script);
    const std::string book = root.Path() + "state.xls";
    script.QueueFileDialogAnswer({true, {book}, 1});
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("exportState")), Qt::LeftButton);
    SetInteraction(nullptr);
    EXPECT_TRUE(script.MessageBoxes().empty());
    const test::Readback read = test::ReadXlsWithXlrd(book);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_NE(read.text.find(" 31x16"), std::string::npos) << read.text;
    EXPECT_NE(read.text.find("t:2025217\tt:894\tn:21\tn:1\tn:5\tt:1:2\tt:2:1\tt:0:3\tt:1:1:1\tt:组六\tt:偶奇偶"), std::string::npos)
        << read.text;

    feature->Table()->selectRow(0);
    feature->Table()->selectionModel()->select(feature->Table()->model()->index(2, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const Sample& sample = SampleHistory();
    EXPECT_EQ(feature->SelectedNumbers(), (std::vector<std::uint32_t>{sample.codes.back(), sample.codes[sample.codes.size() - 3]}));
    QTest::mouseClick(feature->findChild<QPushButton*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    EXPECT_TRUE(WorkbenchShows(QStringLiteral("缩水结果:2注")));
}

TEST_F(QueryWindowTest, WithoutDrawsEachWindowSaysHowToImportAndRefreshes)
{
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "期号 号码\n";
    for (const QString& leaf : {QStringLiteral("号码查询"), QStringLiteral("特征串查询"), QStringLiteral("直落统计"),
                                QStringLiteral("状态表")}) {
        Select(leaf);
        QWidget* shown = nullptr;
        for (const QString& name : {QStringLiteral("lookupWindow"), QStringLiteral("patternWindow"),
                                    QStringLiteral("straightWindow"), QStringLiteral("stateWindow")})
            if (!shown)
                shown = Shown<QWidget>(name);
        ASSERT_NE(shown, nullptr) << leaf.toStdString();
        auto* missing = shown->findChild<QLabel*>(QStringLiteral("missingHistory"));
        EXPECT_TRUE(missing->isVisible()) << leaf.toStdString();
        EXPECT_TRUE(missing->text().contains(QStringLiteral("导入")));
    }
    // An import: the host refreshes the open feature, which reads the draws again.
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "2025001 123\n2025002 456\n2025003 455\n";
    window->ReloadDrawsAction()->trigger();
    QApplication::processEvents();
    auto* state = Shown<StateWindow>(QStringLiteral("stateWindow"));
    ASSERT_NE(state, nullptr);
    EXPECT_FALSE(state->findChild<QLabel*>(QStringLiteral("missingHistory"))->isVisible());
    ASSERT_EQ(state->Table()->model()->rowCount(), 3);
    // 重号 of 455 after 456: both its digits.
    EXPECT_EQ(state->Table()->model()->index(0, 14).data().toString(), QStringLiteral("2"));
}

TEST_F(QueryWindowTest, AHistoryEmptiedUnderTheWindowLeavesNothingToActOn)
{
    Select(QStringLiteral("状态表"));
    auto* state = Shown<StateWindow>(QStringLiteral("stateWindow"));
    state->Table()->selectRow(3);
    ASSERT_EQ(state->SelectedNumbers().size(), 1u);
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "期号 号码\n";
    window->ReloadDrawsAction()->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(state->findChild<QLabel*>(QStringLiteral("missingHistory"))->isVisible());
    EXPECT_EQ(state->Table()->model()->rowCount(), 0);
    EXPECT_TRUE(state->SelectedNumbers().empty());
    QTest::mouseClick(state->findChild<QPushButton*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    // Nothing to hand on: a short wait shows nothing arrives.
    EXPECT_FALSE(WorkbenchShows(QStringLiteral("缩水结果:1注"), 300));
    EXPECT_TRUE(state->isVisible());
}

TEST_F(QueryWindowTest, AHistoryShorterThanThePatternFindsNothingAndSaysSo)
{
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "2025001 123\n2025002 456\n2025003 455\n";
    Select(QStringLiteral("特征串查询"));
    auto* feature = Shown<PatternWindow>(QStringLiteral("patternWindow"));
    ASSERT_NE(feature, nullptr);
    feature->findChild<QSpinBox*>(QStringLiteral("patternLength"))->setValue(5);
    EXPECT_TRUE(feature->findChild<QLineEdit*>(QStringLiteral("patternText"))->text().isEmpty());
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("patternCount"))->text().contains(QStringLiteral("少于")));
    EXPECT_EQ(feature->Places()->model()->rowCount(), 0);
    // A pattern typed in full still searches: it cannot have come before.
    feature->findChild<QLineEdit*>(QStringLiteral("patternText"))->setText(QStringLiteral("6 15 14 6 15"));
    EXPECT_TRUE(feature->Search());
    EXPECT_EQ(feature->Places()->model()->rowCount(), 0);
    EXPECT_EQ(feature->Summary()->model()->rowCount(), 28);
    // K = 2 over three draws: the newest pair, which has no next draw, and
    // the pair before it, which has.
    feature->findChild<QSpinBox*>(QStringLiteral("patternLength"))->setValue(2);
    EXPECT_EQ(feature->findChild<QLineEdit*>(QStringLiteral("patternText"))->text(), QStringLiteral("15 14"));
    EXPECT_EQ(feature->Places()->model()->rowCount(), 0);
    feature->findChild<QLineEdit*>(QStringLiteral("patternText"))->setText(QStringLiteral("6 15"));
    ASSERT_TRUE(feature->Search());
    ASSERT_EQ(feature->Places()->model()->rowCount(), 1);
    EXPECT_EQ(Row(feature->Places()->model(), 0),
              (QStringList{QStringLiteral("2025001–2025002"), QStringLiteral("2025003"), QStringLiteral("455"), QStringLiteral("14")}));
}

} // namespace
} // namespace vesk::query
