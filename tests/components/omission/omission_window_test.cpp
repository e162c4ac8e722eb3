// Row 1's library in the real host with the real module and the sample
// history: leaves of 遗漏列表（分布） and 偏态搜索 clicked in the tree.
#include "components/features/analysis/omission/due_check.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission/custom_items.h"
#include "components/features/omission/custom_items_dialog.h"
#include "components/features/omission/omission_feature.h"
#include "components/features/omission/omission_window.h"
#include "components/features/omission/table_text.h"
#include "components/features/omission/trend_view.h"
#include "components/features/kit/window_picker.h"

#include "framework/scripted_interaction.h"
#include "numbers/draw_history.h"
#include "storage/safe_file.h"
#include "tests/support/build_folders.h"
#include "tests/support/feature_host_test.h"
#include "tests/support/xls_readback.h"
#include "tests/support/visible_label.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QScrollBar>
#include <QHeaderView>
#include <QImage>
#include <QPlainTextEdit>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "tests/support/pdf_text.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

namespace vesk::omission {
namespace {

using test::ReadAll;

class OmissionWindowTest : public test::FeatureHostTest {
protected:
    void SetUp() override { StartHost({1000, 640}); }

    OmissionWindow* Shown() { return ShownNamed<OmissionWindow>(QStringLiteral("omissionWindow")); }

    QStringList Column(QTableView* table, int column)
    {
        QStringList texts;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            texts << table->model()->index(r, column).data().toString();
        return texts;
    }

    void Snapshot(QWidget* widget, const char* name)
    {
        if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
            widget->window()->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }
};

TEST_F(OmissionWindowTest, CatalogueLeafShowsItsCategoryWithTheCoresFigures)
{
    Select(QStringLiteral("和值5"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->findChild<QLabel*>(QStringLiteral("featureTitle"))->text(), QStringLiteral("遗漏列表（分布） · 和值"));
    QTableView* table = feature->Table();
    ASSERT_EQ(table->model()->rowCount(), 28);
    EXPECT_EQ(table->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("欲出几率"));
    // The picked leaf is selected.
    const QModelIndexList selected = table->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected.front().data().toString(), QStringLiteral("和值5"));

    // Every cell as the core computes it over the default window.
    const std::vector<std::uint32_t> draws = SampleDraws();
    const auto family = analysis::MakeTypeFamily(filter::ConditionType::Sum, 3);
    const analysis::OmissionTable expected = analysis::ComputeOmissions(*family, draws, 100);
    for (int r = 0; r < 28; ++r)
        for (int c = 1; c < kTableColumns; ++c)
            EXPECT_EQ(table->model()->index(r, c).data().toString().toStdString(),
                      CellText(*family, expected.rows[static_cast<std::size_t>(r)], c))
                << r << "," << c;
    // The columns say what their titles say: the figures vesk-cli prints, in
    // its order (the rate there a share, here a percentage).
    for (int r = 0; r < 28; ++r) {
        const QStringList cli = QString::fromStdString(analysis::FormatRowFigures(expected.rows[static_cast<std::size_t>(r)]))
                                    .split(QLatin1Char('\t'));
        ASSERT_EQ(cli.size(), 9);
        for (int c = 1; c <= 9; ++c) {
            const QString shown = table->model()->index(r, c).data().toString();
            if (c == 8)
                EXPECT_EQ(shown, QString::number(cli[7].toDouble() * 100, 'f', 1) + QLatin1Char('%')) << r;
            else
                EXPECT_EQ(shown, cli[c - 1]) << r << "," << c;
        }
    }
    // The status line checks 欲出几率 over the same window: the items that
    // were due before a draw, how often they came, and their chance.
    const QString status = feature->findChild<QLabel*>(QStringLiteral("featureStatus"))->text();
    const analysis::DueCheck due = analysis::CheckDue(*family, draws, 100);
    EXPECT_GT(due.atLeastOne.cases, due.atLeastTwo.cases);
    EXPECT_TRUE(status.contains(QStringLiteral("欲出几率≥1 的项下一期出现 %1/%2 次").arg(due.atLeastOne.came).arg(due.atLeastOne.cases)))
        << status.toStdString();
    EXPECT_TRUE(status.contains(QStringLiteral("≥2 的项下一期出现 %1/%2 次").arg(due.atLeastTwo.came).arg(due.atLeastTwo.cases)));
    Snapshot(feature, "omission-table");
    feature->findChild<QTabWidget*>()->setCurrentIndex(1);
    Snapshot(feature, "omission-chart-sum");
}

TEST_F(OmissionWindowTest, ColumnsSortByTheirExactValues)
{
    Select(QStringLiteral("组选两码"));
    QTableView* table = Shown()->Table();
    ASSERT_EQ(table->model()->rowCount(), 55);
    table->horizontalHeader()->setSortIndicator(6, Qt::DescendingOrder);
    for (int r = 1; r < 55; ++r)
        EXPECT_GE(table->model()->index(r - 1, 6).data(Qt::UserRole + 1).toDouble(),
                  table->model()->index(r, 6).data(Qt::UserRole + 1).toDouble());
    table->horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
    for (int r = 1; r < 55; ++r)
        EXPECT_LE(table->model()->index(r - 1, 1).data().toString().toInt(), table->model()->index(r, 1).data().toString().toInt());
    table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QStringLiteral("含00"));
    EXPECT_EQ(table->model()->index(54, 0).data().toString(), QStringLiteral("含99"));
}

TEST_F(OmissionWindowTest, PickedWindowIsRemembered)
{
    Select(QStringLiteral("单选单码"));
    OmissionWindow* feature = Shown();
    auto* picker = feature->findChild<QComboBox*>(QStringLiteral("windowPicker"));
    EXPECT_EQ(picker->currentText(), QStringLiteral("100期"));
    EXPECT_EQ(feature->CurrentTable().window, 100u);
    const int all = picker->findText(QStringLiteral("全部"));
    picker->setCurrentIndex(all);
    emit picker->activated(all);
    EXPECT_EQ(feature->CurrentTable().window, 8374u);
    EXPECT_EQ(feature->Table()->model()->index(0, 7).data().toString().toInt(),
              analysis::ComputeOmissions(*analysis::MakeSingle1(3), SampleDraws(), 0).rows[0].hits);

    // Another leaf, after the feature was released and loaded again.
    Select(QStringLiteral("号码查询"));
    Select(QStringLiteral("组选单码"));
    feature = Shown();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->findChild<QComboBox*>(QStringLiteral("windowPicker"))->currentText(), QStringLiteral("全部"));
    EXPECT_EQ(feature->CurrentTable().window, 8374u);
}

