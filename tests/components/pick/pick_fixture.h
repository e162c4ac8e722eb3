#pragma once
// The real host with the real module and the sample history, for the
// smart-pick windows.

#include "tests/support/feature_host_test.h"

#include <QString>
#include <QWidget>

namespace vesk::pick {

class PickFixture : public test::FeatureHostTest {
protected:
    void SetUp() override { StartHost({1100, 760}); }

    QWidget* Shown(const QString& name) { return ShownNamed(name); }

    // Saves the host window's picture when VESK_SCREENSHOT_DIR names a folder.
    void Snapshot(const char* name);
    // The workbench's result count line is visible with this text.
    bool WorkbenchShows(const QString& text);
};

} // namespace vesk::pick
