// Number lists read from and written to the result files the result page
// uses: what is refused is named and reads nothing; a failed save says so.
#include "components/features/tools/list_files.h"

#include "storage/files/result_file.h"
#include "storage/safe_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace vesk::tools {
namespace {

using Codes = std::vector<std::uint32_t>;

TEST(ListFiles, ReadsWhatTheResultPageWritesAndRefusesTheRest)
{
    test::TempFolder folder;
    const std::string& dir = folder.Path();
    ASSERT_TRUE(SaveListFile(dir + "a.flt", Codes{5, 123, 999}, 3).empty());
    EXPECT_EQ(ReadListFile(dir + "a.flt", 3).codes, (Codes{5, 123, 999}));
    ASSERT_TRUE(SaveListFile(dir + "a.txt", Codes{999, 5, 5}, 3).empty());
    EXPECT_EQ(ReadListFile(dir + "a.txt", 3).codes, (Codes{5, 999})); // text loads ascending, once each

    // Another game's numbers cannot be compared with this game's.
    const ListFile other = ReadListFile(dir + "a.flt", 4);
    EXPECT_FALSE(other.Ok());
    EXPECT_TRUE(other.codes.empty());
    EXPECT_NE(other.error.find("a.flt"), std::string::npos);

    std::ofstream(dir + "damaged.flt") << "not a filter file";
    EXPECT_FALSE(ReadListFile(dir + "damaged.flt", 3).Ok());
    EXPECT_FALSE(ReadListFile(dir + "missing.txt", 3).Ok());
    std::ofstream(dir + "empty.txt").flush();
    const ListFile empty = ReadListFile(dir + "empty.txt", 3);
    EXPECT_TRUE(empty.Ok());
    EXPECT_TRUE(empty.codes.empty());
}

TEST(ListFiles, TextIsReadByTheRulesOfTypedEntryOrNotAtAll)
{
    test::TempFolder folder;
    const std::string& dir = folder.Path();
    // Separators typed entry takes, a UTF-8 mark and a last line without its end.
    std::ofstream(dir + "ok.txt") << "\xEF\xBB\xBF" "123, 456\r\n\r\n789；001 123";
    EXPECT_EQ(ReadListFile(dir + "ok.txt", 3).codes, (Codes{1, 123, 456, 789}));

    // A table of numbers and plan counts is not taken for other numbers.
    std::ofstream(dir + "counts.txt") << "123\n404\t3\n940\t2\n";
    const ListFile counts = ReadListFile(dir + "counts.txt", 3);
    EXPECT_FALSE(counts.Ok());
    EXPECT_TRUE(counts.codes.empty());
    EXPECT_EQ(counts.error.rfind("counts.txt 第 2 行：", 0), 0u) << counts.error;
    EXPECT_NE(counts.error.find("文件未载入"), std::string::npos);

    for (const char* line : {"1234", "12", "12a", "123 4"}) {
        std::ofstream(dir + "bad.txt") << "111\n" << line << "\n";
        const ListFile bad = ReadListFile(dir + "bad.txt", 3);
        EXPECT_FALSE(bad.Ok()) << line;
        EXPECT_TRUE(bad.codes.empty()) << line;
        EXPECT_NE(bad.error.find("第 2 行"), std::string::npos) << line << ": " << bad.error;
    }
    // Four-digit games read four-digit lines.
    std::ofstream(dir + "four.txt") << "1234\n0007\n";
    EXPECT_EQ(ReadListFile(dir + "four.txt", 4).codes, (Codes{7, 1234}));
}

TEST(ListFiles, AFailedSaveIsReportedAndLeavesTheOldFile)
{
    test::TempFolder folder;
    const std::string path = folder.Path() + "keep.txt";
    ASSERT_TRUE(SaveListFile(path, Codes{123}, 3).empty());
    EXPECT_EQ(SaveListFile(folder.Path() + "no/such/folder.txt", Codes{1}, 3),
              "保存失败：" + folder.Path() + "no/such/folder.txt（文件夹不存在），原文件未改动");
    {
        InjectedFileFailure full(FileStep::Write, ENOSPC);
        EXPECT_NE(SaveListFile(path, Codes{456}, 3).find("磁盘空间不足"), std::string::npos);
    }
    EXPECT_FALSE(SaveListFile(folder.Path() + "list.xyz", Codes{1}, 3).empty());
    EXPECT_EQ(ReadListFile(path, 3).codes, (Codes{123}));
    EXPECT_EQ(ListText(Codes{7, 123}, 3), "007\r\n123\r\n");
}

} // namespace
} // namespace vesk::tools
