// The real lib3dvesk.so, loaded with dlopen as the host loads it, driven
// through its exports and the module interface with the real host services
// on a temporary folder and a recording sibling module library.
#include "app/services/host_object.h"
#include "framework/scripted_interaction.h"
#include "framework/messages.h"
#include "framework/win_structs.h"
#include "framework/styles.h"
#include "host/module_interface.h"
#include "module/catalogue/catalogue_source.h"
#include "host/sibling_modules.h"
#include "numbers/uint_array.h"
#include "tests/module/fake_tree.h"
#include "tests/support/temp_folder.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vesk {
namespace {

namespace fs = std::filesystem;
using test::FakeTree;
using ::testing::ElementsAre;

std::string BinaryDir()
{
    const char* dir = std::getenv("VESK_BINARY_DIR");
    return dir ? dir : ".";
}

// The plug-in library, opened once for the whole test run.
struct Plugin {
    Plugin()
    {
        handle = ::dlopen((BinaryDir() + "/plugins/lib3dvesk.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return;
        create = reinterpret_cast<DllCreateInstanceFn>(::dlsym(handle, "DllCreateInstance"));
        release = reinterpret_cast<DllReleaseInstanceFn>(::dlsym(handle, "DllReleaseInstance"));
    }
    void* handle = nullptr;
    DllCreateInstanceFn create = nullptr;
    DllReleaseInstanceFn release = nullptr;
};

Plugin& ThePlugin()
{
    static Plugin plugin;
    return plugin;
}

constexpr const char* kTestCatalogue = R"(
category 1 "和值"
  group
    item 0 "和值0"
    item 1 "和值1" hidden
  group "组"
    item 2 "named"
  group "all hidden"
    item 3 "x" hidden
  group "hidden group" hidden
    item 4 "x"
category 2 "hidden category" hidden
  group
    item 1 "x"
category 3 "emptied"
  group
    item 1 "x" hidden
category 4 "five and seven" for=5,7
  group
    item 1 "x"
)";

// The game of the real host, with the number length and the N range replaced.
class AlteredGame final : public IGameService {
public:
    explicit AlteredGame(IGameService& real) : m_real(real) {}
    SlotInt GetAttributeContext(SlotInt which) override { return m_real.GetAttributeContext(which); }
    SlotInt GetListKey() override { return m_real.GetListKey(); }
    SlotInt GetListSubKey() override { return m_real.GetListSubKey(); }
    SlotInt GetNumberLength(SlotInt which) override { return which == 1 ? digits : firstN; }
    SlotInt GetNEnd(SlotInt) override { return endN; }
    SlotInt GetAttribute(SlotInt a, SlotInt k, SlotInt c, const std::uint8_t* d) override
    {
        return m_real.GetAttribute(a, k, c, d);
    }
    SlotInt digits = 3, firstN = 3, endN = 10;

private:
    IGameService& m_real;
};

class AlteredHost final : public IHostObject {
public:
    explicit AlteredHost(app::HostObject& real)
        : m_real(real), game(*static_cast<IGameService*>(real.GetService(kServiceGame)))
    {
    }
    void* GetService(SlotInt index) override
    {
        return index == kServiceGame ? static_cast<IGameService*>(&game) : m_real.GetService(index);
    }
    SlotInt LoadComponent(const ModuleNameRecord* n, void* h) override { return m_real.LoadComponent(n, h); }
    SlotInt ReleaseComponent(void* h) override { return m_real.ReleaseComponent(h); }
    WindowHandle GetFeatureWindow(SlotInt w) override { return m_real.GetFeatureWindow(w); }
    SlotInt OpenFeatureByName(const char* n, SlotInt a) override { return m_real.OpenFeatureByName(n, a); }

private:
    app::HostObject& m_real;

public:
    AlteredGame game;
};

class ModulePlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(ThePlugin().handle, nullptr) << ::dlerror();
        ASSERT_NE(ThePlugin().create, nullptr);
        ASSERT_NE(ThePlugin().release, nullptr);

