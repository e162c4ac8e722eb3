#pragma once
// Runs the formula search in slices on the GUI thread, a few milliseconds at
// a time between events, so the window stays responsive and can stop it.

#include "components/features/analysis/formula/formula_search.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>

namespace vesk::formula {

class SearchRunner {
public:
    SearchRunner();

    // Called between slices with the share done (0..1) and the time since
    // the start; then once with the result.
    std::function<void(double, qint64)> progressed;
    std::function<void(const analysis::FormulaSearchResult&)> finished;

    // Starts a search, stopping one that runs.
    void Start(std::unique_ptr<analysis::FormulaSearch> search);
    // Stops the search; finished is not called.
    void Stop();
    bool Running() const { return m_search != nullptr; }

private:
    void RunSlices();

    QTimer m_timer;
    QElapsedTimer m_clock;
    std::unique_ptr<analysis::FormulaSearch> m_search;
};

} // namespace vesk::formula
