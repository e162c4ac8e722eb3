#pragma once
// Finding the condition window's controls as a user sees them, and what the
// engine behind a page says, for the tests that drive the window with input.

#include "tests/condition_pages/page_harness.h"

#include "components/filter/engine/condition_set.h"
#include "numbers/number_list.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

class QToolButton;

namespace vesk::test {

// Runs the posted deletions and the events they leave.
void Settle();

template <class T>
T* Visible(QWidget* root, const QString& text)
{
    for (T* widget : root->findChildren<T*>())
        if (widget->text() == text && widget->isVisibleTo(root))
            return widget;
    return nullptr;
}

// The rows whose enable box reads label, top to bottom; Row: the first.
std::vector<QWidget*> RowsLabelled(QWidget* panel, const QString& label);
QWidget* Row(QWidget* panel, const QString& label);
// Every visible row of the panel, top to bottom.
std::vector<QWidget*> AllRows(QWidget* panel);
// The row's value toggle (or, with area "digits", digit toggle) reading text.
QToolButton* Toggle(QWidget* row, const QString& text, const char* area = "values");
QString Preview(QWidget* panel);

// The set a page's engine holds, read back through its state slot.
filter::ConditionSet SetOf(IRyxFilter& engine);
std::uint64_t EngineKept(const filter::ConditionSet& set);
QString PreviewOf(std::uint64_t kept);
// Every 3-digit number, 000 first.
NumberList AllNumbers();

} // namespace vesk::test
