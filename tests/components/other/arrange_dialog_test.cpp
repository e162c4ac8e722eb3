// The arrangement component loaded by the host's loader, its dialog driven
// with real mouse and key input, and the option records it leaves behind.
#include "application/column_defaults.h"
#include "app/services/host_object.h"
#include "application/option_ids.h"
#include "application/column_records.h"
#include "components/other/tile_geometry.h"
#include "framework/framework.h"
#include "host/other_interfaces.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace vesk::other {
namespace {

std::vector<int> Attributes(const std::vector<std::uint8_t>& bytes)
{
    std::vector<int> attributes;
    for (std::size_t at = 0; at + kColumnRecordSize <= bytes.size(); at += kColumnRecordSize)
        attributes.push_back(bytes[at]);
    return attributes;
}

// The item images the options dialog hands over, as the build draws them.
std::unique_ptr<CBitmap> SkinImage(const char* name)
{
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->LoadFromFile(test::BuildFolder() + "Skin/" + name);
    return bitmap;
}

QPoint Center(QWidget* area, int index)
{
    const TileRect tile = TileAt(index, area->width());
    return {tile.x + tile.width / 2, tile.y + tile.height / 2};
}

constexpr const char* kShownCaption = "显示的缩水器表头（可以拖动改变位置，也可以拖动到隐藏区域以不显示该表头）";
constexpr const char* kHiddenCaption = "隐藏的缩水器表头，可以拖动到显示区域以显示该表头";

class ArrangeDialogTest : public ::testing::Test {
protected:
    test::TempFolder root;
    app::HostObject host{{app::HostPaths::UnderRoot(root.Path()), test::PluginFolder(), ""}};
    IArrange* arrange = nullptr;
    std::unique_ptr<CBitmap> images[4] = {SkinImage("ArrDml75.bmp"), SkinImage("ArrSel75.bmp"),
                                          SkinImage("ArrDrg75.bmp"), SkinImage("ArrHnt75.bmp")};
    ScriptedInteraction script;

    void SetUp() override
    {
        ASSERT_TRUE(images[3]->GetSafeHandle()) << "no skin images in the build";
        ASSERT_EQ(Load(), 1) << host.Loader().LastError();
    }
    void TearDown() override
    {
        if (arrange) {
            EXPECT_EQ(host.ReleaseComponent(&arrange), 1);
        }
        EXPECT_EQ(script.UnexpectedRequests(), 0);
    }

    // The calls of the options dialog, in its order.
    SlotInt Load()
    {
        if (host.LoadComponent(&kArrangeComponentName, &arrange) != 1)
            return 0;
        arrange->Initialize(&host, 0);
        arrange->SetImages(*images[0], *images[1], *images[2], *images[3]);
        arrange->SetCaption("缩水器选项");
        arrange->SetAreaCaptions(kShownCaption, kHiddenCaption);
        arrange->SetShownRecord(kOptionShownColumns);
        arrange->SetHiddenRecord(kOptionHiddenColumns);
        return 1;
    }

    std::vector<std::uint8_t> Record(std::int32_t id)
    {
        auto& environment = host.Environment();
        std::vector<std::uint8_t> bytes(MaxOptionLength(id));
        bytes.resize(static_cast<std::size_t>(environment.ReadOption(id, bytes.data())));
        return bytes;
    }

    // Runs the dialog with act doing the user's part, then presses the button.
    SlotInt RunWith(std::function<void(CDialog&, QWidget* shown, QWidget* hidden)> act, int button = IDOK)
    {
        script.QueueModalAction([act, button](CDialog& dialog) {
            QWidget* shown = dialog.m_hWnd->findChild<QWidget*>(QStringLiteral("shownArea"));
            QWidget* hidden = dialog.m_hWnd->findChild<QWidget*>(QStringLiteral("hiddenArea"));
            dialog.m_hWnd->activateWindow();
            if (shown && hidden && QTest::qWaitForWindowActive(dialog.m_hWnd))
                act(dialog, shown, hidden);
            QWidget* ok = dialog.GetDlgItem(button)->m_hWnd;
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        });
        return arrange->Run();
    }
};


// Drags item index of from to the point `to` of area target, with the moves
// in between that a hand makes; every event goes to from, which holds the
// mouse while the button is down.
void Drag(QWidget* from, int index, QWidget* target, QPoint to)
{
    const QPoint start = Center(from, index);
    const QPoint end = from->mapFromGlobal(target->mapToGlobal(to));
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, start + QPoint(8, 8));
    QTest::mouseMove(from, (start + end) / 2);
    QTest::mouseMove(from, end);
    QTest::mouseRelease(from, Qt::LeftButton, {}, end);
}

