#pragma once
// 特征串查询: a value type, a length K and a pattern of K values (by default
// the newest K draws' values); every earlier place of the pattern in the
// window with the draw that followed it, and how often each value came next
// beside its theoretical probability.

#include "components/features/analysis/pattern_search.h"
#include "components/features/query/query_frame.h"

#include "components/filter/engine/condition_type.h"

#include <QStandardItemModel>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace vesk::query {

// The value types the search offers: those that need neither a history nor
// fields, in the condition window's order.
std::vector<filter::ConditionType> PatternTypes();

class PatternWindow final : public QueryFrame {
public:
    explicit PatternWindow(QWidget* parent = nullptr);

    // The user picked another type or length (to be remembered).
    std::function<void(filter::ConditionType, std::size_t)> choiceChanged;

    // Shows type and k without calling choiceChanged; the pattern goes back
    // to the newest draws'. A type the search does not offer is ignored.
    void SetChoice(filter::ConditionType type, std::size_t k);
    filter::ConditionType Type() const;
    std::size_t K() const;

    // Reads the pattern text and searches; false (tables unchanged, the fault
    // shown) when a value cannot be read or the count is not K.
    bool Search();
    const analysis::PatternResult& Result() const { return m_result; }
    QTableView* Places() const { return m_placeTable; }
    QTableView* Summary() const { return m_summaryTable; }

protected:
    void Refill() override;

private:
    void ResetPattern();
    void Show(const std::vector<std::int64_t>& pattern);
    filter::Condition Condition() const;

    QComboBox* m_type = nullptr;
    QSpinBox* m_k = nullptr;
    QLineEdit* m_pattern = nullptr;
    QLabel* m_error = nullptr;
    QLabel* m_count = nullptr;
    QStandardItemModel m_places;
    QStandardItemModel m_summary;
    QTableView* m_placeTable = nullptr;
    QTableView* m_summaryTable = nullptr;
    std::vector<std::int64_t> m_values; // of every draw, under the type
    analysis::PatternResult m_result;
    bool m_edited = false; // the user's own pattern stays when the window changes
};

} // namespace vesk::query
