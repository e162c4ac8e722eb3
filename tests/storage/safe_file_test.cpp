#include "storage/draw_history_file.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/stat.h>

namespace vesk {
namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const std::string& text)
    {
        const std::string path = m_root.Path() + name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_root.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
    test::TempFolder m_root;
};

// Every way of writing, so each is proved to go through the same steps.
std::vector<std::pair<const char*, std::function<FileResult(const std::string&)>>> Writers()
{
    return {
        {"text", [](const std::string& path) { return WriteFileSafely(path, std::string_view("new content")); }},
        {"bytes",
         [](const std::string& path) {
             const Bytes bytes = {'n', 'e', 'w'};
             return WriteFileSafely(path, std::span<const std::uint8_t>(bytes));
         }},
        {"stream",
         [](const std::string& path) {
             return WriteFileSafely(path, [](std::FILE* file) -> std::string {
                 // Larger than stdio's buffer, so writes happen inside the filler too.
                 const std::string block(100000, 'n');
                 std::fwrite(block.data(), 1, block.size(), file);
                 return {};
             });
         }},
    };
}

TEST_F(SafeFile, EveryFailingStepLeavesTheOldFileAndNoPartFile)
{
    struct Step {
        FileStep step;
        int error;
    };
    for (const Step& s : {Step{FileStep::Create, EACCES}, Step{FileStep::Write, ENOSPC},
                          Step{FileStep::SyncFile, EIO}, Step{FileStep::Rename, EXDEV}}) {
        for (const auto& [name, write] : Writers()) {
            const std::string path = Put("keep.txt", "old content");
            FileResult result;
            {
                InjectedFileFailure failure(s.step, s.error);
                result = write(path);
            }
            const std::string label = std::string(name) + " step " + std::to_string(int(s.step));
            EXPECT_FALSE(result.ok) << label;
            EXPECT_EQ(result.error, s.error) << label;
            EXPECT_FALSE(result.message.empty()) << label;
            EXPECT_EQ(Read(path), "old content") << label;
            EXPECT_EQ(Names(), std::vector<std::string>{"keep.txt"}) << label;
        }
    }
    // Once the failure is gone, the same writes go through.
    for (const auto& [name, write] : Writers()) {
        const std::string path = Put("keep.txt", "old content");
        EXPECT_TRUE(write(path).ok) << name;
        EXPECT_NE(Read(path), "old content") << name;
    }
}

TEST_F(SafeFile, AFailedFolderSyncComesAfterTheReplacementAndIsNoFailedSave)
{
    const std::string path = Put("keep.txt", "old");
    InjectedFileFailure failure(FileStep::SyncFolder, EIO);
    EXPECT_TRUE(WriteFileSafely(path, std::string_view("new")).ok);
    EXPECT_EQ(Read(path), "new");
}

TEST_F(SafeFile, AFillerThatRefusesOrSeeksIsHonoured)
{
    const std::string path = Put("table.bin", "old");
    const FileResult refused = WriteFileSafely(path, [](std::FILE* file) -> std::string {
        std::fputs("half", file);
        return "the workbook is too large";
    });
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "the workbook is too large");
    EXPECT_EQ(Read(path), "old");
    EXPECT_EQ(Names(), std::vector<std::string>{"table.bin"});

    // Writers that patch a header after the body (the workbook writer) seek back.
    ASSERT_TRUE(WriteFileSafely(path, [](std::FILE* file) -> std::string {
                    std::fputs("....body", file);
                    std::fseek(file, 0, SEEK_SET);
                    std::fputs("HEAD", file);
                    return {};
                }).ok);
    EXPECT_EQ(Read(path), "HEADbody");
}