TEST_F(ArrangeDialogTest, DragAColumnToHiddenAndBack)
{
    ASSERT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget* hidden) {
                  Drag(shown, 0, hidden, QPoint(hidden->width() - 10, hidden->height() - 5));
              }),
              1);
    EXPECT_EQ(Attributes(Record(kOptionShownColumns)), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Attributes(Record(kOptionHiddenColumns)), (std::vector<int>{8, 9, 10, 0}));

    ASSERT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget* hidden) {
                  const TileRect first = TileAt(0, shown->width());
                  Drag(hidden, 3, shown, QPoint(first.x + 5, first.y + 5));
              }),
              1);
    EXPECT_EQ(Record(kOptionShownColumns), DefaultShownColumns());
    EXPECT_EQ(Record(kOptionHiddenColumns), DefaultHiddenColumns());
}

TEST_F(ArrangeDialogTest, DragReordersWithinTheShownArea)
{
    ASSERT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget*) {
                  // While 和值 is dragged the others close up: 和尾 stands in tile 1.
                  const TileRect second = TileAt(1, shown->width());
                  Drag(shown, 0, shown, QPoint(second.x + second.width - 5, second.y + 5));
              }),
              1);
    EXPECT_EQ(Attributes(Record(kOptionShownColumns)), (std::vector<int>{1, 2, 0, 3, 4, 5, 6, 7}));
    // The hidden record had no change and was not written.
    EXPECT_FALSE(std::filesystem::exists(host.Environment().Paths().options + "4205.opt"));
}

TEST_F(ArrangeDialogTest, KeysSelectMoveAndSendToTheOtherArea)
{
    bool tabReachedHidden = false;
    ASSERT_EQ(RunWith([&](CDialog&, QWidget* shown, QWidget* hidden) {
                  shown->setFocus();
                  QTest::keyClick(shown, Qt::Key_Right);                      // select 跨度
                  QTest::keyClick(shown, Qt::Key_Right, Qt::ControlModifier); // 跨度 after 和尾
                  QTest::keyClick(shown, Qt::Key_End);                        // 012路
                  QTest::keyClick(shown, Qt::Key_Space);                      // to hidden
                  QTest::keyClick(shown, Qt::Key_Tab);
                  tabReachedHidden = hidden->hasFocus();
                  QTest::keyClick(hidden, Qt::Key_Home);                      // 遗漏
                  QTest::keyClick(hidden, Qt::Key_Space);                     // to shown
              }),
              1);
    EXPECT_TRUE(tabReachedHidden);
    EXPECT_EQ(Attributes(Record(kOptionShownColumns)), (std::vector<int>{0, 2, 1, 3, 4, 5, 6, 8}));
    EXPECT_EQ(Attributes(Record(kOptionHiddenColumns)), (std::vector<int>{9, 10, 7}));
}

TEST_F(ArrangeDialogTest, ACallersRecordsOfMoreColumnsLetAHiddenColumnComeBack)
{
    // Fourteen columns of a caller's own records, all shown, as a feature's
    // table keeps them; the host's records stay at their eleven.
    constexpr SlotInt kShown = 4316, kHidden = 4317;
    std::vector<ColumnItem> fourteen;
    for (int i = 0; i < 14; ++i) {
        const std::string title = std::to_string(100 + i); // any title the records may hold
        fourteen.push_back({i, title, title});
    }
    const auto bytes = SerializeColumnRecords(fourteen);
    ASSERT_EQ(host.Environment().WriteOption(kShown, static_cast<SlotInt>(bytes.size()), bytes.data()), 1);
    ASSERT_EQ(host.Environment().WriteOption(kHidden, 0, nullptr), 1);
    arrange->SetShownRecord(kShown);
    arrange->SetHiddenRecord(kHidden);
    ASSERT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget* hidden) {
                  shown->setFocus();
                  QTest::keyClick(shown, Qt::Key_Home);
                  QTest::keyClick(shown, Qt::Key_Space); // c0 to hidden
                  // and back by hand, at the end
                  Drag(hidden, 0, shown, QPoint(shown->width() - 10, shown->height() - 5));
              }),
              1);
    const std::vector<int> shownAfter = Attributes(Record(kShown));
    ASSERT_EQ(shownAfter.size(), 14u);
    EXPECT_EQ(shownAfter.back(), 0);
}

