#include "tests/workbench_pages/page_host.h"

#include "filtering/grouping/grouping_panel.h"
#include "pages/editor/editor_page.h"
#include "pages/text/count_page.h"
#include "pages/text/staging_page.h"

#include <QApplication>
#include <QTest>

#include <fstream>
#include <sstream>

namespace vesk::test {

namespace {

constexpr UINT kWorkbenchTemplate = 9600;
constexpr UINT kContainerTemplate = 9601;

} // namespace

LRESULT RecordingWorkbench::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        commands.push_back({ message, wParam, lParam });
    return CDialog::WindowProc(message, wParam, lParam);
}

PageHost::PageHost(bool withComponents)
{
    const std::string build = qEnvironmentVariable("VESK_BINARY_DIR", QStringLiteral(".")).toStdString();
    SetResourceFolder(build);
    const std::string plugins = withComponents ? build + "/plugins/" : m_root.Path() + "plugins/";
    m_host = std::make_unique<app::HostObject>(
        app::HostConfig { app::HostPaths::UnderRoot(m_root.Path()), plugins, "", "" });
    DialogTemplate workbench;
    workbench.id = kWorkbenchTemplate;
    workbench.style = WS_POPUP | WS_VISIBLE;
    workbench.cx = 500;
    workbench.cy = 400;
    DialogTemplate container;
    container.id = kContainerTemplate;
    container.style = WS_CHILD | WS_VISIBLE;
    container.cx = 480;
    container.cy = 380;
    for (DialogTemplate made : { workbench, container, EditorPageTemplate(), StagingPageTemplate(),
             CountPageTemplate(), GroupingPanelTemplate() })
        m_context.Templates().Register(made);
    m_workbench.Create(kWorkbenchTemplate, nullptr);
    m_container.Create(kContainerTemplate, &m_workbench);
}

PageHost::~PageHost()
{
    m_container.DestroyWindow();
    m_workbench.DestroyWindow();
}

void PageHost::Resize(CWnd& page, int width, int height)
{
    m_workbench.SetWindowPos(nullptr, 0, 0, width + 20, height + 20, SWP_NOZORDER);
    m_container.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER);
    page.SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER);
    page.ShowWindow(SW_SHOW);
    Settle();
}

std::string PageHost::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string path = m_root.Path() + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QImage Grab(CWnd& window)
{
    Settle();
    return static_cast<QWidget*>(window.GetSafeHwnd())
        ->grab()
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void SaveShot(CWnd& window, const char* name)
{
    const QString folder = qEnvironmentVariable("VESK_SHOT_DIR");
    if (!folder.isEmpty())
        Grab(window).save(folder + "/" + QString::fromUtf8(name) + ".png");
}

void Click(CWnd& control)
{
    QWidget* widget = control.GetSafeHwnd();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    Settle();
}

} // namespace vesk::test