TEST_F(OmissionWindowTest, ExportsReadBack)
{
    Select(QStringLiteral("组选单码"));
    OmissionWindow* feature = Shown();
    const std::string text = root.Path() + "table.txt";
    ASSERT_EQ(feature->ExportText(text), "");
    const std::string written = ReadAll(text);
    EXPECT_EQ(written.substr(0, written.find('\n')), "项目\t当前遗漏\t上次遗漏\t最大遗漏\t平均遗漏\t理论遗漏\t欲出几率\t出现次数\t出现率\t最大连出");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 11);

    ScriptedInteraction script;
    SetInteraction(&script);
    const std::string book = root.Path() + "table.xls";
    script.QueueFileDialogAnswer({true, {book}, 1});
    script.QueueMessageBoxAnswer(IDOK);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("export0")), Qt::LeftButton);
    // A text export through the dialog is named .tsv, so it is never read as numbers.
    script.QueueFileDialogAnswer({true, {root.Path() + "table2.txt"}, 1});
    script.QueueMessageBoxAnswer(IDOK);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("export1")), Qt::LeftButton);
    SetInteraction(nullptr);
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "已导出到 " + book);
    EXPECT_EQ(script.MessageBoxes()[1].text, "已导出到 " + root.Path() + "table2.tsv");
    EXPECT_FALSE(ReadAll(root.Path() + "table2.tsv").empty());
    const test::Readback read = test::ReadXlsWithXlrd(book);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_NE(read.text.find("== 遗漏表1 11x10"), std::string::npos) << read.text;
    EXPECT_NE(read.text.find("含7\t"), std::string::npos) << read.text;

    // The picture through the button: where it went is said.
    const std::string picture = root.Path() + "chart.png";
    script.QueueFileDialogAnswer({true, {picture}, 1});
    script.QueueMessageBoxAnswer(IDOK);
    SetInteraction(&script);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("export2")), Qt::LeftButton);
    SetInteraction(nullptr);
    ASSERT_FALSE(script.MessageBoxes().empty());
    EXPECT_EQ(script.MessageBoxes().back().text, "分布图已导出到 " + picture);
    QImage image(QString::fromStdString(picture));
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.height(), 100 * 10);
}

