#include "filtering/filter_workbench.h"

#include "application/module_app.h"
#include "filtering/rules/pane_layout.h"
#include "pages/text/staging_page.h"
#include "framework/cdc.h"
#include "framework/interaction.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "host/module_messages.h"
#include "numbers/number_list.h"
#include "numbers/uint_array.h"
#include "pages/result/result_ids.h"
#include "skin/workbench_colors.h"

namespace vesk {

namespace {
// Host directory 2: the data folder, where the recovery copy lives.
} // namespace

DialogTemplate FilterWorkbenchTemplate()
{
    DialogTemplate dialog;
    dialog.id = IDD_FILTER_WORKBENCH;
    dialog.cx = 367;
    dialog.cy = 181;
    dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    return dialog;
}

FilterWorkbench::FilterWorkbench(IModule* owner)
    : m_left(ModuleApp::Instance().Host())
    , m_right(ModuleApp::Instance())
    , m_owner(owner)
{
    HandleMessage(WM_ERASEBKGND, [this](WPARAM wParam, LPARAM) { return OnEraseBackground(wParam); });
    HandleMessage(WM_PAINT, [this](WPARAM, LPARAM) {
        CPaintDC dc(this); // erases the background first
        return LRESULT{0};
    });
    HandleMessage(WM_SIZE, [this](WPARAM wParam, LPARAM lParam) {
        LayoutPanes(LOWORD(lParam), HIWORD(lParam));
        if (!m_grouping.GetSafeHwnd())
            return LRESULT{0};
        return DefWindowProc(WM_SIZE, wParam, lParam);
    });
    HandleMessage(WM_RIGHT_PAGE_CHANGED, [this](WPARAM, LPARAM) {
        OnRightPageChanged();
        return LRESULT{0};
    });
    HandleMessage(kMessageTransferNumbers, [this](WPARAM wParam, LPARAM lParam) {
        return OnTransferNumbers(wParam, reinterpret_cast<const void*>(lParam));
    });
    HandleMessage(kMessageAddConditions, [this](WPARAM, LPARAM lParam) {
        return OnAddConditions(reinterpret_cast<ConditionAddRecord*>(lParam));
    });
    HandleMessage(kMessageCopyResults, [this](WPARAM, LPARAM lParam) {
        return LRESULT{m_right.Results().CopyResults(reinterpret_cast<ListSnapshot*>(lParam)) ? 1 : 0};
    });
    HandleMessage(WM_DESTROY, [this](WPARAM wParam, LPARAM lParam) {
        // The pages still hold the lists: a change not yet copied goes into
        // the copy now, as an end the user did not choose may follow.
        if (m_recovery)
            m_recovery->WriteIfPending();
        return DefWindowProc(WM_DESTROY, wParam, lParam);
    });
    HandleMessage(kMessageQueryQuit, [this](WPARAM, LPARAM) { return LRESULT{MayQuit() ? 1 : kQuitRefused}; });
    HandleMessage(kMessageResultSnapshot, [this](WPARAM wParam, LPARAM lParam) {
        if (wParam == kSnapshotTake || wParam == kSnapshotRestore)
            m_right.ForwardSnapshotRequest(wParam, reinterpret_cast<ListSnapshot*>(lParam));
        return LRESULT{0};
    });
    RegisterCommands();
}

FilterWorkbench::~FilterWorkbench()
{
    if (m_resultPage) {
        m_resultPage->SetChangeListener(nullptr);
        m_resultPage->SetSavedListener(nullptr);
    }
    if (m_stagingPage)
        m_stagingPage->SetSavedListener(nullptr);
    // Only an end the user chose (MayQuit) removes the recovery copy; any
    // other end keeps it up to date for the next start to offer.
    if (m_recovery)
        m_recovery->WriteIfPending();
    // The panes keep or drop their state while the workbench still holds them.
    if (m_hWnd)
        DestroyWindow();
}

void FilterWorkbench::RegisterCommands()
{
    const std::pair<UINT, void (FilterWorkbench::*)()> commands[] = {
        {IDC_GROUP_GENERATE, &FilterWorkbench::GenerateNumbers},
        {IDC_GROUP_FILTER, &FilterWorkbench::RunFilter},
        {IDC_GROUP_CLOSE, &FilterWorkbench::CloseFeature},
        {IDC_EDITOR_COUNT, &FilterWorkbench::CountEditorNumbers},
        {IDC_EDITOR_TRANSFER, &FilterWorkbench::TransferEditorText},
        {IDC_COUNT_TO_STAGING, &FilterWorkbench::TransferCountsToStaging},
        {result::kResultToEditor, &FilterWorkbench::TransferResultsToEditor},
        {result::kRecycleToEditor, &FilterWorkbench::TransferRecycleToEditor},
        {IDC_STAGING_TO_EDITOR, &FilterWorkbench::TransferStagingToEditor},
    };
    // The handler is captured as a named copy: clang before 16 cannot capture a structured binding.
    for (const auto& [id, handler] : commands)
        HandleCommand(id, BN_CLICKED, [this, handler = handler] { (this->*handler)(); });
}

BOOL FilterWorkbench::CreateIn(CWnd* parent)
{
    return Create(IDD_FILTER_WORKBENCH, parent);
}

BOOL FilterWorkbench::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_groupingPanel = &m_grouping;
    m_fixedPage = &m_left.FixedConditions();
    m_combinedPage = &m_left.CombinedConditions();
    m_editorPage = &m_left.Editor();
    m_countPage = &m_left.Counts();
    m_resultPage = &m_right.Results();
    m_stagingPage = &m_right.Staging();

