// The host's main window end to end with the real module and features.
#include "app/services/host_object.h"
#include "app/window/feature_area.h"
#include "app/window/main_window.h"
#include "framework/module_context.h"
#include "framework/window_message_event.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QKeyEvent>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>

namespace vesk::app {
namespace {

using test::BuildFolder;

QString TitleOf(QWidget* feature)
{
    auto* title = feature->findChild<QLabel*>(QStringLiteral("featureTitle"));
    return title ? title->text() : QString();
}

// The key presses that reach a widget.
struct KeyRecorder : QObject {
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            pressed << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
    QList<int> pressed;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetResourceFolder(BuildFolder());
        host = std::make_unique<HostObject>(HostConfig{HostPaths::UnderRoot(root.Path()), BuildFolder() + "plugins/",
                                                       BuildFolder() + "data/S3Cdt.dat"});
        window = std::make_unique<MainWindow>(*host);
        window->show();
        ASSERT_TRUE(window->StartModule()) << window->Session().Error();
    }
    void TearDown() override
    {
        window.reset();
        host.reset();
    }

    QTreeWidget* TreeWidget() { return window->Tree().GetTreeWidget(); }

    QTreeWidgetItem* ItemByText(const QString& text)
    {
        const auto found = TreeWidget()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }

    // The visible feature windows in the area.
    QList<QWidget*> ShownFeatures()
    {
        QList<QWidget*> shown;
        for (QWidget* child : window->Area()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisible())
                shown << child;
        return shown;
    }

    void Select(const QString& text)
    {
        QTreeWidgetItem* item = ItemByText(text);
        ASSERT_NE(item, nullptr) << text.toStdString();
        TreeWidget()->setCurrentItem(item);
        QApplication::processEvents();
    }

    // The module, and what its open workbench holds: a filter and a condition
    // window per condition page, a grid per list of the result page.
    static constexpr std::size_t kModuleWithWorkbench = 1 + 2 + 2 + 2;

    test::TempFolder root;
    std::unique_ptr<HostObject> host;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, TreeIsFilledAndTheWorkbenchOpensInTheArea)
{
    ASSERT_GE(TreeWidget()->topLevelItemCount(), 1);
    EXPECT_EQ(TreeWidget()->topLevelItem(0)->text(0), QStringLiteral("选号软件功能列表"));
    EXPECT_TRUE(ShownFeatures().isEmpty());

    Select(QStringLiteral("组号缩水"));
    const QList<QWidget*> shown = ShownFeatures();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.front()->geometry(), window->Area()->rect());
    // The feature follows the area's size.
    window->resize(window->width() + 80, window->height() + 40);
    QApplication::processEvents();
    EXPECT_EQ(shown.front()->geometry(), window->Area()->rect());
}

TEST_F(MainWindowTest, SiblingFeaturesOpenAndAreReleasedOnSwitching)
{
    Select(QStringLiteral("号码查询"));
    QList<QWidget*> shown = ShownFeatures();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(TitleOf(shown.front()), QStringLiteral("号码查询"));
    EXPECT_EQ(host->Loader().LiveCount(), 2u); // the module and the sibling

    Select(QStringLiteral("单选单码"));
    shown = ShownFeatures();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(TitleOf(shown.front()), QStringLiteral("遗漏列表（分布） · 单选单码"));
    // A catalogue item: the omission lists read its category through the module.
    Select(QStringLiteral("和值5"));
    EXPECT_EQ(TitleOf(ShownFeatures().front()), QStringLiteral("遗漏列表（分布） · 和值"));

    Select(QStringLiteral("组号缩水"));
    EXPECT_EQ(host->Loader().LiveCount(), kModuleWithWorkbench);
    ASSERT_EQ(ShownFeatures().size(), 1);
    EXPECT_TRUE(TitleOf(ShownFeatures().front()).isEmpty());
}

TEST_F(MainWindowTest, InputIsOfferedToTheOpenFeatureFirst)
{
    // The state table of two draws; F5 in the host reaches the open feature
    // first, which reads the draws again and uses the key up.
    std::ofstream(host->Environment().Paths().data + "draws.txt") << "2026001 123\n2026002 456\n";
    Select(QStringLiteral("状态表"));
    ASSERT_EQ(ShownFeatures().size(), 1);
    auto* rows = ShownFeatures().front()->findChild<QTableView*>();
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->model()->rowCount(), 2);
    std::ofstream(host->Environment().Paths().data + "draws.txt", std::ios::app) << "2026003 789\n";
    KeyRecorder treeKeys;
    TreeWidget()->installEventFilter(&treeKeys);
    QTest::keyClick(TreeWidget(), Qt::Key_F5);
    EXPECT_EQ(rows->model()->rowCount(), 3);
    EXPECT_TRUE(treeKeys.pressed.isEmpty()) << "the feature used the key up";
    QTest::keyClick(TreeWidget(), Qt::Key_Down);
    EXPECT_EQ(treeKeys.pressed, QList<int>{Qt::Key_Down});
}

TEST_F(MainWindowTest, FeatureCloseMessageClosesAndReturnsToTheRoot)
{
    Select(QStringLiteral("组号缩水"));
    ASSERT_EQ(ShownFeatures().size(), 1);
    WindowMessageEvent close(kFeatureCloseMessage, 1, 0);
    QApplication::sendEvent(window->Area(), &close);
    EXPECT_EQ(close.result, 1);
    EXPECT_TRUE(ShownFeatures().isEmpty());
    EXPECT_EQ(TreeWidget()->currentItem(), TreeWidget()->topLevelItem(0));

    Select(QStringLiteral("组号缩水")); // opens again
    EXPECT_EQ(ShownFeatures().size(), 1);
}

