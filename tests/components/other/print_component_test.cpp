// The print component loaded by the host's component loader, printing to a
// PDF file whose text poppler reads back.
#include "app/services/host_object.h"
#include "framework/framework.h"
#include "framework/scripted_interaction.h"
#include "host/other_interfaces.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include "tests/support/pdf_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace vesk::other {
namespace {

using test::PdfText;

// pdftotext drops the spaces between CJK characters and digits.
std::string Compact(const std::string& text)
{
    std::string compact;
    for (char c : text) {
        if (c != ' ')
            compact += c;
    }
    return compact;
}

std::string Three(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

class PrintComponentTest : public ::testing::Test {
protected:
    test::TempFolder root;
    app::HostObject host{{app::HostPaths::UnderRoot(root.Path()), test::PluginFolder(), ""}};
    IRyxPrint* print = nullptr;

    void SetUp() override
    {
        ASSERT_EQ(host.LoadComponent(&kPrintComponentName, &print), 1) << host.Loader().LastError();
        ASSERT_NE(print, nullptr);
    }
    void TearDown() override
    {
        if (print) {
            EXPECT_EQ(host.ReleaseComponent(&print), 1);
        }
    }
};

TEST_F(PrintComponentTest, EveryNumberReachesThePdfInOrderAcrossPages)
{
    ScriptedInteraction script;
    const std::string pdf = root.Path() + "numbers.pdf";
    script.QueuePrintToFile(pdf);
    constexpr int kCount = 1000;
    ASSERT_EQ(print->Begin(&host, kCount, 3), 1);
    for (int i = 0; i < kCount; ++i)
        ASSERT_EQ(print->SetItem(i, Three(999 - i).c_str()), 1);
    ASSERT_EQ(print->Print(), 1);
    EXPECT_EQ(script.UnexpectedRequests(), 0);
    ASSERT_EQ(script.PrintDialogs().size(), 1u);
    const int pages = script.PrintDialogs()[0].pageCount;
    EXPECT_GT(pages, 1);

    // To look at the pages: VESK_KEEP_PDF=/some/file.pdf
    if (const char* keep = std::getenv("VESK_KEEP_PDF"))
        std::filesystem::copy_file(pdf, keep, std::filesystem::copy_options::overwrite_existing);
    const std::string text = PdfText(pdf);
    ASSERT_FALSE(text.empty()) << "pdftotext gave nothing";
    EXPECT_NE(text.find("3D号码列表"), std::string::npos);
    EXPECT_NE(text.find("共 1000 注"), std::string::npos);
    EXPECT_NE(text.find("打印日期"), std::string::npos);
    const std::string compact = Compact(text);
    EXPECT_NE(compact.find("第1页/共" + std::to_string(pages) + "页"), std::string::npos);
    EXPECT_NE(compact.find("第" + std::to_string(pages) + "页/共"), std::string::npos);
    std::size_t from = 0;
    for (int i = 0; i < kCount; ++i) {
        const std::size_t at = text.find(Three(999 - i), from);
        ASSERT_NE(at, std::string::npos) << "number " << i << " missing or out of order";
        from = at + 3;
    }
    std::size_t feeds = 0;
    for (char c : text)
        feeds += c == '\f';
    EXPECT_EQ(feeds, static_cast<std::size_t>(pages));
}

TEST_F(PrintComponentTest, APageRangePrintsOnlyThosePages)
{
    ScriptedInteraction script;
    const std::string pdf = root.Path() + "range.pdf";
    script.QueuePrintAnswer({true, {}, pdf, 2, 2, 1});
    ASSERT_EQ(print->Begin(&host, 1000, 3), 1);
    for (int i = 0; i < 1000; ++i)
        print->SetItem(i, Three(i).c_str());
    ASSERT_EQ(print->Print(), 1);
    const std::string text = PdfText(pdf);
    EXPECT_NE(Compact(text).find("第2页"), std::string::npos);
    EXPECT_EQ(Compact(text).find("第1页"), std::string::npos);
    EXPECT_EQ(text.find(" 000 "), std::string::npos);
}

TEST_F(PrintComponentTest, NothingIsPrintedWithoutAJobOrAfterCancel)
{
    ScriptedInteraction script;
    EXPECT_EQ(print->Print(), 0);
    EXPECT_TRUE(script.PrintDialogs().empty());
    EXPECT_EQ(print->Begin(&host, 2, 4), 0);
    EXPECT_EQ(print->Print(), 0);
    EXPECT_TRUE(script.PrintDialogs().empty());

    ASSERT_EQ(print->Begin(&host, 1, 3), 1);
    print->SetItem(0, "123");
    script.QueuePrintAnswer({});
    EXPECT_EQ(print->Print(), 0);
    EXPECT_EQ(script.PrintDialogs().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(root.Path()) || !std::filesystem::exists(root.Path() + "x.pdf"));
}

TEST_F(PrintComponentTest, APrinterThatDoesNotExistIsReported)
{
    ScriptedInteraction script;
    script.QueuePrintAnswer({true, "no-such-printer-here", {}, 0, 0, 1});
    script.QueueMessageBoxAnswer(IDOK);
    ASSERT_EQ(print->Begin(&host, 1, 3), 1);
    print->SetItem(0, "123");
    EXPECT_EQ(print->Print(), 0);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("no-such-printer-here"), std::string::npos) << script.MessageBoxes()[0].text;
}

TEST_F(PrintComponentTest, AnUnwritableFileIsReportedNotClaimedPrinted)
{
    ScriptedInteraction script;
    script.QueuePrintToFile(root.Path() + "no/such/folder/out.pdf");
    script.QueueMessageBoxAnswer(IDOK);
    ASSERT_EQ(print->Begin(nullptr, 1, 3), 1);
    print->SetItem(0, "123");
    EXPECT_EQ(print->Print(), 0);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].caption, "打印");
    EXPECT_EQ(script.UnexpectedRequests(), 0);
}

} // namespace
} // namespace vesk::other
