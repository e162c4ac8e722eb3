#include "storage/files/result_file.h"
#include "storage/files/result_spreadsheet.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xls_readback.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

namespace vesk::files {
namespace {

namespace fs = std::filesystem;

// Entry (code, k) = code * 100 + k, so a cell names where it came from.
std::vector<std::int32_t> TracingTable()
{
    std::vector<std::int32_t> table(kTableCodes * kTableAttributes);
    for (int code = 0; code < kTableCodes; ++code)
        for (int k = 0; k < kTableAttributes; ++k)
            table[std::size_t(code * kTableAttributes + k)] = code * 100 + k;
    return table;
}

NumberList ListOf(const std::string& text, int length)
{
    NumberList list(length);
    list.ParseText(text, length);
    return list;
}

class ResultSpreadsheet : public ::testing::Test {
protected:
    test::TempFolder m_folder;
    std::vector<std::int32_t> m_table = TracingTable();

    SpreadsheetColumns Columns(std::vector<AttributeColumn> attributes) const
    {
        SpreadsheetColumns columns;
        columns.attributes = std::move(attributes);
        columns.table = m_table;
        return columns;
    }
    std::string Path(const std::string& name) const { return m_folder.Path() + name; }
};

TEST_F(ResultSpreadsheet, RowsHoldSerialNumberTextAndTheTableValuesOfEachAttributeColumn)
{
    const NumberList list = ListOf("007 312 999", 3);
    // Index 11 is outside the table: a titled empty column that shifts no
    // other column's cells.
    const SpreadsheetColumns columns = Columns({{"和值", 0}, {"坏", 11}, {"012路", kRoadAttribute}, {"末", 10}});
    ASSERT_TRUE(SaveResultFile(Path("r.XLS"), list, 1, columns).ok);
    const test::Readback read = test::ReadXlsWithXlrd(Path("r.XLS"), true);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_EQ(read.text, "== Sheet1 4x6\n"
                         "t:序号\tt:投注号码\tt:和值\tt:坏\tt:012路\tt:末\n"
                         "n:1\tt:007\tn:700\t\tn:707\tn:710\n"
                         "n:2\tt:312\tn:31200\t\tn:31207\tn:31210\n"
                         "n:3\tt:999\tn:99900\t\tn:99907\tn:99910\n"
                         "formats\tGeneral\tGeneral\tGeneral\t\t000\tGeneral\n");
}

TEST_F(ResultSpreadsheet, ListsThatAreNotThreeDigitsOrHaveNoTableGetEmptyAttributeCells)
{
    SpreadsheetColumns columns = Columns({{"和值", 0}, {"012路", kRoadAttribute}});
    columns.numberTitle = "滤除号码";
    ASSERT_TRUE(WriteResultSpreadsheet(Path("four.xls"), ListOf("0123 9999", 4), columns).ok);
    const test::Readback four = test::ReadXlsWithXlrd(Path("four.xls"));
    EXPECT_EQ(four.text, "== Sheet1 3x4\nt:序号\tt:滤除号码\tt:和值\tt:012路\nn:1\tt:0123\t\t\nn:2\tt:9999\t\t\n");

    columns.table = {};
    ASSERT_TRUE(WriteResultSpreadsheet(Path("bare.xls"), ListOf("123", 3), columns).ok);
    EXPECT_EQ(test::ReadXlsWithXlrd(Path("bare.xls")).text,
              "== Sheet1 2x4\nt:序号\tt:滤除号码\tt:和值\tt:012路\nn:1\tt:123\t\t\n");

    ASSERT_TRUE(WriteResultSpreadsheet(Path("empty.xls"), NumberList(3), {}).ok);
    EXPECT_EQ(test::ReadXlsWithXlrd(Path("empty.xls")).text, "== Sheet1 1x2\nt:序号\tt:投注号码\n");
}

TEST_F(ResultSpreadsheet, AFailedSaveLeavesWhatWasThereAndNoPartFile)
{
    // The name is taken by a folder: the workbook is written, but cannot
    // take the name.
    fs::create_directory(Path("taken.xls"));
    const SaveResult saved = SaveResultFile(Path("taken.xls"), ListOf("123", 3), 1);
    EXPECT_FALSE(saved.ok);
    EXPECT_NE(saved.error.find("cannot replace"), std::string::npos) << saved.error;
    EXPECT_TRUE(fs::is_directory(Path("taken.xls")));
    // A folder that does not exist: nothing can be created.
    EXPECT_FALSE(SaveResultFile(Path("none/r.xls"), ListOf("123", 3), 1).ok);
    // Memory runs out halfway through the writing.
    const FileResult halfway = WriteFileSafely(Path("taken.xls/old"), [](std::FILE* file) -> std::string {
        std::fputs("half", file);
        throw std::bad_alloc();
    });
    EXPECT_FALSE(halfway.ok);
    EXPECT_FALSE(fs::exists(Path("taken.xls/old")));
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(m_folder.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"taken.xls"});
}

// One LibreOffice run (it is slow to start) over a workbook of two sheets.
TEST_F(ResultSpreadsheet, LibreOfficeReadsEverySheetAsTheGridShowsIt)
{
    std::string text;
    const std::uint32_t count = 70000;
    for (std::uint32_t i = 0; i < count; ++i)
        text += std::to_string(1000 + i % 1000).substr(1) + ' ';
    const NumberList list = ListOf(text, 3);
    ASSERT_EQ(list.Count(), count);
    ASSERT_TRUE(SaveResultFile(Path("big.xls"), list, 1, Columns({{"和值", 0}, {"012路", kRoadAttribute}})).ok);

    const std::string scratch = Path("lo");
    fs::create_directory(scratch);
    std::string error;
    const std::map<std::string, std::string> sheets = test::ConvertXlsWithLibreOffice(Path("big.xls"), scratch, error);
    ASSERT_EQ(sheets.size(), 2u) << error;
    const std::string& first = sheets.at("Sheet1");
    const std::string& second = sheets.at("Sheet2");
    EXPECT_EQ(first.substr(0, first.find('\n', first.find('\n') + 1) + 1), "序号,投注号码,和值,012路\n1,000,0,007\n");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 65536);
    EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), int(count - 65535 + 1));
    // Row 65,536 of the list is the second sheet's first: number 535.
    EXPECT_EQ(second.substr(0, second.find('\n', second.find('\n') + 1) + 1),
              "序号,投注号码,和值,012路\n65536,535,53500,53507\n");
    EXPECT_NE(second.find("\n70000,999,99900,99907\n"), std::string::npos);
}

} // namespace
} // namespace vesk::files
