#pragma once
// 状态表: one row per draw of the history window, newest first, with the
// value columns the user arranged; a header's context menu shows that
// column's distribution over the window; selected draws go to the workbench.

#include "components/features/kit/hand_off_choice.h"
#include "components/features/query/query_frame.h"
#include "components/features/query/state_model.h"

#include <cstdint>
#include <functional>
#include <vector>

class QTableView;

namespace vesk::query {

class StateWindow final : public QueryFrame {
public:
    explicit StateWindow(QWidget* parent = nullptr);

    // 列设置 was clicked: the feature runs the arrangement and calls SetColumns.
    std::function<void()> arrangeColumns;
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    void SetColumns(std::vector<std::size_t> columns);
    QTableView* Table() const { return m_table; }
    const StateModel& Model() const { return m_model; }
    // The numbers of the selected rows, newest first.
    std::vector<std::uint32_t> SelectedNumbers() const;
    // The menu a right click on header section shows; null for 期号, 号码.
    QMenu* DistributionMenu(int section);

protected:
    void Refill() override;

private:
    StateModel m_model;
    QTableView* m_table = nullptr;
};

} // namespace vesk::query
