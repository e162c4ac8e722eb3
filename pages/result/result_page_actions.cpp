// The result page's ways out: files, options, printing, the chart feature
// and the right-click menu that offers the operations again.
#include "pages/result/result_page.h"

#include "application/module_app.h"
#include "framework/framework.h"
#include "numbers/number_list.h"
#include "storage/files/filter_data_file.h"
#include "storage/files/result_file.h"
#include "storage/files/result_file_format.h"
#include "storage/save_report.h"
#include "pages/handoff/print_results.h"
#include "pages/options/options_dialog.h"
#include "pages/result/result_ids.h"
#include "pages/result/result_rules.h"
#include "skin/base_menu.h"

namespace vesk::result {
namespace {

constexpr std::uint32_t kOneLine = 99999999;

std::string ExtensionOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return path.substr(dot + 1);
}

} // namespace

void ResultPage::OpenResultFile()
{
    CFileDialog dialog(TRUE, "*.txt|*.flt", nullptr, OFN_HIDEREADONLY,
                       "号码文件(*.txt)|*.txt|缩水数据文件(*.flt)|*.flt||", this);
    if (dialog.DoModal() != IDOK)
        return;
    const std::string path = dialog.GetPathName();
    files::LoadResult loaded;
    {
        CWaitCursor wait;
        loaded = files::LoadResultFile(path, *m_result);
        if (loaded.Loaded()) {
            RecordChange();
            if (m_saved)
                m_saved();
        }
    }
    switch (loaded.status) {
    case files::LoadStatus::Loaded:
    case files::LoadStatus::Truncated:
    case files::LoadStatus::EmptyText:
        return;
    case files::LoadStatus::EmptyFilterFile:
    case files::LoadStatus::Damaged:
        ShowMessage(std::string(files::kBadFilterFileMessage));
        return;
    case files::LoadStatus::CannotRead:
        ShowMessage("无法读取文件：" + path);
        return;
    case files::LoadStatus::OutOfMemory:
        ShowMessage("内存不足，无法打开文件：" + path);
        return;
    }
}

bool ResultPage::SaveResultFile()
{
    const std::string name = std::string(m_app.Text() ? m_app.Text()->GetFileNamePrefix() : "") + "数据";
    CFileDialog dialog(FALSE, "*.txt|*.flt|*.xls", name.c_str(), OFN_OVERWRITEPROMPT,
                       "号码文件(*.txt)|*.txt|缩水数据文件(*.flt)|*.flt|EXCEL文件(*.xls)|*.xls||", this);
    if (dialog.DoModal() != IDOK)
        return false;
    const std::string path = dialog.GetPathName();
    std::string error;
    {
        CWaitCursor wait;
        switch (files::FormatOfPath(path)) {
        case files::ResultFileFormat::Spreadsheet:
            if (!m_resultGrid || m_resultGrid->Export(path.c_str(), ExtensionOf(path).c_str()) != 1)
                error = SaveFailedText(path, FileResult{false, "表格组件未能写出", 0});
            break;
        case files::ResultFileFormat::NumberText:
        case files::ResultFileFormat::FilterData: {
            const std::uint32_t perLine = m_perLine ? m_perLine() : kOneLine;
            const files::SaveResult saved = files::SaveResultFile(path, *m_result, perLine ? perLine : kOneLine);
            if (!saved.ok)
                error = SaveFailedText(path, FileResult{false, saved.error, saved.errorNumber});
            break;
        }
        case files::ResultFileFormat::Other:
            error = "不支持的文件类型，请保存为 .txt、.flt 或 .xls 文件：" + path;
            break;
        }
    }
    if (!error.empty()) {
        ShowMessage(error);
        return false;
    }
    if (m_saved)
        m_saved();
    return true;
}

void ResultPage::EditOptions()
{
    ModuleContextGuard context(*m_context);
    options::OptionsDialog dialog(m_options, m_app.Host(), this);
    if (dialog.DoModal() == IDOK) {
        m_options = dialog.Options();
        // The options hold for this session either way; the user learns they will not come back.
        if (!options::WriteResultOptions(*m_app.Environment(), m_options))
            ShowMessage(SaveFailedText("结果页选项记录", FileResult{false, "选项记录未能写入", 0}));
    }
    // The arrangement was stored when the user confirmed it, even if the
    // options were then cancelled.
    if (dialog.ColumnsChanged()) {
        SetupColumns(GridChoice::Both);
        RecordChange();
        RefreshRecycleGrid();
    }
}

void ResultPage::PrintResults()
{
    handoff::PrintResults(*m_app.Host(), *m_result);
}

void ResultPage::SendToChart()
{
    handoff::SendToChart(*m_app.Host(), *m_app.Game(), *m_result, m_chartWait);
}

void ResultPage::ShowContextMenu()
{
    PageCounts counts;
    counts.resultRows = m_resultGrid ? m_resultGrid->GetRowCount() : 0;
    counts.selectedRows = m_resultGrid ? m_resultGrid->GetSelectedCount() : 0;
    counts.canUndo = m_history.CanUndo();
    counts.canRedo = m_history.CanRedo();
    CBaseMenu menu;
    menu.CreatePopupMenu();
    for (const MenuEntry& entry : ResultMenu(counts)) {
        if (entry.id == 0)
            menu.AppendMenu(MF_SEPARATOR);
        else
            menu.AppendMenu(MF_STRING | (entry.enabled ? 0u : MF_GRAYED), entry.id, entry.text.c_str());
    }
    menu.MakeOwnerDrawn(menu);
    POINT at{};
    GetCursorPos(&at);
    const UINT chosen = static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, at.x, at.y, this));
    menu.DestroyPopup(menu.GetSafeHmenu());
    if (chosen != 0)
        SendMessage(WM_COMMAND, MAKEWPARAM(chosen, BN_CLICKED), 0);
}

} // namespace vesk::result
