#pragma once
// The condition window's widget: the preview line and the set's buttons at
// the top, the rows in a vertical scroll area, the last run's summary at
// the bottom. It edits the engine it is given; every edit goes to the
// engine at once and the preview follows.

#include "components/filter/window/condition_body.h"
#include "components/filter/window/record_view.h"
#include "components/filter/window/set_editor.h"
#include "components/filter/window/text_views.h"
#include "framework/win_types.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollArea;

namespace vesk::filter {


class ConditionPanel final : public QWidget, public SetEditor {
public:
    // engine: not owned; Detach() before it goes. workbench: the window that
    // keeps the result list (may be null).
    ConditionPanel(FilterComponent& engine, PageKind kind, HWND workbench, QWidget* parent);
    ~ConditionPanel() override;

    const ConditionSet& Set() const override;
    int Length() const override;
    void Edit(const std::function<void(ConditionSet&)>& edit, bool structural = false) override;

    // Typed texts go to the engine (slot 10).
    void Commit();
    // The engine is going: the panel shows nothing more of it.
    void Detach();
    // Tells the user once, later, that the last conditions could not be read.
    void AnnounceStateProblem();
    // After a run: the summary line and an open report follow.
    void ShowRunReport();

    void SaveSet();
    void LoadSet();
    void OpenBacktest();
    void OpenReport();
    void OpenRecords();
    // Scrolls to the row of a condition (a group's first row for a group's
    // place) and gives it the focus; false when no row shows it.
    bool SelectCondition(const ConditionRef& ref);

    ConditionBody* Body() const { return m_body; }
    QString PreviewText() const;
    QString SummaryText() const;
    BacktestView* Backtest() const { return m_backtest; }
    RecordView* Records() const { return m_records; }
    ReportView* Report() const { return m_report; }

private:
    void Rebuild();
    void Refresh();
    void Tell(const std::string& text, bool warning);

    FilterComponent* m_engine;
    PageKind m_kind;
    HWND m_workbench;
    ConditionSet m_detached; // what Set() answers once the engine is gone
    FixedForm m_form;        // the fixed page's lines; kept across rebuilds
    QLabel* m_preview = nullptr;
    QScrollArea* m_scroll = nullptr;
    ConditionBody* m_body = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_reportButton = nullptr;
    QPointer<BacktestView> m_backtest;
    QPointer<RecordView> m_records;
    QPointer<ReportView> m_report;
};

} // namespace vesk::filter
