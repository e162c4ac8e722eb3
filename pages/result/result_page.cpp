#include "pages/result/result_page.h"

#include "application/module_app.h"
#include "framework/framework.h"
#include "host/list_view_notify.h"
#include "host/module_messages.h"
#include "numbers/number_list.h"
#include "pages/result/result_ids.h"
#include "pages/result/result_rules.h"

#include <QFontMetrics>
#include <QWidget>

namespace vesk::result {
namespace {

constexpr unsigned kSkinnedButtons[] = {kGroupToSingle, kSingleToGroup, kAdd, kDelete, kClear, kUndo,
                                        kRedo, kResultToEditor, kOpen, kSave, kPrint, kOptions,
                                        kToChart, kRecycleToEditor};

struct Tooltip {
    unsigned id;
    const char* text;
};
constexpr Tooltip kTooltips[] = {
    {kGroupToSingle, "将缩水器号码转换为单选号码"},
    {kSingleToGroup, "将缩水器号码转换为组选号码"},
    {kAdd, "添加号码到缩水器"},
    {kDelete, "从缩水器中删除选择的号码"},
    {kClear, "清空缩水器中的所有号码"},
    {kUndo, "撤消上一次对缩水器的操作"},
    {kRedo, "恢复上一次对缩水器的撤消操作"},
    {kResultToEditor, "将缩水器中的号码转至编辑器"},
    {kOpen, "从文件中加载号码到缩水器"},
    {kSave, "将缩水器中的号码保存到文件"},
    {kPrint, "打印缩水器号码"},
    {kOptions, "设置缩水器显示参数"},
    {kToChart, "将缩水器中的号码转入图表分析"},
    {kRecycleToEditor, "将回收区中的号码转至编辑器"},
};
constexpr const char* kOverwriteTooltip =
    "选择时，先清空缩水器数据，再将编辑器中号码添加到缩水器\n无选择时，将编辑器中号码追加到缩水器原有号码末尾";

// Controls of the result view (the recycle view shows the recycle grid,
// 8547 and 8546 instead).
constexpr unsigned kResultViewControls[] = {kStatusResult, kOverwrite, kGroupToSingle, kSingleToGroup,
                                            kAdd, kDelete, kClear, kUndo, kRedo, kResultToEditor,
                                            kOpen, kSave, kPrint, kOptions, kToChart};
constexpr unsigned kRecycleViewControls[] = {kStatusRecycle, kRecycleToEditor};

} // namespace

ResultPage::ResultPage(ModuleApp& app) : SkinnedPage(kResultPageTemplate), m_app(app)
{
    HandleControls();
}

ResultPage::~ResultPage()
{
    // Our WM_DESTROY handling must run while this class still exists.
    ReleaseEverything();
    if (IsWindow())
        DestroyWindow();
}

BOOL ResultPage::Create(CWnd* parent)
{
    if (!m_app.Host() || !m_app.Game() || !m_app.Environment() || !m_app.Analysis())
        return FALSE;
    m_context = &CurrentModuleContext();
    return CDialog::Create(kResultPageTemplate, parent);
}

BOOL ResultPage::OnInitDialog()
{
    SkinnedPage::OnInitDialog();
    IGameService& game = *m_app.Game();
    m_listKey = static_cast<std::uint32_t>(game.GetListKey());
    m_listSubKey = static_cast<std::uint8_t>(game.GetListSubKey() & 0xFF);
    m_result = m_app.AcquireNumberLists(m_listKey, m_listSubKey, true);
    m_recycle = m_app.AcquireNumberLists(m_listKey, m_listSubKey, false);
    m_listsTaken = true;
    m_workbench = GetParent() ? GetParent()->GetParent() : nullptr;

    m_buttonSkin.LoadFromFile("Skin\\WhiteBtn.bmp");
    m_checkImage.LoadFromFile("Skin\\Checked.bmp");
    m_editorIcon.LoadFromFile("Skin\\FltEdit.bmp");
    m_options = options::ReadResultOptions(*m_app.Environment());

    m_resultGrid = LoadGrid(kResultGrid);
    m_overwrite.SubclassDlgItem(kOverwrite, this);
    m_overwrite.SetCheckImage(m_checkImage);
    m_overwrite.SetTooltip(kOverwriteTooltip);
    m_overwrite.SetCheck(m_options.Overwrite() ? 1 : 0);
    SetUpButtons();
    m_recycleGrid = LoadGrid(kRecycleGrid);

    ComputeAttributes();
    SetupColumns(GridChoice::Both);
    SetViewMode(1);
    UpdateStatus();
    RECT client;
    GetClientRect(&client);
    LayOut(client.right - client.left, client.bottom - client.top);
    return FALSE;
}

IRyxGridCtrl* ResultPage::LoadGrid(unsigned id)
{
    void* holder = nullptr;
    if (m_app.Host()->LoadComponent(&kGridComponentName, &holder) == 0 || !holder)
        return nullptr;
    auto* grid = static_cast<IRyxGridCtrl*>(holder);
    const Rect none{};
    grid->Create(&none, ToWindowHandle(), static_cast<SlotInt>(id), 0, 0, 1);
    return grid;
}

void ResultPage::SetUpButtons()
{
    for (const unsigned id : kSkinnedButtons) {
        CBaseButton& button = m_buttons[id];
        button.SubclassDlgItem(id, this);
        button.SetSkin(m_buttonSkin);
    }
    m_buttons[kResultToEditor].SetIcon(m_editorIcon, RGB(255, 0, 255));
    m_buttons[kRecycleToEditor].SetIcon(m_editorIcon, RGB(255, 0, 255));
    for (const Tooltip& tip : kTooltips)
        m_buttons[tip.id].SetTooltip(tip.text);
}

void ResultPage::HandleControls()
{
    const std::pair<unsigned, void (ResultPage::*)()> commands[] = {
        {kGroupToSingle, &ResultPage::GroupToSingle}, {kSingleToGroup, &ResultPage::SingleToGroup},
        {kAdd, &ResultPage::AddNumber},               {kDelete, &ResultPage::DeleteSelected},
        {kClear, &ResultPage::ClearResults},          {kUndo, &ResultPage::Undo},
        {kRedo, &ResultPage::Redo},                   {kOpen, &ResultPage::OpenResultFile},
        {kPrint, &ResultPage::PrintResults},
        {kOptions, &ResultPage::EditOptions},         {kToChart, &ResultPage::SendToChart},
        {kResultToEditor, &ResultPage::ForwardToWorkbench},
        {kRecycleToEditor, &ResultPage::ForwardToWorkbench},
        {kOverwrite, &ResultPage::OnOverwriteClicked},
    };
    for (const auto& [id, operation] : commands)
        HandleCommand(id, BN_CLICKED, [this, operation = operation] { (this->*operation)(); });
    HandleCommand(kSave, BN_CLICKED, [this] { SaveResultFile(); });
    for (const unsigned grid : {kResultGrid, kRecycleGrid})
        for (const UINT code : {NM_CLICK, NM_DBLCLK, NM_RCLICK, LVN_COLUMNCLICK})
            HandleNotify(grid, code, [this](NMHDR* header) { return OnGridNotify(header); });
    HandleMessage(kMessageResultSnapshot, [this](WPARAM wParam, LPARAM lParam) -> LRESULT {
        auto* snapshot = reinterpret_cast<ListSnapshot*>(lParam);
        if (wParam == kSnapshotTake)
            return TakeResultSnapshot(snapshot) ? 1 : 0;
        if (wParam == kSnapshotRestore)
            return RestoreResultSnapshot(snapshot) ? 1 : 0;
        return 0;
    });
}

LRESULT ResultPage::OnGridNotify(NMHDR* header)
{
    const bool fromResult = header->idFrom == kResultGrid;
    if (header->code == LVN_COLUMNCLICK) {
        const auto* record = reinterpret_cast<const NMLISTVIEW*>(header);
        SortByColumn(fromResult ? GridChoice::Result : GridChoice::Recycle, record->iSubItem);
        return 0;
    }
    if (!fromResult)
        return 0;
    const auto* record = reinterpret_cast<const NMITEMACTIVATE*>(header);
    if (header->code == NM_CLICK)
        UpdateStatus();
    else if (header->code == NM_DBLCLK)
        ModifyNumber(record->iItem);
    else if (header->code == NM_RCLICK)
        ShowContextMenu();
    return 0;
}

LRESULT ResultPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        const LRESULT answer = SkinnedPage::WindowProc(message, wParam, lParam);
        LayOut(LOWORD(lParam), HIWORD(lParam));
        return answer;
    }
    case WM_DESTROY:
        ReleaseEverything();
        break;
    default:
        break;
    }
    return SkinnedPage::WindowProc(message, wParam, lParam);
}