TEST_F(SafeFile, ANewFileGetsTheUsualModeNotAPrivateOne)
{
    const std::string path = m_root.Path() + "fresh.txt";
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("x")).ok);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(SafeFile, FoldersThatCannotHoldTheFileAreNamedInTheMessage)
{
    const std::string plain = Put("plain", "a regular file");
    const FileResult underFile = WriteFileSafely(plain + "/x.txt", std::string_view("x"));
    EXPECT_FALSE(underFile.ok);
    EXPECT_EQ(SaveFailedText(plain + "/x.txt", underFile),
              "保存失败：" + plain + "/x.txt（路径中有一段不是文件夹），原文件未改动");
    const FileResult missing = WriteFileSafely(m_root.Path() + "no/such/x.txt", std::string_view("x"));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(SaveFailedText("x.txt", missing).find("文件夹不存在"), std::string::npos);
    EXPECT_EQ(Read(plain), "a regular file");
    EXPECT_EQ(ExportedText("/tmp/a.xls"), "已导出到 /tmp/a.xls");
    // A refusal of the filler has no errno; its words are the reason.
    EXPECT_EQ(SaveFailedText("a.xls", FileResult{false, "too many rows", 0}),
              "保存失败：a.xls（too many rows），原文件未改动");
}

TEST_F(SafeFile, ReadsAreBoundedAndSayWhy)
{
    const std::string path = Put("ten.txt", "0123456789");
    EXPECT_TRUE(ReadFileBytes(path, 10).ok);
    const FileBytes over = ReadFileBytes(path, 9);
    EXPECT_FALSE(over.ok);
    EXPECT_EQ(over.errorNumber, EFBIG);
    EXPECT_TRUE(over.bytes.empty());
    EXPECT_EQ(ReadFileBytes(m_root.Path() + "none", 10).errorNumber, ENOENT);
    EXPECT_EQ(ReadFileBytes(m_root.Path(), 10).errorNumber, EISDIR);
    EXPECT_EQ(ReadSmallFile(path, 10), Bytes({'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
    EXPECT_EQ(ReadSmallFile(path, 9), std::nullopt);
}

TEST_F(SafeFile, TheDrawHistoryIsReadUpTo64MiBAndAMissingFileIsEmpty)
{
    const DrawHistoryRead missing = ReadDrawHistoryFile(m_root.Path() + "draws.txt");
    EXPECT_TRUE(missing.missing);
    ASSERT_TRUE(missing.history);
    EXPECT_TRUE(missing.history->Empty());

    const std::string path = Put("draws.txt", "2026001 123\n2026002 456\n");
    const DrawHistoryRead read = ReadDrawHistoryFile(path);
    ASSERT_TRUE(read.history);
    EXPECT_EQ(read.history->Draws().size(), 2u);

    // Padding past the bound (sparse, so nothing is written): refused, never half read.
    fs::resize_file(path, kMaxDrawHistoryBytes + 1);
    const DrawHistoryRead large = ReadDrawHistoryFile(path);
    EXPECT_FALSE(large.history);
    EXPECT_FALSE(large.missing);
    EXPECT_NE(large.error.find("64 MB"), std::string::npos);
    // 20 MB, larger than any earlier bound of a reader, is read.
    fs::resize_file(path, 20u << 20);
    EXPECT_TRUE(ReadDrawHistoryFile(path).history);
}

TEST_F(SafeFile, AStampTellsARewriteOfTheSameSizeAndTime)
{
    const std::string path = Put("draws.txt", "2026001 123\n");
    const std::optional<FileStamp> before = StampOf(path);
    ASSERT_TRUE(before);
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("2026001 789\n")).ok);
    // Same size, and the old modification time put back to the nanosecond.
    const timespec times[2] = {{before->seconds, before->nanoseconds}, {before->seconds, before->nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    const std::optional<FileStamp> after = StampOf(path);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->size, before->size);
    EXPECT_EQ(after->nanoseconds, before->nanoseconds);
    EXPECT_NE(after, before);
    EXPECT_EQ(StampOf(m_root.Path() + "none"), std::nullopt);
}

} // namespace
} // namespace vesk
