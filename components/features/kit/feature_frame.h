#pragma once
// The frame every analysis window is built in: a bar with the title, the
// window's own controls and the history window picker ("统计期数"), an
// optional row under it, the content or, instead of it, the line that says
// there are no draws, and a status line. A window derives and fills Lead()
// (controls before the picker), Bar() (controls after it) and the content.

#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>

class QAbstractItemModel;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace vesk::features {

class WindowPicker;

struct FrameLook {
    QString pickerLabel = QStringLiteral("统计期数");
    // Pushes the picker and what follows it to the right edge.
    bool pickerRight = false;
};

class FeatureFrame : public QWidget {
public:
    FeatureFrame(const QString& objectName, const QString& title, QWidget* parent, const FrameLook& look = {});

    // The user picked another history window (N, 0 for 全部); called after
    // the window's own WindowPicked().
    std::function<void(std::size_t)> windowChanged;

    void SetTitle(const QString& title);
    QString Title() const;
    // The picked window (N, 0 for 全部).
    std::size_t Last() const;
    // Shows last as picked without calling back.
    void ShowLast(std::size_t last);

    // The status line under the content (hidden while empty); a warning in red.
    void SetStatus(const QString& text, bool warning = false);
    QString StatusText() const;

    WindowPicker* Picker() const { return m_picker; }

protected:
    QHBoxLayout* Lead() const { return m_lead; }
    QHBoxLayout* Bar() const { return m_bar; }
    // A row under the bar, above the content.
    void AddRow(QWidget* row);
    // The content, shown by ShowContent (once: a second call replaces nothing).
    void SetContent(QWidget* content);
    // A widget under the content, shown and hidden with it.
    void AddFooter(QWidget* footer);
    void ShowContent();
    // Shows text (why there is nothing to show) instead of the content.
    void ShowMissing(const QString& text);
    bool ContentShown() const;
    // A button on the bar that exports model as .xls or text under the
    // suggested file name, while the content is shown.
    QPushButton* AddExportButton(const QString& text, const QString& name, const QAbstractItemModel* model,
                                 const std::string& fileName);
    // The user picked last in the picker: the window reacts here.
    virtual void WindowPicked(std::size_t last) = 0;

private:
    QLabel* m_title = nullptr;
    QHBoxLayout* m_lead = nullptr;
    QHBoxLayout* m_bar = nullptr;
    WindowPicker* m_picker = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_missing = nullptr;
    QWidget* m_content = nullptr;
    QWidget* m_footer = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace vesk::features
