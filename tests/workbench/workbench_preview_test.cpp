// The condition pages' preview counts what the next 缩水 judges: the result
// list when it holds numbers, else the whole game space. Every way the list
// changes is followed, and the previewed count is what the run then keeps.
#include "tests/workbench/session_driver.h"

#include "filtering/grouping/grouping_panel.h"
#include "framework/cwnd.h"
#include "host/module_messages.h"
#include "pages/result/result_ids.h"

#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk::test {
namespace {

constexpr int kEditorText = 8540;
constexpr int kEditorTransfer = 8353;

struct Shown {
    long kept = -1;
    long total = -1;
};

// "保留 K 注 / 共 T 注" of a condition page's preview line.
Shown Parse(const QString& text)
{
    static const QRegularExpression line(QStringLiteral("保留 (\\d+) 注 / 共 (\\d+) 注"));
    const QRegularExpressionMatch match = line.match(text);
    return match.hasMatch() ? Shown{match.captured(1).toLong(), match.captured(2).toLong()} : Shown{};
}

int SumOf(const std::string& number) { return (number[0] - '0') + (number[1] - '0') + (number[2] - '0'); }

class WorkbenchPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver.Select(QStringLiteral("组号缩水"));
        ASSERT_NE(driver.Workbench(), nullptr);
        QToolButton* sum10 = SessionDriver::SumToggle(driver.LeftContainer(), 10);
        ASSERT_NE(sum10, nullptr);
        SessionDriver::Click(sum10);
    }

    std::vector<std::string> Results() const { return driver.GridNumbers(result::kResultGrid); }

    // Both pages' lines; the fixed page (和值 10) first.
    std::vector<QString> PreviewLines() const
    {
        std::vector<QString> lines;
        for (QLabel* label : driver.LeftContainer()->findChildren<QLabel*>(QStringLiteral("preview")))
            lines.push_back(label->text());
        return lines;
    }

    // What the fixed page shows against the list as it is; the combined page
    // counts the same numbers.
    void ExpectPreviewOfTheList(const char* after)
    {
        SCOPED_TRACE(after);
        const std::vector<std::string> list = Results();
        const std::vector<QString> lines = PreviewLines();
        ASSERT_EQ(lines.size(), 2u);
        const long total = list.empty() ? 1000 : static_cast<long>(list.size());
        const long kept = list.empty() ? 63 : std::count_if(list.begin(), list.end(), [](const std::string& n) { return SumOf(n) == 10; });
        bool fixedSeen = false;
        for (const QString& text : lines) {
            const Shown shown = Parse(text);
            if (shown.total < 0)
                continue; // a page that cannot preview says why
            EXPECT_EQ(shown.total, total) << text.toStdString();
            if (shown.kept != shown.total) {
                EXPECT_EQ(shown.kept, kept) << text.toStdString();
                fixedSeen = true;
            }
        }
        EXPECT_TRUE(fixedSeen || kept == total) << lines[0].toStdString();
    }

    void HandOff(const std::vector<std::uint8_t>& digits)
    {
        PackedDigitsRecord record{nullptr, digits.data(), static_cast<std::int32_t>(digits.size()),
                                  static_cast<std::int32_t>(digits.size()), 0};
        SendMessage(driver.Workbench(), kMessageTransferNumbers, kTransferPackedDigits, reinterpret_cast<LPARAM>(&record));
        SessionDriver::Settle();
    }

    SessionDriver driver;
};

TEST_F(WorkbenchPreview, FollowsEveryChangeOfTheResultListAndForetellsTheRun)
{
    ExpectPreviewOfTheList("start: the whole space");

    QWidget* panel = driver.GroupingPanel();
    for (int row = 0; row < 3; ++row)
        for (int digit = 6; digit <= 9; ++digit)
            driver.ClickIn(panel, static_cast<int>(DigitButtonId(row, digit)));
    driver.ClickIn(panel, IDC_GROUP_GENERATE);
    ASSERT_EQ(Results().size(), 216u);
    ExpectPreviewOfTheList("generation");
    const Shown foretold = Parse(PreviewLines().front());

    driver.ClickIn(panel, IDC_GROUP_FILTER);
    EXPECT_EQ(static_cast<long>(Results().size()), foretold.kept) << "the run keeps what the preview said";
    ExpectPreviewOfTheList("run");

    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kUndo));
    ExpectPreviewOfTheList("undo");
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kRedo));
    ExpectPreviewOfTheList("redo");

    HandOff({1, 9, 0, 2, 8, 0, 5, 5, 5, 9, 1, 0});
    ASSERT_EQ(Results().size(), 4u);
    ExpectPreviewOfTheList("hand-off");

    CWnd::FromHandle(SessionDriver::Control(driver.LeftContainer(), kEditorText))->SetWindowText("370 464 999 001");
    driver.ClickIn(driver.LeftContainer(), kEditorTransfer);
    ExpectPreviewOfTheList("editor transfer");

    const std::string file = driver.Folder() + "few.txt";
    {
        std::FILE* out = std::fopen(file.c_str(), "w");
        ASSERT_NE(out, nullptr);
        std::fputs("127 136 145 235 999\n", out);
        std::fclose(out);
    }
    driver.Script().QueueFileSelection({file});
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kOpen));
    ASSERT_EQ(Results().size(), 5u);
    ExpectPreviewOfTheList("open");

    driver.Script().QueueMessageBoxAnswer(IDYES);
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kClear));
    ExpectPreviewOfTheList("cleared: the whole space again");
}

} // namespace
} // namespace vesk::test
