#pragma once
// The frame the four windows of this library share: the feature frame over
// the draw history, filled again whenever the history or the picked window
// changes.

#include "components/features/kit/feature_frame.h"
#include "components/features/kit/feature_look.h"
#include "components/features/kit/history_draws.h"

#include <cstddef>
#include <string>

namespace vesk::query {

class QueryFrame : public features::FeatureFrame {
public:
    QueryFrame(const QString& objectName, const QString& title, QWidget* parent);

    // A new history of numbers of length digits: the content is filled again, or the missing line shown
    // when it holds no draws.
    void SetHistory(features::HistoryDraws draws, int length, const std::string& missingText);
    int Length() const { return m_length; }
    // Shows last as the picked window (without calling windowChanged) and
    // fills the content again.
    void SetWindowSize(std::size_t last);
    bool HasDraws() const { return !m_draws.codes.empty(); }
    const features::HistoryDraws& Draws() const { return m_draws; }

protected:
    // The history or the window changed; also called without draws, when
    // the content must drop what it showed.
    virtual void Refill() = 0;

private:
    void WindowPicked(std::size_t) override { Refill(); }
    void ShowWhatThereIs();

    features::HistoryDraws m_draws;
    std::string m_missingText;
    int m_length = 3;
};

using features::NumberText;
using features::PeriodText;

} // namespace vesk::query
