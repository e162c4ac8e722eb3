#pragma once
// What a row or a group header of the condition window asks of the window:
// the set being edited and a way to change it. Edits go to the engine at
// once, so the preview follows every click.

#include "components/filter/component/filter_component.h"

#include <functional>

namespace vesk::filter {

class SetEditor {
public:
    virtual const ConditionSet& Set() const = 0;
    virtual int Length() const = 0;
    // Applies edit to a copy of the set and hands it to the engine. A
    // structural edit (groups or conditions added, removed, moved) rebuilds
    // the rows after the current event; any other edit only refreshes them.
    virtual void Edit(const std::function<void(ConditionSet&)>& edit, bool structural = false) = 0;

protected:
    ~SetEditor() = default;
};

} // namespace vesk::filter
