// Option records, the host's settings and its directories on a temporary root.
#include "application/column_defaults.h"
#include "app/services/environment_service.h"
#include "application/option_ids.h"
#include "app/services/option_store.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <vector>

namespace vesk::app {
namespace {

namespace fs = std::filesystem;

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(OptionStore, RoundTripIsByteExactAndSurvivesANewStore)
{
    test::TempFolder root;
    const Bytes record = {1, 0, '*', 0, 0xFF, 0x00, 0x7F};
    {
        OptionStore store(root.Path());
        ASSERT_TRUE(store.Write(kOptionResultOptions, record).ok);
        EXPECT_EQ(store.Read(kOptionResultOptions), record);
    }
    OptionStore again(root.Path());
    EXPECT_EQ(again.Read(kOptionResultOptions), record);
    EXPECT_EQ(again.Read(4202), std::nullopt);
}

TEST(OptionStore, FailedWriteKeepsTheOldRecord)
{
    test::TempFolder root;
    OptionStore store(root.Path());
    const Bytes old = {1, 2, 3, 4, 5, 6, 7};
    ASSERT_TRUE(store.Write(kOptionResultOptions, old).ok);

    FileResult result;
    {
        // The disk fills up during the write.
        InjectedFileFailure full(FileStep::Write, ENOSPC);
        result = store.Write(kOptionResultOptions, Bytes{9, 9, 9, 9, 9, 9, 9});
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.empty());
    EXPECT_EQ(store.Read(kOptionResultOptions), old);
    EXPECT_EQ(OptionStore(root.Path()).Read(kOptionResultOptions), old);
    // No temporary file is left beside the record.
    EXPECT_EQ(std::distance(fs::directory_iterator(root.Path()), fs::directory_iterator()), 1);
}

TEST(OptionStore, RefusesRecordsLongerThanTheirReadersHold)
{
    test::TempFolder root;
    OptionStore store(root.Path());
    EXPECT_FALSE(store.Write(kOptionResultOptions, Bytes(8, 1)).ok);
    EXPECT_FALSE(store.Write(kOptionShownColumns, Bytes(12 * kColumnRecordSize, 1)).ok);
    EXPECT_TRUE(store.Write(kOptionShownColumns, Bytes(11 * kColumnRecordSize, 1)).ok);
    // A record file grown outside the host is treated as absent, not read past.
    WriteText(store.PathOf(kOptionEditorColumns), std::string(9, 'x'));
    EXPECT_EQ(OptionStore(root.Path()).Read(kOptionEditorColumns), std::nullopt);
}

// Sets environment variables for one scope and puts the old values back.
class ScopedEnvironment {
public:
    void Set(const char* name, const char* value)
    {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
            it->second ? ::setenv(it->first.c_str(), it->second->c_str(), 1) : ::unsetenv(it->first.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(HostPaths, FollowTheXdgRules)
{
    ScopedEnvironment environment;
    environment.Set("HOME", "/home/user");
    environment.Set("XDG_DATA_HOME", "/data/");
    environment.Set("XDG_STATE_HOME", "relative/state"); // relative: ignored
    environment.Set("XDG_CONFIG_HOME", nullptr);
    const HostPaths paths = HostPaths::FromEnvironment();
    EXPECT_EQ(paths.data, "/data/3dvesk/");
    EXPECT_EQ(paths.state, "/home/user/.local/state/3dvesk/");
    EXPECT_EQ(paths.options, "/home/user/.config/3dvesk/options/");
    EXPECT_EQ(HostPaths::UnderRoot("/tmp/x").data, "/tmp/x/data/");
}

class EnvironmentTest : public ::testing::Test {
protected:
    test::TempFolder root;
    HostPaths paths = HostPaths::UnderRoot(root.Path());
};

TEST_F(EnvironmentTest, DirectoriesAreCreatedAndEndInSlash)
{
    EnvironmentService environment(paths, "");
    const std::string data = environment.GetDirectory(kDataDirectory);
    const std::string state = environment.GetDirectory(kStateDirectory);
    EXPECT_EQ(data, paths.data);
    EXPECT_EQ(state, paths.state);
    EXPECT_EQ(data.back(), '/');
    EXPECT_EQ(state.back(), '/');
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_TRUE(fs::is_directory(state));
}

TEST_F(EnvironmentTest, CatalogueIsCopiedOnceAndNeverOverwritten)
{
    const std::string source = root.Path() + "built.dat";
    WriteText(source, "RYXFCFH catalogue");
    {
        EnvironmentService environment(paths, source);
        environment.GetDirectory(kDataDirectory);
        EXPECT_EQ(ReadText(paths.data + "S3Cdt.dat"), "RYXFCFH catalogue");
    }
    WriteText(paths.data + "S3Cdt.dat", "the user's own");
    EnvironmentService environment(paths, source);
    environment.GetDirectory(kDataDirectory);
    EXPECT_EQ(ReadText(paths.data + "S3Cdt.dat"), "the user's own");
}

TEST_F(EnvironmentTest, OptionsThroughTheServiceSlots)
{
    EnvironmentService environment(paths, "");
    const std::uint8_t editor[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_EQ(environment.WriteOption(kOptionEditorColumns, 8, editor), 1);
    std::uint8_t buffer[16] = {};
    EXPECT_EQ(environment.ReadOption(kOptionEditorColumns, buffer), 8);
    EXPECT_EQ(std::memcmp(buffer, editor, 8), 0);
    EXPECT_EQ(environment.ReadOption(kOptionEditorColumns, nullptr), 8);

    EXPECT_EQ(environment.WriteOption(kOptionResultOptions, 8, editor), 0);
    EXPECT_FALSE(environment.LastError().empty());
    EXPECT_EQ(environment.WriteOption(kOptionResultOptions, -1, editor), 0);
    EXPECT_EQ(environment.WriteOption(kOptionResultOptions, 7, nullptr), 0);
    EXPECT_EQ(environment.ReadOption(kOptionResultOptions, buffer), 0);
}

TEST_F(EnvironmentTest, KeepConditionsWrittenThroughTheSlotIsWhatIsReadBack)
{
    EnvironmentService environment(paths, "");
    for (std::uint8_t keep : {1, 0, 1}) {
        ASSERT_EQ(environment.WriteOption(kOptionKeepConditions, 1, &keep), 1);
        std::uint8_t read = 9;
        EXPECT_EQ(environment.ReadOption(kOptionKeepConditions, &read), keep);
        EXPECT_EQ(read, keep);
        EXPECT_EQ(EnvironmentService(paths, "").ReadOption(kOptionKeepConditions, nullptr), keep);
    }
}

TEST_F(EnvironmentTest, DefaultColumnsUntilTheUserArrangesThem)
{
    EnvironmentService environment(paths, "");
    std::uint8_t shown[11 * kColumnRecordSize] = {};
    ASSERT_EQ(environment.ReadOption(kOptionShownColumns, shown), 8 * 36);
    EXPECT_EQ(shown[0], 0); // attribute index 0, little-endian
    EXPECT_EQ(shown[36], 1);
    // "和值" in GBK, NUL-terminated.
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(shown + 4)), "\xBA\xCD\xD6\xB5");
    std::uint8_t hidden[11 * kColumnRecordSize] = {};
    ASSERT_EQ(environment.ReadOption(kOptionHiddenColumns, hidden), 3 * 36);
    EXPECT_EQ(hidden[0], 8);

    const Bytes arranged = MakeColumnRecords(std::array{10, 0});
    ASSERT_EQ(environment.WriteOption(kOptionShownColumns, static_cast<SlotInt>(arranged.size()),
                                      arranged.data()), 1);
    EXPECT_EQ(EnvironmentService(paths, "").ReadOption(kOptionShownColumns, shown), 72);
    EXPECT_EQ(shown[0], 10);
}

TEST_F(EnvironmentTest, HostSettingsSurviveARestart)
{
    {
        EnvironmentService environment(paths, "");
        EXPECT_EQ(environment.ReadOption(kOptionKeepConditions, nullptr), 1);
        EXPECT_EQ(environment.GetHostVariant(), 0);
        EXPECT_TRUE(environment.SetKeepConditions(false));
        EXPECT_TRUE(environment.SetHostVariant(12));
    }
    EnvironmentService environment(paths, "");
    EXPECT_EQ(environment.ReadOption(kOptionKeepConditions, nullptr), 0);
    EXPECT_EQ(environment.GetHostVariant(), 12);
}

} // namespace
} // namespace vesk::app
