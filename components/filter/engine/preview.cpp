#include "components/filter/engine/preview.h"

namespace vesk::filter {

Preview PreviewSet(const ConditionSet& set, const CompiledSet& compiled)
{
    Preview preview;
    preview.kept = compiled.KeptCount();
    preview.total = compiled.Space().Size();
    for (const Group& group : set.groups)
        preview.rejectedAlone.emplace_back(group.conditions.size());
    for (std::size_t i = 0; i < compiled.ConditionCount(); ++i) {
        const ConditionRef& ref = compiled.RefAt(i);
        preview.rejectedAlone[ref.group][ref.condition] = compiled.ConditionAt(i).FailCount(compiled.Space());
    }
    return preview;
}

} // namespace vesk::filter