        m_root = m_folder.Path();
        m_log = (m_root / "sibling.log").string();
        ::setenv("VESK_SIBLING_LOG", m_log.c_str(), 1);

        const auto parsed = catalogue::ParseSource(kTestCatalogue);
        const auto bytes = catalogue::SerializeCatalogue(*parsed.source);
        const fs::path catalogueFile = m_root / "S3Cdt.dat";
        std::ofstream(catalogueFile, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

        app::HostConfig config{app::HostPaths::UnderRoot((m_root / "home").string()),
                               BinaryDir() + "/tests/module/plugin/siblings", catalogueFile.string()};
        m_host = std::make_unique<app::HostObject>(std::move(config));
        m_area.resize(800, 600);
        m_area.show();
    }

    void TearDown() override
    {
        if (m_module)
            ThePlugin().release(reinterpret_cast<void**>(&m_module));
        m_host.reset();
        ::unsetenv("VESK_SIBLING_LOG");
    }

    IModule* Create(IHostObject* host = nullptr)
    {
        void* out = nullptr;
        EXPECT_EQ(ThePlugin().create(&kModuleName, &out), 1);
        m_module = static_cast<IModule*>(out);
        m_loaded = m_module->Initialize(host ? host : m_host.get(), reinterpret_cast<WindowHandle>(&m_area));
        return m_module;
    }

    std::vector<std::string> TakeSiblingLog()
    {
        std::vector<std::string> lines;
        std::ifstream in(m_log);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        fs::remove(m_log);
        return lines;
    }

