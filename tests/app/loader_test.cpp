// Name records to libraries, and the loader with the real sample sibling module.
#include "app/services/component_loader.h"
#include "app/services/host_object.h"
#include "app/services/library_name.h"
#include "host/feature_module_interface.h"
#include "module/sibling_modules.h"
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
        {"VeskFeature.dll", "libveskfeature.so"},
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
    EXPECT_EQ(loader.Load(ModuleNameRecord::Make("VeskFeature.dll", "IVeskUnknown")), nullptr);
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
    EXPECT_EQ(game->GetNumberLength(1), 3);
    EXPECT_EQ(game->GetListKey(), 61);
    EXPECT_LT(game->GetNumberLength(0), game->GetNEnd(0));

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

    const ModuleNameRecord unknown = ModuleNameRecord::Make("VeskFeature.dll", "INope");
    entry.instance = reinterpret_cast<void*>(0x1);
    EXPECT_EQ(host.LoadComponent(&unknown, &entry), 0);
    EXPECT_EQ(entry.instance, nullptr);
    EXPECT_EQ(host.LoadComponent(nullptr, &entry), 0);
}

TEST(SampleFeature, WindowShowsTheFeatureAndItsArguments)
{
    ComponentLoader loader(PluginFolder());
    QWidget area;
    auto* feature = static_cast<IFeatureModule*>(loader.Load(SiblingModule(SiblingRow::Lookup)));
    ASSERT_NE(feature, nullptr);
    feature->Initialize(nullptr, reinterpret_cast<WindowHandle>(&area));
    feature->Open(6, 0x1234, 0, 0);
    auto* window = reinterpret_cast<QWidget*>(feature->GetWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &area);
    EXPECT_EQ(window->findChild<QWidget*>(QStringLiteral("featureTitle"))->property("text").toString(),
              QStringLiteral("号码查询"));
    EXPECT_TRUE(window->findChild<QWidget*>(QStringLiteral("featureDetails"))
                    ->property("text").toString().contains(QStringLiteral("模块：0x1234")));
    feature->Show(0);
    EXPECT_TRUE(window->isHidden());
    EXPECT_TRUE(loader.Release(feature));
    EXPECT_TRUE(area.findChildren<QWidget*>().isEmpty());
}

} // namespace
} // namespace vesk::app
