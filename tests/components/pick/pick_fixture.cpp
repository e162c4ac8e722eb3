#include "tests/components/pick/pick_fixture.h"

#include "app/window/feature_area.h"
#include "framework/module_context.h"
#include "numbers/draw_history.h"
#include "tests/support/build_folders.h"
#include "tests/support/visible_label.h"

#include <QApplication>
#include <QLabel>
#include <QTreeWidget>

#include <fstream>
#include <iterator>

namespace vesk::pick {

using test::BuildFolder;

void PickFixture::SetUp()
{
    SetResourceFolder(BuildFolder());
    host = std::make_unique<app::HostObject>(app::HostConfig{app::HostPaths::UnderRoot(root.Path()),
                                                             BuildFolder() + "plugins/", BuildFolder() + "data/S3Cdt.dat",
                                                             BuildFolder() + "data/draws-3d.txt"});
    host->SetFeatures(&workbench);
    window = std::make_unique<app::MainWindow>(*host);
    workbench.SetWindow(window.get());
    window->resize(1100, 760);
    window->show();
    ASSERT_TRUE(window->StartModule()) << window->Session().Error();
}

void PickFixture::TearDown()
{
    workbench.SetWindow(nullptr);
    window.reset();
    host.reset();
}

void PickFixture::Select(const QString& text)
{
    QTreeWidget* tree = window->Tree().GetTreeWidget();
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    tree->setCurrentItem(found.front());
    QApplication::processEvents();
}

QWidget* PickFixture::Shown(const QString& name)
{
    for (auto* widget : window->Area()->findChildren<QWidget*>(name))
        if (widget->isVisible())
            return widget;
    return nullptr;
}

void PickFixture::Snapshot(const char* name)
{
    QApplication::processEvents();
    if (const char* folder = std::getenv("VESK_SCREENSHOT_DIR"))
        window->grab().save(QString::fromUtf8(folder) + "/" + QString::fromUtf8(name) + ".png");
}

bool PickFixture::WorkbenchShows(const QString& text)
{
    return test::WaitForVisibleLabel(window->Area(), text);
}

std::vector<std::uint32_t> PickFixture::SampleDraws()
{
    std::ifstream file(BuildFolder() + "data/draws-3d.txt", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 3);
    return {history.Codes().begin(), history.Codes().end()};
}

} // namespace vesk::pick