using test::PdfText;

TEST_F(OmissionWindowTest, PrintingPutsEveryDrawOfTheWindowOnPagesWithTheHeader)
{
    Select(QStringLiteral("单选单码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    ScriptedInteraction script;
    SetInteraction(&script);
    const std::string pdf = root.Path() + "chart.pdf";
    script.QueuePrintToFile(pdf);
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("printChart")), Qt::LeftButton);
    SetInteraction(nullptr);
    ASSERT_EQ(script.PrintDialogs().size(), 1u);
    const int pages = script.PrintDialogs().front().pageCount;
    EXPECT_GT(pages, 1); // 100 draws do not fit one page
    EXPECT_TRUE(script.MessageBoxes().empty());
    const std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext gave nothing";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), pages);
    // Each page repeats the header; the periods come in order, each once.
    std::size_t at = 0;
    for (std::size_t i = 8374 - 100; i < 8374; ++i) {
        const std::string period = feature->Chart()->Content().periods.value(static_cast<qsizetype>(i - (8374 - 100))).toStdString();
        const std::size_t found = text.find(period, at);
        ASSERT_NE(found, std::string::npos) << period;
        at = found + period.size();
    }
    std::size_t headers = 0;
    for (std::size_t p = text.find("期号"); p != std::string::npos; p = text.find("期号", p + 1))
        ++headers;
    EXPECT_EQ(headers, static_cast<std::size_t>(pages));
    std::string compact = text; // pdftotext drops or adds spaces beside CJK characters
    compact.erase(std::remove(compact.begin(), compact.end(), ' '), compact.end());
    EXPECT_NE(compact.find("第" + std::to_string(pages) + "页/共" + std::to_string(pages) + "页"), std::string::npos);
}

TEST_F(OmissionWindowTest, ChartPaintsOnlyWhatIsInView)
{
    Select(QStringLiteral("组选三码"));
    OmissionWindow* feature = Shown();
    auto* picker = feature->findChild<QComboBox*>(QStringLiteral("windowPicker"));
    const int all = picker->findText(QStringLiteral("全部"));
    picker->setCurrentIndex(all);
    emit picker->activated(all);
    auto* tabs = feature->findChild<QTabWidget*>();
    tabs->setCurrentIndex(1);
    TrendView* chart = feature->Chart();
    chart->grab();
    // 220 items: the 30 of highest 欲出几率 and the selected one, and the head says so.
    EXPECT_LE(chart->Geometry().columns, 31);
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("chartNote"))->text().startsWith(
        QStringLiteral("显示欲出几率最高的 30 项及所选项，共 220 项")));
    EXPECT_EQ(chart->Geometry().rows, 8374);
    const CellRange painted = chart->LastPainted();
    EXPECT_LT(painted.endRow - painted.firstRow, 60);
    EXPECT_EQ(painted.endRow, 8374); // opens at the newest draws
    Snapshot(feature, "omission-chart");
}

