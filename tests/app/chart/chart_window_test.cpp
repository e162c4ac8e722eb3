// The chart feature as the module meets it through the host object: opened
// by name, its window found through slot 5, the numbers handed in with
// WM_CHART_NUMBERS, and the picture export.
#include "app/chart/bar_chart.h"
#include "app/chart/chart_feature.h"
#include "app/services/host_object.h"
#include "framework/framework.h"
#include "storage/safe_file.h"
#include "tests/app/chart/chart_record_builder.h"
#include "tests/support/temp_folder.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace vesk::chart {
namespace {

class ChartFeatureTest : public ::testing::Test {
protected:
    test::TempFolder root;
    app::HostObject host{{app::HostPaths::UnderRoot(root.Path()), root.Path() + "plugins/", ""}};
    ChartFeature feature;

    void SetUp() override { host.SetFeatures(&feature); }
    void TearDown() override { host.SetFeatures(nullptr); }

    // What the result page does: open by name, wait for the window, send.
    LRESULT HandOver(ChartRecord& record, WPARAM tag = kChartNumbersTag)
    {
        host.OpenFeatureByName("Kelpo", 0);
        const WindowHandle window = host.GetFeatureWindow(1);
        if (!IsWindow(FromWindowHandle(window)))
            return -1;
        return SendMessage(FromWindowHandle(window), kMessageChartNumbers, tag, reinterpret_cast<LPARAM>(&record));
    }
};

TEST_F(ChartFeatureTest, OpenedByNameOnceAndFoundThroughTheHost)
{
    EXPECT_EQ(host.GetFeatureWindow(1), 0);
    EXPECT_EQ(host.OpenFeatureByName("Other", 0), 0);
    EXPECT_EQ(host.OpenFeatureByName(nullptr, 0), 0);
    EXPECT_EQ(host.GetFeatureWindow(1), 0);
    ASSERT_EQ(host.OpenFeatureByName("Kelpo", 0), 1);
    const WindowHandle window = host.GetFeatureWindow(1);
    ASSERT_NE(window, 0);
    EXPECT_TRUE(IsWindow(FromWindowHandle(window)));
    EXPECT_TRUE(feature.Window()->isVisible());
    EXPECT_EQ(host.GetFeatureWindow(2), 0);
    // Already open: the same window, shown again after the user closed it.
    feature.Window()->close();
    ASSERT_EQ(host.OpenFeatureByName("Kelpo", 0), 1);
    EXPECT_EQ(host.GetFeatureWindow(1), window);
    EXPECT_TRUE(feature.Window()->isVisible());
}

TEST_F(ChartFeatureTest, TheNumbersOfTheMessageAreChartedFromACopy)
{
    ChartStatistics seen;
    {
        test::ChartRecordBuilder builder(3, {"000", "112", "123", "999", "505", "378"});
        ASSERT_EQ(HandOver(builder.Record()), 1);
        seen = feature.Window()->Statistics();
    } // the sender frees its blocks
    ChartWindow& window = *feature.Window();
    EXPECT_EQ(window.Statistics().numberCount, 6u);
    EXPECT_EQ(window.Statistics().distributions[0].counts, seen.distributions[0].counts);
    EXPECT_EQ(window.Tabs()->count(), 7);
    EXPECT_EQ(window.Tabs()->tabText(0), QStringLiteral("和值"));
    EXPECT_EQ(window.Tabs()->tabText(6), QStringLiteral("号码位置"));
    const auto* count = window.findChild<QLabel*>();
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text(), QStringLiteral("号码数：6"));
    // To look at the window, one picture per tab: VESK_CHART_SHOT=/some/prefix
    if (const char* shot = std::getenv("VESK_CHART_SHOT")) {
        for (int tab = 0; tab < window.Tabs()->count(); ++tab) {
            window.Tabs()->setCurrentIndex(tab);
            QTest::qWait(20);
            window.grab().save(QString::fromLocal8Bit(shot) + QString::number(tab) + QStringLiteral(".png"));
        }
    }
    window.Tabs()->setCurrentIndex(5);

