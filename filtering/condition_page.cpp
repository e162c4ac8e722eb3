#include "filtering/condition_page.h"

#include "application/module_app.h"
#include "framework/cdc.h"
#include "framework/colour_messages.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "numbers/number_list.h"
#include "skin/workbench_colors.h"

#include <algorithm>
#include <iterator>

namespace vesk {
namespace {

constexpr ModuleNameRecord kFilterRecord = ModuleNameRecord::Make("Vesk.dll", "IRyxFilter");
constexpr ModuleNameRecord kWindowRecord = ModuleNameRecord::Make("Vesk.dll", "IRyxConWnd");

DialogTemplate EmptyChild(UINT id, short cx, short cy)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.cx = cx;
    dialog.cy = cy;
    dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    return dialog;
}

} // namespace

DialogTemplate FixedConditionPageTemplate()
{
    return EmptyChild(IDD_FIXED_CONDITION_PAGE, 187, 100);
}

DialogTemplate CombinedConditionPageTemplate()
{
    return EmptyChild(IDD_COMBINED_CONDITION_PAGE, 164, 151);
}

ConditionPage::ConditionPage(const ConditionPageKind& kind)
    : CDialog(kind.templateId)
    , m_kind(kind)
    , m_stateFile(kind.stateExtension)
{
}

ConditionPage::~ConditionPage()
{
    // Our WM_DESTROY keeps the state and releases the component; the base
    // destructor would only see the base's handling.
    if (m_hWnd)
        DestroyWindow();
}

BOOL ConditionPage::Create(CWnd* parent)
{
    return CDialog::Create(m_kind.templateId, parent);
}

BOOL ConditionPage::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_brush.CreateSolidBrush(kWorkbenchBackground);
    CWnd* container = GetParent();
    m_workbench = container ? container->GetParent() : nullptr;

    ModuleApp& app = ModuleApp::Instance();
    IHostObject* host = app.Host();
    // The component is expected to load; a page without it stays empty
    // rather than calling through a null interface.
    if (host)
        host->LoadComponent(&kFilterRecord, &m_filter);
    if (m_filter)
        m_filter->Setup(host, m_module, m_kind.pageKind);
    if (host)
        host->LoadComponent(&kWindowRecord, &m_conditionWindow);
    if (m_conditionWindow) {
        m_conditionWindow->Create(host, ToWindowHandle());
        m_conditionWindow->Bind(m_filter, m_module);
    }
    if (IGameService* game = app.Game()) {
        m_stateKey = game->GetListKey();
        m_stateNumber = game->GetNumberLength(kFirstOfNCodes);
    }
    m_stateFile.SetIdentity(m_stateKey, m_stateNumber);
    if (IEnvironmentService* environment = app.Environment(); environment && m_filter) {
        if (const std::string problem = m_stateFile.Restore(*environment, *m_filter); !problem.empty())
            MessageBox(problem.c_str(), "提示信息", MB_OK | MB_ICONINFORMATION);
    }
    if (m_conditionWindow) {
        const Rect none{0, 0, 0, 0};
        m_conditionWindow->Place(m_kind.placement, &none, 1, m_workbench);
    }
    return TRUE;
}

LRESULT ConditionPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (IsControlColourMessage(message)) {
        if (CDC* dc = CDC::FromHandle(reinterpret_cast<HDC>(wParam)))
            dc->SetBkMode(TRANSPARENT);
        return reinterpret_cast<LRESULT>(static_cast<HBRUSH>(m_brush));
    }
    switch (message) {
    case WM_SIZE: {
        const LRESULT result = CDialog::WindowProc(message, wParam, lParam);
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return result;
    }
    case WM_DESTROY:
        OnDestroy();
        return CDialog::WindowProc(message, wParam, lParam);
    default: return CDialog::WindowProc(message, wParam, lParam);
    }
}

void ConditionPage::OnSize(int width, int height)
{
    if (!m_conditionWindow)
        return;
    const Rect page{0, 0, width, height};
    m_conditionWindow->Resize(&page);
}

SlotInt ConditionPage::ConditionCount()
{
    return m_kind.countBySlot18 ? m_filter->FixedConditionCount(0) : m_filter->CombinedConditionCount();
}

void ConditionPage::OnDestroy()
{
    ModuleApp& app = ModuleApp::Instance();
    if (IEnvironmentService* environment = app.Environment(); environment && m_filter) {
        const bool keep = ConditionStateFile::KeepConditions(*environment) && ConditionCount() > 0;
        // The page still stands here, so a failed write can be shown.
        if (const std::string problem = m_stateFile.KeepOrDrop(*environment, *m_filter, keep); !problem.empty())
            MessageBox(problem.c_str(), "提示信息", MB_OK | MB_ICONINFORMATION);
    }
    m_brush.DeleteObject();
    if (IHostObject* host = app.Host()) {
        if (m_filter)
            host->ReleaseComponent(&m_filter);
        if (m_conditionWindow)
            host->ReleaseComponent(&m_conditionWindow);
    }
    m_filter = nullptr;
    m_conditionWindow = nullptr;
}

SlotInt ConditionPage::PrepareRun(char* text)
{
    if (m_conditionWindow)
        m_conditionWindow->Commit();
    if (!m_filter) {
        static constexpr char kMissing[] = "缩水组件没有载入，无法缩水";
        if (text)
            std::copy(std::begin(kMissing), std::end(kMissing), text);
        return 0;
    }
    return m_filter->CheckReady(text);
}

SlotInt ConditionPage::FilterList(NumberList& list)
{
    if (!m_filter)
        return 1;
    IAnalysisService* analysis = ModuleApp::Instance().Analysis();
    m_filter->BeginRun();
    const std::uint32_t count = list.Count();
    for (std::uint32_t i = 0; i < count; ++i) {
        if (analysis)
            analysis->SetCurrentNumber(list.GetAt(i));
        if (m_filter->Passes() == 0)
            list.Mark(i);
    }
    m_filter->EndRun();
    return 1;
}

} // namespace vesk
