#include "storage/safe_file.h"
#include "storage/files/filter_data_file.h"
#include "storage/files/number_text_file.h"
#include "storage/files/result_file.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace vesk::files {
namespace {

namespace fs = std::filesystem;

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

std::vector<std::string> Texts(NumberList& list)
{
    std::vector<std::string> texts;
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        texts.emplace_back(list.ToText(i));
    return texts;
}

class ResultFiles : public ::testing::Test {
protected:
    vesk::test::TempFolder m_folder;
    const fs::path m_dir = m_folder.Path();

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string Read(const std::string& path)
    {
        const FileBytes file = ReadFileBytes(path);
        EXPECT_TRUE(file.ok) << file.error;
        return file.bytes;
    }

};

TEST(ResultFileFormats, ExtensionDecidesWithoutRegardToCase)
{
    EXPECT_EQ(FormatOfPath("a/b.TXT"), ResultFileFormat::NumberText);
    EXPECT_EQ(FormatOfPath("x.Flt"), ResultFileFormat::FilterData);
    EXPECT_EQ(FormatOfPath("x.tar.xls"), ResultFileFormat::Spreadsheet);
    EXPECT_EQ(FormatOfPath("dir.txt/noext"), ResultFileFormat::Other);
    EXPECT_EQ(FormatOfPath("x.txt.bak"), ResultFileFormat::Other);
}

TEST(ResultFileFormats, NumberTextBreaksAfterEveryPerLineNumbers)
{
    NumberList list(3);
    list.ParseText("001 002 003 004 005", 3);
    EXPECT_EQ(FormatNumberText(list, 2), "001 002\r\n003 004\r\n005");
    EXPECT_EQ(FormatNumberText(list, 5), "001 002 003 004 005\r\n");
    EXPECT_EQ(FormatNumberText(list, kDefaultPerLine), "001 002 003 004 005");
    EXPECT_EQ(FormatNumberText(NumberList(3), 2), "");
}

TEST(ResultFileFormats, OldVersionHoldsNumberCodes)
{
    const std::string bytes = Bytes({0x30, 0x30, 0xFF, 0xFF, 5, 0, 0, 0, 0xE7, 3, 0, 0, 1});
    NumberList list(5);
    const FilterDataResult read = ReadFilterData({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, list);
    EXPECT_EQ(read.status, ReadStatus::Complete);
    EXPECT_TRUE(read.oldVersion);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"005", "999"}));
}

TEST(ResultFileFormats, DamagedFilterDataLeavesTheListAsItWas)
{
    const std::string cases[] = {
        Bytes({0x30, 0x30, 0xFF, 0xFF, 0xE8, 3, 0, 0}), // code 1000
        Bytes({1, 0, 0, 0, 3, 1, 2, 12}),                // digit 12
        Bytes({1, 0, 0, 0, 11, 1, 2, 3}),                // 11 digits
        Bytes({1, 0}),
        std::string(),
    };
    for (const std::string& bytes : cases) {
        NumberList list(3);
        list.ParseText("123 456", 3);
        const FilterDataResult read
            = ReadFilterData({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, list);
        EXPECT_FALSE(IsLoaded(read.status));
        EXPECT_FALSE(read.error.empty());
        EXPECT_EQ(Texts(list), (std::vector<std::string>{"123", "456"}));
    }
}

TEST_F(ResultFiles, TextOpensAscendingWithoutDuplicates)
{
    NumberList list(3);
    const LoadResult result = LoadResultFile(Write("a.txt", "456 123 456"), list);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"123", "456"}));
}

TEST_F(ResultFiles, TruncatedFilterDataLoadsWithZerosAndSaysSo)
{
    NumberList list(3);
    list.ParseText("777", 3);
    const LoadResult result = LoadResultFile(Write("cut.flt", Bytes({3, 0, 0, 0, 3, 1, 2, 3, 4})), list);
    EXPECT_EQ(result.status, LoadStatus::Truncated);
    EXPECT_TRUE(result.Loaded());
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"123", "400", "000"}));
}

TEST_F(ResultFiles, TextInGb18030IsReadWithoutTheDigitsInsideItsCharacters)
{
    // A four-byte GB18030 character carries two digit bytes; they are not numbers.
    NumberList list(3);
    const LoadResult result = LoadResultFile(Write("gb.txt", "123 \x81\x30\x89\x38 456"), list);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"123", "456"}));
}

