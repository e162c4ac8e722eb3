#include "components/features/kit/kept_state.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QItemSelection>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

#include <map>

namespace vesk::features {

namespace {

std::map<QString, QVariantMap>& Store()
{
    static std::map<QString, QVariantMap> store;
    return store;
}

// Controls the user sets, by name; Qt's own parts (qt_*) and the pickers,
// which the host's options keep, are not the user's.
bool Kept(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && name != QLatin1String("windowPicker");
}

// The names from the window down to the control: pages of one window may
// name their controls alike.
QString Key(const char* kind, const QWidget* widget, const QWidget* root)
{
    QString path = widget->objectName();
    for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget())
        if (!up->objectName().isEmpty())
            path = up->objectName() + QLatin1Char('/') + path;
    return QString::fromLatin1(kind) + QLatin1Char(':') + path;
}

void SetScroll(QTableView* view, int vertical, int horizontal)
{
    view->verticalScrollBar()->setValue(vertical);
    view->horizontalScrollBar()->setValue(horizontal);
}

} // namespace

QVariantMap KeptState(const QString& key)
{
    const auto it = Store().find(key);
    return it == Store().end() ? QVariantMap{} : it->second;
}

void KeepState(const QString& key, const QVariantMap& state)
{
    Store()[key] = state;
}

QVariant CodesValue(const std::vector<std::uint32_t>& codes)
{
    QVariantList list;
    list.reserve(static_cast<qsizetype>(codes.size()));
    for (std::uint32_t code : codes)
        list << static_cast<uint>(code);
    return list;
}

std::vector<std::uint32_t> CodesOf(const QVariant& value)
{
    std::vector<std::uint32_t> codes;
    for (const QVariant& code : value.toList())
        codes.push_back(code.toUInt());
    return codes;
}

QVariantMap TableState(const QTableView* view)
{
    QVariantMap state;
    // The proxy's sort, not the header's mark, which a refill of the columns moves.
    const auto* proxy = qobject_cast<const QSortFilterProxyModel*>(view->model());
    const QHeaderView* header = view->horizontalHeader();
    state[QStringLiteral("sortColumn")] = !view->isSortingEnabled() ? -1
                                          : proxy                   ? proxy->sortColumn()
                                                                    : header->sortIndicatorSection();
    state[QStringLiteral("sortOrder")] = static_cast<int>(proxy ? proxy->sortOrder() : header->sortIndicatorOrder());
    QStringList selected;
    if (view->selectionModel() && view->model())
        for (const QModelIndex& index : view->selectionModel()->selectedRows())
            selected << view->model()->data(index.siblingAtColumn(0)).toString();
    state[QStringLiteral("selected")] = selected;
    state[QStringLiteral("scroll")] = view->verticalScrollBar()->value();
    state[QStringLiteral("hscroll")] = view->horizontalScrollBar()->value();
    return state;
}

void RestoreTableState(QTableView* view, const QVariantMap& state)
{
    if (state.isEmpty() || !view->model())
        return;
    const int column = state.value(QStringLiteral("sortColumn"), -1).toInt();
    if (view->isSortingEnabled() && column >= 0 && column < view->model()->columnCount())
        view->sortByColumn(column, static_cast<Qt::SortOrder>(state.value(QStringLiteral("sortOrder")).toInt()));
    const QStringList selected = state.value(QStringLiteral("selected")).toStringList();
    if (view->selectionModel()) {
        const QSet<QString> keys(selected.begin(), selected.end());
        QItemSelection selection;
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount() && !keys.isEmpty(); ++row)
            if (keys.contains(model->data(model->index(row, 0)).toString()))
                selection.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
        // Rows that are no longer there leave the selection the window made.
        if (!selection.isEmpty() || keys.isEmpty())
            view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    const int vertical = state.value(QStringLiteral("scroll")).toInt();
    const int horizontal = state.value(QStringLiteral("hscroll")).toInt();
    SetScroll(view, vertical, horizontal);
    // A window not yet laid out has no scroll range: try again once it is.
    QTimer::singleShot(0, view, [view = QPointer<QTableView>(view), vertical, horizontal] {
        if (view)
            SetScroll(view, vertical, horizontal);
    });
}

