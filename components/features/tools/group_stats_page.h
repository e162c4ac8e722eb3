#pragma once
// 号码组统计: a list of numbers grouped by group number, with each group's
// straight members in the list, its shape and its hits in the history window.

#include "components/features/analysis/tools/group_statistics.h"
#include "components/features/kit/feature_host.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/kept_state.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QStandardItemModel;
class QTableView;

namespace vesk::features {
class WindowPicker;
}

namespace vesk::tools {

class ListInput;

// Option record of the picked window: 4 bytes, N (0: 全部).
inline constexpr SlotInt kGroupStatsWindowOption = 4360;

class GroupStatsPage final : public QWidget, public features::KeepsState {
public:
    // Whether the list was counted: it is counted again when the page comes back.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    // host: borrowed, outlives the page (the feature's own).
    GroupStatsPage(const features::FeatureHost* host, QWidget* parent = nullptr);

    // 发送到缩水器 from the table's menu: the list's numbers of the selected groups.
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the table

    // The game's length and the history, read again on every opening.
    void Reload();
    ListInput* Input() const { return m_input; }
    features::WindowPicker* Picker() const { return m_picker; }
    QTableView* Table() const { return m_table; }
    // Groups the list; false (message shown, table kept) when it is refused.
    bool Calculate();

private:
    const features::FeatureHost* m_host;
    int m_length = 3;
    features::HistoryDraws m_history;
    ListInput* m_input;
    features::WindowPicker* m_picker;
    QLabel* m_status;
    QStandardItemModel* m_model;
    QTableView* m_table;
    std::vector<analysis::GroupRow> m_rows; // what the table shows, by model row
};

} // namespace vesk::tools
