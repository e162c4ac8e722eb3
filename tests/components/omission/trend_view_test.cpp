// The painted chart for hand-made histories: balls at the hits of known
// cells, trend lines only in linked blocks, pinned header, left columns and
// summary while the draws scroll, the newest draws in view after a resize,
// column heads picking items, and exported pictures holding every draw.
#include "components/features/analysis/omission/custom_items.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/omission/chart_pictures.h"
#include "components/features/omission/trend_content.h"

#include <QImage>
#include <QImageReader>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace vesk::omission {
namespace {

struct Chart {
    std::unique_ptr<analysis::Family> family;
    std::vector<std::uint32_t> draws;
    analysis::OmissionTable table;
    TrendView view;

    Chart(std::unique_ptr<analysis::Family> made, std::vector<std::uint32_t> history, QSize size = {700, 420})
        : family(std::move(made))
        , draws(std::move(history))
    {
        table = analysis::ComputeOmissions(*family, draws, 0);
        const std::vector<std::size_t> columns = ChartColumns(table, {});
        std::vector<std::string> periods;
        for (std::size_t i = 0; i < draws.size(); ++i)
            periods.push_back(std::to_string(2024001 + i));
        TrendContent content = MakeTrendContent(*family, table, ChartColumns(table, {}), draws, periods);
        view.resize(size);
        view.SetContent(std::move(content));
        view.show();
        view.ScrollToNewest();
    }

    QImage Screen() { return view.viewport()->grab().toImage(); }
};

// Pixels of the cell around centre that are strongly of colour's hue: a
// ball, or a line through the cell.
int Coloured(const QImage& image, QRect area)
{
    area &= image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.saturation() > 120 && c.value() > 80 ? 1 : 0;
        }
    return count;
}

QRect CellArea(const TrendView& view, int draw, int column)
{
    const QPoint centre = view.CellCenter(draw, column);
    const TrendGeometry& g = view.Geometry();
    return QRect(centre.x() - g.columnWidth / 2 + 1, centre.y() - g.rowHeight / 2 + 1, g.columnWidth - 2, g.rowHeight - 2);
}

TEST(TrendView, OneBallPerPositionAtTheDrawnDigitFromFirstToNewest)
{
    const std::vector<std::uint32_t> draws = {123, 456, 789, 111, 905};
    Chart chart(analysis::MakeSingle1(3), draws, {1600, 420});
    chart.view.SetShowLines(false); // lines cross the cells between balls
    const QImage screen = chart.Screen();
    for (int d = 0; d < 5; ++d) {
        const int digits[3] = {static_cast<int>(draws[d] / 100), static_cast<int>(draws[d] / 10 % 10), static_cast<int>(draws[d] % 10)};
        for (int p = 0; p < 3; ++p)
            for (int digit = 0; digit < 10; ++digit) {
                const int coloured = Coloured(screen, CellArea(chart.view, d, p * 10 + digit));
                if (digit == digits[p])
                    EXPECT_GT(coloured, 60) << "draw " << d << " position " << p;
                else
                    EXPECT_EQ(coloured, 0) << "draw " << d << " position " << p << " digit " << digit;
            }
    }
}

TEST(TrendView, TrendLinesJoinTheBallsOfLinkedBlocksOnly)
{
    // 百位 1 then 4: the line's middle lies between 百位2 and 百位3, at the rows' border.
    Chart positions(analysis::MakeSingle1(3), {123, 456});
    const QPoint a = positions.view.CellCenter(0, 1);
    const QPoint b = positions.view.CellCenter(1, 4);
    const QRect middle((a.x() + b.x()) / 2 - 3, (a.y() + b.y()) / 2 - 3, 7, 7);
    EXPECT_GT(Coloured(positions.Screen(), middle), 4);
    positions.view.SetShowLines(false);
    EXPECT_EQ(Coloured(positions.Screen(), middle), 0);

    // 组选单码: a draw hits several items (1, 2, 3) or one (4, 5, 6 all hit):
    // balls for each, no lines.
    Chart group(analysis::MakeGroup1(3), {123, 455});
    const QImage screen = group.Screen();
    for (int digit : {1, 2, 3})
        EXPECT_GT(Coloured(screen, CellArea(group.view, 0, digit)), 60) << digit;
    for (int digit : {4, 5})
        EXPECT_GT(Coloured(screen, CellArea(group.view, 1, digit)), 60) << digit;
    const QPoint c = group.view.CellCenter(0, 3);
    const QPoint d = group.view.CellCenter(1, 4);
    EXPECT_EQ(Coloured(screen, QRect(c.x() + 12, (c.y() + d.y()) / 2 - 2, 5, 5)), 0);
}

