// The options dialog with record 4206, the column arrangement call and its
// order, printing through the print component and the chart hand-off.
#include "tests/pages/result/page_harness.h"

#include "app/chart/chart_feature.h"
#include "application/column_defaults.h"
#include "framework/scripted_interaction.h"
#include "numbers/number_list.h"
#include "pages/options/options_dialog.h"
#include "pages/options/result_options.h"
#include "pages/result/result_ids.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vesk::test {
namespace {

using namespace vesk::result;
using namespace vesk::options;

class OptionsAndHandoff : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.Ready()); }
    ResultOptions Stored() { return ReadResultOptions(harness.RealHost().Environment()); }
    // Sets the dialog's controls, then presses OK (or Cancel).
    void QueueOptions(std::function<void(CDialog&)> edit, UINT end = IDOK)
    {
        script.QueueModalAction([this, edit, end](CDialog& dialog) {
            edit(dialog);
            const std::size_t messages = script.MessageBoxes().size();
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(end, BN_CLICKED), 0);
            if (script.MessageBoxes().size() > messages)
                dialog.EndDialog(IDCANCEL); // refused: the user gives up
        });
    }

    PageHarness harness;
    ScriptedInteraction script;
};

void Check(CDialog& dialog, unsigned id, bool on)
{
    auto* box = dynamic_cast<CBaseCheckBox*>(CWnd::FromHandlePermanent(dialog.GetDlgItem(int(id))->m_hWnd));
    ASSERT_NE(box, nullptr);
    box->SetCheck(on ? 1 : 0);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

TEST_F(OptionsAndHandoff, OkStoresTheBytesAndKeepsTheOverwriteByte)
{
    ResultOptions start;
    start.SetOverwrite(true);
    start.bytes[5] = 0x5A;
    ASSERT_TRUE(WriteResultOptions(harness.RealHost().Environment(), start));
    ASSERT_TRUE(harness.Recreate());
    bool editEnabledBefore = true;
    bool editEnabledAfter = false;
    QueueOptions([&](CDialog& dialog) {
        editEnabledBefore = dialog.GetDlgItem(kMatchEdit)->IsWindowEnabled();
        Check(dialog, kMatchCheck, true);
        editEnabledAfter = dialog.GetDlgItem(kMatchEdit)->IsWindowEnabled();
        Check(dialog, kKeepCheck, true);
        dialog.SetDlgItemText(kMatchEdit, "*");
    });
    harness.Click(kOptions);
    EXPECT_FALSE(editEnabledBefore);
    EXPECT_TRUE(editEnabledAfter);
    const ResultOptions stored = Stored();
    EXPECT_TRUE(stored.KeepWithConditions());
    EXPECT_TRUE(stored.MatchActive());
    EXPECT_EQ(stored.MatchCharacter(), '*');
    EXPECT_TRUE(stored.Overwrite());
    EXPECT_EQ(stored.bytes[5], 0x5A) << "unused bytes go back as read";
    EXPECT_TRUE(harness.Page().Options().KeepWithConditions());
    EXPECT_EQ(harness.Page().History().UndoSteps(), 0u) << "no column change, no step";
}

TEST_F(OptionsAndHandoff, EmptyOrDigitMatchCharacterIsRefusedEvenWhenInactive)
{
    QueueOptions([](CDialog& dialog) { dialog.SetDlgItemText(kMatchEdit, ""); });
    harness.Click(kOptions);
    QueueOptions([](CDialog& dialog) {
        Check(dialog, kMatchCheck, true);
        dialog.SetDlgItemText(kMatchEdit, "9");
    });
    harness.Click(kOptions);
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(script.MessageBoxes()[0].text, kMatchEmptyMessage);
    EXPECT_EQ(script.MessageBoxes()[1].text, kMatchDigitMessage);
    EXPECT_EQ(script.MessageBoxes()[1].caption, "提示信息");
    EXPECT_FALSE(Stored().MatchActive()) << "nothing stored";
    QueueOptions([](CDialog& dialog) { dialog.SetDlgItemText(kMatchEdit, "?"); });
    harness.Click(kOptions);
    EXPECT_EQ(Stored().MatchCharacter(), '?');
}

TEST_F(OptionsAndHandoff, ArrangementCallsInOrderAndACancelledDialogStillRebuildsTheColumns)
{
    harness.SetResult("123 456");
    const std::size_t steps = harness.Page().History().UndoSteps();
    const int columnsBefore = static_cast<int>(harness.Page().ResultGrid()->GetColumnCount());
    harness.Host().arrange.run = [this] {
        const int shown[] = {0, 7};
        const Bytes records = MakeColumnRecords(shown);
        harness.RealHost().Environment().WriteOption(4204, static_cast<SlotInt>(records.size()), records.data());
        return SlotInt(1);
    };
    QueueOptions([](CDialog& dialog) { dialog.SendMessage(WM_COMMAND, MAKEWPARAM(kArrangeButton, BN_CLICKED), 0); },
                 IDCANCEL);
    harness.Click(kOptions);
    const auto& calls = harness.Host().arrange.calls;
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(calls[0], "2:host,window");
    EXPECT_EQ(calls[1], "14");
    EXPECT_EQ(calls[2], "7:缩水器选项");
    EXPECT_EQ(calls[3].substr(0, 20), std::string("8:显示的缩水器表头").substr(0, 20));
    EXPECT_EQ(calls[4], "12:4204");
    EXPECT_EQ(calls[5], "13:4205");
    EXPECT_EQ(calls[6], "15");
    EXPECT_EQ(harness.Host().arrange.imagesLoaded, 4);
    EXPECT_EQ(harness.Host().releases, 1);
    EXPECT_EQ(harness.Page().ResultGrid()->GetColumnCount(), 4);
    EXPECT_NE(columnsBefore, 4);
    EXPECT_EQ(harness.Page().RecycleGrid()->GetColumnCount(), 4);
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps + 1);
    EXPECT_EQ(Stored().bytes, ResultOptions{}.bytes) << "cancel stores no option bytes";
}

