// The filter's view of the draw history: read through the one reader, and
// read again whenever the file is replaced, even by one of the same size and
// modification time.
#include "components/filter/component/draw_history_source.h"

#include "storage/safe_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>

namespace vesk::filter {
namespace {

TEST(DrawHistorySource, SeesEveryReplacementAndLosesAVanishedFile)
{
    test::TempFolder folder;
    const std::string path = folder.Path() + "draws.txt";
    DrawHistorySource source(folder.Path(), 3);
    EXPECT_FALSE(source.Refresh());
    EXPECT_EQ(source.History(), nullptr);

    ASSERT_TRUE(WriteFileSafely(path, std::string_view("2026001 123\n2026002 456\n")).ok);
    EXPECT_TRUE(source.Refresh());
    ASSERT_NE(source.History(), nullptr);
    EXPECT_FALSE(source.Refresh()); // unchanged: not read again
    const std::uint64_t version = source.Version();

    // Same size, and the old time put back to the nanosecond: the new inode tells.
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("2026001 123\n2026002 789\n")).ok);
    const timespec times[2] = {before.st_mtim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    EXPECT_TRUE(source.Refresh());
    EXPECT_GT(source.Version(), version);
    EXPECT_EQ(source.Periods(), (std::vector<std::uint64_t>{2026001, 2026002}));

    std::filesystem::remove(path);
    EXPECT_TRUE(source.Refresh());
    EXPECT_EQ(source.History(), nullptr);
}

TEST(DrawHistorySource, ReadsHistoriesUpTheSharedBoundOnly)
{
    test::TempFolder folder;
    const std::string path = folder.Path() + "draws.txt";
    ASSERT_TRUE(WriteFileSafely(path, std::string_view("2026001 123\n")).ok);
    // Padded to 20 MB with blank lines' worth of zeros (sparse): still a history.
    std::filesystem::resize_file(path, 20u << 20);
    DrawHistorySource source(folder.Path(), 3);
    source.Refresh();
    EXPECT_NE(source.History(), nullptr);
    std::filesystem::resize_file(path, kMaxDrawHistoryBytes + 1);
    EXPECT_TRUE(source.Refresh());
    EXPECT_EQ(source.History(), nullptr);
}

} // namespace
} // namespace vesk::filter