QVariantMap CaptureWindow(const QWidget* root)
{
    QVariantMap state;
    // The window itself may keep more than its controls show.
    if (const auto* part = dynamic_cast<const KeepsState*>(root))
        state[QStringLiteral("window")] = part->SaveState();
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!Kept(widget))
            continue;
        if (const auto* line = qobject_cast<const QLineEdit*>(widget); line && !line->isReadOnly())
            state[Key("line", widget, root)] = line->text();
        else if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget); text && !text->isReadOnly())
            state[Key("text", widget, root)] = text->toPlainText();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && button->isCheckable())
            state[Key("check", widget, root)] = button->isChecked();
        else if (const auto* spin = qobject_cast<const QSpinBox*>(widget))
            state[Key("spin", widget, root)] = spin->value();
        else if (const auto* real = qobject_cast<const QDoubleSpinBox*>(widget))
            state[Key("real", widget, root)] = real->value();
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            state[Key("combo", widget, root)] = combo->currentIndex();
        else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
            state[Key("tabs", widget, root)] = tabs->currentIndex();
        else if (const auto* table = qobject_cast<const QTableView*>(widget))
            state[Key("table", widget, root)] = TableState(table);
        if (const auto* part = dynamic_cast<const KeepsState*>(widget))
            state[Key("part", widget, root)] = part->SaveState();
    }
    return state;
}

void RestoreWindow(QWidget* root, const QVariantMap& state)
{
    if (state.isEmpty())
        return;
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    const auto value = [&state, root](const char* kind, const QWidget* widget) {
        return state.value(Key(kind, widget, root));
    };
    for (QWidget* widget : widgets) {
        if (!Kept(widget))
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(widget); combo && value("combo", widget).isValid()) {
            const int index = value("combo", widget).toInt();
            if (index >= 0 && index < combo->count() && index != combo->currentIndex()) {
                combo->setCurrentIndex(index);
                emit combo->activated(index);
            }
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget); spin && value("spin", widget).isValid()) {
            spin->setValue(value("spin", widget).toInt());
        } else if (auto* real = qobject_cast<QDoubleSpinBox*>(widget); real && value("real", widget).isValid()) {
            if (real->value() != value("real", widget).toDouble()) {
                real->setValue(value("real", widget).toDouble());
                emit real->editingFinished();
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget); button && value("check", widget).isValid()) {
            button->setChecked(value("check", widget).toBool());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget); tabs && value("tabs", widget).isValid()) {
            tabs->setCurrentIndex(value("tabs", widget).toInt());
        }
    }
    // Texts after the choices: a choice may clear what was typed for another.
    for (QWidget* widget : widgets) {
        if (!Kept(widget))
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(widget); line && value("line", widget).isValid()) {
            if (line->text() != value("line", widget).toString()) {
                line->setText(value("line", widget).toString());
                emit line->editingFinished();
            }
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget); text && value("text", widget).isValid()) {
            if (text->toPlainText() != value("text", widget).toString())
                text->setPlainText(value("text", widget).toString());
        }
    }
    for (QWidget* widget : widgets)
        if (auto* part = dynamic_cast<KeepsState*>(widget); part && Kept(widget) && value("part", widget).isValid())
            part->RestoreState(value("part", widget).toMap());
    if (auto* part = dynamic_cast<KeepsState*>(root); part && state.contains(QStringLiteral("window")))
        part->RestoreState(state.value(QStringLiteral("window")).toMap());
    for (QWidget* widget : widgets)
        if (auto* table = qobject_cast<QTableView*>(widget); table && Kept(widget) && value("table", widget).isValid())
            RestoreTableState(table, value("table", widget).toMap());
}

KeepSelection::KeepSelection(QTableView* view) : m_view(view), m_state(TableState(view))
{
    m_state.remove(QStringLiteral("sortColumn")); // the proxy keeps the sort itself
}

KeepSelection::~KeepSelection()
{
    RestoreTableState(m_view, m_state);
}

} // namespace vesk::features
