// A component's window inside a module's dialog: loaded through the host's
// component loader, it reports clicks to the dialog with the grid's records.
#include "app/services/component_loader.h"
#include "framework/framework.h"
#include "tests/app/notify_probe/notify_probe.h"
#include "tests/support/build_folders.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vesk::app {
namespace {

constexpr UINT kPage = 7201;
constexpr int kGridId = 1234;

ModuleContext& PageModule()
{
    static ModuleContext context("component-window-test");
    static bool registered = false;
    if (!registered) {
        registered = true;
        DialogTemplate page;
        page.id = kPage;
        page.style = WS_CHILD | WS_VISIBLE;
        page.cx = 200;
        page.cy = 150;
        context.Templates().Register(page);
    }
    return context;
}

struct Heard {
    UINT code;
    HWND from;
    UINT_PTR id;
    int item;
    int subItem;
    UINT keyFlags;
};

TEST(ComponentWindows, GridNotificationsReachTheModuleDialogWithTheirRecords)
{
    ComponentLoader loader(test::PluginFolder());
    ModuleContextGuard context(PageModule());
    CWnd host;
    ASSERT_TRUE(host.Create(nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(50, 50, 550, 450), nullptr, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.m_hWnd));
    CDialog page;
    ASSERT_TRUE(page.Create(kPage, &host));

    std::vector<Heard> heard;
    page.HandleNotify(kGridId, NM_DBLCLK, [&heard](NMHDR* header) {
        const auto* record = reinterpret_cast<const NMITEMACTIVATE*>(header);
        heard.push_back({header->code, header->hwndFrom, header->idFrom, record->iItem, record->iSubItem,
                         record->uKeyFlags});
        return LRESULT(0);
    });
    page.HandleNotify(kGridId, LVN_COLUMNCLICK, [&heard](NMHDR* header) {
        const auto* record = reinterpret_cast<const NMLISTVIEW*>(header);
        heard.push_back({header->code, header->hwndFrom, header->idFrom, record->iItem, record->iSubItem, 0});
        return LRESULT(0);
    });

    void* instance = loader.Load(test::kNotifyProbeName);
    ASSERT_NE(instance, nullptr) << loader.LastError();
    auto* probe = static_cast<test::INotifyProbe*>(instance);
    const Rect area{0, 0, 300, 200};
    ASSERT_EQ(probe->Create(page.ToWindowHandle(), kGridId, &area), 1);
    QWidget* grid = FromWindowHandle(probe->GetWindow());
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(GetParent(grid), page.m_hWnd);
    EXPECT_EQ(page.GetDlgItem(kGridId)->m_hWnd, grid);

    // Row 2 (the third below the header), column 1; then the header of column 4.
    QTest::mouseDClick(grid, Qt::LeftButton, Qt::ControlModifier, QPoint(75, 3 * test::kProbeRowHeight + 5));
    QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, QPoint(4 * test::kProbeColumnWidth + 10, 5));

    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].code, NM_DBLCLK);
    EXPECT_EQ(heard[0].from, grid);
    EXPECT_EQ(heard[0].id, UINT_PTR(kGridId));
    EXPECT_EQ(heard[0].item, 2);
    EXPECT_EQ(heard[0].subItem, 1);
    EXPECT_EQ(heard[0].keyFlags, 2u);
    EXPECT_EQ(heard[1].code, LVN_COLUMNCLICK);
    EXPECT_EQ(heard[1].from, grid);
    EXPECT_EQ(heard[1].item, -1);
    EXPECT_EQ(heard[1].subItem, 4);

    const QPointer<QWidget> alive(grid);
    EXPECT_TRUE(loader.Release(instance));
    EXPECT_TRUE(alive.isNull()); // the component's window went with it
}

} // namespace
} // namespace vesk::app
