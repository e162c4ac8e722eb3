#pragma once
// The ten digits as chips coloured by their class for the next draw, with
// a legend naming each class and its digits.

#include "components/features/analysis/pick/pick_classes.h"

#include <QWidget>

#include <array>

class QLabel;

namespace vesk::pick {

class DigitChips final : public QWidget {
public:
    explicit DigitChips(QWidget* parent = nullptr);

    // classNames: the method's names, one per class.
    void Show(const analysis::DigitClasses& classes, const std::array<std::string_view, 4>& classNames);
    // No classes (too few draws): the chips greyed, the reason in the legend.
    void ShowNone(const QString& reason);

    QLabel* Chip(int digit) const { return m_chips[static_cast<std::size_t>(digit)]; }
    QLabel* Legend() const { return m_legend; }

private:
    std::array<QLabel*, 10> m_chips{};
    QLabel* m_legend;
};

// The colour of class c of a method with count classes.
QColor ClassColour(int c, int count);

} // namespace vesk::pick
