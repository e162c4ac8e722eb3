// Number lists read from and written to the result files the result page
// uses: what is refused is named and reads nothing; a failed save says so.
#include "components/features/tools/list_files.h"

#include "storage/files/result_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

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

TEST(ListFiles, AFailedSaveIsReportedAndLeavesTheOldFile)
{
    test::TempFolder folder;
    const std::string path = folder.Path() + "keep.txt";
    ASSERT_TRUE(SaveListFile(path, Codes{123}, 3).empty());
    EXPECT_FALSE(SaveListFile(folder.Path() + "no/such/folder.txt", Codes{1}, 3).empty());
    EXPECT_FALSE(SaveListFile(folder.Path() + "list.xyz", Codes{1}, 3).empty());
    EXPECT_EQ(ReadListFile(path, 3).codes, (Codes{123}));
    EXPECT_EQ(ListText(Codes{7, 123}, 3), "007\r\n123\r\n");
}

} // namespace
} // namespace vesk::tools
