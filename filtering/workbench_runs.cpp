// The workbench's operations on the result list: generation from the
// grouping panel, the filter run, the count and the numbers handed in.
#include "filtering/filter_workbench.h"

#include "application/module_app.h"
#include "filtering/rules/list_text.h"
#include "filtering/rules/number_transfer.h"
#include "framework/styles.h"
#include "framework/wait_cursor.h"
#include "numbers/number_list.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vesk {

namespace {

constexpr std::size_t kGroupCodeCapacity = 220;
} // namespace

void FilterWorkbench::GenerateNumbers()
{
    const GenerationPlan plan = m_groupingPanel->Plan();
    std::vector<std::uint32_t> codes = PlanCodes(plan);
    if (codes.empty())
        return;
    if (plan.toGroups) {
        IAnalysisService* analysis = ModuleApp::Instance().Analysis();
        if (!analysis)
            return;
        std::array<std::uint32_t, kGroupCodeCapacity> groups{};
        const SlotInt written = analysis->ToGroupCodes(codes.data(), static_cast<SlotInt>(codes.size()), groups.data());
        // The buffer holds 220 codes whatever the service claims.
        const auto count = static_cast<std::size_t>(std::clamp<SlotInt>(written, 0, kGroupCodeCapacity));
        codes.assign(groups.begin(), groups.begin() + static_cast<std::ptrdiff_t>(count));
    }
    NumberList& results = m_resultPage->ResultList();
    if (!results.Resize(static_cast<std::uint32_t>(codes.size()), GameLength()))
        return;
    for (std::uint32_t i = 0; i < codes.size(); ++i) {
        const std::uint32_t code = codes[i];
        const std::uint8_t digits[3] = {std::uint8_t(code / 100 % 10), std::uint8_t(code / 10 % 10),
                                        std::uint8_t(code % 10)};
        results.SetAt(i, digits);
    }
    {
        CWaitCursor wait;
        m_resultPage->RecordChange();
    }
    m_right.SelectRightPage(kRightPageResults);
}

void FilterWorkbench::RunFilter()
{
    ConditionPage* conditions = ConditionPageOf(m_left.CurrentLeftPage());
    if (!conditions) {
        ShowMessage(kWrongPageForRun, kRunCaption);
        return;
    }
    // The wait cursor is for the work only: a message box shows the normal one.
    std::optional<CWaitCursor> wait(std::in_place);
    std::array<char, 256> message{};
    if (conditions->PrepareRun(message.data()) == 0) {
        message.back() = '\0'; // a component that fills the whole buffer still ends here
        wait.reset();
        ShowMessage(message.data(), kRunCaption);
        return;
    }
    NumberList& results = m_resultPage->ResultList();
    conditions->FilterList(results);
    if (!results.Compact(&m_resultPage->RecycleList())) {
        // Without room for the recycle list nothing moves, and no mark may
        // linger to drop numbers at a later compaction.
        for (std::uint32_t i = 0; i < results.Count(); ++i)
            if (results.TagAt(i) == NumberList::kRemovalTag)
                results.SetTag(i, 0);
        wait.reset();
        ShowMessage("内存不足，缩水未能完成，号码保持不变。", kRunCaption);
        return;
    }
    m_resultPage->RecordChange();
    m_resultPage->RefreshRecycleGrid();
    m_right.SelectRightPage(kRightPageResults);
}

void FilterWorkbench::CountEditorNumbers()
{
    CWaitCursor wait;
    const int length = GameLength();
    NumberList parsed(length);
    const std::int64_t count = parsed.ParseText(m_editorPage->Text(), length, false);
    const auto perLine = workbench::LineBreakEvery(m_editorPage->PerLineCount(std::max<std::int64_t>(count, 0) + 1));
    m_countPage->SetText(parsed.CountReport(perLine));
    m_left.SelectLeftPage(kLeftPageCount);
    m_countPage->Invalidate();
}

LRESULT FilterWorkbench::OnTransferNumbers(std::uintptr_t kind, const void* source)
{
    const workbench::TransferResult read =
        workbench::ReadTransferredNumbers(kind, source, GameLength(), m_resultPage->ResultList());
    if (read != workbench::TransferResult::Replaced && read != workbench::TransferResult::NotRead)
        return 0;
    m_right.SelectRightPage(kRightPageResults);
    CWaitCursor wait;
    m_resultPage->RecordChange();
    return 0;
}

} // namespace vesk
