#pragma once
// The real host window with the real module and feature libraries on a
// temporary data folder, as the feature window tests drive it: leaves clicked
// in the tree, the libraries' windows found by object name, and the workbench
// reachable by name as the host application sets it up.

#include "app/services/host_object.h"
#include "app/window/feature_area.h"
#include "app/window/main_window.h"
#include "app/window/workbench_feature.h"
#include "framework/module_context.h"
#include "numbers/draw_history.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <QApplication>
#include <QSize>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

// A file's bytes ("" when it cannot be read).
inline std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class FeatureHostTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        workbench.SetWindow(nullptr);
        window.reset();
        host.reset();
    }

    // Starts the host window at size on the data folder under rootPath (the
    // fixture's own when empty), with draws as its sample history.
    void StartHost(QSize size, const std::string& draws = BuildFolder() + "data/draws-3d.txt",
                   const std::string& rootPath = {})
    {
        SetResourceFolder(BuildFolder());
        host = std::make_unique<app::HostObject>(app::HostConfig{app::HostPaths::UnderRoot(rootPath.empty() ? root.Path() : rootPath),
                                                                 BuildFolder() + "plugins/",
                                                                 BuildFolder() + "data/S3Cdt.dat", draws});
        host->SetFeatures(&workbench);
        window = std::make_unique<app::MainWindow>(*host);
        workbench.SetWindow(window.get());
        window->resize(size);
        window->show();
        ASSERT_TRUE(window->StartModule()) << window->Session().Error();
    }

    // Clicks the tree leaf with this text.
    void Select(const QString& text)
    {
        QTreeWidget* tree = window->Tree().GetTreeWidget();
        const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        tree->setCurrentItem(found.front());
        QApplication::processEvents();
    }

    // The visible window of a library by object name: the classes have no
    // meta-object of their own to cast by, and the tests link the same
    // sources as the loaded libraries, so the members are those of the window.
    template <class Window = QWidget>
    Window* ShownNamed(const QString& name) const
    {
        for (auto* feature : window->Area()->findChildren<QWidget*>(name))
            if (feature->isVisible())
                return static_cast<Window*>(feature);
        return nullptr;
    }

    // The numbers of the sample history, oldest first.
    static std::vector<std::uint32_t> SampleDraws()
    {
        const std::string text = ReadAll(BuildFolder() + "data/draws-3d.txt");
        const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 3);
        return {history.Codes().begin(), history.Codes().end()};
    }

    TempFolder root;
    app::WorkbenchFeature workbench;
    std::unique_ptr<app::HostObject> host;
    std::unique_ptr<app::MainWindow> window;
};

} // namespace vesk::test
