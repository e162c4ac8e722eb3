#pragma once
// The frame both windows of this library share: the feature frame with 胆/杀
// beside the history window picker.

#include "components/features/analysis/formula/digit_guess.h"
#include "components/features/kit/feature_frame.h"
#include "components/features/kit/history_draws.h"
#include "components/features/kit/table_cells.h"

#include <QVariant>

#include <cstddef>
#include <functional>
#include <string>

class QComboBox;
class QStandardItem;

namespace vesk::formula {

class GuessFrame : public features::FeatureFrame {
public:
    GuessFrame(const QString& objectName, const QString& title, QWidget* parent);

    std::function<void(analysis::GuessUse)> useChanged;

    // A new history of numbers of length digits; the content is filled again.
    void SetHistory(features::HistoryDraws draws, int length, const std::string& missingText);
    // The remembered choices, shown without calling back; fills again.
    void SetChoices(std::size_t last, analysis::GuessUse use);

    analysis::GuessUse Use() const;
    int Length() const { return m_length; }
    const features::HistoryDraws& Draws() const { return m_draws; }

protected:
    void ShowReason(const QString& text) { ShowMissing(text); }
    // The history or a choice changed; called only when there are draws.
    virtual void Refill() = 0;

private:
    void WindowPicked(std::size_t) override { FillIfDrawn(); }
    void FillIfDrawn();

    QComboBox* m_use = nullptr;
    features::HistoryDraws m_draws;
    std::string m_missingText;
    int m_length = 3;
};

// A read-only cell; exact, when valid, is what an export writes and what
// the table sorts by.
QStandardItem* TableCell(const QString& text, const QVariant& exact = {});
using features::MakeTableModel;
using features::PercentText;

} // namespace vesk::formula
