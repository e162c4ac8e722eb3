// Pictures of both pages at the fixed page's narrow size and at a wide one,
// written when VESK_SCREENSHOT_DIR names a folder, for a person to look at.
// Without it the test checks only that the panels fill their pages.
#include "tests/condition_pages/page_harness.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

constexpr const char* kSample = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [
  {"name": "基本", "errors": [0, 1], "conditions": [
    {"type": "sum", "values": [10, 11, 12, 13, 14]},
    {"type": "span", "values": [0, 1], "mode": "exclude"},
    {"type": "contains", "digits": [1, 5], "values": [1, 2]},
    {"type": "omission", "values": [0, 1, 2, 3, 4, 5, 10], "enabled": false}]},
  {"name": "形态", "conditions": [{"type": "odd-count", "values": [1, 2]}, {"type": "shape", "values": [22, 0]}]}]})";

constexpr const char* kFixedSample = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [
  {"conditions": [{"type": "sum", "values": [10, 11, 12]}, {"type": "odd-count", "values": [1, 2]},
                  {"type": "contains", "digits": [3], "values": [0]}]}]})";

TEST(ConditionScreens, BothPagesNarrowAndWide)
{
    PageHarness pages;
    ScriptedInteraction script; // the samples must load: any message box fails the test
    WriteFile(pages.StateFolder() + "TS3D-3.zfc", kSample);
    WriteFile(pages.StateFolder() + "TS3D-3.gfc", kFixedSample);
    pages.OpenPages();
    const QByteArray folder = qgetenv("VESK_SCREENSHOT_DIR");
    struct Shot {
        ConditionPage* page;
        const char* name;
        int width;
        int height;
    };
    const Shot shots[] = {{&pages.Fixed(), "fixed-narrow", 330, 300},    {&pages.Fixed(), "fixed-wide", 700, 520},
                          {&pages.Combined(), "combined-narrow", 330, 300}, {&pages.Combined(), "combined-wide", 700, 520}};
    QTest::qWait(10);
    for (const auto& box : script.MessageBoxes())
        ADD_FAILURE() << box.text;
    for (const Shot& shot : shots) {
        pages.Fixed().ShowWindow(shot.page == &pages.Fixed() ? SW_SHOW : SW_HIDE);
        pages.Combined().ShowWindow(shot.page == &pages.Combined() ? SW_SHOW : SW_HIDE);
        pages.Workbench().MoveWindow(CRect(0, 0, shot.width + 20, shot.height + 20));
        pages.Container().MoveWindow(CRect(0, 0, shot.width, shot.height));
        shot.page->MoveWindow(CRect(0, 0, shot.width, shot.height));
        QTest::qWait(30);
        QWidget* panel = pages.Panel(*shot.page);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->size(), QSize(shot.width, shot.height));
        // The workbench's background shows around the controls.
        const QImage image = shot.page->m_hWnd->grab().toImage();
        EXPECT_EQ(image.pixelColor(shot.width - 2, 2), QColor(250, 252, 254)) << shot.name;
        if (!folder.isEmpty())
            shot.page->m_hWnd->grab().save(QString::fromUtf8(folder) + QStringLiteral("/%1.png").arg(QString::fromUtf8(shot.name)));
    }
}

} // namespace
} // namespace vesk::test
