#include "module/core/module_instance.h"

#include "application/module_app.h"
#include "module/catalogue/catalogue_source.h"
#include "numbers/number_list.h"
#include "tests/module/fake_tree.h"
#include "tests/module/module_fakes.h"
#include "tests/support/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesk {
namespace {

using test::CallLog;
using test::FakeTree;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr WindowHandle kParent = 42;

class ModuleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto platform = std::make_unique<test::RecordingPlatform>(log);
        m_platform = platform.get();
        instance = std::make_unique<ModuleInstance>(app, std::move(platform));
        host.self = static_cast<IModule*>(instance.get());
    }

    void Initialize()
    {
        instance->Initialize(&host, kParent);
        log.clear();
    }

    // Opens code with the tree's caret on an item that is not remembered.
    WindowHandle Open(std::uint32_t code, std::uint32_t subCode = 0)
    {
        return instance->OpenFeature(code, subCode);
    }

    std::vector<std::string> TakeLog()
    {
        auto taken = std::move(log);
        log.clear();
        return taken;
    }

    CallLog log;
    test::FakeHost host{log};
    ModuleApp app;
    std::unique_ptr<ModuleInstance> instance;
    test::RecordingPlatform& Platform() { return *m_platform; }

private:
    test::RecordingPlatform* m_platform = nullptr;
};

TEST_F(ModuleInstanceTest, InitializeFetchesServicesInOrderAndSetsTheMask)
{
    struct Case {
        SlotInt digits;
        std::uint32_t mask;
    };
    for (const Case& c : {Case{3, 0x2}, Case{5, 0x10002}, Case{7, 0x20002}, Case{4, 0}}) {
        log.clear();
        host.game.digits = c.digits;
        EXPECT_EQ(instance->Initialize(&host, kParent), 0); // no catalogue in the directory
        EXPECT_THAT(log, ElementsAre("service 1", "service 2", "service 10", "service 3", "service 4"));
        EXPECT_EQ(instance->CatalogueMask(), c.mask) << c.digits;
    }
    EXPECT_EQ(app.Host(), &host);
    EXPECT_EQ(app.Game(), &host.game);
}