TEST_F(OptionsAndHandoff, PrintGivesEveryNumberInOrderAndAnEmptyListLoadsNothing)
{
    harness.Page().PrintResults();
    EXPECT_TRUE(harness.Host().loads.empty() || harness.Host().loads.back() != "IRyxPrint");
    harness.SetResult("007 123");
    harness.Click(kPrint);
    EXPECT_EQ(harness.Host().print.calls, (std::vector<std::string>{"2:2,3", "3:0,007", "3:1,123", "4"}));
    EXPECT_EQ(harness.Host().releases, 1);
}

TEST_F(OptionsAndHandoff, ThePrintComponentPrintsEveryNumberToAPdf)
{
    std::string numbers;
    for (int i = 0; i < 300; ++i)
        numbers += std::to_string(100 + i * 3) + " ";
    harness.SetResult(numbers);
    harness.Host().realOther = true;
    const std::string pdf = harness.Folder() + "printed.pdf";
    script.QueuePrintToFile(pdf);
    harness.Click(kPrint);
    EXPECT_EQ(script.PrintDialogs().size(), 1u);
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    ASSERT_FALSE(text.empty()) << "no PDF text";
    for (int i = 0; i < 300; ++i)
        EXPECT_NE(text.find(std::to_string(100 + i * 3)), std::string::npos) << 100 + i * 3;
}

TEST_F(OptionsAndHandoff, ChartGetsTheNumbersOnceItsWindowAppears)
{
    harness.SetResult("901 234");
    TestHost& host = harness.Host();
    host.chartDelay = 3;
    harness.Click(kToChart);
    EXPECT_EQ(host.chartOpens, 1);
    ASSERT_EQ(host.chart.messages, 1);
    EXPECT_EQ(host.chart.tag, kChartNumbersTag);
    EXPECT_EQ(host.chart.digits, 3);
    EXPECT_EQ(host.chart.listKey, static_cast<std::int32_t>(harness.RealHost().GetService(2) ? harness.App().Game()->GetListKey() : -1));
    EXPECT_EQ(host.chart.zero, 0);
    EXPECT_EQ(host.chart.numbers, (std::vector<std::string>{"901", "234"}));
    EXPECT_EQ(host.chart.padding, std::vector<std::uint8_t>(10, 0));
    EXPECT_EQ(host.chartAsks, 5) << "four asks while waiting, one for the handle";

    // Already open: found on the first ask.
    host.chartAsks = 0;
    harness.Click(kToChart);
    EXPECT_EQ(host.chartAsks, 2);
    EXPECT_EQ(host.chart.messages, 2);
}

TEST_F(OptionsAndHandoff, TheHostsChartFeatureShowsTheNumbersHandedToIt)
{
    chart::ChartFeature feature;
    harness.RealHost().SetFeatures(&feature);
    harness.Host().realChart = true;
    harness.SetResult("123 456 789");
    harness.Click(kToChart);
    ASSERT_NE(feature.Window(), nullptr);
    EXPECT_EQ(feature.Window()->CountText(), QStringLiteral("号码数：3"));
    harness.SetResult("111 222");
    harness.Click(kToChart); // already open: the same window takes the new numbers
    EXPECT_EQ(feature.Window()->CountText(), QStringLiteral("号码数：2"));
    harness.RealHost().SetFeatures(nullptr);
}

TEST_F(OptionsAndHandoff, AChartWindowThatNeverComesEndsTheWaitQuietly)
{
    harness.SetResult("555");
    TestHost& host = harness.Host();
    host.chartDelay = -1;
    harness.Page().SetChartWait({20, 1});
    harness.Click(kToChart);
    EXPECT_EQ(host.chartAsks, 21);
    EXPECT_EQ(host.chart.messages, 0);
    EXPECT_EQ(harness.ResultText(), "555");
}

} // namespace
} // namespace vesk::test
