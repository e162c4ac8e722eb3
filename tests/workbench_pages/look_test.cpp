// Each page at the sizes the workbench gives it, with a few hundred numbers:
// the background shows between the controls, and the pictures are written
// for the eye when VESK_SHOT_DIR is set.
#include "filtering/grouping/grouping_panel.h"
#include "pages/editor/editor_page.h"
#include "pages/text/count_page.h"
#include "pages/text/staging_page.h"
#include "tests/workbench_pages/page_host.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vesk::test {
namespace {

const QColor kBackground(250, 252, 254);

CString Numbers(int count, int perLine)
{
    CString text;
    char number[8];
    for (int i = 0; i < count; ++i) {
        std::snprintf(number, sizeof number, "%03d", (i * 37) % 1000);
        text += number;
        text += (i + 1) % perLine == 0 ? "\r\n" : " ";
    }
    return text;
}

struct Size {
    int width;
    int height;
    const char* name;
};
constexpr Size kSizes[] = { { 330, 300, "narrow" }, { 560, 420, "wide" } };

TEST(PageLook, EditorShowsItsBackgroundBetweenTextAndButtons)
{
    PageHost pages;
    EditorPage page(&pages.Host());
    ASSERT_TRUE(page.Create(pages.Container()));
    page.SetText(Numbers(400, 10));
    for (const Size& size : kSizes) {
        pages.Resize(page, size.width, size.height);
        const QImage shot = Grab(page);
        EXPECT_EQ(shot.pixelColor(1, size.height - 50), kBackground) << size.name;
        EXPECT_EQ(shot.pixelColor(size.width - 2, size.height - 24), kBackground) << size.name;
        SaveShot(page, (std::string("editor-") + size.name).c_str());
    }
}

TEST(PageLook, TextPagesShowTheirBackgroundUnderTheText)
{
    PageHost pages;
    StagingPage staging(&pages.Host());
    CountPage count(&pages.Host());
    ASSERT_TRUE(staging.Create(pages.Container()));
    ASSERT_TRUE(count.Create(pages.Container()));
    staging.SetText(Numbers(300, 10));
    count.SetText(Numbers(120, 5));
    for (const Size& size : kSizes) {
        for (TextPage* page : { static_cast<TextPage*>(&staging), static_cast<TextPage*>(&count) }) {
            page->ShowWindow(page == &staging ? SW_SHOW : SW_HIDE);
            pages.Resize(*page, size.width, size.height);
            const QImage shot = Grab(*page);
            EXPECT_EQ(shot.pixelColor(0, size.height - 23), kBackground) << size.name;
            SaveShot(*page, ((page == &staging ? "staging-" : "count-") + std::string(size.name)).c_str());
        }
    }
}

TEST(PageLook, GroupingPanelInBothLayouts)
{
    PageHost pages;
    GroupingPanel panel;
    ASSERT_TRUE(panel.Create(pages.Container()));
    panel.ShowWindow(SW_SHOW);
    for (const int mode : { kNarrowLayout, kWideLayout }) {
        panel.SetLayoutMode(mode);
        const Rect frame = LayoutPanel(mode).frame;
        panel.SetWindowPos(nullptr, 0, 0, frame.right + 4, frame.bottom + 4, SWP_NOZORDER | SWP_NOMOVE);
        const QImage shot = Grab(panel);
        EXPECT_EQ(shot.pixelColor(frame.right / 2, frame.bottom - 4), kBackground) << mode;
        SaveShot(panel, mode == kNarrowLayout ? "grouping-narrow" : "grouping-wide");
    }
}

} // namespace
} // namespace vesk::test

namespace vesk::test {
namespace {

// The workbench closes by destroying its window tree; the page objects go later.
TEST(PageLifetime, PagesOutliveTheirWindows)
{
    PageHost pages;
    EditorPage editor(&pages.Host());
    StagingPage staging(&pages.Host());
    GroupingPanel panel;
    ASSERT_TRUE(editor.Create(pages.Container()));
    ASSERT_TRUE(staging.Create(pages.Container()));
    ASSERT_TRUE(panel.Create(pages.Container()));
    pages.Container()->DestroyWindow();
    Settle();
    EXPECT_EQ(editor.GetSafeHwnd(), nullptr);
    EXPECT_EQ(panel.GetSafeHwnd(), nullptr);
}

} // namespace
} // namespace vesk::test
