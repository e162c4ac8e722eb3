#pragma once
// The report after an import: how many draws were added, skipped and
// refused, the line numbers and reasons of refused lines, and the history
// the data folder now holds (or why nothing was changed).

#include "app/services/draw_keeping.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace vesk::app {

class DrawReportDialog final : public QDialog {
public:
    DrawReportDialog(const DrawChange& change, QWidget* parent);

    QString SummaryText() const;
    QString RefusedText() const; // empty when no line was refused

private:
    QLabel* m_summary = nullptr;
    QPlainTextEdit* m_refused = nullptr;
};

// "第 2025217 期 894"; the number alone when it has no period.
QString DrawText(const Draw& draw, int length);

// What the history holds, for the report and the status bar.
QString HistoryText(const DrawHistory& history);

} // namespace vesk::app
