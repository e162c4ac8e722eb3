#include "components/filter/component/live_engines.h"

#include <algorithm>
#include <new>
#include <vector>

namespace vesk::filter {
namespace {

std::vector<FilterComponent*>& Engines()
{
    static std::vector<FilterComponent*> live;
    return live;
}

} // namespace

bool AddLiveEngine(FilterComponent* engine)
{
    try {
        Engines().push_back(engine);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool RemoveLiveEngine(FilterComponent* engine)
{
    auto& live = Engines();
    const auto it = std::find(live.begin(), live.end(), engine);
    if (it == live.end())
        return false;
    live.erase(it);
    return true;
}

FilterComponent* LiveEngine(IRyxFilter* filter)
{
    for (FilterComponent* engine : Engines())
        if (static_cast<IRyxFilter*>(engine) == filter)
            return engine;
    return nullptr;
}

FilterComponent* LiveEngineAt(void* instance)
{
    for (FilterComponent* engine : Engines())
        if (static_cast<void*>(static_cast<IRyxFilter*>(engine)) == instance)
            return engine;
    return nullptr;
}

} // namespace vesk::filter
