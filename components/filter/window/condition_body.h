#pragma once
// The scrolling part of the condition window: the fixed form or the groups
// of the combined page. Built from the set; refreshed after every edit and
// built again after structural ones.

#include "components/filter/component/fixed_form.h"
#include "components/filter/window/condition_row.h"

#include <QWidget>

#include <vector>

namespace vesk::filter {

class ConditionBody : public QWidget {
public:
    explicit ConditionBody(QWidget* parent) : QWidget(parent) {}

    void Sync(const PreviewState& preview)
    {
        for (ConditionRow* row : m_rows)
            row->Sync(preview);
        SyncOwn();
    }
    void CommitTexts()
    {
        for (ConditionRow* row : m_rows)
            row->CommitTexts();
        CommitOwnTexts();
    }
    const std::vector<ConditionRow*>& Rows() const { return m_rows; }
    // True when the set's structure moved on since the body was built: it
    // must be built again before it shows anything.
    virtual bool Outdated() const { return false; }

protected:
    virtual void SyncOwn() {}
    virtual void CommitOwnTexts() {}
    std::vector<ConditionRow*> m_rows;
};

// The fixed page: a row per common type, then the conditions of a loaded set
// that no row took. form must outlive the body.
ConditionBody* MakeFixedBody(SetEditor& editor, FixedForm& form, QWidget* parent);
// The combined page: each group with its name, enable box, 容错 and rows,
// a type picker per group, and a button for a new group.
ConditionBody* MakeCombinedBody(SetEditor& editor, QWidget* parent);

} // namespace vesk::filter
