#include "components/features/query/query_frame.h"

namespace vesk::query {

QueryFrame::QueryFrame(const QString& objectName, const QString& title, QWidget* parent)
    : FeatureFrame(objectName, title, parent)
{
}

void QueryFrame::SetHistory(features::HistoryDraws draws, int length, const std::string& missingText)
{
    m_draws = std::move(draws);
    m_length = length;
    m_missingText = missingText;
    ShowWhatThereIs();
}

void QueryFrame::SetWindowSize(std::size_t last)
{
    ShowLast(last);
    ShowWhatThereIs();
}

void QueryFrame::ShowWhatThereIs()
{
    if (!HasDraws())
        ShowMissing(QString::fromStdString(m_missingText));
    else
        ShowContent();
    // Without draws too: what the content held of the old history must go,
    // or a button on the bar would act on draws that are no longer there.
    Refill();
}

} // namespace vesk::query