TEST_F(OmissionWindowTest, SkewSearchListsAndOpensAFamily)
{
    Select(QStringLiteral("偏态搜索"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    QTableView* skew = feature->SkewTable();
    ASSERT_TRUE(skew->isVisible());
    ASSERT_GT(skew->model()->rowCount(), 0);
    for (int r = 1; r < skew->model()->rowCount(); ++r)
        EXPECT_GE(skew->model()->index(r - 1, 7).data(Qt::UserRole + 1).toDouble(),
                  skew->model()->index(r, 7).data(Qt::UserRole + 1).toDouble());
    Snapshot(feature, "skew-search");
    // The thresholds: nothing reaches a ratio of 999 nor runs of twice their longest.
    const int listed = skew->model()->rowCount();
    feature->SetSkewThresholds(999, 2);
    EXPECT_EQ(skew->model()->rowCount(), 0);
    feature->SetSkewThresholds(0, 1);
    EXPECT_GT(skew->model()->rowCount(), listed);
    feature->SetSkewThresholds(2, 1);
    EXPECT_EQ(skew->model()->rowCount(), listed);
    const QString item = skew->model()->index(0, 1).data().toString();
    emit skew->doubleClicked(skew->model()->index(0, 1));
    ASSERT_TRUE(feature->Table()->isVisible());
    EXPECT_EQ(feature->Table()->selectionModel()->selectedRows().front().data().toString(), item);
}

void ClickHeader(QTableView* view, int section)
{
    QHeaderView* header = view->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void Pick(features::WindowPicker* picker, std::size_t last)
{
    picker->setCurrentIndex(picker->findData(static_cast<qulonglong>(last)));
    emit picker->activated(picker->currentIndex());
}

TEST_F(OmissionWindowTest, TheTableKeepsItsSortAndSelectionAcrossAWindowChangeAndATreeSwitch)
{
    Select(QStringLiteral("组选单码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    ClickHeader(feature->Table(), 1); // 当前遗漏: the largest first
    const auto descending = [](const QTableView* view) {
        for (int r = 1; r < view->model()->rowCount(); ++r)
            if (view->model()->index(r - 1, 1).data(Qt::UserRole + 1).toDouble() <
                view->model()->index(r, 1).data(Qt::UserRole + 1).toDouble())
                return false;
        return true;
    };
    EXPECT_TRUE(descending(feature->Table()));
    feature->Table()->selectRow(3);
    const QString picked = feature->Table()->model()->index(3, 0).data().toString();
    Pick(feature->Picker(), 30);
    EXPECT_TRUE(descending(feature->Table())) << "a new window keeps the sort";
    ASSERT_EQ(feature->Table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(feature->Table()->selectionModel()->selectedRows().front().data().toString(), picked);

    Select(QStringLiteral("号码查询"));
    Select(QStringLiteral("组选单码"));
    feature = Shown();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->Table()->horizontalHeader()->sortIndicatorSection(), 1);
    EXPECT_TRUE(descending(feature->Table())) << "and so does a switch to another feature and back";
    ASSERT_EQ(feature->Table()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(feature->Table()->selectionModel()->selectedRows().front().data().toString(), picked);
}

TEST_F(OmissionWindowTest, TheSkewSearchOpensAnItemAtItsOwnWindowKeepsItsThresholdsAndSends)
{
    Select(QStringLiteral("偏态搜索"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    Pick(feature->Picker(), 30); // the lists keep their own 100
    auto* minRatio = feature->findChild<QDoubleSpinBox*>(QStringLiteral("minRatio"));
    minRatio->setValue(3.0);
    emit minRatio->editingFinished();
    QTableView* skew = feature->SkewTable();
    ASSERT_GT(skew->model()->rowCount(), 0);
    const QStringList row = [skew] {
        QStringList cells;
        for (int c = 1; c < skew->model()->columnCount(); ++c)
            cells << skew->model()->index(0, c).data().toString();
        return cells;
    }();
    // The selected items' numbers can go from the search itself.
    skew->selectRow(0);
    EXPECT_FALSE(feature->SelectedNumbers().empty());
    emit skew->doubleClicked(skew->model()->index(0, 1));
    ASSERT_TRUE(feature->Table()->isVisible());
    const QModelIndex opened = feature->Table()->selectionModel()->selectedRows().front();
    QStringList figures;
    for (int c = 0; c < feature->Table()->model()->columnCount(); ++c)
        figures << feature->Table()->model()->index(opened.row(), c).data().toString();
    EXPECT_EQ(figures, row) << "the same figures as the search showed";
    EXPECT_EQ(feature->Picker()->Window(), 30u);

    Select(QStringLiteral("组选单码"));
    EXPECT_EQ(Shown()->Picker()->Window(), 100u);
    Select(QStringLiteral("偏态搜索"));
    feature = Shown();
    EXPECT_DOUBLE_EQ(feature->findChild<QDoubleSpinBox*>(QStringLiteral("minRatio"))->value(), 3.0);
    ASSERT_GT(feature->SkewTable()->model()->rowCount(), 0);
    EXPECT_GE(feature->SkewTable()->model()->index(feature->SkewTable()->model()->rowCount() - 1, 7).data(Qt::UserRole + 1).toDouble(), 0.0);
    ASSERT_NE(feature->SkewTable()->findChild<QAction*>(QStringLiteral("exportRows")), nullptr);
    ASSERT_NE(feature->findChild<QPushButton*>(QStringLiteral("exportSkew")), nullptr);
}

TEST_F(OmissionWindowTest, SelectedItemsGoToTheWorkbenchsResultList)
{
    Select(QStringLiteral("组选单码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    feature->Table()->selectRow(7); // 含7, in the family's order
    EXPECT_EQ(feature->SelectedItems(), std::vector<std::size_t>{7});
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendNumbers")), Qt::LeftButton);
    // The workbench opens and its result list holds the 271 numbers with a 7;
    // under a sanitizer on a busy machine that takes a few turns of the loop.
    EXPECT_TRUE(test::WaitForVisibleLabel(window->Area(), QStringLiteral("缩水结果:271注")));
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(OmissionWindowTest, SelectedItemsBecomeOneConditionOfTheCombinedPage)
{
    Select(QStringLiteral("组选单码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    QTableView* table = feature->Table();
    table->selectRow(7); // 含7
    table->selectionModel()->select(table->model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(feature->SelectedItems(), (std::vector<std::size_t>{2, 7}));
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendCondition")), Qt::LeftButton);
    // Numbers with a 2 or a 7: 1000 - 8^3; the new condition is shown selected.
    EXPECT_TRUE(test::WaitForVisibleLabel(window->Area(), QStringLiteral("保留 488 注 / 共 1000 注")));
    EXPECT_EQ(Shown(), nullptr);
    QWidget* selected = window->Area()->findChild<QWidget*>(QStringLiteral("selectedCondition"));
    ASSERT_NE(selected, nullptr);
    EXPECT_TRUE(selected->isVisible());
}

TEST_F(OmissionWindowTest, ColumnHeadsOfTheChartPickItemsForAnExcludingCondition)
{
    Select(QStringLiteral("单选单码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    feature->findChild<QTabWidget*>()->setCurrentIndex(1);
    TrendView* chart = feature->Chart();
    chart->grab();
    const int labels = chart->HeaderHeight() - 4;
    chart->horizontalScrollBar()->setValue(chart->horizontalScrollBar()->maximum());
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(chart->CellCenter(0, 23).x(), labels));
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(chart->CellCenter(0, 27).x(), labels));
    EXPECT_EQ(feature->SelectedItems(), (std::vector<std::size_t>{23, 27})); // 个位3, 个位7
    // The table follows the chart.
    EXPECT_EQ(feature->Table()->selectionModel()->selectedRows().size(), 2);
    Snapshot(feature, "omission-chart-picked");
    // The host's window made larger: the newest draws stay in view.
    window->resize(1280, 900);
    QApplication::processEvents();
    chart->grab();
    EXPECT_EQ(chart->LastPainted().endRow, chart->Geometry().rows);
    Snapshot(feature, "omission-chart-1280");
    auto* mode = feature->findChild<QComboBox*>(QStringLiteral("conditionMode"));
    mode->setCurrentIndex(1); // 排除
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("sendCondition")), Qt::LeftButton);
    EXPECT_TRUE(test::WaitForVisibleLabel(window->Area(), QStringLiteral("保留 800 注 / 共 1000 注")));
}

TEST_F(OmissionWindowTest, SkewSearchItemsOfOneFamilyBecomeACondition)
{
    Select(QStringLiteral("偏态搜索"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    QTableView* skew = feature->SkewTable();
    ASSERT_GT(skew->model()->rowCount(), 1);
    // Rows of two families are refused with a word to the user.
    int other = -1;
    for (int r = 1; r < skew->model()->rowCount() && other < 0; ++r)
        if (skew->model()->index(r, 0).data() != skew->model()->index(0, 0).data())
            other = r;
    ScriptedInteraction script;
    SetInteraction(&script);
    if (other > 0) {
        skew->selectRow(0);
        skew->selectionModel()->select(skew->model()->index(other, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        EXPECT_NE(feature->SendSelectedAsCondition(), "");
    }
    SetInteraction(nullptr);
    skew->selectRow(0);
    EXPECT_EQ(feature->SendSelectedAsCondition(), "");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->Area()->findChild<QWidget*>(QStringLiteral("selectedCondition")) != nullptr; }, 10000));
}

TEST_F(OmissionWindowTest, TheTableTintsWhatIsDueAndMarksItemsNearTheirRecord)
{
    Select(QStringLiteral("组选两码"));
    OmissionWindow* feature = Shown();
    QTableView* table = feature->Table();
    const analysis::OmissionTable& data = feature->CurrentTable();
    // One tint for each level, the same across a row; none below 1.
    std::set<QRgb> due, overdue;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
        const analysis::OmissionRow& row = data.rows[static_cast<std::size_t>(r)];
        const QVariant background = table->model()->index(r, 4).data(Qt::BackgroundRole);
        EXPECT_EQ(background, table->model()->index(r, 0).data(Qt::BackgroundRole)) << r;
        switch (TintOf(row)) {
        case RowTint::None: EXPECT_FALSE(background.isValid()) << r; break;
        case RowTint::Due: due.insert(background.value<QBrush>().color().rgb()); break;
        case RowTint::Overdue: overdue.insert(background.value<QBrush>().color().rgb()); break;
        }
        EXPECT_EQ(table->model()->index(r, 0).data(Qt::DecorationRole).isValid(), NearRecord(row)) << r;
    }
    EXPECT_LE(due.size(), 1u);
    EXPECT_LE(overdue.size(), 1u);
    if (!due.empty() && !overdue.empty()) {
        EXPECT_NE(*due.begin(), *overdue.begin());
    }
    EXPECT_GT(due.size() + overdue.size(), 0u);
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("tintLegend"))->isVisible());
    Snapshot(feature, "omission-table-tints");
}

TEST_F(OmissionWindowTest, SideBySideShowsThreeWindowsAtOnce)
{
    Select(QStringLiteral("和值5"));
    OmissionWindow* feature = Shown();
    feature->findChild<QCheckBox*>(QStringLiteral("sideBySide"))->setChecked(true);
    QTableView* side = feature->SideTable();
    ASSERT_TRUE(side->isVisible());
    ASSERT_EQ(side->model()->rowCount(), 28);
    ASSERT_EQ(side->model()->columnCount(), 8);
    EXPECT_EQ(side->model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("全部\n出现次数"));
    const auto family = analysis::MakeTypeFamily(filter::ConditionType::Sum, 3);
    const std::vector<std::uint32_t> draws = SampleDraws();
    const std::size_t windows[] = {30, 100, 0};
    for (int w = 0; w < 3; ++w) {
        const analysis::OmissionTable expected = analysis::ComputeOmissions(*family, draws, windows[w]);
        for (int r = 0; r < 28; ++r) {
            const analysis::OmissionRow& row = expected.rows[static_cast<std::size_t>(r)];
            EXPECT_EQ(side->model()->index(r, 1).data().toString().toLongLong(), row.current);
            EXPECT_EQ(side->model()->index(r, 2 + 2 * w).data().toString().toLongLong(), row.hits) << w << "," << r;
            EXPECT_EQ(side->model()->index(r, 3 + 2 * w).data().toString().toLongLong(), row.maximum) << w << "," << r;
        }
    }
    side->selectRow(10);
    EXPECT_EQ(feature->SelectedItems(), std::vector<std::size_t>{10});
    Snapshot(feature, "omission-side-by-side");
    feature->findChild<QCheckBox*>(QStringLiteral("sideBySide"))->setChecked(false);
    EXPECT_TRUE(feature->Table()->isVisible());
}

TEST_F(OmissionWindowTest, TheUsersOwnItemsAreEditedValidatedAndShown)
{
    Select(QStringLiteral("自定义组合"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->Table()->model()->rowCount(), 0);
    EXPECT_TRUE(feature->findChild<QWidget*>(QStringLiteral("editCustomItems"))->isVisible());
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("featureStatus"))->text().contains(QStringLiteral("编辑自定义项目")));

    const std::string path = analysis::CustomItemsPath(host->Environment().GetDirectory(kStateDirectory), 3);
    CustomItemsDialog dialog(path, 3);
    dialog.show();
    Snapshot(&dialog, "custom-items");
    ScriptedInteraction script;
    SetInteraction(&script);
    dialog.Editor()->setPlainText(QStringLiteral(R"({"format": "3dvesk-omission-items", "version": 1, "digits": 3,
        "combinations": [{"name": "大和值", "type": "sum", "values": [30]}]})"));
    EXPECT_FALSE(dialog.Save()); // 30 is no sum of three digits
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("combinations[0].values"), std::string::npos) << script.MessageBoxes()[0].text;
    EXPECT_EQ(script.MessageBoxes()[0].text.find("expected"), std::string::npos) << "in Chinese";
    EXPECT_EQ(dialog.focusWidget(), dialog.Editor()) << "the focus goes back to the text";
    // Escape with edits not saved asks; "no" keeps the dialog and the text.
    script.QueueMessageBoxAnswer(7); // IDNO
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(script.MessageBoxes().size(), 2u);
    dialog.Editor()->setPlainText(QStringLiteral(R"({"format": "3dvesk-omission-items", "version": 1, "digits": 3,
        "combinations": [{"name": "大和值", "type": "sum", "values": [20, 21, 22, 23, 24, 25, 26, 27]}]})"));
    EXPECT_TRUE(dialog.Save());
    SetInteraction(nullptr);

    Select(QStringLiteral("自定义号码"));
    Select(QStringLiteral("自定义组合"));
    feature = Shown();
    ASSERT_EQ(feature->Table()->model()->rowCount(), 1);
    EXPECT_EQ(feature->Table()->model()->index(0, 0).data().toString(), QStringLiteral("大和值"));
    EXPECT_EQ(feature->Table()->model()->index(0, 5).data().toString(), QStringLiteral("7.33")); // 120 numbers sum to 20 or more: 880/120
}

TEST_F(OmissionWindowTest, WithoutDrawsOneLineSaysHowToImport)
{
    std::ofstream(host->DrawHistoryPath(), std::ios::trunc) << "期号 号码\n";
    Select(QStringLiteral("单选两码"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    auto* missing = feature->findChild<QLabel*>(QStringLiteral("missingHistory"));
    EXPECT_TRUE(missing->isVisible());
    EXPECT_TRUE(missing->text().contains(QStringLiteral("导入"))) << missing->text().toStdString();
    EXPECT_FALSE(feature->Table()->isVisible());
}

} // namespace
} // namespace vesk::omission

namespace vesk::omission {
namespace {

// Every feature library's window names where its draws end in its title line,
// so a stale history is seen whichever window is open.
TEST_F(OmissionWindowTest, EveryAnalysisWindowSaysWhereTheDataEnds)
{
    for (const char* leaf : {"和值5", "号码查询", "特征串查询", "热温冷选号", "投注指南", "号码统计"}) {
        Select(QString::fromUtf8(leaf));
        QStringList shown;
        for (QLabel* label : window->Area()->findChildren<QLabel*>(QStringLiteral("dataEnd")))
            if (label->isVisible())
                shown << label->text();
        EXPECT_EQ(shown, QStringList{QStringLiteral("数据截至第 2025217 期")}) << leaf;
        Snapshot(window->Area(), leaf);
    }
}

} // namespace
} // namespace vesk::omission
