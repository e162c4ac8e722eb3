// The draw history file as the host changes it: imports and typed draws
// written beside and renamed in, nothing lost on failure, and the sample
// history installed on first start but never over a user's file.
#include "app/services/draw_keeping.h"
#include "app/services/host_object.h"
#include "app/services/sample_draws.h"
#include "storage/safe_file.h"
#include "tests/app/text_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace vesk::app {
namespace {

using test::ReadText;
using test::WriteText;

// The folder's entries, so a stray temporary file shows.
std::size_t EntriesIn(const std::string& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class DrawKeepingTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string history = folder.Path() + "draws.txt";
};

TEST_F(DrawKeepingTest, ImportsSeveralFilesIntoTheHistory)
{
    WriteText(history, "2025210 111\n2025211 222\n");
    WriteText(folder.Path() + "a.txt", "2025213 333\n2025211 222\n");
    WriteText(folder.Path() + "b.csv", "期号,日期,开奖号码\n2025212,2025-08-10,444\n2025210,2025-08-08,999\n");
    const DrawChange change = ImportDrawFiles(history, {folder.Path() + "a.txt", folder.Path() + "b.csv",
                                                        folder.Path() + "missing.txt"});
    EXPECT_TRUE(change.written);
    EXPECT_TRUE(change.error.empty());
    EXPECT_EQ(ReadText(history), "2025210 111\n2025211 222\n2025212,2025-08-10,444\n2025213 333\n");
    EXPECT_EQ(change.history.Size(), 4u);
    EXPECT_EQ(change.report.added, 2u);
    EXPECT_EQ(change.report.skipped, 1u);
    ASSERT_EQ(change.report.refused.size(), 2u);
    EXPECT_EQ(change.report.refused[0].line, 3u); // the conflict in b.csv
    EXPECT_EQ(change.report.refused[1].line, 0u); // the missing file as a whole
    EXPECT_EQ(EntriesIn(folder.Path()), 3u);
}

TEST_F(DrawKeepingTest, NothingNewLeavesTheFileAlone)
{
    WriteText(history, "2025210 111\n");
    WriteText(folder.Path() + "same.txt", "2025210 111\n");
    struct stat before {};
    ::stat(history.c_str(), &before);
    const DrawChange change = ImportDrawFiles(history, {folder.Path() + "same.txt"});
    EXPECT_FALSE(change.written);
    struct stat after {};
    ::stat(history.c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST_F(DrawKeepingTest, AHistoryThatCannotBeReadIsNeverReplaced)
{
    std::filesystem::create_directory(history); // there, but no file to read
    WriteText(folder.Path() + "new.txt", "2025210 111\n");
    const DrawChange change = ImportDrawFiles(history, {folder.Path() + "new.txt"});
    EXPECT_FALSE(change.written);
    EXPECT_FALSE(change.error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(history));
}

TEST_F(DrawKeepingTest, AHistoryWithAPeriodTwiceIsNotRewritten)
{
    // Writing it back by period would keep one of the two numbers.
    WriteText(history, "2025210 111\n2025210 999\n");
    const DrawChange change = EnterDraw(history, "2025211", "222");
    EXPECT_FALSE(change.written);
    EXPECT_NE(change.error.find("2025210"), std::string::npos);
    EXPECT_EQ(ReadText(history), "2025210 111\n2025210 999\n");
}

TEST_F(DrawKeepingTest, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    const DrawChange nowhere = EnterDraw(folder.Path() + "gone/draws.txt", "2025211", "222");
    EXPECT_FALSE(nowhere.written);
    EXPECT_NE(nowhere.error.find("未能保存"), std::string::npos);
    EXPECT_TRUE(nowhere.history.Empty());

    // A full disk, a failed sync or rename: for root as well.
    WriteText(history, "2025210 111\n");
    for (const FileStep step : {FileStep::Write, FileStep::SyncFile, FileStep::Rename}) {
        InjectedFileFailure failure(step, ENOSPC);
        const DrawChange change = EnterDraw(history, "2025211", "222");
        EXPECT_FALSE(change.written) << int(step);
        EXPECT_NE(change.error.find("未能保存"), std::string::npos) << int(step);
        EXPECT_EQ(ReadText(history), "2025210 111\n") << int(step);
    }
}

TEST_F(DrawKeepingTest, EnteredDrawsAreValidatedLikeImportedOnes)
{
    EXPECT_TRUE(EnterDraw(history, "2025217", "094").written); // a new file
    EXPECT_EQ(ReadText(history), "2025217 094\n");
    EXPECT_TRUE(EnterDraw(history, "2025216", "123").written);
    EXPECT_EQ(ReadText(history), "2025216 123\n2025217 094\n");

    const DrawChange conflict = EnterDraw(history, "2025217", "095");
    EXPECT_FALSE(conflict.written);
    ASSERT_EQ(conflict.report.refused.size(), 1u);
    EXPECT_TRUE(conflict.report.refused[0].conflict);
    EXPECT_EQ(EnterDraw(history, "2025217", "094").report.skipped, 1u);
    for (auto [period, number] : {std::pair{"2025218", "94"}, {"2025218", "0945"}, {"2025218", "9a4"},
                                  {"20-25", "094"}, {"", "094"}}) {
        const DrawChange bad = EnterDraw(history, period, number);
        EXPECT_FALSE(bad.written) << period << ' ' << number;
        EXPECT_EQ(bad.report.refused.size(), 1u) << period << ' ' << number;
    }
    EXPECT_EQ(ReadText(history), "2025216 123\n2025217 094\n");
}

TEST_F(DrawKeepingTest, SampleIsInstalledOnceAndNeverOverAUsersFile)
{
    const std::string sample = folder.Path() + "sample.txt";
    WriteText(sample, "2025216 625\n2025217 894\n");
    const std::string data = folder.Path() + "data/";
    std::filesystem::create_directory(data);

    const SampleDrawsInstall first = InstallSampleDraws(data, sample);
    EXPECT_TRUE(first.installed);
    EXPECT_EQ(first.latestPeriod, 2025217u);
    EXPECT_NE(SampleDrawsMessage(first).find("2025217"), std::string::npos);
    EXPECT_EQ(ReadText(data + "draws.txt"), ReadText(sample));
    EXPECT_EQ(EntriesIn(data), 1u);

    WriteText(data + "draws.txt", "2025300 111\n");
    const SampleDrawsInstall second = InstallSampleDraws(data, sample);
    EXPECT_FALSE(second.installed);
    EXPECT_TRUE(SampleDrawsMessage(second).empty());
    EXPECT_EQ(ReadText(data + "draws.txt"), "2025300 111\n");

    std::filesystem::remove(data + "draws.txt");
    std::filesystem::create_symlink(folder.Path() + "elsewhere.txt", data + "draws.txt"); // dangling
    EXPECT_FALSE(InstallSampleDraws(data, sample).installed);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "elsewhere.txt"));

    const SampleDrawsInstall missing = InstallSampleDraws(folder.Path() + "empty/", folder.Path() + "none.txt");
    EXPECT_FALSE(missing.installed);
}

TEST_F(DrawKeepingTest, HostInstallsTheSampleOnFirstStartAndAnswersFromIt)
{
    const std::string sample = folder.Path() + "sample.txt";
    WriteText(sample, "2025216 625\n2025217 894\n");
    const std::string root = folder.Path() + "root/";
    {
        HostObject host({HostPaths::UnderRoot(root), folder.Path(), "", sample});
        EXPECT_TRUE(host.SampleDraws().installed);
        std::uint8_t digits[3] = {8, 9, 4};
        host.Analysis().SetCurrentNumber(digits);
        EXPECT_EQ(host.Analysis().GetAttribute(0xFFFF0012), 0); // omission of the latest draw
    }
    HostObject again({HostPaths::UnderRoot(root), folder.Path(), "", sample});
    EXPECT_FALSE(again.SampleDraws().installed);
}

} // namespace
} // namespace vesk::app