    test::TempFolder m_folder;
    fs::path m_root;
    std::string m_log;
    std::unique_ptr<app::HostObject> m_host;
    QWidget m_area;
    IModule* m_module = nullptr;
    SlotInt m_loaded = -1;
};

TEST_F(ModulePlugin, ExportsRefuseAnyOtherNameRecord)
{
    for (std::size_t byte = 0; byte < sizeof(ModuleNameRecord); ++byte) {
        ModuleNameRecord altered = kModuleName;
        reinterpret_cast<char*>(&altered)[byte] ^= 0x20;
        void* out = &m_area;
        EXPECT_EQ(ThePlugin().create(&altered, &out), 0) << byte;
        EXPECT_EQ(out, &m_area) << byte;
    }

    // Release asks the instance for its name; an instance that answers with
    // a differing record is left alone.
    struct Impostor final : IModule {
        SlotInt QueryModule(IModule**) override { return 0; }
        SlotInt GetModuleName(ModuleNameRecord* buffer) override
        {
            *buffer = kModuleName;
            reinterpret_cast<char*>(buffer)[byte] ^= 1;
            return 1;
        }
        SlotInt Initialize(IHostObject*, WindowHandle) override { return 0; }
        SlotInt AttachTree(ITreeControl*) override { return 0; }
        WindowHandle OpenFeature(std::uint32_t, std::uint32_t) override { return 0; }
        void CloseFeature(std::int32_t) override {}
        void RefreshFeature() override {}
        SlotInt PreTranslateMessage(void*) override { return 0; }
        void ShowFeature(SlotInt) override {}
        SlotInt GetCategoryCount() override { return 0; }
        const void* GetCategory(std::uint16_t, SlotInt) override { return nullptr; }
        const void* FindCatalogueItem(std::uint16_t, std::uint16_t, const void**, const void**) override
        {
            return nullptr;
        }
        SlotInt GetEditorNumbers(SlotInt, void*) override { return 0; }
        void Destroy(SlotInt) override { ++destroyed; }
        SlotInt FillFeatureTree(ITreeControl*) override { return 0; }
        SlotInt FillShortTree(ITreeControl*) override { return 0; }
        std::size_t byte = 0;
        int destroyed = 0;
    } impostor;
    for (impostor.byte = 0; impostor.byte < sizeof(ModuleNameRecord); ++impostor.byte) {
        void* ref = static_cast<IModule*>(&impostor);
        EXPECT_EQ(ThePlugin().release(&ref), 0);
        EXPECT_EQ(ref, static_cast<IModule*>(&impostor));
    }
    EXPECT_EQ(impostor.destroyed, 0);

    void* null = nullptr;
    EXPECT_EQ(ThePlugin().release(&null), 0);
    EXPECT_EQ(ThePlugin().release(nullptr), 0);

    void* out = nullptr;
    ASSERT_EQ(ThePlugin().create(&kModuleName, &out), 1);
    ModuleNameRecord name{};
    static_cast<IModule*>(out)->GetModuleName(&name);
    EXPECT_TRUE(name == kModuleName);
    EXPECT_NE(ThePlugin().release(&out), 0);
    EXPECT_EQ(out, nullptr);
}

TEST_F(ModulePlugin, MainTreeGraftsTheVisibleCatalogue)
{
    Create();
    EXPECT_EQ(m_loaded, 1);
    EXPECT_EQ(m_module->GetCategoryCount(), 3); // the 5/7-digit category is not for this game
    FakeTree tree;
    ASSERT_EQ(m_module->AttachTree(&tree), 1);
    const std::string omission = tree.Dump(tree.Find("遗漏列表（分布）"));
    EXPECT_EQ(omission.substr(0, omission.find("单选号码")), "和值 [0]\n"
                                                          "  和值0 [10000]\n"
                                                          "  组 [0]\n"
                                                          "    named [10002]\n");
    EXPECT_EQ(tree.Dump(tree.Find("N码遗漏")), "3码遗漏 [1002]\n4码遗漏 [1003]\n5码遗漏 [1004]\n"
                                                 "6码遗漏 [1005]\n7码遗漏 [1006]\n8码遗漏 [1007]\n"
                                                 "9码遗漏 [1008]\n");
    EXPECT_EQ(tree.GetCaret(), tree.GetRoot());
}

TEST_F(ModulePlugin, GameWithoutMaskOrNRangeShowsNeither)
{
    AlteredHost host(*m_host);
    host.game.digits = 4;
    host.game.firstN = 5;
    host.game.endN = 5;
    Create(&host);
    EXPECT_EQ(m_loaded, 1);
    EXPECT_EQ(m_module->GetCategoryCount(), 0);
    FakeTree tree;
    m_module->AttachTree(&tree);
    EXPECT_EQ(tree.At(tree.GetChild(tree.Find("遗漏列表（分布）"))).text, "单选号码");
    EXPECT_EQ(tree.GetChild(tree.Find("N码遗漏")), 0);
}

TEST_F(ModulePlugin, ShortTreeUnderVariantTwelve)
{
    m_host->Environment().SetHostVariant(12);
    Create();
    FakeTree tree;
    m_module->AttachTree(&tree);
    EXPECT_EQ(tree.Dump(), "软件功能列表 [FFFFFFFF]\n  胆杀验证 [60]\n  公式搜索（开发中） [61]\n"
                           "  公式管理（开发中） [62]\n  胆杀组号（开发中） [63]\n");
}

TEST_F(ModulePlugin, RebuiltTreeSelectsTheRememberedPosition)
{
    Create();
    FakeTree tree;
    m_module->AttachTree(&tree);
    tree.SelectCaret(tree.Find("named"));
    m_module->ShowFeature(0);
    tree.DeleteAllItems();
    m_module->AttachTree(&tree);
    EXPECT_EQ(tree.At(tree.GetCaret()).text, "named");
    // The restored selection itself opens nothing.
    EXPECT_EQ(m_module->OpenFeature(tree.GetItemData(tree.GetCaret()), 0x10002), 0);
    EXPECT_TRUE(TakeSiblingLog().empty());

    tree.SelectCaret(tree.Find("计算器"));
    m_module->ShowFeature(0);
    m_host->Environment().SetHostVariant(12);
    FakeTree shorter;
    m_module->AttachTree(&shorter);
    EXPECT_EQ(shorter.GetCaret(), shorter.GetRoot());
}

TEST_F(ModulePlugin, WorkbenchFillsTheFeatureAreaAndHidesForSiblings)
{
    Create();
    const WindowHandle handle = m_module->OpenFeature(1, 0);
    ASSERT_NE(handle, 0);
    auto* workbench = reinterpret_cast<QWidget*>(handle);
    EXPECT_EQ(workbench->parentWidget(), &m_area);
    EXPECT_TRUE(workbench->isVisible());
    EXPECT_EQ(workbench->geometry(), m_area.rect());
    const QImage picture = workbench->grab().toImage();
    EXPECT_EQ(picture.pixelColor(10, 10), QColor(250, 252, 254));
    EXPECT_EQ(picture.pixelColor(picture.width() - 2, picture.height() - 2), QColor(250, 252, 254));

    const WindowHandle sibling = m_module->OpenFeature(6, 0);
    EXPECT_NE(sibling, 0);
    EXPECT_FALSE(workbench->isVisible());
    EXPECT_EQ(m_module->OpenFeature(1, 0), handle); // the same window again
    EXPECT_TRUE(workbench->isVisible());
    EXPECT_THAT(TakeSiblingLog(), ElementsAre("create IVeskLookup", "IVeskLookup.init(host)",
                                              "IVeskLookup.open(6,ptr,ptr,0)", "IVeskLookup.show(5)",
                                              "release IVeskLookup"));
    // The editor page answers: an empty text is present nowhere.
    C3DUIntArray array;
    EXPECT_EQ(m_module->GetEditorNumbers(0x101B, &array), 1);
    EXPECT_EQ(array.GetSize(), 1000u);

    // Dialog keys offered by the host do not close the pane.
    for (WPARAM key : {WPARAM{VK_ESCAPE}, WPARAM{VK_RETURN}}) {
        MSG msg{workbench, WM_KEYDOWN, key, 0, 0, {}};
        m_module->PreTranslateMessage(&msg);
        EXPECT_TRUE(workbench->isVisible()) << key;
    }
    MSG click{&m_area, WM_LBUTTONDOWN, 0, 0, 0, {}};
    EXPECT_EQ(m_module->PreTranslateMessage(&click), 0);
}

TEST_F(ModulePlugin, EverySiblingRowOpensWithItsCallsAndUnloadsOnSwitch)
{
    Create();
    struct Case {
        std::uint32_t code, subCode;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {0x80000002, 0x10000, {"create IVeskOmission", "IVeskOmission.init(host)",
                               "IVeskOmission.open(80000002,10000,ptr,ptr)", "IVeskOmission.show(5)"}},
        {5, 0, {"release IVeskOmission", "create IVeskStraight", "IVeskStraight.init(host)",
                "IVeskStraight.open(5,ptr,ptr,0)", "IVeskStraight.show(5)"}},
        {0x35, 0, {"release IVeskStraight", "create IVeskSmartPick", "IVeskSmartPick.open(35,0,0,0)",
                   "IVeskSmartPick.init(host)", "IVeskSmartPick.show(5)"}},
        {0x52, 0, {"release IVeskSmartPick", "create IVeskToolkit", "IVeskToolkit.open(52,0,0,0)",
                   "IVeskToolkit.init(host)", "IVeskToolkit.show(5)"}},
        {96, 0, {"release IVeskToolkit", "create IVeskBankerChk", "IVeskBankerChk.init(host)",
                 "IVeskBankerChk.open(60,ptr,ptr,0)", "IVeskBankerChk.show(5)"}},
        {0x1002, 0, {"release IVeskBankerChk"}},
    };
    for (const Case& c : cases) {
        const WindowHandle window = m_module->OpenFeature(c.code, c.subCode);
        EXPECT_EQ(window != 0, c.calls.size() > 1) << std::hex << c.code;
        EXPECT_EQ(TakeSiblingLog(), c.calls) << std::hex << c.code;
    }
    EXPECT_EQ(m_module->OpenFeature(0x80000002, 0), 0); // a folder without a leaf
    EXPECT_TRUE(TakeSiblingLog().empty());
}

TEST_F(ModulePlugin, BankerCheckStaysLoadedUnderVariantTwelve)
{
    m_host->Environment().SetHostVariant(12);
    Create();
    m_module->OpenFeature(96, 0);
    m_module->OpenFeature(97, 0);
    m_module->OpenFeature(96, 0);
    EXPECT_THAT(TakeSiblingLog(),
                ElementsAre("create IVeskBankerChk", "IVeskBankerChk.init(host)", "IVeskBankerChk.open(60,ptr,ptr,0)",
                            "IVeskBankerChk.show(5)", "IVeskBankerChk.show(0)", "create IVeskFormula",
                            "IVeskFormula.init(host)", "IVeskFormula.open(61,ptr,ptr,0)", "IVeskFormula.show(5)",
                            "release IVeskFormula", "IVeskBankerChk.init(host)",
                            "IVeskBankerChk.open(60,ptr,ptr,0)", "IVeskBankerChk.show(5)"));
    m_module->CloseFeature(-1);
    EXPECT_THAT(TakeSiblingLog(), ElementsAre("release IVeskBankerChk"));
}

TEST_F(ModulePlugin, CalculatorStartsTheFirstOneOnThePath)
{
    const fs::path bin = m_root / "bin";
    fs::create_directories(bin);
    const fs::path marker = m_root / "calculator-ran";
    {
        std::ofstream script(bin / "galculator");
        script << "#!/bin/sh\necho run >> '" << marker.string() << "'\n";
    }
    fs::permissions(bin / "galculator", fs::perms::owner_all);
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", bin.c_str(), 1);

    Create();
    const WindowHandle workbench = m_module->OpenFeature(1, 0);
    EXPECT_EQ(m_module->OpenFeature(85, 0), 0);
    EXPECT_EQ(m_module->OpenFeature(85, 0), 0);
    ::setenv("PATH", savedPath.c_str(), 1);
    EXPECT_TRUE(reinterpret_cast<QWidget*>(workbench)->isVisible());

    std::size_t runs = 0;
    for (int wait = 0; wait < 200 && runs < 2; ++wait) {
        std::ifstream in(marker);
        runs = 0;
        for (std::string line; std::getline(in, line);)
            ++runs;
        if (runs < 2)
            ::usleep(10000);
    }
    EXPECT_EQ(runs, 2u);
}

TEST_F(ModulePlugin, FeaturesUnderDevelopmentSayWhyInAnInformationBox)
{
    ScriptedInteraction interaction;
    interaction.QueueMessageBoxAnswer(IDOK);
    interaction.QueueMessageBoxAnswer(IDOK);
    Create();
    m_module->OpenFeature(6, 0);
    EXPECT_EQ(m_module->OpenFeature(98, 0), -1);
    EXPECT_EQ(m_module->OpenFeature(99, 0), -1);
    ASSERT_EQ(interaction.MessageBoxes().size(), 2u);
    for (const MessageBoxRequest& box : interaction.MessageBoxes()) {
        EXPECT_EQ(box.parent, nullptr);
        EXPECT_EQ(box.text, "该功能正在开发中");
        EXPECT_EQ(box.caption, "提示信息");
        EXPECT_EQ(box.type & MB_ICONMASK, MB_ICONINFORMATION);
    }
    // The feature open before was closed first.
    EXPECT_EQ(TakeSiblingLog().back(), "release IVeskLookup");
}

TEST_F(ModulePlugin, MissingCalculatorIsReported)
{
    ScriptedInteraction interaction;
    interaction.QueueMessageBoxAnswer(IDOK);
    const fs::path empty = m_root / "empty-bin";
    fs::create_directories(empty);
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", empty.c_str(), 1);
    Create();
    EXPECT_EQ(m_module->OpenFeature(85, 0), 0);
    ::setenv("PATH", savedPath.c_str(), 1);
    ASSERT_EQ(interaction.MessageBoxes().size(), 1u);
    EXPECT_EQ(interaction.MessageBoxes()[0].caption, "提示信息");
    EXPECT_NE(interaction.MessageBoxes()[0].text.find("计算器"), std::string::npos);
}

} // namespace
} // namespace vesk
