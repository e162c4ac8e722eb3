#pragma once
// The real host with the real module and the sample history, for the
// smart-pick windows.

#include "tests/support/feature_host_test.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace vesk::pick {

class PickFixture : public test::FeatureHostTest {
protected:
    void SetUp() override { StartHost({1100, 760}); }

    QWidget* Shown(const QString& name) { return ShownNamed(name); }

    // Saves the host window's picture when VESK_SCREENSHOT_DIR names a folder.
    void Snapshot(const char* name);
    // The workbench's result count line is visible with this text.
    bool WorkbenchShows(const QString& text);
    // vesk-cli pick --draws <the sample history> args: its lines, each split
    // at tabs; empty when it failed.
    std::vector<QStringList> CliPick(const QStringList& args);
};

} // namespace vesk::pick