TEST_F(ArrangeDialogTest, NothingIsStoredAfterCancelOrWithoutANetChange)
{
    EXPECT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget* hidden) { Drag(shown, 0, hidden, QPoint(5, 5)); },
                      IDCANCEL),
              0);
    EXPECT_EQ(RunWith([](CDialog&, QWidget* shown, QWidget*) {
                  shown->setFocus();
                  QTest::keyClick(shown, Qt::Key_Right, Qt::ControlModifier);
                  QTest::keyClick(shown, Qt::Key_Left, Qt::ControlModifier);
              }),
              0);
    // A drop outside both areas changes nothing either.
    EXPECT_EQ(RunWith([](CDialog& dialog, QWidget* shown, QWidget*) {
                  QWidget* ok = dialog.GetDlgItem(IDOK)->m_hWnd;
                  Drag(shown, 0, ok, ok->rect().center());
              }),
              0);
    EXPECT_FALSE(std::filesystem::exists(host.Environment().Paths().options + "4204.opt"));
    EXPECT_FALSE(std::filesystem::exists(host.Environment().Paths().options + "4205.opt"));
}

TEST_F(ArrangeDialogTest, ShowsTheCaptionsItWasGiven)
{
    std::string caption;
    std::vector<std::string> texts;
    RunWith([&](CDialog& dialog, QWidget* shown, QWidget* hidden) {
        caption = dialog.GetWindowText();
        texts = {dialog.GetDlgItem(1001)->GetWindowText(), dialog.GetDlgItem(1002)->GetWindowText()};
        // To look at the dialog in the middle of a drag: VESK_ARRANGE_SHOT=/some/file.png
        if (const char* shot = std::getenv("VESK_ARRANGE_SHOT")) {
            shown->setFocus();
            QTest::keyClick(shown, Qt::Key_Right);
            const QPoint start = Center(shown, 4);
            const QPoint over = shown->mapFromGlobal(hidden->mapToGlobal(Center(hidden, 1)));
            QTest::mousePress(shown, Qt::LeftButton, {}, start);
            QTest::mouseMove(shown, start + QPoint(10, 10));
            QTest::mouseMove(shown, over);
            dialog.m_hWnd->grab().save(QString::fromLocal8Bit(shot));
            QWidget* ok = dialog.GetDlgItem(IDOK)->m_hWnd;
            QTest::mouseRelease(shown, Qt::LeftButton, {}, shown->mapFromGlobal(ok->mapToGlobal(ok->rect().center())));
        }
    }, IDCANCEL);
    EXPECT_EQ(caption, "缩水器选项");
    EXPECT_EQ(texts, (std::vector<std::string>{kShownCaption, kHiddenCaption}));
}

TEST_F(ArrangeDialogTest, AnOwnerThatIsNoWindowIsNotTouched)
{
    arrange->Initialize(&host, 0x1234560);
    bool ran = false;
    EXPECT_EQ(RunWith([&](CDialog&, QWidget*, QWidget*) { ran = true; }, IDCANCEL), 0);
    EXPECT_TRUE(ran);
}

TEST(ArrangeComponent, RefusesToRunWithoutAHost)
{
    test::TempFolder root;
    app::HostObject host{{app::HostPaths::UnderRoot(root.Path()), test::PluginFolder(), ""}};
    IArrange* arrange = nullptr;
    ASSERT_EQ(host.LoadComponent(&kArrangeComponentName, &arrange), 1);
    ScriptedInteraction script;
    EXPECT_EQ(arrange->Initialize(nullptr, 0), 0);
    EXPECT_EQ(arrange->Run(), 0);
    EXPECT_EQ(script.UnexpectedRequests(), 0);
    EXPECT_EQ(host.ReleaseComponent(&arrange), 1);
}

} // namespace
} // namespace vesk::other
