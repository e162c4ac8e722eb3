#pragma once
// 历史表现: each enabled condition's, group's and the set's own record over
// the last draws, each draw judged with only the draws before it, beside
// the share of all numbers it keeps, which is what chance gives it. A tool
// window beside the condition window; a double click on a condition shows
// it on its page.

#include "components/filter/component/filter_component.h"

#include <QWidget>

#include <functional>

class QLabel;
class QSpinBox;
class QStandardItemModel;
class QTableView;

namespace vesk::filter {

// Columns of the record table.
enum RecordColumn { kRecordItem, kRecordBaseline, kRecordKept, kRecordRate, kRecordP, kRecordCurrentCut, kRecordLongestCut };

class RecordView final : public QWidget {
public:
    // engine must outlive the view (the panel closes it when the engine goes).
    RecordView(FilterComponent& engine, QWidget* owner);
    ~RecordView() override;
    // Works out the records of the last Draws() draws again and shows them.
    void Run();
    // Called with a condition's place when its line is double-clicked.
    std::function<void(const ConditionRef&)> selectCondition;

    QSpinBox* Draws() const { return m_draws; }
    QTableView* Table() const { return m_table; }
    QString Status() const;

private:
    FilterComponent& m_engine;
    ConditionRecords m_records;
    QSpinBox* m_draws;
    QTableView* m_table;
    QStandardItemModel* m_model;
    QLabel* m_status;
};

// How many draws 历史表现 judges at first.
inline constexpr int kDefaultRecordDraws = 100;

} // namespace vesk::filter
