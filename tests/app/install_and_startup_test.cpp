// Where the host finds its files from its own folder, its version and size
// arguments, and the record that keeps the file dialogs' folders.
#include "app/services/dialog_folder_record.h"
#include "app/session/command_line.h"
#include "app/session/install_layout.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vesk::app {
namespace {

namespace fs = std::filesystem;

TEST(InstallLayout, InstalledPrefixIsUsedWhenItsPluginFolderIsThere)
{
    test::TempFolder prefix;
    fs::create_directories(prefix.Path() + "bin");
    fs::create_directories(prefix.Path() + "lib/x86_64-linux-gnu/3dvesk");
    const InstalledFolders installed{"../lib/x86_64-linux-gnu/3dvesk", "../share/3dvesk"};
    const InstallLayout layout = InstallLayout::FromExecutableFolder(prefix.Path() + "bin", installed);
    const std::string root = fs::weakly_canonical(prefix.Path()).string() + "/";
    EXPECT_EQ(layout.pluginFolder, root + "lib/x86_64-linux-gnu/3dvesk/");
    EXPECT_EQ(layout.resourceFolder, root + "share/3dvesk/");
    EXPECT_EQ(layout.catalogueSource, root + "share/3dvesk/data/S3Cdt.dat");
    EXPECT_EQ(layout.sampleDraws, root + "share/3dvesk/data/draws-3d.txt");
}

TEST(InstallLayout, BuildTreeIsUsedWithoutTheInstalledPluginFolder)
{
    test::TempFolder build;
    fs::create_directories(build.Path() + "bin");
    fs::create_directories(build.Path() + "lib"); // the build's static libraries, not plug-ins
    const InstallLayout layout = InstallLayout::FromExecutableFolder(build.Path() + "bin", {"../lib/3dvesk", "../share/3dvesk"});
    const std::string root = fs::weakly_canonical(build.Path()).string() + "/";
    EXPECT_EQ(layout.pluginFolder, root + "plugins/");
    EXPECT_EQ(layout.resourceFolder, root);
    EXPECT_EQ(layout.catalogueSource, root + "data/S3Cdt.dat");
}

TEST(CommandLine, VersionHelpAndPictureSize)
{
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    const CommandLine sized = ParseCommandLine({"--screenshot", "a.png", "--size", "1280x800"});
    ASSERT_TRUE(sized.size);
    EXPECT_EQ(*sized.size, std::pair(1280, 800));
    EXPECT_TRUE(ParseCommandLine({"--screenshot", "a.png", "--size", "200x150"}).size);
    EXPECT_TRUE(ParseCommandLine({"--screenshot", "a.png", "--size", "4000x3000"}).size);

    const std::vector<std::vector<std::string>> wrong = {
        {"--screenshot", "a.png", "--size"},
        {"--screenshot", "a.png", "--size", "1280"},
        {"--screenshot", "a.png", "--size", "1280x"},
        {"--screenshot", "a.png", "--size", "x800"},
        {"--screenshot", "a.png", "--size", "199x800"},
        {"--screenshot", "a.png", "--size", "1280x3001"},
        {"--screenshot", "a.png", "--size", "-1280x800"},
        {"--screenshot", "a.png", "--size", "1280x800x2"},
        {"--size", "1280x800"},
    };
    for (const auto& arguments : wrong)
        EXPECT_FALSE(ParseCommandLine(arguments).error.empty()) << arguments.back();
}

TEST(CommandLine, PictureStepsKeepTheirOrder)
{
    const CommandLine run = ParseCommandLine(
        {"--screenshot", "a.png", "--open", "1", "--click", "7512", "--press", "缩水", "--click", "0x1D5C", "--dialog"});
    ASSERT_TRUE(run.error.empty()) << run.error;
    ASSERT_EQ(run.steps.size(), 3u);
    EXPECT_EQ(run.steps[0].id, 7512u);
    EXPECT_TRUE(run.steps[0].text.empty());
    EXPECT_EQ(run.steps[1].text, "缩水");
    EXPECT_EQ(run.steps[2].id, 0x1D5Cu);
    EXPECT_TRUE(run.dialogPicture);
    EXPECT_TRUE(ParseCommandLine({"--screenshot", "a.png", "--answer-file", "a.csv", "--answer-file", "b.csv"}).fileAnswers ==
                (std::vector<std::string>{"a.csv", "b.csv"}));

    const std::vector<std::vector<std::string>> wrong = {
        {"--screenshot", "a.png", "--click"},
        {"--screenshot", "a.png", "--click", "ok"},
        {"--screenshot", "a.png", "--press"},
        {"--screenshot", "a.png", "--press", ""},
        {"--screenshot", "a.png", "--dialog"}, // nothing would open one
        {"--press", "缩水"},
        {"--click", "1"},
        {"--screenshot", "a.png", "--answer-file"},
        {"--answer-file", "a.csv"},
    };
    for (const auto& arguments : wrong)
        EXPECT_FALSE(ParseCommandLine(arguments).error.empty()) << arguments.back();
}

TEST(DialogFolderRecord, KeepsTheNewestFolderPerKindFirst)
{
    DialogFolderRecord record;
    EXPECT_TRUE(record.Remember("txt", "/home/u/bets"));
    EXPECT_TRUE(record.Remember("xls", "/home/u/sheets"));
    EXPECT_TRUE(record.Remember("txt", "/home/u/new bets"));
    EXPECT_EQ(record.Serialize(4096), "txt\t/home/u/new bets\nxls\t/home/u/sheets\n");

    const DialogFolderRecord read = DialogFolderRecord::Parse(record.Serialize(4096));
    EXPECT_EQ(read.FolderFor("txt"), "/home/u/new bets");
    EXPECT_EQ(read.FolderFor("xls"), "/home/u/sheets");
    EXPECT_EQ(read.FolderFor("flt"), "");
}

TEST(DialogFolderRecord, DamagedLinesAndUnstorableFoldersAreLeftOut)
{
    const DialogFolderRecord read =
        DialogFolderRecord::Parse("no tab here\n\t/empty/kind\ntxt\t\nflt\t/a\nflt\t/older\r\nxls\t/b");
    ASSERT_EQ(read.Entries().size(), 2u);
    EXPECT_EQ(read.FolderFor("flt"), "/a");
    EXPECT_EQ(read.FolderFor("xls"), "/b"); // a last line without its line end still counts

    DialogFolderRecord record;
    EXPECT_FALSE(record.Remember("txt", "/a\nxls\t/b")); // would read back as two entries
    EXPECT_FALSE(record.Remember("txt", ""));
    EXPECT_TRUE(record.Entries().empty());
}

TEST(DialogFolderRecord, NeverGrowsPastItsLimitAndDropsTheOldestWhole)
{
    DialogFolderRecord record;
    record.Remember("a", std::string(20, 'x'));
    record.Remember("b", std::string(20, 'y'));
    record.Remember("c", std::string(20, 'z'));
    const std::string text = record.Serialize(50); // room for two lines of 23 bytes
    EXPECT_LE(text.size(), 50u);
    const DialogFolderRecord read = DialogFolderRecord::Parse(text);
    EXPECT_EQ(read.FolderFor("c"), std::string(20, 'z'));
    EXPECT_EQ(read.FolderFor("b"), std::string(20, 'y'));
    EXPECT_EQ(read.FolderFor("a"), "");
    EXPECT_EQ(record.Serialize(46).size(), 46u);
}

} // namespace
} // namespace vesk::app
