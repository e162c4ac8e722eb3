#pragma once
// Row 1's window: the 遗漏表 and 分布图 of one family, or 偏态搜索, over the
// history window the user picks. It holds no statistics of its own: the
// analysis core computes them, the window shows them.

#include "components/features/kit/hand_off_choice.h"
#include "components/features/omission/family_source.h"
#include "components/features/analysis/omission/skew_search.h"
#include "components/features/kit/feature_frame.h"
#include "components/features/kit/history_draws.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QStandardItemModel;
class QSortFilterProxyModel;
class QStackedWidget;
class QTabWidget;
class QTableView;

namespace vesk::omission {

class TrendView;

using features::HistoryDraws;

class OmissionWindow final : public features::FeatureFrame {
public:
    explicit OmissionWindow(QWidget* parent = nullptr);
    ~OmissionWindow() override;

    // Called when the user changed the skew search's thresholds.
    std::function<void(double, double)> thresholdsChanged;
    // Called by 发送到缩水器 with the numbers that satisfy any selected item,
    // ascending.
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button
    // Called by 编辑自定义项目 (shown for the user's own families).
    std::function<void()> editCustomItems;
    // Called on a double click in 偏态搜索: the sub-code that opens the
    // item's family and the item's index in it.
    std::function<void(std::uint32_t, std::size_t)> openFamily;

    void SetHistory(HistoryDraws draws, std::string missingText);
    void SetWindowSize(std::size_t last);
    std::size_t WindowSize() const { return m_last; }

    // The family's table and chart, its selected item picked.
    void ShowFamily(SourcedFamily family);
    // 偏态搜索 over these families.
    void ShowSkew(std::vector<SourcedFamily> families);

    // The family items of the table's selected rows, and what 发送到缩水器
    // hands on for them (in 偏态搜索, the selected items of every family).
    std::vector<std::size_t> SelectedItems() const;
    std::vector<std::uint32_t> SelectedNumbers() const;
    void SendSelected();

    // Exports; the error is empty on success.
    std::string ExportText(const std::string& path) const;
    std::string ExportWorkbook(const std::string& path) const;
    std::string ExportChart(const std::string& path) const;

    QTableView* Table() const { return m_table; }
    QTableView* SkewTable() const { return m_skewTable; }
    // The skew search's thresholds: 欲出几率 and 当前遗漏 / 最大遗漏.
    void SetSkewThresholds(double minRatio, double minShare);
    double MinRatio() const;
    double MinShare() const;
    TrendView* Chart() const { return m_chart; }
    const analysis::OmissionTable& CurrentTable() const { return m_tableData; }
    const analysis::Family* CurrentFamily() const { return m_family.family.get(); }

private:
    void WindowPicked(std::size_t last) override;
    void Recompute();
    void FillTable();
    void FillChart();
    void FillSkew();
    void AskExport(int kind);

    HistoryDraws m_draws;
    std::string m_missingText;
    std::size_t m_last = analysis::kDefaultWindow;
    bool m_skewMode = false;
    bool m_selectPicked = false; // the next fill selects the family's picked item
    SourcedFamily m_family;
    std::vector<SourcedFamily> m_skewFamilies;
    analysis::OmissionTable m_tableData;
    analysis::SkewResult m_skew;

    QCheckBox* m_showMisses = nullptr;
    QWidget* m_listControls = nullptr; // what only the omission lists offer
    features::HandOffChoice* m_handOff = nullptr;
    QWidget* m_skewControls = nullptr;
    QWidget* m_editCustom = nullptr; // the skew search's two thresholds
    QDoubleSpinBox* m_minRatio = nullptr;
    QDoubleSpinBox* m_minShare = nullptr;
    QStackedWidget* m_views = nullptr; // the lists' tabs or the skew table
    QTabWidget* m_tabs = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    TrendView* m_chart = nullptr;
    QTableView* m_skewTable = nullptr;
    QStandardItemModel* m_skewModel = nullptr;
    QSortFilterProxyModel* m_skewProxy = nullptr;
};

} // namespace vesk::omission
