#pragma once
// 公式搜索's window: the top formulas of the search over the picked window,
// 胆 or 杀, beside the best rates the same search reaches on shuffled
// draws. The search runs in slices; a progress bar and 停止 show while it
// takes longer than a moment.

#include "components/features/formula/guess_frame.h"
#include "components/features/formula/search_runner.h"
#include "components/features/kit/table_export.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace vesk::formula {

class FormulaWindow final : public GuessFrame {
public:
    explicit FormulaWindow(QWidget* parent = nullptr);

    // The user changed how many formulas to list.
    std::function<void(std::size_t)> topChanged;

    void SetTop(std::size_t top);
    std::size_t Top() const;
    bool Searching() const { return m_runner.Running(); }
    // Stops a running search; the table keeps what it showed.
    void StopSearch();
    // How long a search runs before the progress bar and 停止 show.
    void SetProgressDelay(qint64 milliseconds) { m_progressDelay = milliseconds; }

    QTableView* Table() const { return m_table; }
    const analysis::FormulaSearchResult& Result() const { return m_result; }
    QString ShuffleText() const;
    // What an export carries under the table: the mode and window, the
    // warning and the shuffles' mean and maximum.
    features::ExportNotes ExportNotes() const;

private:
    void Refill() override;
    void Show(const analysis::FormulaSearchResult& result);
    void ShowProgress(double done, qint64 elapsed);

    SearchRunner m_runner;
    QSpinBox* m_top = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_export = nullptr;
    QProgressBar* m_progress = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
    QLabel* m_shuffle = nullptr;
    analysis::FormulaSearchResult m_result;
    QString m_resultChoices; // "100期，胆码": what the shown result was searched with
    qint64 m_progressDelay = 150; // a search done sooner shows no progress
};

// "(3a+0b+7c+2) mod 10".
QString FormulaText(const analysis::Formula& formula);

} // namespace vesk::formula
