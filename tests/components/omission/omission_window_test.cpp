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

#include "framework/scripted_interaction.h"
#include "numbers/draw_history.h"
#include "tests/support/build_folders.h"
#include "tests/support/feature_host_test.h"
#include "tests/support/xls_readback.h"
#include "tests/support/visible_label.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QPlainTextEdit>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
    const QString status = feature->findChild<QLabel*>(QStringLiteral("omissionStatus"))->text();
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
    QTest::mouseClick(feature->findChild<QWidget*>(QStringLiteral("export0")), Qt::LeftButton);
    SetInteraction(nullptr);
    const test::Readback read = test::ReadXlsWithXlrd(book);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_NE(read.text.find("== 遗漏表1 11x10"), std::string::npos) << read.text;
    EXPECT_NE(read.text.find("含7\t"), std::string::npos) << read.text;

    const std::string picture = root.Path() + "chart.png";
    ASSERT_EQ(feature->ExportChart(picture), "");
    QImage image(QString::fromStdString(picture));
    EXPECT_FALSE(image.isNull());
    EXPECT_GT(image.height(), 100 * 10);
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
    // 220 items: the 30 of highest 欲出几率 and the selected one.
    EXPECT_LE(chart->Geometry().columns, 31);
    EXPECT_EQ(chart->Geometry().rows, 8374 + 4);
    const CellRange painted = chart->LastPainted();
    EXPECT_LT(painted.endRow - painted.firstRow, 60);
    EXPECT_EQ(painted.endRow, 8378); // opens at the newest draws and the summary
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

TEST_F(OmissionWindowTest, TheUsersOwnItemsAreEditedValidatedAndShown)
{
    Select(QStringLiteral("自定义组合"));
    OmissionWindow* feature = Shown();
    ASSERT_NE(feature, nullptr);
    EXPECT_EQ(feature->Table()->model()->rowCount(), 0);
    EXPECT_TRUE(feature->findChild<QWidget*>(QStringLiteral("editCustomItems"))->isVisible());
    EXPECT_TRUE(feature->findChild<QLabel*>(QStringLiteral("omissionStatus"))->text().contains(QStringLiteral("编辑自定义项目")));

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