void ResultPage::ReleaseEverything()
{
    if (m_listsTaken) {
        m_app.ReleaseNumberLists(m_listKey, m_listSubKey);
        m_app.ReleaseNumberLists(m_listKey, m_listSubKey);
        m_listsTaken = false;
        m_result = nullptr;
        m_recycle = nullptr;
    }
    for (IRyxGridCtrl** grid : {&m_resultGrid, &m_recycleGrid})
        if (*grid) {
            // The grid's window goes first, while its code is still loaded:
            // the page's own window may be on its way out and would otherwise
            // delete it after the component library was unloaded.
            if (CWnd* window = CWnd::FromWindowHandle((*grid)->GetWindow()))
                window->DestroyWindow();
            void* holder = *grid;
            m_app.Host()->ReleaseComponent(&holder);
            *grid = nullptr;
        }
}

void ResultPage::LayOut(int width, int height)
{
    const ResultViewLayout result = LayoutResultView(width, height);
    const RecycleViewLayout recycle = LayoutRecycleView(width, height);
    for (const auto& [grid, place] : {std::pair{m_resultGrid, result.grid}, std::pair{m_recycleGrid, recycle.grid}})
        if (grid) {
            const Rect rect{place.x, place.y, place.x + place.width, place.y + place.height};
            grid->Move(&rect);
        }
    PlaceRow(result.rowA);
    PlaceRow(result.rowB);
    PlaceRow(result.rowC);
    PlaceRow(recycle.row);
}

