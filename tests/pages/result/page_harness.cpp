#include "tests/pages/result/page_harness.h"

#include "host/list_view_notify.h"
#include "numbers/number_list.h"
#include "pages/options/options_dialog.h"
#include "pages/result/result_ids.h"
#include "pages/result/result_templates.h"

#include <QAbstractItemView>
#include <QTest>

#include <cstring>

namespace vesk::test {
namespace {

constexpr UINT kContainer = 7311;

std::string BinaryDir()
{
    const char* binary = std::getenv("VESK_BINARY_DIR");
    return binary ? binary : ".";
}

ModuleContext& TestModule()
{
    static ModuleContext context = [] {
        ModuleContext made("result-test");
        made.Templates().Register(result::ResultPageTemplate());
        made.Templates().Register(result::NumberInputTemplate());
        made.Templates().Register(options::OptionsDialogTemplate());
        DialogTemplate container;
        container.id = kContainer;
        container.style = WS_CHILD | WS_VISIBLE;
        container.cx = 100;
        container.cy = 100;
        made.Templates().Register(container);
        return made;
    }();
    return context;
}

app::HostConfig ConfigUnder(const std::string& root)
{
    app::HostConfig config;
    config.paths = app::HostPaths::UnderRoot(root);
    config.pluginFolder = BinaryDir() + "/plugins/";
    return config;
}

} // namespace

LRESULT RecordingWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        commands.push_back({message, wParam, lParam});
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT ChartProbe::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != kMessageChartNumbers)
        return CWnd::WindowProc(message, wParam, lParam);
    ++messages;
    tag = wParam;
    const auto* record = reinterpret_cast<const ChartRecord*>(lParam);
    digits = record->digits;
    listKey = record->listKey;
    zero = record->zero;
    numbers.clear();
    padding.clear();
    for (std::int32_t i = 0; i < record->numbers.size; ++i) {
        const auto* block = static_cast<const std::uint8_t*>(record->numbers.data[i]);
        std::string text;
        for (std::int32_t d = 0; d < digits; ++d)
            text += static_cast<char>('0' + block[d]);
        numbers.push_back(text);
        padding.insert(padding.end(), block + digits, block + kChartBlockSize);
    }
    return 1;
}

SlotInt PrintRecorder::Begin(IHostObject*, SlotInt count, SlotInt kind)
{
    calls.push_back("2:" + std::to_string(count) + "," + std::to_string(kind));
    return 1;
}

SlotInt PrintRecorder::SetItem(SlotInt index, const char* text)
{
    calls.push_back("3:" + std::to_string(index) + "," + text);
    return 1;
}

SlotInt PrintRecorder::Print()
{
    calls.push_back("4");
    return 1;
}

SlotInt ArrangeRecorder::Initialize(IHostObject* host, WindowHandle owner)
{
    std::string call = host ? "2:host" : "2:null";
    call += IsWindow(FromWindowHandle(owner)) ? ",window" : ",none";
    calls.push_back(call);
    return 1;
}

SlotInt ArrangeRecorder::SetCaption(const char* caption)
{
    calls.push_back(std::string("7:") + caption);
    return 1;
}

SlotInt ArrangeRecorder::SetAreaCaptions(const char* shown, const char* hidden)
{
    calls.push_back(std::string("8:") + shown + "|" + hidden);
    return 1;
}

SlotInt ArrangeRecorder::SetShownRecord(SlotInt optionId)
{
    calls.push_back("12:" + std::to_string(optionId));
    return 1;
}

SlotInt ArrangeRecorder::SetHiddenRecord(SlotInt optionId)
{
    calls.push_back("13:" + std::to_string(optionId));
    return 1;
}

SlotInt ArrangeRecorder::SetImages(void* normal, void* selected, void* dragged, void* hint)
{
    imagesLoaded = 0;
    for (void* image : {normal, selected, dragged, hint})
        if (image && !CBitmap::FromHandle(static_cast<HBITMAP>(image))->GetImage().isNull())
            ++imagesLoaded;
    calls.push_back("14");
    return 1;
}

SlotInt ArrangeRecorder::Run()
{
    calls.push_back("15");
    return run ? run() : 0;
}

SlotInt TestHost::LoadComponent(const ModuleNameRecord* name, void* holder)
{
    const std::string iface = name->interfaceName;
    loads.push_back(iface);
    void* instance = nullptr;
    if (realOther)
        return m_real.LoadComponent(name, holder);
    if (iface == "IRyxPrint")
        instance = static_cast<IRyxPrint*>(&print);
    else if (iface == "IArrange")
        instance = static_cast<IArrange*>(&arrange);
    else
        return m_real.LoadComponent(name, holder);
    std::memcpy(holder, &instance, sizeof instance);
    return 1;
}