    // A second hand-over replaces the numbers; the tab the user looks at stays.
    test::ChartRecordBuilder next(3, {"111"});
    ASSERT_EQ(HandOver(next.Record()), 1);
    EXPECT_EQ(window.Statistics().numberCount, 1u);
    EXPECT_EQ(window.Tabs()->currentIndex(), 5);
}

TEST_F(ChartFeatureTest, AMessageItCannotReadChangesNothing)
{
    test::ChartRecordBuilder builder(3, {"123", "456"});
    ASSERT_EQ(HandOver(builder.Record()), 1);
    EXPECT_EQ(HandOver(builder.Record(), 99), 0);
    test::ChartRecordBuilder bad(3, {"123"});
    bad.Record().digits = 12;
    EXPECT_EQ(HandOver(bad.Record()), 0);
    EXPECT_EQ(feature.Window()->Statistics().numberCount, 2u);
    // A record with no numbers is an empty chart, not an error.
    test::ChartRecordBuilder empty(3, {});
    EXPECT_EQ(HandOver(empty.Record()), 1);
    EXPECT_EQ(feature.Window()->Statistics().numberCount, 0u);
}

TEST_F(ChartFeatureTest, ExportsTheShownChartAsAPicture)
{
    test::ChartRecordBuilder builder(3, {"123", "456", "789"});
    ASSERT_EQ(HandOver(builder.Record()), 1);
    ScriptedInteraction script;
    script.QueueFileSelection({root.Path() + "chart"});
    script.QueueMessageBoxAnswer(IDOK);
    auto* button = feature.Window()->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    EXPECT_FALSE(script.FileDialogs()[0].open);
    EXPECT_EQ(script.FileDialogs()[0].fileName, "3D图表_和值.png");
    const QImage picture(QString::fromStdString(root.Path() + "chart.png"));
    EXPECT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 100);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "已导出到 " + root.Path() + "chart.png");

    script.QueueFileSelection({root.Path() + "missing/folder/chart.png"});
    script.QueueMessageBoxAnswer(IDOK);
    EXPECT_FALSE(feature.Window()->ExportPicture());
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(script.MessageBoxes()[1].text,
              "保存失败：" + root.Path() + "missing/folder/chart.png（文件夹不存在），原文件未改动");
    EXPECT_EQ(script.MessageBoxes()[1].caption, "提示信息");
    // A disk that fails under an existing picture leaves it as it was.
    const std::string old = root.Path() + "chart.png";
    const auto before = std::filesystem::file_size(old);
    script.QueueFileSelection({old});
    script.QueueMessageBoxAnswer(IDOK);
    {
        InjectedFileFailure full(FileStep::Write, ENOSPC);
        EXPECT_FALSE(feature.Window()->ExportPicture());
    }
    EXPECT_EQ(std::filesystem::file_size(old), before);
    EXPECT_FALSE(QImage(QString::fromStdString(old)).isNull());
    script.QueueFileCancel();
    EXPECT_FALSE(feature.Window()->ExportPicture());
    EXPECT_EQ(script.UnexpectedRequests(), 0);
}

TEST(BarChart, CountAxisHasWholeStepsAndRoomAboveTheTallestBar)
{
    for (const int highest : {0, 1, 2, 7, 9, 10, 95, 1000, 123456}) {
        const CountScale scale = ScaleFor(highest);
        EXPECT_GT(scale.top, highest) << highest;
        EXPECT_EQ(scale.top % scale.step, 0) << highest;
        EXPECT_LE(scale.top / scale.step, 10) << highest;
    }
    EXPECT_EQ(ScaleFor(1).step, 1);
    EXPECT_EQ(ScaleFor(95).step, 20);
}

} // namespace
} // namespace vesk::chart