class CatalogueFolder {
public:
    explicit CatalogueFolder(const char* source)
    {
        const auto parsed = catalogue::ParseSource(source);
        const auto bytes = catalogue::SerializeCatalogue(*parsed.source);
        std::ofstream(m_dir / catalogue::kFileName, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::string Directory() const { return m_folder.Path(); }

private:
    test::TempFolder m_folder;
    std::filesystem::path m_dir = m_folder.Path();
};

constexpr const char* kTwoCategories = R"(
category 7 "first"
  group "g"
    item 1 "one"
category 8 "other" for=5,7
  group
    item 2 "two"
category 7 "again"
  group
    item 3 "three"
)";

TEST_F(ModuleInstanceTest, CatalogueSlotsAnswerFromTheLoadedFile)
{
    const CatalogueFolder folder(kTwoCategories);
    host.environment.directory = folder.Directory();
    ASSERT_EQ(instance->Initialize(&host, kParent), 1);
    EXPECT_EQ(instance->GetCategoryCount(), 2); // "other" is not for 3 digits

    const auto* second = static_cast<const catalogue::Category*>(instance->GetCategory(0, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(catalogue::FieldText(second->record.text), "again");
    EXPECT_EQ(instance->GetCategory(7, -1), instance->GetCategory(0, 0));
    EXPECT_EQ(instance->GetCategory(8, -1), nullptr);
    EXPECT_EQ(instance->GetCategory(0, 2), nullptr);
    EXPECT_EQ(instance->GetCategory(0, -5), nullptr);

    const void* group = nullptr;
    const void* category = nullptr;
    const auto* item = static_cast<const catalogue::ItemRecord*>(instance->FindCatalogueItem(7, 3, &group, &category));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(catalogue::FieldText(item->text), "three");
    EXPECT_EQ(category, second);
    EXPECT_EQ(group, &second->groups[0]);
    EXPECT_EQ(instance->FindCatalogueItem(7, 9, &group, &category), nullptr);

    // A number length without a mask keeps nothing, yet the file was read.
    host.game.digits = 6;
    EXPECT_EQ(instance->Initialize(&host, kParent), 1);
    EXPECT_EQ(instance->GetCategoryCount(), 0);
    FakeTree tree;
    instance->AttachTree(&tree);
    EXPECT_EQ(tree.At(tree.GetChild(tree.Find("遗漏列表（分布）"))).text, "单选号码");
}

TEST_F(ModuleInstanceTest, AttachTreeChoosesTheTreeByHostVariant)
{
    Initialize();
    FakeTree tree;
    ASSERT_EQ(instance->AttachTree(&tree), 1);
    EXPECT_EQ(tree.At(tree.GetRoot()).text, "选号软件功能列表");
    EXPECT_THAT(tree.expanded, ElementsAre(tree.GetRoot()));
    EXPECT_EQ(tree.GetCaret(), tree.GetRoot());
    EXPECT_EQ(tree.focusCount, 1);

    host.environment.variant = 12;
    FakeTree shortTree;
    instance->AttachTree(&shortTree);
    EXPECT_EQ(shortTree.At(shortTree.GetRoot()).text, "软件功能列表");
    EXPECT_EQ(shortTree.GetCaret(), shortTree.GetRoot());
}

TEST_F(ModuleInstanceTest, HiddenFeatureKeepsItsTreePositionAcrossARebuild)
{
    Initialize();
    FakeTree tree;
    instance->AttachTree(&tree);
    const TreeItem lookup = tree.Find("号码查询");
    tree.SelectCaret(lookup);
    ASSERT_NE(Open(6), 0);

    instance->ShowFeature(5); // only hiding remembers where the tree stood
    EXPECT_EQ(instance->RememberedItem(), 0);
    EXPECT_EQ(instance->RememberedOrdinal(), 0u);
    instance->ShowFeature(0);
    const std::uint32_t rank = instance->RememberedOrdinal();
    EXPECT_GT(rank, 0u);
    EXPECT_EQ(instance->RememberedItem(), lookup);

    // The host rebuilds the tree; the selection it restores must not reopen anything.
    tree.DeleteAllItems();
    std::vector<WindowHandle> reopened;
    tree.onSelect = [&](TreeItem item) { reopened.push_back(Open(tree.GetItemData(item))); };
    instance->AttachTree(&tree);
    EXPECT_EQ(tree.At(tree.GetCaret()).text, "号码查询");
    EXPECT_NE(tree.GetCaret(), lookup);
    EXPECT_THAT(reopened, ElementsAre(0));
    EXPECT_EQ(instance->RememberedOrdinal(), 0u);

    // Without another hide a second rebuild starts at the root.
    tree.onSelect = nullptr;
    tree.DeleteAllItems();
    instance->AttachTree(&tree);
    EXPECT_EQ(tree.GetCaret(), tree.GetRoot());

    // A rebuilt tree too short for the remembered rank selects the root.
    tree.SelectCaret(tree.Find("计算器"));
    instance->ShowFeature(0);
    host.environment.variant = 12;
    FakeTree shortTree;
    instance->AttachTree(&shortTree);
    EXPECT_EQ(shortTree.GetCaret(), shortTree.GetRoot());
    EXPECT_EQ(instance->RememberedItem(), 0);

    // The unmatched rank is used up too: the long tree comes back at its root.
    host.environment.variant = 0;
    tree.DeleteAllItems();
    instance->AttachTree(&tree);
    EXPECT_EQ(tree.GetCaret(), tree.GetRoot());
}

TEST_F(ModuleInstanceTest, SiblingRowsAreLoadedAndCalledInTheirOrder)
{
    struct Case {
        std::uint32_t code;
        std::uint32_t subCode;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {4, 0, {"load VeskOmit.dll IVeskOmission", "IVeskOmission.init(host,42)",
                "IVeskOmission.open(4,0,self,analysis)", "move 1001 to 0,0,640,480", "IVeskOmission.show(5)"}},
        {0x80000002, 0x10005, {"load VeskOmit.dll IVeskOmission", "IVeskOmission.init(host,42)",
                               "IVeskOmission.open(80000002,10005,self,analysis)",
                               "move 1001 to 0,0,640,480", "IVeskOmission.show(5)"}},
        {6, 0, {"load VeskQuery.dll IVeskLookup", "IVeskLookup.init(host,42)",
                "IVeskLookup.open(6,self,analysis,0)", "move 1002 to 0,0,640,480", "IVeskLookup.show(5)"}},
        {7, 0, {"load VeskQuery.dll IVeskPattern", "IVeskPattern.init(host,42)",
                "IVeskPattern.open(7,self,analysis,0)", "move 1003 to 0,0,640,480", "IVeskPattern.show(5)"}},
        {5, 0, {"load VeskQuery.dll IVeskStraight", "IVeskStraight.init(host,42)",
                "IVeskStraight.open(5,self,analysis,0)", "move 1004 to 0,0,640,480", "IVeskStraight.show(5)"}},
        {9, 0, {"load VeskQuery.dll IVeskStateTab", "IVeskStateTab.init(host,42)",
                "IVeskStateTab.open(9,self,analysis,0)", "move 1005 to 0,0,640,480", "IVeskStateTab.show(5)"}},
        {0x33, 0, {"load VeskPick.dll IVeskSmartPick", "IVeskSmartPick.open(33,0,0,0)",
                   "IVeskSmartPick.init(host,42)", "move 1006 to 0,0,640,480", "IVeskSmartPick.show(5)"}},
        {55, 0, {"load VeskPick.dll IVeskPickHelp", "IVeskPickHelp.open(37,0,0,0)",
                 "IVeskPickHelp.init(host,42)", "move 1007 to 0,0,640,480", "IVeskPickHelp.show(5)"}},
        {0x54, 0, {"load VeskTools.dll IVeskToolkit", "IVeskToolkit.open(54,0,0,0)",
                   "IVeskToolkit.init(host,42)", "move 1008 to 0,0,640,480", "IVeskToolkit.show(5)"}},
        {96, 0, {"load VeskFormula.dll IVeskBankerChk", "IVeskBankerChk.init(host,42)",
                 "IVeskBankerChk.open(60,self,analysis,0)", "move 1009 to 0,0,640,480", "IVeskBankerChk.show(5)"}},
        {97, 0, {"load VeskFormula.dll IVeskFormula", "IVeskFormula.init(host,42)",
                 "IVeskFormula.open(61,self,analysis,0)", "move 100A to 0,0,640,480", "IVeskFormula.show(5)"}},
    };
    Initialize();
    std::uint32_t previous = 0;
    std::string previousName;
    for (const Case& c : cases) {
        const WindowHandle window = Open(c.code, c.subCode);
        auto calls = TakeLog();
        // The feature opened before is unloaded first.
        if (!previousName.empty()) {
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(calls.front(), "release " + previousName) << c.code;
            calls.erase(calls.begin());
        }
        EXPECT_THAT(calls, ElementsAreArray(c.calls)) << std::hex << c.code;
        EXPECT_NE(window, 0);
        ASSERT_NE(instance->FindEntry(c.code), nullptr);
        EXPECT_EQ(instance->FindEntry(c.code)->releaseOnClose, 1u);
        EXPECT_EQ(instance->FindEntry(previous), nullptr);
        EXPECT_EQ(instance->CurrentCode(), c.code);
        previous = c.code;
        previousName = c.calls.front().substr(c.calls.front().rfind(' ') + 1);
    }
}

TEST_F(ModuleInstanceTest, ReopeningTheCurrentSiblingRerunsItWithoutReloading)
{
    Initialize();
    Open(6);
    log.clear();
    Open(6);
    EXPECT_THAT(log, ElementsAre("IVeskLookup.init(host,42)", "IVeskLookup.open(6,self,analysis,0)",
                                 "move 1001 to 0,0,640,480", "IVeskLookup.show(5)"));
    EXPECT_EQ(host.loaded, 1);
}

TEST_F(ModuleInstanceTest, BankerCheckStaysLoadedUnderTheShortTreeVariant)
{
    host.environment.variant = 12;
    Initialize();
    Open(96);
    EXPECT_EQ(instance->FindEntry(96)->releaseOnClose, 0u);
    log.clear();
    Open(97);
    EXPECT_EQ(log.front(), "IVeskBankerChk.show(0)");
    EXPECT_NE(instance->FindEntry(96), nullptr);
    log.clear();
    Open(96); // loaded once, shown again
    EXPECT_THAT(log, ElementsAre("release IVeskFormula", "IVeskBankerChk.init(host,42)",
                                 "IVeskBankerChk.open(60,self,analysis,0)", "move 1001 to 0,0,640,480",
                                 "IVeskBankerChk.show(5)"));
}

TEST_F(ModuleInstanceTest, WorkbenchIsCreatedOnceAndOnlyHiddenByOtherFeatures)
{
    Initialize();
    EXPECT_EQ(Open(1), 0x77);
    EXPECT_THAT(TakeLog(), ElementsAre("create workbench in 42 (module context)", "move 77 to 0,0,640,480",
                                       "show 77 5"));
    EXPECT_EQ(instance->FindEntry(1)->releaseOnClose, 0u);

    Open(6);
    EXPECT_EQ(TakeLog().front(), "show 77 0");
    EXPECT_EQ(Open(1), 0x77);
    EXPECT_THAT(TakeLog(), ElementsAre("release IVeskLookup", "move 77 to 0,0,640,480", "show 77 5"));
    EXPECT_EQ(Platform().workbenchesAlive, 1);

    instance->CloseFeature(-1);
    EXPECT_THAT(TakeLog(), ElementsAre("destroy workbench"));
    EXPECT_EQ(instance->FindEntry(1), nullptr);
    EXPECT_EQ(Platform().workbenchesAlive, 0);
}

TEST_F(ModuleInstanceTest, CalculatorLeavesTheOpenFeatureAlone)
{
    Initialize();
    Open(1);
    log.clear();
    EXPECT_EQ(Open(85), 0);
    EXPECT_EQ(Open(85), 0);
    EXPECT_THAT(log, ElementsAre("calculator", "calculator"));
    EXPECT_EQ(instance->CurrentCode(), 1u);
}

TEST_F(ModuleInstanceTest, FeaturesUnderDevelopmentCloseThePreviousOneAndSayWhy)
{
    Initialize();
    for (std::uint32_t code : {98u, 99u}) {
        Open(6);
        log.clear();
        EXPECT_EQ(Open(code), -1);
        EXPECT_THAT(log, ElementsAre("release IVeskLookup", "message 该功能正在开发中 | 提示信息"));
        EXPECT_EQ(instance->CurrentCode(), code);
    }
}

TEST_F(ModuleInstanceTest, CodesThatOpenNothing)
{
    Initialize();
    Open(6);
    log.clear();
    EXPECT_EQ(Open(0), 0);
    EXPECT_EQ(Open(0x80000002, 0), 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(instance->CurrentCode(), 6u);

    // Codes without a handler close the open feature and become current.
    for (std::uint32_t code : {0x1002u, 0x000A0001u, 2u, 0x1030u}) {
        Open(6);
        log.clear();
        EXPECT_EQ(Open(code), 0);
        EXPECT_THAT(log, ElementsAre("release IVeskLookup"));
        EXPECT_EQ(instance->CurrentCode(), code);
        EXPECT_EQ(instance->FindEntry(code), nullptr);
    }
}

TEST_F(ModuleInstanceTest, ModuleTheHostCannotLoadOpensNothing)
{
    Initialize();
    host.failLoads = true;
    EXPECT_EQ(Open(6), 0);
    EXPECT_EQ(instance->FindEntry(6), nullptr);
    instance->RefreshFeature();
    instance->ShowFeature(0);
    EXPECT_THAT(log, ElementsAre("load VeskQuery.dll IVeskLookup"));
}

TEST_F(ModuleInstanceTest, CloseFeatureHidesOrReleasesByFlag)
{
    Initialize();
    FakeTree tree;
    instance->AttachTree(&tree);
    Open(1);
    tree.SelectCaret(tree.Find("号码查询"));
    instance->ShowFeature(0);
    ASSERT_NE(instance->RememberedItem(), 0);
    log.clear();

    instance->CloseFeature(1);
    EXPECT_THAT(TakeLog(), ElementsAre("show 77 0"));
    EXPECT_EQ(instance->RememberedItem(), 0);
    EXPECT_NE(instance->FindEntry(1), nullptr);

    instance->CloseFeature(6); // nothing open under that code
    EXPECT_TRUE(log.empty());

    Open(6);
    log.clear();
    instance->CloseFeature(6);
    EXPECT_THAT(TakeLog(), ElementsAre("release IVeskLookup"));
    EXPECT_EQ(instance->FindEntry(6), nullptr);
    EXPECT_EQ(host.loaded, 0);
}

TEST_F(ModuleInstanceTest, RefreshReachesTheModulesThatTakeIt)
{
    Initialize();
    Open(1);
    log.clear();
    instance->RefreshFeature();
    EXPECT_THAT(TakeLog(), ElementsAre("refresh workbench"));
    Open(0x50);
    log.clear();
    instance->RefreshFeature(); // the tool rows are not refreshed
    EXPECT_TRUE(log.empty());
    Open(0x30);
    log.clear();
    instance->RefreshFeature();
    EXPECT_THAT(TakeLog(), ElementsAre("IVeskSmartPick.refresh"));
}

TEST_F(ModuleInstanceTest, MessagesGoToTheOpenSiblingFirst)
{
    Initialize();
    int message = 0;
    EXPECT_EQ(instance->PreTranslateMessage(&message), 0);
    EXPECT_THAT(TakeLog(), ElementsAre("framework pretranslate"));

    Open(7);
    log.clear();
    EXPECT_EQ(instance->PreTranslateMessage(&message), 0);
    EXPECT_THAT(TakeLog(), ElementsAre("IVeskPattern.filter", "framework pretranslate"));
    host.Sibling("IVeskPattern")->consumeMessages = true;
    EXPECT_EQ(instance->PreTranslateMessage(&message), 1);
    EXPECT_THAT(TakeLog(), ElementsAre("IVeskPattern.filter"));

    Open(1);
    log.clear();
    instance->PreTranslateMessage(&message);
    EXPECT_THAT(TakeLog(), ElementsAre("framework pretranslate"));
}

TEST_F(ModuleInstanceTest, EditorNumbersComeFromTheWorkbenchOnly)
{
    Initialize();
    int array = 0;
    EXPECT_EQ(instance->GetEditorNumbers(0x101B, &array), 1);
    Open(1);
    log.clear();
    EXPECT_EQ(instance->GetEditorNumbers(0x101C, &array), 1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(instance->GetEditorNumbers(0x5101B, &array), 1);
    EXPECT_THAT(log, ElementsAre("fill editor numbers"));
}

TEST_F(ModuleInstanceTest, EntriesThatTouchWindowsRunInTheModuleContext)
{
    Initialize();
    int message = 0;
    Open(1);
    instance->ShowFeature(0);
    instance->PreTranslateMessage(&message);
    instance->CloseFeature(-1);
    EXPECT_EQ(Platform().contextEntries, 4);
    EXPECT_EQ(Platform().contextDepth, 0);
}

TEST_F(ModuleInstanceTest, DestroyClosesEverythingAndFreesTheInstance)
{
    Initialize();
    Open(96);
    Open(1);
    Open(4);
    log.clear();
    ModuleInstance* raw = instance.release();
    raw->Destroy(1);
    EXPECT_THAT(log, ::testing::UnorderedElementsAre("destroy workbench", "release IVeskOmission"));
    EXPECT_EQ(host.loaded, 0);
}

TEST(ModuleAppLists, PagesOfOneGameShareAPairUntilTheLastRelease)
{
    CallLog log;
    test::FakeHost host(log);
    host.game.digits = 5;
    ModuleApp app;
    app.Attach(&host);

    NumberList* result = app.AcquireNumberLists(61, 7, true);
    NumberList* recycle = app.AcquireNumberLists(61, 7, false);
    ASSERT_NE(result, nullptr);
    EXPECT_NE(result, recycle);
    EXPECT_EQ(result->GameLength(), 5); // bound to the game service
    EXPECT_EQ(app.AcquireNumberLists(61, 7, true), result);
    EXPECT_EQ(app.AcquireNumberLists(61, 7, false), recycle);
    EXPECT_NE(app.AcquireNumberLists(61, 8, true), result);
    EXPECT_NE(app.AcquireNumberLists(62, 7, true), result);
    EXPECT_EQ(app.SharedPairCount(), 3u);

    app.ReleaseNumberLists(99, 1); // unknown: ignored
    for (int i = 0; i < 3; ++i)
        app.ReleaseNumberLists(61, 7);
    EXPECT_EQ(app.SharedPairCount(), 3u);
    app.ReleaseNumberLists(61, 7);
    EXPECT_EQ(app.SharedPairCount(), 2u);
    EXPECT_NE(app.AcquireNumberLists(61, 7, true), nullptr); // a fresh pair
    EXPECT_EQ(app.SharedPairCount(), 3u);
}

} // namespace
} // namespace vesk