SlotInt TestHost::ReleaseComponent(void* holder)
{
    void* instance = nullptr;
    std::memcpy(&instance, holder, sizeof instance);
    if (instance == static_cast<IRyxPrint*>(&print) || instance == static_cast<IArrange*>(&arrange)) {
        ++releases;
        std::memset(holder, 0, sizeof instance);
        return 1;
    }
    return m_real.ReleaseComponent(holder);
}

WindowHandle TestHost::GetFeatureWindow(SlotInt which)
{
    ++chartAsks;
    if (realChart)
        return m_real.GetFeatureWindow(which);
    if (which != 1)
        return 0;
    if (!chartOpen && chartDelay >= 0 && chartAsks > chartDelay)
        MakeChartWindow();
    return chartOpen ? chart.ToWindowHandle() : 0;
}

SlotInt TestHost::OpenFeatureByName(const char* name, SlotInt arg)
{
    if (std::string(name) == "Kelpo")
        ++chartOpens;
    return realChart ? m_real.OpenFeatureByName(name, arg) : 1;
}

void TestHost::MakeChartWindow()
{
    chart.Create(nullptr, "chart", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0);
    chartOpen = true;
}

PageHarness::PageHarness() : m_host(ConfigUnder(m_folder.Path())), m_testHost(m_host)
{
    SetResourceFolder(BinaryDir());
    m_app.Attach(&m_testHost);
    ModuleContextGuard guard(TestModule());
    if (!m_workbench.Create(nullptr, "workbench", WS_POPUP | WS_VISIBLE, CRect(30, 30, 530, 530), nullptr, 0)
        || !m_container.Create(kContainer, &m_workbench))
        return;
    m_container.MoveWindow(0, 0, 500, 500);
    m_ready = Recreate();
}

PageHarness::~PageHarness()
{
    ModuleContextGuard guard(TestModule());
    m_page.reset();
}

bool PageHarness::Recreate()
{
    ModuleContextGuard guard(TestModule());
    m_page.reset();
    m_page = std::make_unique<result::ResultPage>(m_app);
    if (!m_page->Create(&m_container))
        return false;
    m_page->MoveWindow(0, 0, 500, 500);
    m_page->ShowWindow(SW_SHOW);
    return m_page->ResultGrid() && m_page->RecycleGrid();
}

void PageHarness::SetResult(const std::string& text)
{
    m_page->ResultList().ParseText(text, 3, false);
    m_page->RecordChange();
}

void PageHarness::SetRecycle(const std::string& text)
{
    m_page->RecycleList().ParseText(text, 3, false);
    m_page->RecordChange();
    m_page->RefreshRecycleGrid();
}

std::string ListText(NumberList& list)
{
    std::string text;
    for (std::uint32_t i = 0; i < list.Count(); ++i)
    {
        if (i)
            text += ' ';
        text += list.ToText(i);
    }
    return text;
}

std::string PageHarness::ResultText() { return ListText(m_page->ResultList()); }
std::string PageHarness::RecycleText() { return ListText(m_page->RecycleList()); }

std::vector<std::string> PageHarness::GridNumbers(IRyxGridCtrl* grid)
{
    // The grid keeps no readable cells through its slots; its view does.
    std::vector<std::string> rows;
    QWidget* window = FromWindowHandle(grid->GetWindow());
    auto* view = window ? window->findChild<QAbstractItemView*>() : nullptr;
    if (!view)
        return rows;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        rows.push_back(view->model()->index(row, 1).data().toString().toStdString());
    return rows;
}

bool PageHarness::Enabled(unsigned id)
{
    CWnd* control = m_page->GetDlgItem(static_cast<int>(id));
    return control && control->IsWindowEnabled();
}

std::string PageHarness::Text(unsigned id)
{
    return m_page->GetDlgItemText(static_cast<int>(id));
}

void PageHarness::Click(unsigned id)
{
    ModuleContextGuard guard(TestModule());
    CWnd* control = m_page->GetDlgItem(static_cast<int>(id));
    m_page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

void PageHarness::Notify(unsigned gridId, UINT code, int item, int subItem)
{
    ModuleContextGuard guard(TestModule());
    IRyxGridCtrl* grid = gridId == result::kResultGrid ? m_page->ResultGrid() : m_page->RecycleGrid();
    HWND from = FromWindowHandle(grid->GetWindow());
    if (code == LVN_COLUMNCLICK) {
        NMLISTVIEW record{};
        record.iItem = -1;
        record.iSubItem = subItem;
        NotifyParent(from, code, &record);
    } else {
        NMITEMACTIVATE record{};
        record.iItem = item;
        record.iSubItem = subItem;
        NotifyParent(from, code, &record);
    }
}

} // namespace vesk::test
