#pragma once
// The frame both windows of this library share: a title, a bar with the
// history window picker, 胆/杀 and the window's own controls, the content
// (or the line that says why there is none) and a status line.

#include "components/features/analysis/formula/digit_guess.h"
#include "components/features/kit/history_draws.h"

#include <QVariant>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <span>
#include <string>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QStackedWidget;
class QStandardItem;
class QStandardItemModel;
class QTableView;

namespace vesk::features {
class WindowPicker;
}

namespace vesk::formula {

class GuessFrame : public QWidget {
public:
    GuessFrame(const QString& objectName, const QString& title, QWidget* parent);

    // The user picked another history window (N, 0 for 全部) or use.
    std::function<void(std::size_t)> windowChanged;
    std::function<void(analysis::GuessUse)> useChanged;

    // A new history of numbers of length digits; the content is filled again.
    void SetHistory(features::HistoryDraws draws, int length, const std::string& missingText);
    // The remembered choices, shown without calling back; fills again.
    void SetChoices(std::size_t last, analysis::GuessUse use);

    std::size_t Last() const;
    analysis::GuessUse Use() const;
    int Length() const { return m_length; }
    const features::HistoryDraws& Draws() const { return m_draws; }
    QString StatusText() const;

protected:
    QHBoxLayout* Bar() const { return m_bar; }
    void SetContent(QWidget* content);
    // A widget under the content, shown with it.
    void AddFooter(QWidget* footer);
    void SetStatus(const QString& text, bool warning = false);
    // Shows why there is nothing to show instead of the content.
    void ShowReason(const QString& text);
    void ShowContent();
    // The history or a choice changed; called only when there are draws.
    virtual void Refill() = 0;

private:
    void FillIfDrawn();

    QHBoxLayout* m_bar = nullptr;
    features::WindowPicker* m_picker = nullptr;
    QComboBox* m_use = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_reason = nullptr;
    QLabel* m_status = nullptr;
    QWidget* m_footer = nullptr;
    features::HistoryDraws m_draws;
    std::string m_missingText;
    int m_length = 3;
};

// A read-only cell; exact, when valid, is what an export writes.
QStandardItem* TableCell(const QString& text, const QVariant& exact = {});
// A table model with these column titles.
QStandardItemModel* MakeTableModel(QObject* parent, std::span<const char* const> titles);
// A rate as a percentage with one decimal: "27.1%".
QString PercentText(const analysis::Figure& figure);

} // namespace vesk::formula
