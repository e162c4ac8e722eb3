// Export of the loaded grid to a workbook, read back by a reader that shares
// none of our code.
#include "tests/components/grid/grid_harness.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xls_readback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vesk::test {
namespace {

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class GridExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(harness.Ready()) << harness.Error();
        ASSERT_FALSE(folder.Path().empty());
        IRyxGridCtrl& grid = harness.Grid();
        grid.SetSize(0, 3);
        grid.SetColumnTitle(0, "序号");
        grid.SetColumnTitle(1, "投注号码");
        grid.SetColumnTitle(2, "012路");
        grid.SetSize(3, 0);
        const char* numbers[] = {"007", "120", "999"};
        for (int row = 0; row < 3; ++row) {
            grid.SetCellNumber(row, 0, row + 1, 0x20);
            grid.SetCellText(row, 1, numbers[row]);
            grid.SetCellNumber(row, 2, row * 11, 0x20 + 3);
        }
        grid.Redraw();
    }

    GridHarness harness;
    TempFolder folder;
};

TEST_F(GridExport, WritesTitlesTextsAndNumbersThatASpreadsheetReaderSees)
{
    const std::string path = folder.Path() + "结果.xls";
    ASSERT_EQ(harness.Grid().Export(path.c_str(), "xls"), 1);
    const Readback book = ReadXlsWithXlrd(path, true);
    ASSERT_TRUE(book.ok) << book.text;
    EXPECT_EQ(book.text, "== Sheet1 4x3\n"
                         "t:序号\tt:投注号码\tt:012路\n"
                         "n:1\tt:007\tn:0\n"
                         "n:2\tt:120\tn:11\n"
                         "n:3\tt:999\tn:22\n"
                         "formats\tGeneral\tGeneral\t000\n");
}

TEST_F(GridExport, TakesTheExtensionInAnyCaseAndRefusesOthers)
{
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "a.XLS").c_str(), "XLS"), 1);
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "b.xls").c_str(), ".xls"), 1);
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "c.txt").c_str(), "txt"), 0);
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "d.xlsx").c_str(), "xlsx"), 0);
    EXPECT_EQ(harness.Grid().Export(nullptr, "xls"), 0);
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "e.xls").c_str(), nullptr), 0);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "a.XLS"));
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "b.xls"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "c.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "d.xlsx"));
}

TEST_F(GridExport, AFailedWriteReportsFailureAndLeavesTheOldFileWhole)
{
    EXPECT_EQ(harness.Grid().Export((folder.Path() + "missing/x.xls").c_str(), "xls"), 0);

    const std::string path = folder.Path() + "old.xls";
    std::ofstream(path, std::ios::binary) << "the user's old file";
    // A cell text longer than a spreadsheet cell takes makes the writer fail midway.
    harness.Grid().SetCellText(2, 1, std::string(300, '9').c_str());
    EXPECT_EQ(harness.Grid().Export(path.c_str(), "xls"), 0);
    EXPECT_EQ(FileText(path), "the user's old file");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "no scratch file left";
}

} // namespace
} // namespace vesk::test