TEST(TrendView, ADrawThatHitsNothingHasNoBallAndBreaksNoLine)
{
    analysis::CustomItems items;
    filter::Condition big;
    big.type = filter::ConditionType::Sum;
    big.values = {20, 21, 22, 23, 24, 25, 26, 27};
    items.combinations.push_back({"大和值", big});
    Chart chart(analysis::MakeCustomFamily(analysis::kCustomCombinationCode, items, 3), {999, 123, 888});
    const QImage screen = chart.Screen();
    EXPECT_GT(Coloured(screen, CellArea(chart.view, 0, 0)), 60);
    EXPECT_EQ(Coloured(screen, CellArea(chart.view, 1, 0)), 0);
    EXPECT_GT(Coloured(screen, CellArea(chart.view, 2, 0)), 60);
    EXPECT_EQ(chart.view.Content().data.Cell(1, 0), 1); // the omission, in grey
}

std::vector<std::uint32_t> LongHistory(int draws)
{
    std::vector<std::uint32_t> history;
    std::uint32_t x = 12345;
    for (int i = 0; i < draws; ++i) {
        x = x * 1103515245u + 12345u;
        history.push_back((x >> 8) % 1000);
    }
    return history;
}

TEST(TrendView, HeaderLeftColumnsAndSummaryStayPutWhileTheDrawsScroll)
{
    Chart chart(analysis::MakeSingle1(3), LongHistory(600), {500, 400});
    TrendView& view = chart.view;
    ASSERT_GT(view.horizontalScrollBar()->maximum(), 0);
    const int width = view.viewport()->width();
    const int height = view.viewport()->height();
    const QRect header(0, 0, width, view.HeaderHeight());
    const QRect summary(0, height - view.SummaryHeight(), width, view.SummaryHeight());
    const QRect left(0, 0, view.LeftWidth(), height);
    QImage before = chart.Screen();
    EXPECT_EQ(view.LastPainted().endRow, 600);

    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
    QImage middle = chart.Screen();
    EXPECT_LT(view.LastPainted().endRow, 600);
    EXPECT_EQ(middle.copy(header), before.copy(header));
    EXPECT_EQ(middle.copy(summary), before.copy(summary));
    EXPECT_NE(middle.copy(left), before.copy(left)); // other periods

    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    QImage right = chart.Screen();
    EXPECT_GT(view.LastPainted().firstColumn, 0);
    EXPECT_EQ(right.copy(left), middle.copy(left));
    EXPECT_NE(right.copy(header), middle.copy(header)); // the other blocks' heads
}

TEST(TrendView, TheNewestDrawsStayInViewThroughResizes)
{
    Chart chart(analysis::MakeSingle1(3), LongHistory(600), {500, 300});
    TrendView& view = chart.view;
    for (const QSize size : {QSize(900, 700), QSize(400, 200), QSize(1200, 880)}) {
        view.resize(size);
        chart.Screen();
        EXPECT_EQ(view.LastPainted().endRow, 600) << size.width();
    }
    // Scrolled away by the user, a resize leaves the draws where they are.
    view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    view.resize(700, 500);
    chart.Screen();
    EXPECT_EQ(view.LastPainted().firstRow, 0);
    view.ScrollToNewest();
    chart.Screen();
    EXPECT_EQ(view.LastPainted().endRow, 600);
}