TEST_F(MainWindowTest, SettingsMenuSetsTheHostsOptions)
{
    window->KeepConditionsAction()->setChecked(false);
    EXPECT_EQ(host->Environment().ReadOption(130, nullptr), 0);
    window->KeepConditionsAction()->setChecked(true);
    EXPECT_EQ(host->Environment().ReadOption(130, nullptr), 1);

    Select(QStringLiteral("组号缩水"));
    window->ShortTreeAction()->setChecked(true);
    EXPECT_EQ(host->Environment().GetHostVariant(), 12);
    ASSERT_EQ(TreeWidget()->topLevelItemCount(), 1);
    EXPECT_EQ(TreeWidget()->topLevelItem(0)->text(0), QStringLiteral("软件功能列表"));
    EXPECT_EQ(TreeWidget()->topLevelItem(0)->childCount(), 4);
    EXPECT_EQ(ShownFeatures().size(), 1); // the open feature stays open over the rebuild
    // The item at the same position is selected again, without opening it.
    EXPECT_EQ(TreeWidget()->currentItem()->text(0), QStringLiteral("胆杀验证"));
    EXPECT_EQ(host->Loader().LiveCount(), kModuleWithWorkbench);

    window->ShortTreeAction()->setChecked(false);
    EXPECT_EQ(TreeWidget()->topLevelItem(0)->text(0), QStringLiteral("选号软件功能列表"));
    EXPECT_EQ(TreeWidget()->currentItem()->text(0), QStringLiteral("组号缩水"));

    // An item beyond the end of the shorter tree leaves the root selected.
    Select(QStringLiteral("号码查询"));
    window->ShortTreeAction()->setChecked(true);
    EXPECT_EQ(TreeWidget()->currentItem(), TreeWidget()->topLevelItem(0));
}

TEST(MainWindowWithoutModule, SaysWhyAndStaysUsable)
{
    test::TempFolder root;
    HostObject host({HostPaths::UnderRoot(root.Path()), root.Path() + "no-plugins/", ""});
    MainWindow window(host);
    EXPECT_FALSE(window.StartModule());
    EXPECT_NE(window.Session().Error().find("lib3dvesk.so"), std::string::npos);
    const QList<QLabel*> labels = window.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text().contains(QStringLiteral("lib3dvesk.so"));
    }));
    window.ShortTreeAction()->setChecked(true); // nothing to rebuild, nothing breaks
    EXPECT_EQ(host.Environment().GetHostVariant(), 12);
}

TEST(MainWindowCatalogue, StatusTellsAMissingCatalogueFromADamagedOne)
{
    const auto statusOf = [](MainWindow& window) {
        QStringList texts;
        for (QLabel* label : window.findChildren<QLabel*>())
            texts << label->text();
        return texts.join(QLatin1Char('|'));
    };
    SetResourceFolder(BuildFolder());
    test::TempFolder root;
    const HostPaths paths = HostPaths::UnderRoot(root.Path());
    {
        HostObject host({paths, BuildFolder() + "plugins/", ""});
        MainWindow window(host);
        ASSERT_TRUE(window.StartModule());
        EXPECT_TRUE(statusOf(window).contains(QStringLiteral("未找到条件目录"))) << statusOf(window).toStdString();
    }
    ASSERT_TRUE(EnsureFolder(paths.data));
    std::ofstream(paths.data + "S3Cdt.dat", std::ios::binary) << "RYXFCFH";
    HostObject host({paths, BuildFolder() + "plugins/", ""});
    MainWindow window(host);
    ASSERT_TRUE(window.StartModule());
    EXPECT_TRUE(statusOf(window).contains(QStringLiteral("已损坏"))) << statusOf(window).toStdString();
    EXPECT_FALSE(statusOf(window).contains(QStringLiteral("未找到")));
}

TEST_F(MainWindowTest, ReloadingTheDrawsUpdatesTheOmissions)
{
    auto* analysis = static_cast<IAnalysisService*>(host->GetService(kServiceAnalysis));
    const std::uint8_t digits[3] = {1, 2, 3};
    analysis->SetCurrentNumber(digits);
    const SlotInt numberOmission = static_cast<std::int32_t>(0xFFFF0012u);
    EXPECT_EQ(analysis->GetAttribute(numberOmission), -1);

    std::ofstream(host->Environment().Paths().data + "draws.txt") << "2026001 123\n2026002 456\n";
    window->ReloadDrawsAction()->trigger();
    EXPECT_EQ(analysis->GetAttribute(numberOmission), 1);
}

TEST(ScreenshotMode, WritesAPictureOfTheWorkbench)
{
    test::TempFolder home;
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.Path()));
    for (const char* variable : {"XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME"})
        environment.remove(QString::fromLatin1(variable));
    host.setProcessEnvironment(environment);
    const QString picture = QString::fromStdString(home.Path() + "shot.png");
    host.start(QString::fromStdString(BuildFolder() + "bin/vesk"),
               {QStringLiteral("--screenshot"), picture, QStringLiteral("--open"), QStringLiteral("1")});
    ASSERT_TRUE(host.waitForFinished(60000));
    EXPECT_EQ(host.exitCode(), 0) << host.readAllStandardError().toStdString();
    const QImage image(picture);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 400);
    // The host made its folders under the user's home and seeded the catalogue.
    EXPECT_TRUE(std::filesystem::exists(home.Path() + ".local/share/3dvesk/S3Cdt.dat"));

    QProcess wrong;
    wrong.start(QString::fromStdString(BuildFolder() + "bin/vesk"), {QStringLiteral("--open"), QStringLiteral("1")});
    ASSERT_TRUE(wrong.waitForFinished(10000));
    EXPECT_EQ(wrong.exitCode(), 2);
}

} // namespace
} // namespace vesk::app
