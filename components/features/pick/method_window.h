#pragma once
// The window of one smart-pick method with digit classes (邻孤传 to 魔数):
// the classes for the next draw as chips, the method's parameters, the
// pattern table with a check box per pattern, the numbers the ticked
// patterns give, and the ticked patterns' figures: on the window they were
// picked on and on the draws before it, which they never saw; 按规则挑选
// ticks the patterns that beat their baseline and shows that rule's
// walk-forward record.
// The analysis core computes every figure; the window shows them.

#include "components/features/analysis/pick/pick_table.h"
#include "components/features/kit/history_draws.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QStandardItemModel;
class QTableView;

namespace vesk::features {
class WindowPicker;
}

namespace vesk::pick {

class DigitChips;
class NumberPanel;

// Columns of the pattern table.
enum PatternColumn { kPatternLabel, kPatternCount, kPatternShare, kPatternBaseline, kPatternNextShare, kPatternNextCount, kPatternColumns };

class MethodWindow final : public QWidget {
public:
    explicit MethodWindow(QWidget* parent = nullptr);
    ~MethodWindow() override;

    // The user changed the history window or the parameters.
    std::function<void(std::size_t)> windowChanged;
    std::function<void(const analysis::PickParameters&)> parametersChanged;
    // 发送到缩水器.
    std::function<void(const std::vector<std::uint32_t>&)> sendNumbers;

    // Shows method with these settings; the ticked patterns are kept by label
    // while the method stays the same.
    void ShowMethod(analysis::PickMethod method, const analysis::PickParameters& parameters, std::size_t last);
    void SetHistory(features::HistoryDraws draws, int length, std::string missingText);

    // Ticks or clears the pattern with this label; false when there is none.
    bool SetPicked(const std::string& label, bool picked);
    std::vector<bool> Picked() const;
    // 按规则挑选: ticks the patterns whose rate over the window is strictly
    // above their baseline and shows the rule's walk-forward record.
    void PickByRule();
    // The straight numbers of the ticked patterns under the next draw's classes.
    std::vector<std::uint32_t> StraightNumbers() const;

    analysis::PickMethod Method() const { return m_method; }
    const analysis::PickParameters& Parameters() const { return m_parameters; }
    const analysis::PickTable& Table() const { return m_table; }
    QTableView* PatternTable() const { return m_view; }
    NumberPanel* Numbers() const { return m_numbers; }
    DigitChips* Chips() const { return m_chips; }

private:
    void Recompute();
    void FillTable(const std::vector<std::string>& keep);
    void PicksChanged();
    void ReadParameterControls();
    void ShowParameterControls();
    void ShowRuleRecord();
    void ForgetRule();

    analysis::PickMethod m_method = analysis::PickMethod::Neighbour;
    analysis::PickParameters m_parameters;
    std::size_t m_last = 100;
    int m_length = 3;
    features::HistoryDraws m_draws;
    std::string m_missingText;
    std::unique_ptr<analysis::PatternSpace> m_space;
    analysis::PickTable m_table;
    analysis::PickTable m_heldOut; // the draws just before the window
    bool m_filling = false;
    bool m_ruleApplied = false; // the ticks are the rule's

    QLabel* m_title;
    features::WindowPicker* m_windowPicker;
    QStackedWidget* m_pages;
    QLabel* m_missing;
    DigitChips* m_chips;
    QWidget* m_windowControls;
    QSpinBox* m_window;
    QWidget* m_topControls;
    QSpinBox* m_top;
    QWidget* m_formulaControls;
    std::array<QCheckBox*, 7> m_formulas{};
    QStandardItemModel* m_model;
    QTableView* m_view;
    QLabel* m_scored;
    QLabel* m_backTest;
    QLabel* m_ruleRecord;
    NumberPanel* m_numbers;
};

// "近100期" or "全部 8374 期".
QString WindowText(std::size_t last, std::size_t window);
// How many of the newest draws the rule's walk-forward scores.
inline constexpr std::size_t kRuleWalkDraws = 100;

} // namespace vesk::pick