TEST(TrendView, ColumnHeadsPickItemsAsListsDo)
{
    Chart chart(analysis::MakeSingle1(3), {123, 456});
    TrendView& view = chart.view;
    std::vector<std::vector<int>> told;
    view.selectionChanged = [&](const std::vector<int>& columns) { told.push_back(columns); };
    const int labelRow = view.HeaderHeight() - 4;
    const auto head = [&](int column) { return QPoint(view.CellCenter(0, column).x(), labelRow); };
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, head(3));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, head(7));
    EXPECT_EQ(view.SelectedColumns(), (std::vector<int>{3, 7}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, head(9));
    EXPECT_EQ(view.SelectedColumns(), (std::vector<int>{7, 8, 9}));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier, head(8));
    EXPECT_EQ(view.SelectedColumns(), (std::vector<int>{7, 9}));
    // The block's head: its ten digits.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(view.CellCenter(0, 15).x(), 4));
    EXPECT_EQ(view.SelectedColumns(), (std::vector<int>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    ASSERT_EQ(told.size(), 5u);
    EXPECT_EQ(told.back(), view.SelectedColumns());
    // Clicks on the draws pick nothing.
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.CellCenter(1, 2));
    EXPECT_EQ(told.size(), 5u);
}

TEST(TrendView, ExportedPicturesHoldEveryDrawInOrder)
{
    const std::vector<std::uint32_t> draws = LongHistory(2000);
    Chart chart(analysis::MakeSingle1(3), draws);
    chart.view.SetShowLines(false);
    const std::string folder = (std::filesystem::temp_directory_path() / "trend_view_export").string();
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const PicturesWritten written = WriteChartPictures(chart.view, folder + "/chart.png");
    ASSERT_EQ(written.error, "");
    ASSERT_GT(written.paths.size(), 1u);
    const TrendView& view = chart.view;
    const TrendGeometry& g = view.Geometry();
    QImageReader::setAllocationLimit(1024); // a tall picture is larger than Qt reads by default
    std::size_t draw = 0;
    for (std::size_t i = 0; i < written.paths.size(); ++i) {
        EXPECT_EQ(written.paths[i], folder + "/chart-" + std::to_string(i + 1) + ".png");
        const QImage picture(QString::fromStdString(written.paths[i]));
        ASSERT_FALSE(picture.isNull());
        ASSERT_LE(picture.height(), kMaxPictureHeight);
        EXPECT_EQ(picture.width(), view.FullWidth());
        const bool last = i + 1 == written.paths.size();
        const int rows = (picture.height() - view.HeaderHeight() - (last ? view.SummaryHeight() : 0)) / g.rowHeight;
        // Every row's 百位 ball where the draw's digit is, just under the ball's top.
        for (int r = 0; r < rows; ++r, ++draw) {
            ASSERT_LT(draw, draws.size());
            const int y = view.HeaderHeight() + r * g.rowHeight + 3;
            int found = -1;
            for (int digit = 0; digit < 10; ++digit) {
                const QColor c = picture.pixelColor(view.LeftWidth() + digit * g.columnWidth + g.columnWidth / 2, y);
                if (c.saturation() > 120)
                    found = found == -1 ? digit : -2;
            }
            ASSERT_EQ(found, static_cast<int>(draws[draw] / 100)) << "draw " << draw << " in picture " << i + 1;
        }
    }
    EXPECT_EQ(draw, draws.size());
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vesk::omission

namespace vesk::omission {
namespace {

TEST(TrendView, AnExportThatCannotBeWrittenSaysSoAndNamesThePicture)
{
    Chart chart(analysis::MakeSingle1(3), {123, 456});
    const std::string path = (std::filesystem::temp_directory_path() / "no-such-folder-i33" / "chart.png").string();
    const PicturesWritten written = WriteChartPictures(chart.view, path);
    EXPECT_TRUE(written.paths.empty());
    EXPECT_NE(written.error.find(path), std::string::npos) << written.error;
}

} // namespace
} // namespace vesk::omission