    m_grouping.Create(this);
    m_left.SetModuleInstance(m_owner);
    m_left.Create(this);
    m_right.Create(this);
    // Saved number text is laid out as the editor's column setting says.
    m_resultPage->SetNumbersPerLineSource([this] {
        return static_cast<std::uint32_t>(m_editorPage->PerLineCount(0));
    });

    RECT client;
    GetClientRect(&client);
    LayoutPanes(client.right - client.left, client.bottom - client.top);
    // The work as the workbench starts with it counts as saved; work an
    // unclean end left behind and that is taken back does not.
    m_savedWork.ListsSaved(m_resultPage->ResultList(), m_resultPage->RecycleList());
    m_savedWork.StagingSaved(m_stagingPage->Text());
    m_resultPage->SetSavedListener(
        [this] { m_savedWork.ListsSaved(m_resultPage->ResultList(), m_resultPage->RecycleList()); });
    m_stagingPage->SetSavedListener([this] { m_savedWork.StagingSaved(m_stagingPage->Text()); });
    StartRecovery();
    // Every change of the result list (hand-offs, transfers, open, undo and
    // redo, runs, generation) records a step or tells the page's listener.
    m_resultPage->SetChangeListener([this] { OnResultsChanged(); });
    HandJudgedList();
    return TRUE;
}

