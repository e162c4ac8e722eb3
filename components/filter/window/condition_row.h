#pragma once
// One condition as a row: enable box with its name, keep/exclude, the
// fields of its type, its values as toggles that wrap (or as a values text
// for wide ranges) and how many numbers it alone rejects. The row finds its
// condition in the set through its access functions on every refresh, so it
// survives edits that move conditions around.

#include "components/filter/engine/value_choices.h"
#include "components/filter/window/set_editor.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace vesk::filter {

class FlowLayout;

struct RowAccess {
    // The row's condition, or null while it has none.
    std::function<const Condition*(const ConditionSet&)> find;
    // The row's condition, made when the row may make one; null when it is
    // gone (the edit then changes nothing).
    std::function<Condition*(ConditionSet&)> get;
    // What the preview says the row's condition alone rejects.
    std::function<std::optional<std::uint64_t>(const Preview&)> rejected;
};

struct RowOptions {
    ConditionType type = ConditionType::Sum;
    bool kill = false;           // the 杀号 row: digits only
    bool fieldsEditable = true;  // false: a fixed row's position is its identity
    std::function<void()> remove; // shows a remove button when set
    // What the row shows while it has no condition; a new condition of the
    // type when not given.
    std::optional<Condition> blank;
};

class ConditionRow final : public QWidget {
public:
    ConditionRow(SetEditor& editor, const QString& label, RowAccess access, RowOptions options, QWidget* parent);

    // Shows the condition's current state and the preview's count.
    void Sync(const PreviewState& preview);
    // Hands typed texts (values, pairs, numbers) to the set.
    void CommitTexts();

    QCheckBox* EnableBox() const { return m_enable; }
    // The row's condition in set, or null.
    const Condition* Find(const ConditionSet& set) const { return m_access.find ? m_access.find(set) : nullptr; }
    // The value toggle of value, or null.
    QToolButton* ToggleOf(std::int64_t value) const;

private:
    void BuildFields(QWidget* line);
    void RebuildToggles(const std::vector<ValueChoice>& choices);
    void EditCondition(const std::function<void(Condition&)>& edit);
    void CommitValuesText();
    void CommitListText();

    SetEditor& m_editor;
    RowAccess m_access;
    RowOptions m_options;
    QCheckBox* m_enable = nullptr;
    QComboBox* m_mode = nullptr;
    QComboBox* m_position = nullptr;
    QComboBox* m_pair = nullptr;
    QSpinBox* m_window = nullptr;
    QLineEdit* m_listText = nullptr; // pairs or numbers
    QCheckBox* m_group = nullptr;
    QLabel* m_rejected = nullptr;
    std::vector<QToolButton*> m_digits;
    QWidget* m_valueArea = nullptr;
    FlowLayout* m_valueFlow = nullptr;
    std::vector<std::int64_t> m_toggleValues;
    std::vector<QToolButton*> m_toggles;
    QLineEdit* m_valuesText = nullptr;
};

} // namespace vesk::filter