void ResultPage::PlaceRow(const std::vector<Placement>& row)
{
    for (const Placement& place : row)
        if (!GetDlgItem(static_cast<int>(place.id)))
            return;
    for (const Placement& place : row) {
        CWnd* control = GetDlgItem(static_cast<int>(place.id));
        control->SetWindowPos(nullptr, place.x, place.y, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
        control->Invalidate();
    }
}

void ResultPage::SetViewMode(int view)
{
    m_view = view == 1 ? View::Result : View::Recycle;
    const bool result = m_view == View::Result;
    const auto show = [](IRyxGridCtrl* grid, bool visible) {
        if (grid)
            if (CWnd* window = CWnd::FromWindowHandle(grid->GetWindow()))
                window->ShowWindow(visible ? SW_SHOW : SW_HIDE);
    };
    show(m_resultGrid, result);
    show(m_recycleGrid, !result);
    for (const unsigned id : kResultViewControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->ShowWindow(result ? SW_SHOW : SW_HIDE);
    for (const unsigned id : kRecycleViewControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id)))
            control->ShowWindow(result ? SW_HIDE : SW_SHOW);
}

namespace {

// The full text when the label shows it whole, else the short one: a count
// must never be cut off.
std::string FittingText(CWnd* label, std::string full, std::string shorter)
{
    if (!label || !label->m_hWnd)
        return full;
    const QFontMetrics metrics(label->m_hWnd->font());
    return metrics.horizontalAdvance(QString::fromStdString(full)) <= label->m_hWnd->width() ? full : shorter;
}

} // namespace

void ResultPage::UpdateStatus()
{
    PageCounts counts;
    counts.resultRows = m_resultGrid ? m_resultGrid->GetRowCount() : 0;
    counts.selectedRows = m_resultGrid ? m_resultGrid->GetSelectedCount() : 0;
    counts.recycleRows = m_recycleGrid ? m_recycleGrid->GetRowCount() : 0;
    counts.canUndo = m_history.CanUndo();
    counts.canRedo = m_history.CanRedo();
    SetDlgItemText(kStatusResult, FittingText(GetDlgItem(kStatusResult), ResultStatusText(counts.resultRows),
                                              std::to_string(counts.resultRows) + "注"));
    SetDlgItemText(kStatusRecycle, RecycleStatusText(counts.recycleRows));
    for (const ControlState& state : ButtonStates(counts))
        if (CWnd* control = GetDlgItem(static_cast<int>(state.id)))
            control->EnableWindow(state.enabled);
}

void ResultPage::ForwardToWorkbench()
{
    ForwardCurrentMessage(m_workbench);
}

void ResultPage::OnOverwriteClicked()
{
    m_options.SetOverwrite(m_overwrite.GetCheck() == 1);
    options::WriteResultOptions(*m_app.Environment(), m_options);
}

bool ResultPage::TakeResultSnapshot(ListSnapshot* snapshot)
{
    if (!snapshot || !m_result || !m_options.KeepWithConditions())
        return false;
    return m_result->ToSnapshot(*snapshot);
}

bool ResultPage::CopyResults(ListSnapshot* snapshot) const
{
    return snapshot && m_result && m_result->ToSnapshot(*snapshot);
}

bool ResultPage::RestoreResultSnapshot(const ListSnapshot* snapshot)
{
    if (!snapshot || !m_result || !m_options.KeepWithConditions() || snapshot->count == 0)
        return false;
    if (!m_result->FromSnapshot(*snapshot)) {
        // A refused snapshot empties the list: put back the recorded state.
        if (const auto& current = m_history.Current().result)
            current->RestoreInto(*m_result);
        return false;
    }
    RecordChange();
    if (m_saved)
        m_saved();
    return true;
}

IRyxGridCtrl* ResultPage::GridOf(GridChoice grid) const
{
    return grid == GridChoice::Result ? m_resultGrid : m_recycleGrid;
}

void ResultPage::ShowMessage(const std::string& text)
{
    MessageBox(text, "提示信息", MB_OK | MB_ICONINFORMATION);
}

} // namespace vesk::result
