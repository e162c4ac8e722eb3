#include "storage/xls/biff_records.h"
#include "storage/xls/compound_file.h"
#include "storage/xls/utf16_text.h"
#include "storage/xls/workbook_writer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xls_readback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace vesk::xls {
namespace {

std::uint32_t U32At(const std::string& bytes, std::size_t offset)
{
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

// Walks the compound file the way a reader does: the FAT sectors that the
// header and the DIFAT chain name, then the workbook's chain from the
// directory. Returns what is wrong, or nothing.
std::string CheckCompoundFile(const std::string& file)
{
    if (file.size() % kSectorSize != 0 || file.size() < 3 * kSectorSize)
        return "size " + std::to_string(file.size());
    const auto sector = [&](std::uint32_t s) { return kSectorSize * (std::size_t(s) + 1); };
    const std::uint32_t sectors = static_cast<std::uint32_t>(file.size() / kSectorSize - 1);
    std::vector<std::uint32_t> fatSectors;
    for (std::uint32_t i = 0; i < 109 && i < U32At(file, 44); ++i)
        fatSectors.push_back(U32At(file, 76 + 4 * i));
    std::uint32_t difat = U32At(file, 68);
    for (std::uint32_t d = 0; d < U32At(file, 72); ++d) {
        if (difat >= sectors)
            return "DIFAT sector out of the file";
        for (std::uint32_t i = 0; i < 127 && fatSectors.size() < U32At(file, 44); ++i)
            fatSectors.push_back(U32At(file, sector(difat) + 4 * i));
        difat = U32At(file, sector(difat) + 508);
    }
    if (difat != 0xFFFFFFFE)
        return "DIFAT chain does not end";
    std::vector<std::uint32_t> fat;
    for (std::uint32_t s : fatSectors) {
        if (s >= sectors)
            return "FAT sector out of the file";
        for (std::uint32_t i = 0; i < 128; ++i)
            fat.push_back(U32At(file, sector(s) + 4 * i));
    }
    if (fat.size() < sectors)
        return "FAT does not cover the file";
    for (std::uint32_t s : fatSectors) {
        if (fat[s] != 0xFFFFFFFD)
            return "FAT sector not marked as one";
    }
    const std::size_t directory = sector(U32At(file, 48));
    const std::size_t entry = directory + 128; // the workbook, child of the root
    if (U32At(file, directory + 76) != 1 || file[entry + 66] != 2)
        return "directory does not hold the workbook stream";
    const std::uint32_t size = U32At(file, entry + 120);
    std::uint64_t chained = 0;
    for (std::uint32_t s = U32At(file, entry + 116); s != 0xFFFFFFFE; s = fat[s], chained += kSectorSize) {
        if (s >= sectors || chained > file.size())
            return "workbook chain leaves the file";
    }
    if (size < kMinimumStreamSize || chained < size || chained - size >= kSectorSize)
        return "chain of " + std::to_string(chained) + " bytes for a stream of " + std::to_string(size);
    return {};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class XlsWorkbook : public ::testing::Test {
protected:
    test::TempFolder m_folder;

    std::string WriteFile(const std::string& name, const WorkbookOutline& outline, const RowSource& rows)
    {
        const std::string path = m_folder.Path() + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        FileOutput out(file);
        const WriteResult written = WriteWorkbook(out, outline, rows);
        EXPECT_EQ(std::fclose(file), 0);
        EXPECT_TRUE(written.ok) << written.error;
        std::ostringstream bytes;
        bytes << std::ifstream(path, std::ios::binary).rdbuf();
        EXPECT_EQ(CheckCompoundFile(bytes.str()), "");
        return path;
    }
};

TEST_F(XlsWorkbook, CellsReadBackAsNumbersAndTextWithTheirFormats)
{
    WorkbookOutline outline;
    outline.columns = {{"序号", ""}, {"投注号码", ""}, {"012路", "000"}, {"mixed", ""}, {"", ""}};
    outline.rowCount = 4;
    const std::string path = WriteFile("cells.xls", outline, [](std::uint64_t row, std::span<Cell> cells) {
        static const double numbers[] = {-3, 0.5, 1e10, 536870912.0};
        static const char* const texts[] = {"007", "000", "123", "999"};
        cells[0].SetNumber(double(row + 1));
        cells[1].SetText(texts[row]);
        cells[2].SetNumber(double(row * 10 + 2));
        if (row == 1)
            cells[3].SetText("组六 ok");
        else
            cells[3].SetNumber(numbers[row]);
        if (row == 3)
            cells[4].SetNumber(0.1);
    });
    const test::Readback read = test::ReadXlsWithXlrd(path, true);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_EQ(read.text, "== Sheet1 5x5\n"
                         "t:序号\tt:投注号码\tt:012路\tt:mixed\t\n"
                         "n:1\tt:007\tn:2\tn:-3\t\n"
                         "n:2\tt:000\tn:12\tt:组六 ok\t\n"
                         "n:3\tt:123\tn:22\tn:10000000000\t\n"
                         "n:4\tt:999\tn:32\tn:536870912\tn:0.1\n"
                         "formats\tGeneral\tGeneral\t000\tGeneral\t\n");
}

TEST_F(XlsWorkbook, NumbersAtTheEdgesOfEveryFormReadBackExactly)
{
    // Around the 30-bit integer form, doubles whose low 34 bits are zero and
    // those whose bits 32 and 33 are not (the RK flag bits once shifted),
    // fractions that would fit the hundredths form.
    const double values[] = {0,
                             536870911,
                             -536870912,
                             536870912,
                             -536870913,
                             536871424,
                             1073741823,
                             1073741824,
                             -1073741824,
                             1073741825,
                             1 + std::ldexp(1.0, -20),
                             1 + std::ldexp(1.0, -19),
                             1 + std::ldexp(1.0, -18),
                             0.5,
                             -2.25,
                             -0.75,
                             0.01,
                             0.1,
                             12.34,
                             -5368709.12,
                             123456789.5,
                             1e300,
                             5e-324};
    WorkbookOutline outline;
    outline.columns = {{"a", ""}, {"b", ""}, {"t", ""}, {"c", ""}};
    outline.rowCount = std::size(values);
    // Two adjacent numbers (a MULRK when they have the RK form) and one alone.
    const std::string path = WriteFile("edges.xls", outline, [&](std::uint64_t row, std::span<Cell> cells) {
        cells[0].SetNumber(values[row]);
        cells[1].SetNumber(values[row]);
        cells[2].SetText("x");
        cells[3].SetNumber(values[row]);
    });
    const test::Readback read = test::ReadXlsWithXlrd(path);
    ASSERT_TRUE(read.ok) << read.text;
    const std::vector<std::string> lines = Lines(read.text);
    ASSERT_EQ(lines.size(), std::size(values) + 2);
    for (std::size_t row = 0; row < std::size(values); ++row) {
        std::istringstream line(lines[row + 2]);
        std::vector<std::string> cells;
        for (std::string cell; std::getline(line, cell, '\t');)
            cells.push_back(cell);
        ASSERT_EQ(cells.size(), 4u) << lines[row + 2];
        EXPECT_EQ(cells[2], "t:x");
        for (std::size_t c : {0u, 1u, 3u}) {
            ASSERT_EQ(cells[c].substr(0, 2), "n:") << cells[c];
            EXPECT_EQ(std::strtod(cells[c].c_str() + 2, nullptr), values[row])
                << "column " << c << " of row " << row << " reads " << cells[c];
        }
    }
}

// Each sheet's DIMENSIONS record (first row, one past the last row, first
// column, one past the last column) beside the cells the sheet holds.
struct SheetExtent {
    std::uint32_t declaredRows = 0;
    std::uint16_t declaredColumns = 0;
    std::uint32_t firstRow = 1, firstColumn = 1; // as declared, expected 0
    std::uint32_t rowsUsed = 0;
    std::uint32_t columnsUsed = 0;
};

std::vector<SheetExtent> SheetExtents(const std::string& file)
{
    const auto u16At = [&](std::size_t at) {
        return std::uint16_t(std::uint8_t(file[at]) | std::uint8_t(file[at + 1]) << 8);
    };
    std::vector<SheetExtent> sheets;
    const auto use = [&](std::uint32_t row, std::uint32_t lastColumn) {
        sheets.back().rowsUsed = std::max(sheets.back().rowsUsed, row + 1);
        sheets.back().columnsUsed = std::max(sheets.back().columnsUsed, lastColumn + 1);
    };
    // The stream starts right after the header sector; zeros pad its end.
    for (std::size_t at = kSectorSize; at + 4 <= file.size();) {
        const std::uint16_t type = u16At(at);
        const std::size_t data = at + 4;
        at = data + u16At(at + 2);
        if (type == 0 || at > file.size())
            break;
        if (type == 0x0809 && u16At(data + 2) == 0x0010) {
            sheets.emplace_back();
        } else if (sheets.empty()) {
            continue;
        } else if (type == 0x0200) {
            sheets.back().firstRow = U32At(file, data);
            sheets.back().declaredRows = U32At(file, data + 4);
            sheets.back().firstColumn = u16At(data + 8);
            sheets.back().declaredColumns = u16At(data + 10);
        } else if (type == 0x0204 || type == 0x0203 || type == 0x027E) { // LABEL, NUMBER, RK
            use(u16At(data), u16At(data + 2));
        } else if (type == 0x00BD) { // MULRK: its last column closes the record
            use(u16At(data), u16At(at - 2));
        }
    }
    return sheets;
}

TEST(XlsDimensions, EachSheetDeclaresTheRowsAndColumnsItHolds)
{
    struct Case {
        std::uint64_t rows;
        std::vector<std::uint32_t> sheetRows; // title row included
    };
    const Case cases[] = {{0, {1}}, {3, {4}}, {kDataRowsPerSheet, {65536}},
                          {2 * kDataRowsPerSheet + 1, {65536, 65536, 2}}};
    for (const Case& c : cases) {
        const WorkbookOutline outline{{{"n", ""}, {"号码", "000"}, {"t", ""}}, c.rows, "Sheet"};
        MemoryOutput out;
        ASSERT_TRUE(WriteWorkbook(out, outline, [](std::uint64_t row, std::span<Cell> cells) {
                        cells[0].SetNumber(double(row));
                        cells[1].SetNumber(double(row % 1000));
                        cells[2].SetText("x");
                    }).ok);
        const std::vector<SheetExtent> sheets = SheetExtents(out.Bytes());
        ASSERT_EQ(sheets.size(), c.sheetRows.size()) << c.rows << " rows";
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const SheetExtent& sheet = sheets[i];
            EXPECT_EQ(sheet.firstRow, 0u);
            EXPECT_EQ(sheet.firstColumn, 0u);
            EXPECT_EQ(sheet.rowsUsed, c.sheetRows[i]) << "sheet " << i << " of " << c.rows << " rows";
            EXPECT_EQ(sheet.declaredRows, sheet.rowsUsed) << "sheet " << i << " of " << c.rows << " rows";
            EXPECT_EQ(sheet.columnsUsed, 3u);
            EXPECT_EQ(sheet.declaredColumns, sheet.columnsUsed) << "sheet " << i << " of " << c.rows << " rows";
        }
    }
}

TEST_F(XlsWorkbook, RowsBeyondOneSheetContinueOnFurtherSheetsUnderTheSameTitles)
{
    WorkbookOutline outline;
    outline.columns = {{"n", ""}, {"号码", ""}};
    outline.sheetName = "结果";
    outline.rowCount = 2 * kDataRowsPerSheet + 1;
    const std::string path = WriteFile("sheets.xls", outline, [](std::uint64_t row, std::span<Cell> cells) {
        cells[0].SetNumber(double(row));
        cells[1].SetText(std::to_string(row % 1000));
    });
    const test::Readback read = test::ReadXlsWithXlrd(path);
    ASSERT_TRUE(read.ok) << read.text.substr(0, 2000);
    const std::vector<std::string> lines = Lines(read.text);
    ASSERT_EQ(lines.size(), 3 + 2 * 65536 + 2u);
    EXPECT_EQ(lines[0], "== 结果1 65536x2");
    EXPECT_EQ(lines[1], "t:n\tt:号码");
    EXPECT_EQ(lines[65536], "n:65534\tt:534");
    EXPECT_EQ(lines[65537], "== 结果2 65536x2");
    EXPECT_EQ(lines[65538], "t:n\tt:号码");
    EXPECT_EQ(lines[65539], "n:65535\tt:535");
    EXPECT_EQ(lines[2 * 65537], "== 结果3 2x2");
    EXPECT_EQ(lines[2 * 65537 + 2], "n:131070\tt:70");
}

TEST_F(XlsWorkbook, AnEmptyWorkbookIsOneSheetOfTitlesPaddedOutOfTheMiniStream)
{
    WorkbookOutline outline;
    outline.columns = {{"序号", ""}};
    const std::string path = WriteFile("empty.xls", outline, [](std::uint64_t, std::span<Cell>) {});
    EXPECT_EQ(std::filesystem::file_size(path), kSectorSize * (1 + 8 + 1 + 1));
    const test::Readback read = test::ReadXlsWithXlrd(path);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.text, "== Sheet1 1x1\nt:序号\n");
}

TEST(XlsCompoundLayout, TheFatCoversEverySectorAndTheDifatEveryFatSector)
{
    // Around the sizes where one more FAT sector, or the first DIFAT sector,
    // is needed.
    const std::uint64_t sizes[] = {4096, 126 * 512, 127 * 512, 128 * 512, 109 * 127 * 512, 109 * 128 * 512,
                                   110 * 128 * 512, 3'000'000'000};
    for (std::uint64_t size : sizes) {
        const std::optional<CompoundLayout> layout = PlanCompoundFile(size);
        ASSERT_TRUE(layout) << size;
        const std::uint64_t total = layout->TotalSectors();
        EXPECT_GE(std::uint64_t(layout->fatSectors) * 128, total) << size;
        EXPECT_LT(std::uint64_t(layout->fatSectors - 1) * 128, total) << size << ": more FAT than needed";
        const std::uint32_t beyondHeader = layout->fatSectors > 109 ? layout->fatSectors - 109 : 0;
        EXPECT_EQ(layout->difatSectors, (beyondHeader + 126) / 127) << size;
        EXPECT_EQ(layout->streamSectors, (size + 511) / 512) << size;
    }
    EXPECT_FALSE(PlanCompoundFile(4095));
    EXPECT_FALSE(PlanCompoundFile(std::uint64_t(1) << 42));
}

TEST(XlsCompoundLayout, AFileNeedingDifatSectorsChainsThemAndItsStream)
{
    // A stream past 109 FAT sectors' reach (about 7 MB).
    const std::uint64_t size = 110 * 128 * 512 + 100;
    const std::optional<CompoundLayout> layout = PlanCompoundFile(size);
    ASSERT_TRUE(layout);
    ASSERT_GT(layout->difatSectors, 0u);
    MemoryOutput out;
    const std::array<std::uint8_t, kSectorSize> zeros{};
    ASSERT_TRUE(out.Append(zeros));
    for (std::uint32_t s = 0; s < layout->streamSectors; ++s)
        ASSERT_TRUE(out.Append(zeros));
    ASSERT_TRUE(AppendCompoundTrailer(out, *layout));
    ASSERT_TRUE(out.WriteAt(0, CompoundHeader(*layout)));
    EXPECT_EQ(CheckCompoundFile(out.Bytes()), "");
    EXPECT_EQ(out.Bytes().size(), kSectorSize * (1 + std::size_t(layout->TotalSectors())));
}

TEST(XlsNumbers, RkHoldsSmallIntegersAndShortDoublesExactly)
{
    struct Case {
        double value;
        bool rk;
    };
    const Case cases[] = {{0, true},          {1, true},         {-1, true},          {536870911, true},
                          {-536870912, true}, {536870912, true}, {-536870913, false}, {0.5, true},
                          {0.1, false},       {1e300, false},    {-2.25, true},       {123456789.5, false}};
    for (const Case& c : cases) {
        std::uint32_t rk = 0;
        EXPECT_EQ(ToRk(c.value, rk), c.rk) << c.value;
        if (!c.rk)
            continue;
        // Decode as a reader does.
        double back = 0;
        if (rk & 2) {
            back = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
        } else {
            const std::uint64_t bits = std::uint64_t(rk & ~3u) << 32;
            std::memcpy(&back, &bits, 8);
        }
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(rk & 1, 0u) << c.value << ": no hundredths";
    }
}

TEST(XlsText, MalformedUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(Utf8ToUtf16("号码 7"), u"号码 7");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x8E\xB2"), u"\U0001F3B2");
    EXPECT_EQ(Utf8ToUtf16("a\x80" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE5\x8F"), u"\uFFFD\uFFFD");           // cut short
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
}

TEST(XlsWorkbookRefusals, BadSpecsAndTooLongTextsAreReportedNotWritten)
{
    const auto fill = [](std::uint64_t, std::span<Cell> cells) { cells[0].SetText(std::string(256, 'x')); };
    struct Case {
        const char* what;
        WorkbookOutline outline;
        std::string mention;
    };
    std::vector<Case> cases;
    cases.push_back({"no columns", {{}, 0, "Sheet"}, "columns"});
    cases.push_back({"257 columns", {std::vector<Column>(257), 0, "Sheet"}, "columns"});
    cases.push_back({"long title", {{{std::string(256, 'a'), ""}}, 0, "Sheet"}, "title"});
    cases.push_back({"empty sheet name", {{{"a", ""}}, 0, ""}, "sheet name"});
    cases.push_back({"sheet name with /", {{{"a", ""}}, 0, "a/b"}, "sheet name"});
    cases.push_back({"sheet name too long", {{{"a", ""}}, 0, std::string(31, 's')}, "sheet name"});
    cases.push_back({"long cell text", {{{"a", ""}}, 1, "Sheet"}, "255"});
    for (const Case& c : cases) {
        MemoryOutput out;
        const WriteResult written = WriteWorkbook(out, c.outline, fill);
        EXPECT_FALSE(written.ok) << c.what;
        EXPECT_NE(written.error.find(c.mention), std::string::npos) << c.what << ": " << written.error;
    }
    // 255 characters, wide ones included, are fine.
    MemoryOutput out;
    const WorkbookOutline outline{{{"a", ""}}, 1, "Sheet"};
    EXPECT_TRUE(WriteWorkbook(out, outline, [](std::uint64_t, std::span<Cell> cells) {
                    std::string text;
                    for (int i = 0; i < 255; ++i)
                        text += "号";
                    cells[0].SetText(text);
                }).ok);
}

TEST(XlsWorkbookRefusals, TitlesAreLimitedIn16BitUnitsNotBytesOrCharacters)
{
    const auto repeat = [](const char* piece, int times) {
        std::string text;
        for (int i = 0; i < times; ++i)
            text += piece;
        return text;
    };
    struct Case {
        std::string title;
        bool ok;
    };
    const Case cases[] = {
        {repeat("号", 255), true},             // 765 bytes
        {repeat("号", 256), false},
        {repeat("\U0001F3B2", 127) + "a", true}, // two units each
        {repeat("\U0001F3B2", 128), false},     // 128 characters, 256 units
    };
    for (const Case& c : cases) {
        MemoryOutput out;
        const WorkbookOutline outline{{{"a", ""}, {c.title, ""}}, 1, "Sheet"};
        const WriteResult written = WriteWorkbook(out, outline, [](std::uint64_t, std::span<Cell> cells) {
            cells[0].SetNumber(1);
        });
        EXPECT_EQ(written.ok, c.ok) << c.title.size() << " bytes: " << written.error;
        if (!c.ok) {
            EXPECT_NE(written.error.find("title"), std::string::npos) << written.error;
        }
    }
}

// An output that refuses one write, the n-th of its kind, and takes all
// others: whichever write fails, the workbook must not be reported written.
class FailingOutput final : public Output {
public:
    FailingOutput(int failingAppend, int failingWriteAt) : m_failingAppend(failingAppend), m_failingWriteAt(failingWriteAt)
    {
    }
    bool Append(std::span<const std::uint8_t>) override { return m_failingAppend-- != 0; }
    bool WriteAt(std::uint64_t, std::span<const std::uint8_t>) override { return m_failingWriteAt-- != 0; }
    // Calls made, when nothing was set to fail.
    int Appends() const { return -1 - m_failingAppend; }
    int WritesAt() const { return -1 - m_failingWriteAt; }

private:
    int m_failingAppend;
    int m_failingWriteAt;
};

TEST(XlsWorkbookFailures, AnyFailedWriteFailsTheWorkbook)
{
    // Two sheets, a stream of several blocks, a FAT of several sectors.
    const WorkbookOutline outline{{{"n", ""}, {"t", ""}}, 70000, "Sheet"};
    const auto fill = [](std::uint64_t row, std::span<Cell> cells) {
        cells[0].SetNumber(double(row));
        cells[1].SetText("123");
    };
    FailingOutput counting(-1, -1);
    ASSERT_TRUE(WriteWorkbook(counting, outline, fill).ok);
    ASSERT_GT(counting.Appends(), 40);
    ASSERT_EQ(counting.WritesAt(), 3); // two sheets' positions, the header
    for (int n = 0; n < counting.Appends(); ++n) {
        FailingOutput out(n, -1);
        const WriteResult written = WriteWorkbook(out, outline, fill);
        EXPECT_FALSE(written.ok) << "append " << n << " of " << counting.Appends();
        EXPECT_FALSE(written.error.empty());
    }
    for (int n = 0; n < counting.WritesAt(); ++n) {
        FailingOutput out(-1, n);
        EXPECT_FALSE(WriteWorkbook(out, outline, fill).ok) << "write over " << n;
    }
}

} // namespace
} // namespace vesk::xls
