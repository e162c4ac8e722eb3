#include "tests/condition_pages/page_harness.h"

#include "application/module_app.h"
#include "host/module_messages.h"
#include "tests/support/build_folders.h"

#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vesk::test {
namespace {

constexpr UINT kContainerTemplate = 7355;

ModuleContext& PagesModule()
{
    static ModuleContext context = [] {
        ModuleContext made("condition-pages-test");
        made.Templates().Register(FixedConditionPageTemplate());
        made.Templates().Register(CombinedConditionPageTemplate());
        DialogTemplate container;
        container.id = kContainerTemplate;
        container.style = WS_CHILD | WS_VISIBLE;
        container.cx = 230;
        container.cy = 200;
        made.Templates().Register(container);
        return made;
    }();
    return context;
}

} // namespace

PageHarness::PageHarness()
{
    app::HostConfig config;
    config.paths = app::HostPaths::UnderRoot(m_root.Path());
    config.pluginFolder = PluginFolder();
    m_real = std::make_unique<app::HostObject>(config);
    m_host = std::make_unique<RecordingHost>(*m_real);
    ModuleApp::Instance().Attach(m_host.get());
    m_workbench.Create(nullptr, "workbench", WS_POPUP | WS_VISIBLE, CRect(20, 20, 620, 520), nullptr, 0);
    m_workbench.HandleMessage(kMessageResultSnapshot, [this](WPARAM kind, LPARAM record) -> LRESULT {
        auto* snapshot = reinterpret_cast<ListSnapshot*>(record);
        if (kind == kSnapshotTake) {
            snapshot->marker = kSnapshotMarker;
            snapshot->length = 3;
            snapshot->count = static_cast<std::uint32_t>(resultNumbers.size());
            snapshot->digits = resultNumbers.empty() ? nullptr : static_cast<std::uint8_t*>(std::malloc(resultNumbers.size() * 3));
            for (std::size_t i = 0; i < resultNumbers.size(); ++i)
                for (std::size_t d = 0; d < 3; ++d)
                    snapshot->digits[i * 3 + d] = static_cast<std::uint8_t>(resultNumbers[i][d] - '0');
        } else if (kind == kSnapshotRestore) {
            restoredNumbers.clear();
            for (std::uint32_t i = 0; i < snapshot->count; ++i) {
                std::string number;
                for (std::size_t d = 0; d < snapshot->length; ++d)
                    number += static_cast<char>('0' + snapshot->digits[i * snapshot->length + d]);
                restoredNumbers.push_back(number);
            }
        }
        return 0;
    });
    static_cast<void>(QTest::qWaitForWindowExposed(m_workbench.m_hWnd));
}

PageHarness::~PageHarness()
{
    ClosePages();
    m_workbench.DestroyWindow();
    ModuleApp::Instance().Attach(nullptr);
}

void PageHarness::OpenPages()
{
    ModuleContextGuard context(PagesModule());
    m_container.Create(kContainerTemplate, &m_workbench);
    m_fixed = std::make_unique<ConditionPage>(kFixedConditionPage);
    m_combined = std::make_unique<ConditionPage>(kCombinedConditionPage);
    m_fixed->Create(&m_container);
    m_combined->Create(&m_container);
    m_fixed->ShowWindow(SW_SHOW);
}

void PageHarness::ClosePages()
{
    if (m_fixed && m_fixed->m_hWnd)
        m_fixed->DestroyWindow();
    if (m_combined && m_combined->m_hWnd)
        m_combined->DestroyWindow();
    m_fixed.reset();
    m_combined.reset();
    if (m_container.m_hWnd)
        m_container.DestroyWindow();
}

QWidget* PageHarness::Panel(ConditionPage& page) const
{
    for (QObject* child : page.m_hWnd->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && widget->findChild<QWidget*>(QStringLiteral("preview")))
            return widget;
    return nullptr;
}

std::string StateText(IRyxFilter& filter)
{
    std::FILE* file = std::tmpfile();
    char message[256] = {};
    filter.SaveState(file, message, -1);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

bool FileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace vesk::test
