// The result page's list operations: each changes the lists, records one
// undo step and shows the result again, under the wait cursor.
#include "pages/result/result_page.h"

#include "application/module_app.h"
#include "framework/framework.h"
#include "host/game_length.h"
#include "numbers/number_list.h"
#include "pages/result/list_lookup.h"
#include "pages/result/number_input_dialog.h"

#include <algorithm>
#include <string>

namespace vesk::result {

void ResultPage::RecordChange()
{
    CWaitCursor wait;
    m_history.Record(*m_result, *m_recycle);
    RefreshResultGrid();
    TellChanged();
}

void ResultPage::TellChanged()
{
    if (m_changed)
        m_changed();
}

void ResultPage::RefreshResultGrid()
{
    CWaitCursor wait;
    if (m_resultGrid)
        FillGrid(*m_resultGrid, *m_result, m_columns, m_table, kResultNumberColour);
    UpdateStatus();
}

void ResultPage::RefreshRecycleGrid()
{
    CWaitCursor wait;
    if (m_recycleGrid)
        FillGrid(*m_recycleGrid, *m_recycle, m_columns, m_table, kRecycleNumberColour);
    UpdateStatus();
}

void ResultPage::RefreshAll()
{
    ComputeAttributes();
    RecordChange();
    RefreshRecycleGrid();
}

void ResultPage::ComputeAttributes()
{
    CWaitCursor wait;
    m_table.Compute(*m_app.Game(), *m_app.Analysis());
}

void ResultPage::SetupColumns(GridChoice which)
{
    m_columns = ReadShownColumns(*m_app.Environment());
    if (which != GridChoice::Recycle && m_resultGrid)
        SetupGridColumns(*m_resultGrid, m_columns, "投注号码");
    if (which != GridChoice::Result && m_recycleGrid)
        SetupGridColumns(*m_recycleGrid, m_columns, "滤除号码");
}

void ResultPage::AddNumber()
{
    ModuleContextGuard context(*m_context);
    NumberInputDialog input("", GameNumberLength(m_app.Game()), m_app.DigitPad(), this);
    if (input.DoModal() != IDOK)
        return;
    if (const auto held = FindNumber(*m_result, input.Digits().data())) {
        // Already a bet: show it rather than bet it twice.
        ShowMessage("号码 " + std::string(m_result->ToText(*held)) + " 已在缩水器中。");
        if (m_resultGrid) {
            m_resultGrid->SelectRow(static_cast<SlotInt>(*held), -1);
            m_resultGrid->EnsureVisible(static_cast<SlotInt>(*held), -2, 0);
        }
        return;
    }
    CWaitCursor wait;
    if (!m_result->Append(input.Digits().data()))
        return;
    RecordChange();
    if (m_resultGrid) {
        m_resultGrid->SelectRow(static_cast<SlotInt>(m_result->Count()) - 1, -1);
        m_resultGrid->EnsureVisible(-1, -2, 0);
    }
    UpdateStatus();
}

void ResultPage::ModifyNumber(int row)
{
    if (row < 0 || static_cast<std::uint32_t>(row) >= m_result->Count() || !m_resultGrid)
        return;
    const SlotInt vertical = m_resultGrid->GetScrollPosition(1);
    const SlotInt horizontal = m_resultGrid->GetScrollPosition(0);
    ModuleContextGuard context(*m_context);
    NumberInputDialog input(std::string(m_result->ToText(static_cast<std::uint32_t>(row))),
                            GameNumberLength(m_app.Game()), m_app.DigitPad(), this);
    if (input.DoModal() != IDOK)
        return;
    // The dialog may have run long; the list can have changed under it.
    if (static_cast<std::uint32_t>(row) >= m_result->Count())
        return;
    if (const auto held = FindNumber(*m_result, input.Digits().data(), static_cast<std::uint32_t>(row))) {
        ShowMessage("号码 " + std::string(m_result->ToText(*held)) + " 已在缩水器中。");
        return;
    }
    CWaitCursor wait;
    if (!m_result->SetAt(row, input.Digits().data()))
        return;
    RecordChange();
    m_resultGrid->SetScrollPositions(vertical, horizontal);
    m_resultGrid->SelectRow(row, -1);
    UpdateStatus();
}

void ResultPage::DeleteSelected()
{
    if (!m_resultGrid)
        return;
    const SlotInt selected = m_resultGrid->GetSelectedCount();
    if (selected <= 0)
        return;
    CWaitCursor wait;
    const SlotInt vertical = m_resultGrid->GetScrollPosition(1);
    const SlotInt horizontal = m_resultGrid->GetScrollPosition(0);
    SlotInt smallest = static_cast<SlotInt>(m_result->Count());
    for (SlotInt k = selected - 1; k >= 0; --k) {
        const SlotInt row = m_resultGrid->GetSelectedRow(0, k);
        if (row < 0 || row >= static_cast<SlotInt>(m_result->Count()))
            continue;
        m_result->Mark(static_cast<std::uint32_t>(row));
        smallest = std::min(smallest, row);
    }
    m_result->Compact();
    RecordChange();
    const auto count = static_cast<SlotInt>(m_result->Count());
    if (count > 0)
        m_resultGrid->SelectRow(std::min(smallest, count - 1), -1);
    m_resultGrid->SetScrollPositions(vertical, horizontal);
    UpdateStatus();
}

void ResultPage::ClearResults()
{
    m_result->Clear();
    RecordChange();
}

void ResultPage::GroupToSingle()
{
    CWaitCursor wait;
    m_result->ToSingleForm();
    RecordChange();
}

void ResultPage::SingleToGroup()
{
    CWaitCursor wait;
    m_result->ToGroupForm();
    RecordChange();
}

void ResultPage::Undo()
{
    if (!m_history.CanUndo())
        return;
    CWaitCursor wait;
    m_history.Undo(*m_result, *m_recycle);
    RefreshResultGrid();
    RefreshRecycleGrid();
    TellChanged();
}

void ResultPage::Redo()
{
    if (!m_history.CanRedo())
        return;
    CWaitCursor wait;
    m_history.Redo(*m_result, *m_recycle);
    RefreshResultGrid();
    RefreshRecycleGrid();
    TellChanged();
}

void ResultPage::SortByColumn(GridChoice grid, int column)
{
    IRyxGridCtrl* control = GridOf(grid);
    if (column <= 0 || !control)
        return;
    CWaitCursor wait;
    const bool result = grid == GridChoice::Result;
    const int attribute = column >= 2 ? static_cast<int>(control->GetColumnTag(column)) : 0;
    if (!result::SortByColumn(result ? *m_result : *m_recycle, column, attribute, m_table,
                              result ? m_resultSort : m_recycleSort))
        return;
    if (result)
        RecordChange();
    else
        RefreshRecycleGrid();
}

} // namespace vesk::result
