#include "module/core/program_search.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesk {
namespace {

namespace fs = std::filesystem;

TEST(ProgramSearch, FirstExecutableInPreferenceThenPathOrder)
{
    const test::TempFolder folder;
    const fs::path root = folder.Path();
    fs::create_directories(root / "a");
    fs::create_directories(root / "b");
    auto make = [&](const fs::path& file, bool executable) {
        std::ofstream(file) << "#!/bin/sh\n";
        fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read);
    };
    make(root / "a" / "kcalc", false);      // not executable: skipped
    make(root / "b" / "kcalc", true);
    make(root / "b" / "xcalc", true);
    fs::create_directories(root / "a" / "gnome-calculator"); // a folder, not a program

    const std::string path = (root / "a").string() + ":" + (root / "b").string();
    EXPECT_EQ(FindProgram(path, kCalculatorPrograms), (root / "b" / "kcalc").string());
    const char* onlyX[] = {"xcalc"};
    EXPECT_EQ(FindProgram(path, onlyX), (root / "b" / "xcalc").string());
    EXPECT_EQ(FindProgram((root / "a").string(), kCalculatorPrograms), std::nullopt);
    EXPECT_EQ(FindProgram("", {}), std::nullopt);
}

} // namespace
} // namespace vesk
