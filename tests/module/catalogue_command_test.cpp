#include "tools/cli/catalogue_command.h"

#include "module/catalogue/catalogue.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

class CatalogueCommand : public ::testing::Test {
protected:
    vesk::test::TempFolder m_folder;
    const fs::path m_dir = m_folder.Path();

    std::string Write(const std::string& name, const std::string& text)
    {
        std::ofstream(m_dir / name, std::ios::binary) << text;
        return (m_dir / name).string();
    }

    int Run(const std::vector<std::string>& args)
    {
        m_out.str({});
        m_err.str({});
        return vesk::cli::RunCatalogueCommand(args, m_out, m_err);
    }

    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(CatalogueCommand, DumpOfABuildBuildsTheSameFile)
{
    const std::string source = Write("a.txt", "category 3 \"跨度\" hidden\n"
                                              "  group \"组\" byte0=2\n"
                                              "    items 0-2 \"跨度%d\"\n"
                                              "  group\n"
                                              "    item 40 \"quote \\\" mark\"\n");
    const std::string first = (m_dir / "a.dat").string();
    ASSERT_EQ(Run({"build", source, first}), 0) << m_err.str();
    ASSERT_EQ(Run({"dump", first}), 0) << m_err.str();
    EXPECT_NE(m_out.str().find("    item 2 \"跨度2\" flags=0x00 games=0x00000000\n"), std::string::npos)
        << m_out.str();
    const std::string dumped = Write("b.txt", m_out.str());
    const std::string second = (m_dir / "b.dat").string();
    ASSERT_EQ(Run({"build", dumped, second}), 0) << m_err.str();

    std::ifstream a(first, std::ios::binary), b(second, std::ios::binary);
    const std::string bytesA((std::istreambuf_iterator<char>(a)), {});
    const std::string bytesB((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(bytesA, bytesB);
}

TEST_F(CatalogueCommand, DumpShowsWhatTheNumberLengthRetains)
{
    const std::string source = Write("a.txt", "category 1 \"c\"\n group\n  item 1 \"three\"\n"
                                              "  item 2 \"longer\" for=5,7\n");
    const std::string file = (m_dir / "a.dat").string();
    ASSERT_EQ(Run({"build", source, file}), 0);
    ASSERT_EQ(Run({"dump", file}), 0);
    EXPECT_EQ(m_out.str().find("longer"), std::string::npos);
    ASSERT_EQ(Run({"dump", "--digits", "5", file}), 0);
    EXPECT_NE(m_out.str().find("item 2 \"longer\" flags=0x00 games=0x00000002"), std::string::npos);
    ASSERT_EQ(Run({"dump", file, "--digits", "4"}), 0);
    EXPECT_EQ(m_out.str(), "# version 1, 0 categories\n");
}

TEST_F(CatalogueCommand, ErrorsNameTheFileAndFailTheExit)
{
    const std::string bad = Write("bad.txt", "category 1 \"a\"\nitem 1 \"b\"\n");
    EXPECT_NE(Run({"build", bad, (m_dir / "x.dat").string()}), 0);
    EXPECT_NE(m_err.str().find(bad + ":2:"), std::string::npos) << m_err.str();
    EXPECT_FALSE(fs::exists(m_dir / "x.dat"));

    const std::string junk = Write("junk.dat", "not a catalogue");
    EXPECT_NE(Run({"dump", junk}), 0);
    EXPECT_NE(m_err.str().find(junk + ": not a condition catalogue"), std::string::npos) << m_err.str();
    EXPECT_TRUE(m_out.str().empty());

    EXPECT_NE(Run({"dump", (m_dir / "missing.dat").string()}), 0);
    EXPECT_NE(m_err.str().find("missing.dat: cannot read"), std::string::npos);

    const std::string source = Write("ok.txt", "category 1 \"a\"\n");
    EXPECT_NE(Run({"build", source, (m_dir / "no/such/dir/x.dat").string()}), 0);
    EXPECT_NE(m_err.str().find("cannot write"), std::string::npos);

    EXPECT_NE(Run({}), 0);
    EXPECT_NE(Run({"frobnicate"}), 0);
    EXPECT_NE(Run({"build", source}), 0);
    EXPECT_NE(Run({"dump", junk, "--digits", "three"}), 0);
    EXPECT_NE(Run({"dump", junk, "--digits"}), 0);
    EXPECT_NE(Run({"dump"}), 0);
    EXPECT_EQ(Run({"dump", "--help"}), 0);
    EXPECT_NE(m_out.str().find("usage:"), std::string::npos);
}

TEST(ShippedCatalogue, HoldsTheThreeDigitCategories)
{
    const char* sourceDir = std::getenv("VESK_SOURCE_DIR");
    ASSERT_NE(sourceDir, nullptr);
    const std::string source = std::string(sourceDir) + "/data/catalogue/s3cdt.txt";
    const vesk::test::TempFolder folder;
    const fs::path out = fs::path(folder.Path()) / "S3Cdt.dat";
    std::ostringstream ignored;
    ASSERT_EQ(vesk::cli::RunCatalogueCommand({"build", source, out.string()}, ignored, ignored), 0)
        << ignored.str();

    vesk::catalogue::Catalogue three;
    ASSERT_TRUE(three.LoadFile(out, vesk::catalogue::kMaskThreeDigits));
    vesk::catalogue::Catalogue seven;
    ASSERT_TRUE(seven.LoadFile(out, vesk::catalogue::kMaskSevenDigits));

    EXPECT_NE(three.FindItem(1, 27), nullptr);      // 和值 27
    EXPECT_EQ(three.FindItem(1, 28), nullptr);      // 5/7-digit sums only
    EXPECT_NE(seven.FindItem(1, 63), nullptr);
    EXPECT_GT(seven.CategoryCount(), three.CategoryCount());
    bool hidden = false;
    for (const auto& category : three.Categories())
        hidden = hidden || (category.record.flags & vesk::catalogue::kHiddenFlag);
    EXPECT_TRUE(hidden);
}

} // namespace
