#pragma once
// The frame the four windows of this library share: a title, a bar with the
// history window picker and the window's own controls, and the content, or
// instead of it the line that says there are no draws.

#include "components/features/kit/feature_look.h"
#include "components/features/kit/history_draws.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>

class QAbstractItemModel;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace vesk::features {
class WindowPicker;
}

namespace vesk::query {

class QueryFrame : public QWidget {
public:
    QueryFrame(const QString& objectName, const QString& title, QWidget* parent);

    // The user picked another history window (N, 0 for 全部).
    std::function<void(std::size_t)> windowChanged;

    // A new history of numbers of length digits: the content is filled again, or the missing line shown
    // when it holds no draws.
    void SetHistory(features::HistoryDraws draws, int length, const std::string& missingText);
    int Length() const { return m_length; }
    // Shows last as the picked window (without calling windowChanged) and
    // fills the content again.
    void SetWindowSize(std::size_t last);
    std::size_t Last() const;
    bool HasDraws() const { return !m_draws.codes.empty(); }
    const features::HistoryDraws& Draws() const { return m_draws; }

protected:
    // The bar, for the window's own controls (added after the picker).
    QHBoxLayout* Bar() const { return m_bar; }
    void SetContent(QWidget* content);
    // A button on the bar that exports model as .xls or text.
    QPushButton* AddExportButton(const QString& text, const QString& name, const QAbstractItemModel* model,
                                 const std::string& fileName);
    // The history or the window changed; also called without draws, when
    // the content must drop what it showed.
    virtual void Refill() = 0;

private:
    void ShowContent();

    QHBoxLayout* m_bar = nullptr;
    features::WindowPicker* m_picker = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_missing = nullptr;
    features::HistoryDraws m_draws;
    int m_length = 3;
};

using features::NumberText;
using features::PeriodText;

} // namespace vesk::query
