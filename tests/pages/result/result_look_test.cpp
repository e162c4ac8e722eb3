// What the user sees: the page with a few thousand numbers in both views and
// its two dialogs, grabbed into <build>/screenshots for the eye, with the
// colours the page promises checked on the pixels.
#include "tests/pages/result/page_harness.h"

#include "framework/scripted_interaction.h"
#include "pages/result/result_ids.h"

#include <QDir>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

using namespace vesk::result;

QString ShotPath(const char* name)
{
    const QString folder = qEnvironmentVariable("VESK_BINARY_DIR", QStringLiteral(".")) + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QLatin1String(name);
}

QImage Grab(CWnd& window)
{
    return window.m_hWnd->grab().toImage();
}

TEST(ResultLook, BothViewsWithThousandsOfNumbers)
{
    PageHarness harness;
    ASSERT_TRUE(harness.Ready());
    std::string numbers;
    for (int i = 0; i < 3000; ++i)
        numbers += std::to_string(100 + (i * 7919) % 900) + " ";
    harness.SetRecycle(numbers.substr(0, 1200));
    harness.SetResult(numbers);
    ResultPage& page = harness.Page();
    page.ResultGrid()->SelectRow(3, -1);
    harness.Notify(kResultGrid, NM_CLICK, 3, 1);
    const QImage result = Grab(page);
    ASSERT_TRUE(result.save(ShotPath("result-page.png")));
    // The strip between the grid and the buttons is the page's background.
    EXPECT_EQ(result.pixelColor(2, 500 - 49).rgb(), QColor(250, 252, 254).rgb());
    page.SetViewMode(0);
    const QImage recycle = Grab(page);
    ASSERT_TRUE(recycle.save(ShotPath("recycle-page.png")));
    EXPECT_EQ(recycle.pixelColor(2, 500 - 25).rgb(), QColor(250, 252, 254).rgb());
}

TEST(ResultLook, NumberInputAndOptionsDialogs)
{
    PageHarness harness;
    ASSERT_TRUE(harness.Ready());
    harness.SetResult("123 456");
    ScriptedInteraction script;
    script.QueueModalAction([](CDialog& dialog) {
        dialog.SetDlgItemText(kNumberEdit, "45");
        EXPECT_TRUE(Grab(dialog).save(ShotPath("number-input.png")));
        dialog.EndDialog(IDCANCEL);
    });
    harness.Notify(kResultGrid, NM_DBLCLK, 1, 1);
    script.QueueModalAction([](CDialog& dialog) {
        EXPECT_TRUE(Grab(dialog).save(ShotPath("options.png")));
        dialog.EndDialog(IDCANCEL);
    });
    harness.Click(kOptions);
    EXPECT_EQ(script.UnexpectedRequests(), 0);
}

} // namespace
} // namespace vesk::test
