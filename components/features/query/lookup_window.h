#pragma once
// 号码查询: numbers or periods typed or pasted; per number its straight and
// group figures over the history window, and the draws where it came.
// Input that cannot be read is named token by token and changes nothing.

#include "components/features/analysis/query/lookup_index.h"
#include "components/features/analysis/query/lookup_query.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/kept_state.h"
#include "components/features/query/query_frame.h"

#include <QStandardItemModel>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QTableView;

namespace vesk::query {

class LookupWindow final : public QueryFrame, public features::KeepsState {
public:
    // Whether a query was answered: it is asked again when the window comes back.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    explicit LookupWindow(QWidget* parent = nullptr);

    // The numbers of the window's hits, for the workbench.
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    // Reads the input and shows its figures; false (tables unchanged, the
    // faults shown) when a token could not be read.
    bool RunQuery();
    QTableView* Results() const { return m_resultTable; }
    QTableView* Hits() const { return m_hitTable; }
    // The queried numbers that came in the window, straight or as a group,
    // each once, in the order queried.
    std::vector<std::uint32_t> HitNumbers() const;

protected:
    void Refill() override;

private:
    struct Row {
        std::uint32_t number = 0;
        std::optional<std::size_t> period; // the draw a typed period named
        analysis::NumberLookup figures;
    };
    void FillResults();
    void ShowHits(int row);
    // The row of m_rows a row shown in the result table stands for.
    int ShownRow(const QModelIndex& index) const;

    QPlainTextEdit* m_input = nullptr;
    QLabel* m_errors = nullptr;
    QLabel* m_hitCaption = nullptr;
    QStandardItemModel m_results;
    QStandardItemModel m_hits;
    QTableView* m_resultTable = nullptr;
    QTableView* m_hitTable = nullptr;
    std::unique_ptr<analysis::LookupIndex> m_index;
    std::vector<analysis::LookupEntry> m_entries; // the last query read
    std::vector<Row> m_rows;
};

} // namespace vesk::query
