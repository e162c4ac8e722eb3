#include "components/features/formula/search_runner.h"

namespace vesk::formula {

namespace {

// Long enough to finish small windows in one go, short enough that input
// and painting wait no longer than a frame.
constexpr qint64 kSliceMilliseconds = 12;

} // namespace

SearchRunner::SearchRunner()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { RunSlices(); });
}

void SearchRunner::Start(std::unique_ptr<analysis::FormulaSearch> search)
{
    Stop();
    m_search = std::move(search);
    m_clock.start();
    m_timer.start();
}

void SearchRunner::Stop()
{
    m_timer.stop();
    m_search.reset();
}

void SearchRunner::RunSlices()
{
    if (!m_search)
        return;
    QElapsedTimer slice;
    slice.start();
    while (m_search->Step() && slice.elapsed() < kSliceMilliseconds) {
    }
    if (!m_search->Done()) {
        if (progressed)
            progressed(static_cast<double>(m_search->StepsDone()) / static_cast<double>(m_search->StepCount()),
                       m_clock.elapsed());
        return;
    }
    m_timer.stop();
    // finished may start another search: the result is taken first.
    const analysis::FormulaSearchResult result = m_search->Result();
    m_search.reset();
    if (finished)
        finished(result);
}

} // namespace vesk::formula
