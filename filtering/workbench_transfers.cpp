// The workbench's text transfers between its pages, and the editor's
// numbers into the result list.
#include "filtering/filter_workbench.h"

#include "application/module_app.h"
#include "filtering/rules/input_messages.h"
#include "filtering/rules/list_text.h"
#include "framework/styles.h"
#include "framework/wait_cursor.h"
#include "numbers/match_expansion.h"
#include "numbers/number_list.h"

namespace vesk {

namespace {

constexpr std::int64_t kRecyclePerLineDefault = 99999999;
constexpr char kEditorInputError[] = "编辑器输入错误，编辑器的数字不够组成号码！";
constexpr char kInputErrorCaption[] = "输入错误";

// Appends to a page's text area with the caret at the new block, focused.
template <typename Page>
void AppendShown(Page& page, const CString& text)
{
    page.AppendBlockText(text, AppendedCaret::AtBlock);
    page.TextArea().SetFocus();
    page.TextArea().Invalidate();
}
} // namespace

void FilterWorkbench::AppendToEditor(const CString& text)
{
    AppendShown(*m_editorPage, text);
    m_left.SelectLeftPage(kLeftPageEditor);
}

void FilterWorkbench::TransferResultsToEditor()
{
    CWaitCursor wait;
    const NumberList& results = m_resultPage->ResultList();
    const std::int64_t perLine = m_editorPage->PerLineCount(std::int64_t(results.Count()) + 1);
    AppendToEditor(workbench::DistinctCodesText(results, workbench::LineBreakEvery(perLine)));
}

void FilterWorkbench::TransferRecycleToEditor()
{
    CWaitCursor wait;
    const std::int64_t perLine = m_editorPage->PerLineCount(kRecyclePerLineDefault);
    AppendToEditor(workbench::DistinctCodesText(m_resultPage->RecycleList(), workbench::LineBreakEvery(perLine)));
}

void FilterWorkbench::TransferStagingToEditor()
{
    CWaitCursor wait;
    AppendToEditor(m_stagingPage->Text());
}

void FilterWorkbench::TransferCountsToStaging()
{
    CWaitCursor wait;
    AppendShown(*m_stagingPage, m_countPage->Text());
    m_right.SelectRightPage(kRightPageStaging);
}

void FilterWorkbench::TransferEditorText()
{
    CWaitCursor wait;
    CString text = m_editorPage->Text();
    if (m_right.Tabs().GetCurSel() == kRightPageStaging) {
        m_stagingPage->AppendBlockText(text, AppendedCaret::Keep);
        return;
    }
    m_right.SelectRightPage(kRightPageResults);
    const int length = GameLength();
    const options::ResultOptions& options = m_resultPage->Options();
    if (options.MatchActive() && text.find(options.MatchCharacter()) != CString::npos) {
        MatchExpansion expanded = ExpandMatch(text, options.MatchCharacter(), length);
        if (!expanded.ok) {
            ShowMessage(workbench::MatchRefusalText(expanded.refusal), kInputErrorCaption);
            return;
        }
        text = std::move(expanded.digits);
    }
    NumberList parsed(length);
    if (parsed.ParseText(text, length, true) <= 0) {
        ShowMessage(kEditorInputError, kInputErrorCaption);
        return;
    }
    NumberList& results = m_resultPage->ResultList();
    if (options.Overwrite()) {
        // parsed is ours to give away: a swap cannot fail half way.
        results.SwapContent(parsed);
    } else if (!results.IsEmpty() && results.Length() != parsed.Length()) {
        ShowMessage(workbench::kLengthMismatch, kInputErrorCaption);
        return;
    } else if (!results.Merge(parsed)) {
        ShowMessage("内存不足，编辑器的号码未能转入缩水器。", kInputErrorCaption);
        return;
    }
    results.Compact();
    results.Dedupe();
    m_resultPage->RecordChange();
}

LRESULT FilterWorkbench::OnAddConditions(ConditionAddRecord* record)
{
    if (!record || record->size != sizeof(ConditionAddRecord) || !m_combinedPage)
        return 0;
    IRyxConWnd* window = m_combinedPage->ConditionWindow();
    if (!window)
        return 0;
    m_left.SelectLeftPage(kLeftPageCombinedConditions);
    const SlotInt added = window->AddConditions(record);
    if (added == 0) {
        // The feature that sent them has closed: the workbench tells why.
        record->message[sizeof record->message - 1] = '\0';
        ShowMessage(record->message[0] ? record->message : "条件没有加入组合条件。", "提示信息");
    }
    return added;
}

} // namespace vesk
