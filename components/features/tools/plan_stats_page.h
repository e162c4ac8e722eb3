#pragma once
// 大方案统计: many plans, loaded from result files (several at once) or
// pasted as blocks separated by blank lines; per number the plans holding
// it, the table of numbers by that count, and the numbers in at least k
// plans handed to the workbench.

#include "components/features/analysis/tools/plan_tally.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/kept_state.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace vesk::tools {

class PlanStatsPage final : public QWidget, public features::KeepsState {
public:
    // The loaded files' plans and whether they were tallied.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    explicit PlanStatsPage(QWidget* parent = nullptr);

    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    void SetLength(int length) { m_length = length; }
    // Asks for files (several at once) and keeps their plans; a refused file
    // is told and none of the picked files is kept.
    void LoadFiles();
    void ClearFiles();
    QPlainTextEdit* Editor() const { return m_pasted; }
    // Tallies the loaded and pasted plans; false (message shown, tables kept)
    // when a pasted plan is refused.
    bool Tally();
    void SetMinimumPlans(int k);
    // The numbers in at least the picked number of plans.
    // The numbers in at least the chosen count of plans, ascending.
    std::vector<std::uint32_t> PickedNumbers() const;
    // Writes them to path: number text (.txt) or filter data (.flt) that
    // read back as these numbers, or a workbook (.xls) with each number's
    // plan count beside it. Empty on success, else the failure for the user.
    std::string ExportPicked(const std::string& path) const;
    QTableView* CountTable() const { return m_countTable; }
    QTableView* NumberTable() const { return m_numberTable; }

private:
    void AskExportPicked();
    void ShowTally();
    void ShowPicked();
    void ShowFiles();

    int m_length = 3;
    std::vector<std::vector<std::uint32_t>> m_filePlans;
    std::vector<std::string> m_fileNames;
    analysis::PlanTally m_tally;
    std::vector<std::uint32_t> m_shownNumbers; // the number of each row of the number table
    QPlainTextEdit* m_pasted;
    QLabel* m_files;
    QLabel* m_summary;
    QSpinBox* m_minimum;
    QLabel* m_picked;
    QStandardItemModel* m_countModel;
    QStandardItemModel* m_numberModel;
    QTableView* m_countTable;
    QTableView* m_numberTable;
};

} // namespace vesk::tools
