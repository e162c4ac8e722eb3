#include "components/features/kit/feature_base.h"
#include "components/features/kit/feature_host.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include "app/services/host_feature_set.h"
#include "framework/scripted_interaction.h"
#include "storage/safe_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/xls_readback.h"

#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

namespace vesk::features {
namespace {

class FakeEnvironment final : public IEnvironmentService {
public:
    const char* GetDirectory(SlotInt n) override { return n == 2 ? data.c_str() : nullptr; }
    SlotInt WriteOption(SlotInt id, SlotInt length, const void* bytes) override
    {
        records[id].assign(static_cast<const char*>(bytes), static_cast<std::size_t>(length));
        return 1;
    }
    SlotInt ReadOption(SlotInt id, void* buffer) override
    {
        const auto it = records.find(id);
        if (it == records.end())
            return 0;
        if (buffer)
            std::copy(it->second.begin(), it->second.end(), static_cast<char*>(buffer));
        return static_cast<SlotInt>(it->second.size());
    }
    SlotInt GetHostVariant() override { return 0; }

    std::string data;
    std::map<SlotInt, std::string> records;
};

class FakeGame final : public IGameService {
public:
    SlotInt GetAttributeContext(SlotInt) override { return 0; }
    SlotInt GetListKey() override { return 0; }
    SlotInt GetListSubKey() override { return 0; }
    SlotInt GetNumberLength(SlotInt) override { return length; }
    SlotInt GetNEnd(SlotInt) override { return 10; }
    SlotInt GetAttribute(SlotInt, SlotInt, SlotInt, const std::uint8_t*) override { return 0; }

    SlotInt length = 3;
};

class FakeHost final : public IHostObject {
public:
    void* GetService(SlotInt index) override
    {
        return index == kServiceEnvironment ? static_cast<void*>(&environment)
               : index == kServiceGame      ? static_cast<void*>(&game)
                                            : nullptr;
    }
    SlotInt LoadComponent(const ModuleNameRecord*, void*) override { return 0; }
    SlotInt ReleaseComponent(void*) override { return 0; }
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }

    FakeEnvironment environment;
    FakeGame game;
};

TEST(FeatureHostTest, RemembersTheWindowAndFallsBackToTheDefaultOnStrangeRecords)
{
    FakeHost fake;
    const FeatureHost host(&fake);
    EXPECT_EQ(host.ReadWindow(4400), 100u) << "absent";
    host.WriteWindow(4400, 500);
    EXPECT_EQ(host.ReadWindow(4400), 500u);
    host.WriteWindow(4400, 0);
    EXPECT_EQ(host.ReadWindow(4400), 0u) << "全部 is a choice";
    host.WriteNumber(4400, 7);
    EXPECT_EQ(host.ReadWindow(4400), 100u) << "not one of the choices";
    fake.environment.records[4400] = std::string("\x1e\x00\x00", 3);
    EXPECT_EQ(host.ReadWindow(4400), 100u) << "a record of another size";
    host.WriteNumber(4401, 0x01020304u);
    EXPECT_EQ(fake.environment.records[4401], std::string("\x04\x03\x02\x01", 4)) << "little-endian";
    host.WriteBytes(4402, std::string("a\0b", 3));
    EXPECT_EQ(host.ReadBytes(4402), std::string("a\0b", 3));
    EXPECT_EQ(FeatureHost().ReadWindow(4400), 100u) << "without a host";
}

TEST(FeatureHostTest, ReadsTheDrawsOfTheGamesLengthOnly)
{
    test::TempFolder folder;
    FakeHost fake;
    fake.environment.data = folder.Path();
    const FeatureHost host(&fake);
    EXPECT_TRUE(host.LoadHistory().codes.empty()) << "no file";
    EXPECT_EQ(host.LoadHistory().dataEnd, "没有开奖数据");
    EXPECT_NE(host.MissingHistoryText().find(folder.Path() + "draws.txt"), std::string::npos);
    std::ofstream(folder.Path() + "draws.txt") << "2025001 123\n2025002 4567\n2025003 090\n";
    HistoryDraws draws = host.LoadHistory();
    ASSERT_EQ(draws.codes, (std::vector<std::uint32_t>{123, 90}));
    EXPECT_EQ(draws.periods, (std::vector<std::string>{"2025001", "2025003"}));
    EXPECT_EQ(draws.dataEnd, "数据截至第 2025003 期");
    fake.game.length = 4;
    draws = host.LoadHistory();
    EXPECT_EQ(draws.codes, (std::vector<std::uint32_t>{4567}));
    fake.game.length = 3;
    std::ofstream(folder.Path() + "draws.txt") << "2025002,2025-01-02,123\n2025003,2025-01-03,090\n";
    EXPECT_EQ(host.LoadHistory().dataEnd, "数据截至第 2025003 期（2025-01-03）");
    fake.game.length = 12;
    EXPECT_EQ(host.Length(), 0) << "a length no number can have is refused, not guessed";
    EXPECT_TRUE(host.LoadHistory().codes.empty());
}

TEST(TableExportTest, TextKeepsOneLinePerRowAndWorkbookKeepsExactNumbers)
{
    QStandardItemModel model(0, 0);
    model.setColumnCount(2);
    model.setHorizontalHeaderLabels({QStringLiteral("号码"), QStringLiteral("出现率")});
    model.appendRow({new QStandardItem(QStringLiteral("123")), new QStandardItem(QStringLiteral("12.5%"))});
    model.item(0, 1)->setData(0.125, kExportNumberRole);
    model.appendRow({new QStandardItem(QStringLiteral("a\tb\nc")), new QStandardItem(QStringLiteral("-"))});
    EXPECT_EQ(ModelText(model), "号码\t出现率\n123\t12.5%\na b c\t-\n");

    test::TempFolder folder;
    const std::string book = folder.Path() + "表.xls";
    ASSERT_EQ(ExportModel(model, "号码[统计]", book), "");
    const test::Readback read = test::ReadXlsWithXlrd(book);
    ASSERT_TRUE(read.ok) << read.text;
    EXPECT_NE(read.text.find("== 号码统计1 3x2"), std::string::npos) << read.text;
    EXPECT_NE(read.text.find("t:123\tn:0.125"), std::string::npos) << read.text;

    ASSERT_EQ(ExportModel(model, "x", folder.Path() + "plain.tsv"), "");
    std::ifstream text(folder.Path() + "plain.tsv");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(text), {}), ModelText(model));
}

