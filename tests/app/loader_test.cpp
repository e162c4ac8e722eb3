// Name records to libraries, and the loader with the real sample sibling module.
#include "app/services/component_loader.h"
#include "app/services/host_object.h"
#include "app/services/library_name.h"
#include "host/feature_module_interface.h"
#include "host/sibling_modules.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace vesk::app {
namespace {

using test::PluginFolder;

TEST(LibraryName, MapsFileNamesToPluginLibraries)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3DVesk.dll", "lib3dvesk.so"},
        {"Vesk.dll", "libvesk.so"},
        {"RyxGrid.dll", "libryxgrid.so"},
        {"VeskQuery.dll", "libveskquery.so"},
        {"Plain", "libplain.so"},
        {"my.tool.dll", "libmy.tool.so"},
    };
    for (const auto& [file, library] : cases)
        EXPECT_EQ(LibraryFileName(ModuleNameRecord::Make(file, "IAny")), library) << file;

    for (const char* file : {"", ".dll", ".hidden.dll", "../evil.dll", "a/b.dll", "a\\b.dll", "sp ace.dll"})
        EXPECT_EQ(LibraryFileName(ModuleNameRecord::Make(file, "IAny")), std::nullopt) << file;
}

TEST(ComponentLoader, LoadsTheSampleForEveryInterfaceName)
{
    ComponentLoader loader(PluginFolder());
    for (const ModuleNameRecord& record : kSiblingModules) {
        void* instance = loader.Load(record);
        ASSERT_NE(instance, nullptr) << record.interfaceName << ": " << loader.LastError();
        auto* feature = static_cast<IFeatureModule*>(instance);
        EXPECT_EQ(feature->Open(6, 0, 0, 0), 1);
        EXPECT_EQ(feature->Initialize(nullptr, 0), 1);
        EXPECT_NE(feature->GetWindow(), 0);
        EXPECT_TRUE(loader.Release(instance));
    }
    EXPECT_EQ(loader.LiveCount(), 0u);
}

TEST(ComponentLoader, RefusesWhatItCannotServe)
{
    ComponentLoader loader(PluginFolder());
    EXPECT_EQ(loader.Load(ModuleNameRecord::Make("VeskQuery.dll", "IVeskUnknown")), nullptr);
    EXPECT_NE(loader.LastError().find("IVeskUnknown"), std::string::npos);

    // A record equal to a known one except for a byte after its terminator.
    ModuleNameRecord padded = kSiblingModules[1];
    padded.interfaceName[15] = 'x';
    EXPECT_EQ(loader.Load(padded), nullptr);

    EXPECT_EQ(loader.Load(ModuleNameRecord::Make("Missing.dll", "IMissing")), nullptr);
    EXPECT_NE(loader.LastError().find("libmissing.so"), std::string::npos);
    EXPECT_EQ(loader.Load(ModuleNameRecord::Make("../x.dll", "IX")), nullptr);

    int notAnInstance = 0;
    EXPECT_FALSE(loader.Release(&notAnInstance));
    EXPECT_FALSE(loader.Release(nullptr));
    EXPECT_EQ(loader.LiveCount(), 0u);
}

TEST(ComponentLoader, ModuleRefusesEveryAlteredNameByte)
{
    ComponentLoader loader(PluginFolder());
    for (std::size_t i = 0; i < sizeof(ModuleNameRecord); ++i) {
        ModuleNameRecord altered = kModuleName;
        reinterpret_cast<unsigned char*>(&altered)[i] ^= 0x20;
        if (LibraryFileName(altered) != LibraryFileName(kModuleName))
            continue; // names another library (or none): not the module's refusal
        EXPECT_EQ(loader.Load(altered), nullptr) << "byte " << i;
    }
    void* module = loader.Load(kModuleName);
    ASSERT_NE(module, nullptr) << loader.LastError();
    EXPECT_TRUE(loader.Release(module));
    EXPECT_EQ(loader.LiveCount(), 0u);
}

