#pragma once
// 号码统计: a fixed list of numbers; the distribution of a value type over
// it beside the whole space, and its back-test over the history window with
// rates, baselines and the money a bettor would have won or lost.

#include "components/features/kit/feature_host.h"
#include "components/features/kit/kept_state.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace vesk::features {
class WindowPicker;
}

namespace vesk::tools {

class ListInput;

// Option records: the picked window (4 bytes, N, 0: 全部) and the value
// type (4 bytes, the type's index in the filter's type table).
inline constexpr SlotInt kNumberStatsWindowOption = 4361;
inline constexpr SlotInt kNumberStatsTypeOption = 4362;

class NumberStatsPage final : public QWidget, public features::KeepsState {
public:
    // Whether the list was counted: it is counted again when the page comes back.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    // host: borrowed, outlives the page (the feature's own).
    NumberStatsPage(const features::FeatureHost* host, QWidget* parent = nullptr);

    void Reload();
    ListInput* Input() const { return m_input; }
    features::WindowPicker* Picker() const { return m_picker; }
    QComboBox* TypePicker() const { return m_type; }
    QTableView* DistributionTable() const { return m_distributionTable; }
    QTableView* DrawTable() const { return m_drawTable; }
    QLabel* Summary() const { return m_summary; }
    // Computes both tables; false (message shown, tables kept) when the list
    // is refused.
    bool Calculate();

private:
    void ShowDistribution(const std::vector<std::uint32_t>& list);
    void ShowBacktest(const std::vector<std::uint32_t>& list);

    const features::FeatureHost* m_host;
    int m_length = 3;
    features::HistoryDraws m_history;
    ListInput* m_input;
    QComboBox* m_type;
    features::WindowPicker* m_picker;
    QLabel* m_summary;
    QStandardItemModel* m_distribution;
    QStandardItemModel* m_draws;
    QTableView* m_distributionTable;
    QTableView* m_drawTable;
    bool m_calculated = false;
};

} // namespace vesk::tools
