#pragma once
// What a feature window keeps of the user's work while the program runs.
// The host releases a feature (and its window) whenever another opens; the
// window leaves its state here as it goes and takes it back when its
// feature opens again. One store per feature library, keyed by the window.

#include <QVariantMap>

#include <cstdint>
#include <vector>

class QTableView;
class QWidget;

namespace vesk::features {

// The state kept under key (empty when none).
QVariantMap KeptState(const QString& key);
void KeepState(const QString& key, const QVariantMap& state);

// Numbers kept as a QVariant and read back.
QVariant CodesValue(const std::vector<std::uint32_t>& codes);
std::vector<std::uint32_t> CodesOf(const QVariant& value);

// A table's sort, selected rows (by the text of their first column) and
// scroll position.
QVariantMap TableState(const QTableView* view);
void RestoreTableState(QTableView* view, const QVariantMap& state);

// A window part that keeps more than its controls show (results, loaded
// files, ticks in a table): the feature asks it when its window goes and
// gives the state back once the window shows what it was opened for.
class KeepsState {
public:
    virtual QVariantMap SaveState() const = 0;
    virtual void RestoreState(const QVariantMap& state) = 0;

protected:
    ~KeepsState() = default;
};

// What the user set in the named controls under root (texts, ticks, spin
// boxes, combo boxes, tabs, tables' sort, selection and scroll), with each
// KeepsState part's own state; the history window pickers are left to the
// host's options.
QVariantMap CaptureWindow(const QWidget* root);
// Gives them back: controls first, then the parts' states, then tables.
void RestoreWindow(QWidget* root, const QVariantMap& state);

// Keeps a table's selection and scroll position across a refill of its
// model: taken when made, given back when it goes.
class KeepSelection {
public:
    explicit KeepSelection(QTableView* view);
    ~KeepSelection();
    KeepSelection(const KeepSelection&) = delete;
    KeepSelection& operator=(const KeepSelection&) = delete;

private:
    QTableView* m_view;
    QVariantMap m_state;
};

} // namespace vesk::features