TEST_F(ResultFiles, EmptyFilesAreReportedByKind)
{
    NumberList list(3);
    list.ParseText("777", 3);
    EXPECT_EQ(LoadResultFile(Write("e.txt", ""), list).status, LoadStatus::EmptyText);
    EXPECT_EQ(LoadResultFile(Write("e.flt", ""), list).status, LoadStatus::EmptyFilterFile);
    EXPECT_EQ(LoadResultFile((m_dir / "missing.flt").string(), list).status, LoadStatus::CannotRead);
    EXPECT_EQ(LoadResultFile(m_dir.string(), list).status, LoadStatus::CannotRead);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"777"}));
}

TEST_F(ResultFiles, SavedFilesReadBackAndCapitalExtensionsWriteTheSameFormat)
{
    NumberList list(3);
    list.ParseText("321 007 555", 3);
    ASSERT_TRUE(SaveResultFile((m_dir / "r.flt").string(), list, 0).ok);
    ASSERT_TRUE(SaveResultFile((m_dir / "R2.FLT").string(), list, 0).ok);
    EXPECT_EQ(Read((m_dir / "r.flt").string()), Read((m_dir / "R2.FLT").string()));
    EXPECT_EQ(Read((m_dir / "r.flt").string()), Bytes({3, 0, 0, 0, 3, 3, 2, 1, 0, 0, 7, 5, 5, 5}));
    NumberList back(3);
    EXPECT_EQ(LoadResultFile((m_dir / "R2.FLT").string(), back).status, LoadStatus::Loaded);
    EXPECT_EQ(Texts(back), (std::vector<std::string>{"321", "007", "555"}));
    ASSERT_TRUE(SaveResultFile((m_dir / "r.TXT").string(), list, 2).ok);
    EXPECT_EQ(Read((m_dir / "r.TXT").string()), "321 007\r\n555");
    EXPECT_FALSE(SaveResultFile((m_dir / "r.doc").string(), list, 2).ok);
}

TEST_F(ResultFiles, AnEmptyListSavesAsAFiveByteFilterFile)
{
    NumberList empty(3);
    ASSERT_TRUE(SaveResultFile((m_dir / "e.flt").string(), empty, 0).ok);
    EXPECT_EQ(Read((m_dir / "e.flt").string()).size(), 5u);
}

TEST_F(ResultFiles, AFailedSaveLeavesTheOldFile)
{
    const std::string path = Write("keep.flt", "old");
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    NumberList list(3);
    list.ParseText("123", 3);
    const SaveResult saved = SaveResultFile(path, list, 0);
    fs::permissions(m_dir, fs::perms::owner_all);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(Read(path), "old");
}

// The disk fills up during the save: inside stdio's buffer (the failure
// shows at the flush) or in a write larger than the buffer.
TEST_F(ResultFiles, AWriteThatFailsPartWayLeavesTheOldFileAndNoPartFile)
{
    struct Case {
        const char* name;
        std::size_t size;
    };
    for (const Case& c : {Case{"at the flush", 600}, Case{"in the write", 100000}}) {
        const std::string path = Write("keep.bin", "old content");
        FileResult written;
        {
            test::FileSizeLimit limit(256);
            ASSERT_TRUE(limit.Active());
            written = WriteFileSafely(path, std::string(c.size, 'x'));
        }
        EXPECT_FALSE(written.ok) << c.name;
        EXPECT_NE(written.message.find("cannot write"), std::string::npos) << c.name << ": " << written.message;
        EXPECT_EQ(Read(path), "old content") << c.name;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"keep.bin"}) << c.name;
    }
}

TEST_F(ResultFiles, ASaveThatRunsOutOfSpaceIsReportedInEitherFormat)
{
    NumberList list(3);
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += std::to_string(i + 1000).substr(1) + ' ';
    list.ParseText(text, 3);
    for (const char* name : {"big.flt", "big.txt"}) {
        const std::string path = Write(name, "old");
        SaveResult saved;
        {
            test::FileSizeLimit limit(1024);
            ASSERT_TRUE(limit.Active());
            saved = SaveResultFile(path, list, 10);
        }
        EXPECT_FALSE(saved.ok) << name;
        EXPECT_FALSE(saved.error.empty()) << name;
        EXPECT_EQ(Read(path), "old") << name;
        // The same save goes through once there is room.
        ASSERT_TRUE(SaveResultFile(path, list, 10).ok) << name;
        NumberList back(3);
        ASSERT_TRUE(LoadResultFile(path, back).Loaded()) << name;
        EXPECT_EQ(back.Count(), 1000u) << name;
    }
}

} // namespace
} // namespace vesk::files