TEST(HostObject, HandsOutServicesAndLoadsIntoHolders)
{
    test::TempFolder root;
    HostObject host({HostPaths::UnderRoot(root.Path()), PluginFolder(), ""});
    EXPECT_EQ(host.GetService(kServiceEnvironment), static_cast<IEnvironmentService*>(&host.Environment()));
    EXPECT_EQ(host.GetService(kServiceAnalysis), static_cast<IAnalysisService*>(&host.Analysis()));
    EXPECT_EQ(host.GetService(kServiceDigitPad), static_cast<IDigitPadService*>(&host.Pad()));
    EXPECT_NE(host.GetService(kServiceGame), nullptr);
    EXPECT_NE(host.GetService(kServiceText), nullptr);
    EXPECT_EQ(host.GetService(5), nullptr);

    auto* game = static_cast<IGameService*>(host.GetService(kServiceGame));
    EXPECT_EQ(game->GetNumberLength(kDigitsPerNumber), 3);
    EXPECT_EQ(game->GetListKey(), 61);
    EXPECT_LT(game->GetNumberLength(kFirstOfNCodes), game->GetNEnd(kFirstOfNCodes));

    // The holder is the first word of a caller's entry; what follows is left alone.
    struct Entry {
        void* instance = reinterpret_cast<void*>(0x1);
        std::int32_t releaseFlag = 7;
    } entry;
    EXPECT_EQ(host.LoadComponent(&kSiblingModules[0], &entry), 1);
    ASSERT_NE(entry.instance, nullptr);
    EXPECT_EQ(entry.releaseFlag, 7);
    EXPECT_EQ(host.ReleaseComponent(&entry), 1);
    EXPECT_EQ(entry.instance, nullptr);
    EXPECT_EQ(host.ReleaseComponent(&entry), 0);

    const ModuleNameRecord unknown = ModuleNameRecord::Make("VeskQuery.dll", "INope");
    entry.instance = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(host.LoadComponent(&unknown, &entry), 0);
    EXPECT_EQ(entry.instance, nullptr);
    EXPECT_EQ(host.LoadComponent(nullptr, &entry), 0);
}

TEST(FeatureLibraries, EveryRowLoadsAWindowThatGoesWithTheFeature)
{
    ComponentLoader loader(PluginFolder());
    QWidget area;
    // Each row with a code it serves; rows 6-8 are opened before they are
    // initialised, the others after.
    const std::pair<SiblingRow, std::uint32_t> rows[] = {
        {SiblingRow::Omission, 4},       {SiblingRow::Lookup, 6},         {SiblingRow::Pattern, 7},
        {SiblingRow::Straight, 5},       {SiblingRow::StateTable, 9},     {SiblingRow::SmartPick, 0x30},
        {SiblingRow::PickHelper, 55},    {SiblingRow::Toolkit, 0x50},     {SiblingRow::BankerCheck, 96},
        {SiblingRow::Formula, 97},
    };
    for (const auto& [row, code] : rows) {
        SCOPED_TRACE(code);
        auto* feature = static_cast<IFeatureModule*>(loader.Load(SiblingModule(row)));
        ASSERT_NE(feature, nullptr);
        const bool codeOnly = row == SiblingRow::SmartPick || row == SiblingRow::PickHelper || row == SiblingRow::Toolkit;
        if (codeOnly)
            feature->Open(code, 0, 0, 0);
        feature->Initialize(nullptr, reinterpret_cast<WindowHandle>(&area));
        if (!codeOnly)
            feature->Open(code, 0, 0, 0);
        feature->Show(5);
        auto* window = reinterpret_cast<QWidget*>(feature->GetWindow());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->parentWidget(), &area);
        EXPECT_TRUE(window->isVisibleTo(&area));
        feature->Show(0);
        EXPECT_TRUE(window->isHidden());
        EXPECT_TRUE(loader.Release(feature));
        EXPECT_TRUE(area.findChildren<QWidget*>().isEmpty()) << "the window goes with its feature";
    }
}

} // namespace
} // namespace vesk::app
