#pragma once
// 特征串查询: a value type, a length K and a pattern of K values (by default
// the newest K draws' values); every earlier place of the pattern in the
// window with the draw that followed it, and how often each value came next
// beside its theoretical probability.

#include "components/features/analysis/query/pattern_search.h"
#include "components/features/analysis/query/pattern_types.h"
#include "components/features/query/query_frame.h"

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

class PatternWindow final : public QueryFrame {
public:
    explicit PatternWindow(QWidget* parent = nullptr);

    // The user picked another type (its key) or length, to be remembered.
    std::function<void(std::uint32_t, std::size_t)> choiceChanged;

    // Shows the type of key and k without calling choiceChanged; the pattern
    // goes back to the newest draws'. A key or k the search does not offer
    // keeps the current one.
    void SetChoice(std::uint32_t key, std::size_t k);
    // The picked type (and its place, for the types that take one).
    analysis::PatternType Choice() const;
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
    filter::Condition Condition() const { return Choice().condition; }
    void FillTypes(int length);

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
    std::vector<analysis::PatternType> m_types; // of the length the picker lists
    int m_typesLength = 0;
    bool m_edited = false; // the user's own pattern stays when the window changes
};

} // namespace vesk::query