TEST(TableExportTest, TablesAreNeverWrittenAsNumberText)
{
    EXPECT_EQ(TablePath("/a/表.txt"), "/a/表.tsv");
    EXPECT_EQ(TablePath("/a/表.TXT"), "/a/表.tsv");
    EXPECT_EQ(TablePath("/a/表.tsv"), "/a/表.tsv");
    EXPECT_EQ(TablePath("/a/表.xls"), "/a/表.xls");
    EXPECT_EQ(TablePath("/a/表"), "/a/表.tsv");
}

TEST(TableExportTest, FailuresLeaveTheOldFileAndSayWhereSuccessWent)
{
    QStandardItemModel model(1, 1);
    test::TempFolder folder;
    const std::string plain = folder.Path() + "plain";
    std::ofstream(plain) << "a file";
    for (const std::string& path : {folder.Path() + "no/such/out.xls", plain + "/out.tsv"}) {
        const std::string error = ExportModel(model, "x", path);
        EXPECT_EQ(error.rfind("保存失败：" + path + "（", 0), 0u) << error;
        EXPECT_NE(error.find("），原文件未改动"), std::string::npos) << error;
    }
    const std::string old = folder.Path() + "old.xls";
    std::ofstream(old) << "old";
    for (const FileStep step : {FileStep::Write, FileStep::SyncFile, FileStep::Rename}) {
        InjectedFileFailure failure(step, ENOSPC);
        EXPECT_NE(ExportModel(model, "x", old).find("磁盘空间不足"), std::string::npos) << int(step);
        std::ifstream in(old);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old") << int(step);
    }

    // Through the dialog: the text choice gives .tsv and the message says where it went.
    ScriptedInteraction script;
    script.QueueFileDialogAnswer({true, {folder.Path() + "表.txt"}, 2});
    AskExportModel(nullptr, model, "表");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "已导出到 " + folder.Path() + "表.tsv");
    EXPECT_EQ(script.MessageBoxes()[0].caption, "提示信息");
    EXPECT_TRUE(std::filesystem::exists(folder.Path() + "表.tsv"));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "表.txt"));
}

