#pragma once
// The real host with the real module and the sample history, for the
// smart-pick windows.

#include "app/services/host_object.h"
#include "app/window/main_window.h"
#include "app/window/workbench_feature.h"
#include "tests/support/temp_folder.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace vesk::pick {

class PickFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Clicks the tree leaf with this text.
    void Select(const QString& text);
    // The visible window of the library by object name (the classes have no
    // meta-object to cast by; the test links the same sources).
    QWidget* Shown(const QString& name);
    // Saves the host window's picture when VESK_SCREENSHOT_DIR names a folder.
    void Snapshot(const char* name);
    // The workbench's result count line is visible with this text.
    bool WorkbenchShows(const QString& text);

    static std::vector<std::uint32_t> SampleDraws();

    test::TempFolder root;
    // Features opened with their code alone reach the workbench by name, as
    // the host application sets it up.
    app::WorkbenchFeature workbench;
    std::unique_ptr<app::HostObject> host;
    std::unique_ptr<app::MainWindow> window;
};

} // namespace vesk::pick
