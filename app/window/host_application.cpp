#include "app/window/host_application.h"

#include "app/chart/chart_feature.h"
#include "app/services/host_feature_set.h"
#include "app/services/host_object.h"
#include "app/session/command_line.h"
#include "app/session/install_layout.h"
#include "app/window/desktop_integration.h"
#include "app/window/feature_area.h"
#include "app/window/main_window.h"
#include "app/window/screenshot_interaction.h"
#include "app/window/screenshot_steps.h"
#include "app/window/workbench_feature.h"
#include "framework/internal_error.h"
#include "framework/module_context.h"
#include "app_version.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace vesk::app {
namespace {

// The last barrier: an exception from any event handler, ours or a
// component's, is reported and the event dropped, instead of ending the
// program with the user's numbers in it.
class HostApplication final : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (...) {
            ReportCurrentException("事件处理");
            return false;
        }
    }
};

// Lets queued work (posted messages, layouts, paints) run before the picture.
void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

int WriteScreenshot(MainWindow& window, const CommandLine& options, ScreenshotInteraction& interaction)
{
    if (!window.Session().IsRunning()) {
        std::fprintf(stderr, "vesk: %s\n", window.Session().Error().c_str());
        return 1;
    }
    if (options.size)
        window.resize(options.size->first, options.size->second);
    Settle();
    if (options.openCode && !window.OpenByCode(*options.openCode)) {
        std::fprintf(stderr, "vesk: no feature with code %u in the tree\n", *options.openCode);
        return 1;
    }
    Settle();
    for (const std::string& path : options.fileAnswers)
        interaction.QueueFileAnswer(path);
    const std::vector<QWidget*> before = VisibleWindows();
    for (const ScreenshotStep& step : options.steps) {
        const bool taken = step.text.empty() ? ClickControl(window.Area(), static_cast<int>(step.id))
                                             : PressByText(&window, step.text);
        if (!taken) {
            const std::string what = step.text.empty() ? "control with id " + std::to_string(step.id) : "\"" + step.text + "\"";
            std::fprintf(stderr, "vesk: no %s in the open feature or the menus\n", what.c_str());
            return 1;
        }
        Settle();
    }
    const QString path = QString::fromStdString(*options.screenshotPath);
    if (options.dialogPicture) {
        if (QWidget* opened = WindowOpenedSince(before))
            interaction.Picture(*opened);
        if (!interaction.Pictured()) {
            const std::string why = interaction.PictureError().empty() ? "the steps opened no dialog" : interaction.PictureError();
            std::fprintf(stderr, "vesk: %s\n", why.c_str());
            return 1;
        }
    } else if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "vesk: cannot write %s\n", options.screenshotPath->c_str());
        return 1;
    }
    std::printf("%s\n", QFileInfo(path).absoluteFilePath().toLocal8Bit().constData());
    return 0;
}

} // namespace

int RunHost(int argc, char** argv)
{
    const CommandLine options = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "vesk: %s\n%s\n", options.error.c_str(), kUsage);
        return 2;
    }
    if (options.help || options.version) {
        std::printf("%s\n", options.help ? kUsage : (std::string("vesk ") + kAppVersion).c_str());
        return 0;
    }
    if (options.screenshotPath)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    HostApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("3DVesk"));
    // The desktop finds the entry and the icon the install put in place by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kAppId));
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kAppId)));
    const InstallLayout layout =
        InstallLayout::FromExecutableFolder(QApplication::applicationDirPath().toStdString());
    SetResourceFolder(layout.resourceFolder);

    const HostPaths paths = HostPaths::FromEnvironment();
    if (EnsureFolder(paths.data))
        SetInternalErrorLog(paths.data + "errors.log");
    HostObject host({paths, layout.pluginFolder, layout.catalogueSource, layout.sampleDraws});
    const DesktopIntegration desktop(application, host.Environment().Options());
    // The chart outlives the module, which may ask for its window to the end.
    chart::ChartFeature chart;
    WorkbenchFeature workbench;
    HostFeatureSet features;
    features.Add(&chart);
    features.Add(&workbench);
    host.SetFeatures(&features);
    MainWindow window(host);
    chart.SetOwner(&window);
    workbench.SetWindow(&window);
    // Nobody answers offscreen: questions are answered "no", dialogs closed.
    std::optional<ScreenshotInteraction> unattended;
    if (options.screenshotPath)
        unattended.emplace(options.dialogPicture ? *options.screenshotPath : std::string());
    window.show();
    // Without the module the status bar says why; the window and its menu still work.
    window.StartModule();
    if (options.screenshotPath)
        return WriteScreenshot(window, options, *unattended);
    return application.exec();
}

} // namespace vesk::app
