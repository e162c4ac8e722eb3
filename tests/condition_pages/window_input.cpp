#include "tests/condition_pages/window_input.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "components/filter/engine/digits.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QToolButton>

#include <algorithm>

namespace vesk::test {

void Settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

std::vector<QWidget*> AllRows(QWidget* panel)
{
    // A row is the widget two levels above a visible enable box (box, line, row).
    std::vector<QWidget*> rows;
    for (QCheckBox* box : panel->findChildren<QCheckBox*>())
        if (box->isVisibleTo(panel) && box->parentWidget() && box->parentWidget()->parentWidget() &&
            box->parentWidget()->parentWidget()->findChild<QLabel*>() && !box->text().isEmpty() &&
            box->text() != QStringLiteral("组选"))
            rows.push_back(box->parentWidget()->parentWidget());
    // Rows stand in their body's column; its order is the order on screen.
    const auto place = [](QWidget* row) {
        QLayout* column = row->parentWidget() ? row->parentWidget()->layout() : nullptr;
        return column ? column->indexOf(row) : -1;
    };
    std::sort(rows.begin(), rows.end(), [&](QWidget* a, QWidget* b) { return place(a) < place(b); });
    return rows;
}

std::vector<QWidget*> RowsLabelled(QWidget* panel, const QString& label)
{
    std::vector<QWidget*> rows;
    for (QWidget* row : AllRows(panel))
        if (row->findChild<QCheckBox*>()->text() == label)
            rows.push_back(row);
    return rows;
}

QWidget* Row(QWidget* panel, const QString& label)
{
    const std::vector<QWidget*> rows = RowsLabelled(panel, label);
    return rows.empty() ? nullptr : rows.front();
}

QToolButton* Toggle(QWidget* row, const QString& text, const char* area)
{
    QWidget* holder = row ? row->findChild<QWidget*>(QString::fromUtf8(area)) : nullptr;
    return holder ? Visible<QToolButton>(holder, text) : nullptr;
}

QString Preview(QWidget* panel)
{
    return panel->findChild<QLabel*>(QStringLiteral("preview"))->text();
}

filter::ConditionSet SetOf(IRyxFilter& engine)
{
    return *filter::ReadConditionSet(StateText(engine)).set;
}

std::uint64_t EngineKept(const filter::ConditionSet& set)
{
    return filter::Compile(set, 3, nullptr).compiled->KeptCount();
}

QString PreviewOf(std::uint64_t kept)
{
    return QStringLiteral("保留 %1 注 / 共 1000 注").arg(kept);
}

NumberList AllNumbers()
{
    NumberList list(3);
    for (std::uint32_t code = 0; code < 1000; ++code) {
        const filter::Digits d = filter::DigitsOf(code, 3);
        list.Append(d.data());
    }
    return list;
}

} // namespace vesk::test
