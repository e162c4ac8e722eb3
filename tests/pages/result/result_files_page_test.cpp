// Opening and saving the result list from the page: the dialogs it asks
// for, every format by extension in any case, the messages, and that a
// failure changes nothing.
#include "tests/pages/result/page_harness.h"

#include "framework/scripted_interaction.h"
#include "numbers/number_list.h"
#include "pages/result/result_ids.h"
#include "storage/safe_file.h"
#include "tests/support/xls_readback.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace vesk::test {
namespace {

using namespace vesk::result;

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ResultFilesPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.Ready()); }
    void Open(const std::string& path)
    {
        script.QueueFileSelection({path});
        harness.Click(kOpen);
    }
    void Save(const std::string& path)
    {
        script.QueueFileSelection({path});
        harness.Click(kSave);
    }
    std::size_t Steps() { return harness.Page().History().UndoSteps(); }

    PageHarness harness;
    ScriptedInteraction script;
};

TEST_F(ResultFilesPage, OpenAsksForNumberOrFilterFilesAndParsesTextUnique)
{
    const std::string path = harness.Folder() + "bets.txt";
    WriteBytes(path, "123 456 123");
    Open(path);
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    const FileDialogRequest& request = script.FileDialogs()[0];
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.defaultExtension, "*.txt|*.flt");
    EXPECT_EQ(request.filter, "号码文件(*.txt)|*.txt|缩水数据文件(*.flt)|*.flt||");
    EXPECT_EQ(request.fileName, "");
    EXPECT_EQ(request.flags, OFN_HIDEREADONLY);
    EXPECT_EQ(harness.ResultText(), "123 456");
    EXPECT_EQ(Steps(), 1u);
    harness.Click(kUndo);
    EXPECT_EQ(harness.ResultText(), "");
}

TEST_F(ResultFilesPage, EmptyTextIsSilentEmptyOrDamagedFilterDataIsReportedAndChangesNothing)
{
    harness.SetResult("321");
    const std::size_t steps = Steps();
    const std::string empty = harness.Folder() + "empty.txt";
    WriteBytes(empty, "");
    Open(empty);
    EXPECT_TRUE(script.MessageBoxes().empty());

    const std::string emptyFlt = harness.Folder() + "EMPTY.FLT";
    WriteBytes(emptyFlt, "");
    Open(emptyFlt);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "缩水数据文件格式不正确或版本不正确！");
    EXPECT_EQ(script.MessageBoxes()[0].caption, "提示信息");

    const std::string damaged = harness.Folder() + "damaged.flt";
    WriteBytes(damaged, std::string("\x02\x00\x00\x00\x09\x01\x02", 7)); // 9 digits per number
    Open(damaged);
    Open(harness.Folder() + "missing.txt");
    ASSERT_EQ(script.MessageBoxes().size(), 3u);
    EXPECT_NE(script.MessageBoxes()[2].text.find("missing.txt"), std::string::npos);
    EXPECT_EQ(harness.ResultText(), "321");
    EXPECT_EQ(Steps(), steps);

    script.QueueFileCancel();
    harness.Click(kOpen);
    EXPECT_EQ(harness.ResultText(), "321");
}

TEST_F(ResultFilesPage, OldFilterDataGivesTheCodesAsNumbers)
{
    const std::string path = harness.Folder() + "old.flt";
    WriteBytes(path, std::string("\x30\x30\xFF\xFF\x05\x00\x00\x00\xE7\x03\x00\x00", 12));
    Open(path);
    EXPECT_EQ(harness.ResultText(), "005 999");
}

TEST_F(ResultFilesPage, SaveWritesEachFormatByExtensionInAnyCase)
{
    harness.SetResult("111 222 333 444 555");
    harness.Page().SetNumbersPerLineSource([] { return 2u; });
    const std::string text = harness.Folder() + "out.TXT";
    Save(text);
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    const FileDialogRequest& request = script.FileDialogs()[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.defaultExtension, "*.txt|*.flt|*.xls");
    EXPECT_EQ(request.filter, "号码文件(*.txt)|*.txt|缩水数据文件(*.flt)|*.flt|EXCEL文件(*.xls)|*.xls||");
    EXPECT_TRUE(request.fileName.ends_with("数据"));
    EXPECT_EQ(request.flags, OFN_OVERWRITEPROMPT);
    EXPECT_EQ(ReadBytes(text), "111 222\r\n333 444\r\n555");

    const std::string data = harness.Folder() + "out.Flt";
    Save(data);
    EXPECT_EQ(ReadBytes(data), std::string("\x05\x00\x00\x00\x03\x01\x01\x01\x02\x02\x02\x03\x03\x03\x04\x04\x04\x05\x05\x05", 20));

    const std::string book = harness.Folder() + "out.xls";
    Save(book);
    const Readback read = ReadXlsWithXlrd(book);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_NE(read.text.find("t:序号\tt:投注号码"), std::string::npos) << read.text;
    EXPECT_NE(read.text.find("n:5\tt:555"), std::string::npos) << read.text;
    EXPECT_TRUE(script.MessageBoxes().empty());
    EXPECT_EQ(harness.ResultText(), "111 222 333 444 555") << "saving never changes the list";

    harness.Click(kClear);
    const std::string none = harness.Folder() + "none.flt";
    Save(none);
    EXPECT_EQ(ReadBytes(none).size(), 5u);
}

TEST_F(ResultFilesPage, AFailedOrUnknownSaveIsReportedAndWritesNothing)
{
    harness.SetResult("123");
    Save(harness.Folder() + "no/such/folder/out.txt");
    Save(harness.Folder() + "no/such/folder/out.xls");
    const std::string other = harness.Folder() + "out.csv";
    Save(other);
    ASSERT_EQ(script.MessageBoxes().size(), 3u);
    EXPECT_EQ(script.MessageBoxes()[0].text,
              "保存失败：" + harness.Folder() + "no/such/folder/out.txt（文件夹不存在），原文件未改动");
    EXPECT_EQ(script.MessageBoxes()[0].caption, "提示信息");
    EXPECT_EQ(script.MessageBoxes()[1].text.rfind("保存失败：" + harness.Folder() + "no/such/folder/out.xls（", 0), 0u);
    EXPECT_NE(script.MessageBoxes()[2].text.find("out.csv"), std::string::npos);
    EXPECT_FALSE(std::ifstream(other).good());
}

TEST_F(ResultFilesPage, ASaveThatFailsOnTheDiskKeepsTheOldFile)
{
    harness.SetResult("123 456");
    for (const char* name : {"old.txt", "old.flt"}) {
        const std::string path = harness.Folder() + name;
        WriteBytes(path, "old");
        for (const FileStep step : {FileStep::Write, FileStep::SyncFile, FileStep::Rename}) {
            const std::size_t boxes = script.MessageBoxes().size();
            {
                InjectedFileFailure full(step, ENOSPC);
                Save(path);
            }
            ASSERT_EQ(script.MessageBoxes().size(), boxes + 1) << name;
            EXPECT_EQ(script.MessageBoxes().back().text, "保存失败：" + path + "（磁盘空间不足），原文件未改动");
            EXPECT_EQ(ReadBytes(path), "old") << name;
        }
    }
}

} // namespace
} // namespace vesk::test