void FilterWorkbench::StartRecovery()
{
    IEnvironmentService* environment = ModuleApp::Instance().Environment();
    const char* folder = environment ? environment->GetDirectory(kDataDirectory) : nullptr;
    if (!folder || !*folder || !m_resultPage->GetSafeHwnd() || !m_stagingPage->GetSafeHwnd())
        return;
    m_recovery = std::make_unique<WorkbenchRecovery>(std::string(folder) + kRecoveryFileName,
                                                     [this]() -> std::optional<std::string> {
        if (!m_resultPage->HoldsLists() || !m_stagingPage->GetSafeHwnd())
            return std::nullopt;
        return history::RecoveryBytes(m_resultPage->ResultList(), m_resultPage->RecycleList(), m_stagingPage->Text());
    });
    if (auto leftover = m_recovery->Leftover(); leftover && !leftover->IsEmpty()) {
        if (MessageBox(kRecoveryQuestion, kRunCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
            RestoreWork(*leftover);
    }
    m_recovery->WriteNow();
}

bool FilterWorkbench::MayQuit()
{
    if (!m_resultPage || !m_stagingPage || !m_resultPage->GetSafeHwnd() || !m_stagingPage->GetSafeHwnd())
        return true;
    NumberList& result = m_resultPage->ResultList();
    const workbench::UnsavedParts unsaved =
        m_savedWork.Compare(result, m_resultPage->RecycleList(), m_stagingPage->Text());
    if (unsaved.Any()) {
        MessageBoxRequest question{GetSafeHwnd(), workbench::QuitQuestion(unsaved, result.Count()), kRunCaption,
                                   MB_YESNOCANCEL | MB_ICONQUESTION};
        question.yesText = kQuitSave;
        question.noText = kQuitDiscard;
        question.cancelText = kQuitCancel;
        switch (Interaction().MessageBox(question)) {
        case IDYES:
            // A cancelled or failed save keeps the program open.
            if ((unsaved.result || unsaved.recycle) && !m_resultPage->SaveResultFile())
                return false;
            if (unsaved.staging && !m_stagingPage->SaveText())
                return false;
            break;
        case IDNO:
            break;
        default:
            return false;
        }
    }
    if (m_recovery)
        m_recovery->Discard();
    return true;
}

void FilterWorkbench::OnResultsChanged()
{
    if (m_recovery)
        m_recovery->MarkChanged();
    HandJudgedList();
}

void FilterWorkbench::HandJudgedList()
{
    if (!m_resultPage || !m_resultPage->HoldsLists())
        return;
    const NumberList& list = m_resultPage->ResultList();
    const int length = GameLength();
    // A list of another length is no list the next run can judge.
    const std::uint32_t count = list.Length() == length ? list.Count() : 0;
    std::vector<std::uint8_t> digits;
    digits.reserve(std::size_t(count) * std::size_t(length));
    for (std::uint32_t i = 0; i < count; ++i)
        digits.insert(digits.end(), list.GetAt(i), list.GetAt(i) + length);
    for (ConditionPage* page : {m_fixedPage, m_combinedPage})
        if (page && page->ConditionWindow())
            page->ConditionWindow()->SetJudgedNumbers(digits.data(), static_cast<SlotInt>(count), length);
}

void FilterWorkbench::RestoreWork(history::RecoveredWork& work)
{
    // Lists of another game's length stay out; the staging text is text.
    const int length = GameLength();
    if (work.result.Length() == length || work.result.IsEmpty())
        m_resultPage->ResultList().SwapContent(work.result);
    if (work.recycle.Length() == length || work.recycle.IsEmpty())
        m_resultPage->RecycleList().SwapContent(work.recycle);
    m_stagingPage->SetText(work.staging);
    m_resultPage->RecordChange();
    m_resultPage->RefreshRecycleGrid();
}

void FilterWorkbench::LayoutPanes(int width, int height)
{
    m_client.right = width;
    m_client.bottom = height;
    if (!m_grouping.GetSafeHwnd())
        return;
    const workbench::PaneLayout layout = workbench::LayOutPanes(width, height);
    m_grouping.SetLayoutMode(layout.panelMode);
    const auto place = [](CWnd& pane, const Rect& rect) {
        if (pane.GetSafeHwnd())
            pane.SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                              SWP_NOZORDER | SWP_SHOWWINDOW);
    };
    place(m_grouping, layout.panel);
    place(m_left, layout.left);
    place(m_right, layout.right);
}

void FilterWorkbench::RefreshAll()
{
    if (m_resultPage && m_resultPage->GetSafeHwnd())
        m_resultPage->RefreshAll();
}

void FilterWorkbench::FillEditorNumbers(void* array)
{
    if (array && m_editorPage && m_editorPage->GetSafeHwnd())
        m_editorPage->GetEditorNumbers(*static_cast<C3DUIntArray*>(array));
}

void FilterWorkbench::OnRightPageChanged()
{
    if (!m_editorPage || !m_editorPage->GetSafeHwnd())
        return;
    m_editorPage->ShowTransferTarget(m_right.Tabs().GetCurSel() == kRightPageStaging);
}

void FilterWorkbench::CloseFeature()
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(kMessageFeatureClose, 1, 0);
}

LRESULT FilterWorkbench::OnEraseBackground(WPARAM wParam)
{
    CDC* dc = reinterpret_cast<CDC*>(wParam);
    if (!dc)
        return 0;
    RECT client;
    GetClientRect(&client);
    dc->FillSolidRect(client, kWorkbenchBackground);
    return 1;
}

int FilterWorkbench::GameLength()
{
    // Read as the result list reads it, so that the two never disagree.
    IGameService* game = ModuleApp::Instance().Game();
    const int length = game ? NumberList(game).GameLength() : 0;
    return length != 0 ? length : 3;
}

void FilterWorkbench::ShowMessage(const std::string& text, const char* caption)
{
    Interaction().MessageBox({GetSafeHwnd(), text, caption, MB_OK | MB_ICONINFORMATION});
}

ConditionPage* FilterWorkbench::ConditionPageOf(int leftPage)
{
    if (leftPage == kLeftPageFixedConditions)
        return m_fixedPage;
    if (leftPage == kLeftPageCombinedConditions)
        return m_combinedPage;
    return nullptr;
}

} // namespace vesk