TEST(WindowPickerTest, SettingAWindowDoesNotReportAPickAndUnknownValuesKeepTheCurrent)
{
    WindowPicker picker;
    int picks = 0;
    picker.picked = [&](std::size_t) { ++picks; };
    EXPECT_EQ(picker.Window(), 100u);
    picker.SetWindow(0);
    EXPECT_EQ(picker.Window(), 0u);
    EXPECT_EQ(picker.currentText(), QStringLiteral("全部"));
    picker.SetWindow(77);
    EXPECT_EQ(picker.Window(), 0u);
    EXPECT_EQ(picks, 0);
}

class ProbeFeature final : public FeatureBase {
public:
    explicit ProbeFeature(OpenArguments arguments) : FeatureBase(arguments) {}
    std::vector<std::string> calls;
    using FeatureBase::Code;
    using FeatureBase::Module;
    using FeatureBase::SubCode;

private:
    QWidget* MakeWindow(QWidget* parent) override
    {
        calls.push_back("make");
        return new QWidget(parent);
    }
    void Opened() override { calls.push_back("opened " + std::to_string(Code())); }
    void HistoryChanged() override { calls.push_back("history"); }
};

TEST(FeatureBaseTest, FeaturesOpenedBeforeTheyAreInitialisedShowWhatWasOpenedOnceTheyAre)
{
    FakeHost host;
    QWidget parent;
    ProbeFeature codeOnly(OpenArguments::CodeOnly);
    EXPECT_EQ(codeOnly.Refresh(), 0) << "nothing to refresh before the window";
    codeOnly.Open(0x32, 77, 0, 0);
    EXPECT_TRUE(codeOnly.calls.empty());
    codeOnly.Initialize(&host, reinterpret_cast<WindowHandle>(&parent));
    EXPECT_EQ(codeOnly.calls, (std::vector<std::string>{"make", "opened 50"}));
    EXPECT_EQ(codeOnly.Module(), nullptr) << "the second argument of a code-only open is not a module";
    EXPECT_EQ(reinterpret_cast<QWidget*>(codeOnly.GetWindow())->parentWidget(), &parent);

    ProbeFeature lookup(OpenArguments::CodeModule);
    lookup.Initialize(&host, reinterpret_cast<WindowHandle>(&parent));
    lookup.Open(6, 0x1234, 0, 0);
    lookup.Open(6, 0x1234, 0, 0);
    EXPECT_EQ(lookup.calls, (std::vector<std::string>{"make", "opened 6", "opened 6"})) << "one window for every opening";
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(lookup.Module()), 0x1234u);
    EXPECT_EQ(lookup.Refresh(), 1);
    EXPECT_EQ(lookup.calls.back(), "history");

    ProbeFeature lists(OpenArguments::CodeSubCodeModule);
    lists.Initialize(&host, 0);
    lists.Open(0x80000002, 0x1030, 0x5678, 0);
    EXPECT_EQ(lists.SubCode(), 0x1030u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(lists.Module()), 0x5678u);
}

class NamedFeature final : public app::HostFeatures {
public:
    NamedFeature(std::string name, WindowHandle window) : m_name(std::move(name)), m_window(window) {}
    WindowHandle FeatureWindow(SlotInt which) override { return which == 1 ? m_window : 0; }
    SlotInt OpenFeature(const char* name, SlotInt) override { return name && name == m_name ? 1 : 0; }

private:
    std::string m_name;
    WindowHandle m_window;
};

TEST(HostFeatureSetTest, ANameGoesToTheFeatureThatKnowsItAndSlotFiveAnswersForTheLastOpened)
{
    NamedFeature chart("Kelpo", 11);
    NamedFeature workbench("Workbench", 22);
    app::HostFeatureSet set;
    set.Add(&chart);
    set.Add(&workbench);
    EXPECT_EQ(set.FeatureWindow(1), 0) << "nothing opened yet";
    EXPECT_EQ(set.OpenFeature("Workbench", 0), 1);
    EXPECT_EQ(set.FeatureWindow(1), 22);
    EXPECT_EQ(set.OpenFeature("Unknown", 0), 0);
    EXPECT_EQ(set.FeatureWindow(1), 22) << "an unknown name changes nothing";
    EXPECT_EQ(set.OpenFeature("Kelpo", 0), 1);
    EXPECT_EQ(set.FeatureWindow(1), 11);
    EXPECT_EQ(set.OpenFeature(nullptr, 0), 0);
}

} // namespace
} // namespace vesk::features
