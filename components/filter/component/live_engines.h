#pragma once
// The engines this library made and has not released. The window's slot 7
// hands over an IRyxFilter pointer; only a live one of ours is an engine the
// window can edit.

#include "components/filter/component/filter_component.h"

namespace vesk::filter {

// False when the engine cannot be recorded (out of memory).
bool AddLiveEngine(FilterComponent* engine);
// False when the engine is not a live one.
bool RemoveLiveEngine(FilterComponent* engine);
// The engine behind filter when it is a live one of ours; else null.
FilterComponent* LiveEngine(IRyxFilter* filter);
// The same for a pointer to the interface as the loader holds it.
FilterComponent* LiveEngineAt(void* instance);

} // namespace vesk::filter
