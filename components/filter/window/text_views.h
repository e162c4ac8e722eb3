#pragma once
// The two windows the condition window opens beside itself: the full report
// of the last run, and the back-test with its number of draws to judge.
// Both are tool windows that stay open while the user keeps editing.

#include "components/filter/component/filter_component.h"

#include <QWidget>

class QPlainTextEdit;
class QSpinBox;

namespace vesk::filter {

class ReportView final : public QWidget {
public:
    explicit ReportView(QWidget* owner);
    void Show(const QString& text);
    QString Text() const;

private:
    QPlainTextEdit* m_text;
};

class BacktestView final : public QWidget {
public:
    // engine must outlive the view (the window closes it when the engine goes).
    BacktestView(FilterComponent& engine, QWidget* owner);
    // Judges the last Draws() draws again and shows the findings.
    void Run();
    QSpinBox* Draws() const { return m_draws; }
    QString Text() const;

private:
    FilterComponent& m_engine;
    QSpinBox* m_draws;
    QPlainTextEdit* m_text;
};

} // namespace vesk::filter
