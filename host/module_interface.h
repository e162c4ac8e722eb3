#pragma once
// The 18-slot interface through which the host drives the module. The order
// of the virtual functions is binding: the host calls by slot.

#include "host/host_services.h"
#include "host/reserved_slot.h"
#include "host/tree_control.h"
#include "host/win_types.h"

#include <cstdint>

namespace vesk {

class IModule {
public:
    // Slot 0: stores this interface in *out; returns 1.
    virtual SlotInt QueryModule(IModule** out) = 0;
    // Slot 1: copies the 32-byte ModuleNameRecord into buffer.
    virtual SlotInt GetModuleName(ModuleNameRecord* buffer) = 0;
    // Slot 2: 1 when the condition catalogue was loaded, else 0.
    virtual SlotInt Initialize(IHostObject* host, WindowHandle parent) = 0;
    // Slot 3: fills and attaches the host's navigation tree; returns 1.
    virtual SlotInt AttachTree(ITreeControl* tree) = 0;
    // Slot 4: the feature window's handle, 0 when nothing opened, -1 for a
    // feature still under development.
    virtual WindowHandle OpenFeature(std::uint32_t code, std::uint32_t subCode) = 0;
    // Slot 5: closes one feature, or all of them for code -1.
    virtual void CloseFeature(std::int32_t code) = 0;
    VESK_RESERVED_SLOT(6)
    // Slot 7
    virtual void RefreshFeature() = 0;
    VESK_RESERVED_SLOT(8)
    // Slot 9: non-zero when the module consumed the message.
    virtual SlotInt PreTranslateMessage(void* message) = 0;
    // Slot 10: shows (5) or hides (0) the current feature.
    virtual void ShowFeature(SlotInt showCommand) = 0;
    // Slot 11
    virtual SlotInt GetCategoryCount() = 0;
    // Slot 12: category record by index, or by key when index is -1; null when none.
    virtual const void* GetCategory(std::uint16_t key, SlotInt index) = 0;
    // Slot 13: item record, or null; group and category records through the out pointers.
    virtual const void* FindCatalogueItem(std::uint16_t categoryKey, std::uint16_t itemKey,
                                          const void** groupOut, const void** categoryOut) = 0;
    // Slot 14: fills array (a UIntArray) with the editor's presence array; returns 1.
    virtual SlotInt GetEditorNumbers(SlotInt requestCode, void* array) = 0;
    // Slot 15: closes everything; deletes the instance when bit 0 of flag is set.
    virtual void Destroy(SlotInt flag) = 0;
    // Slot 16
    virtual SlotInt FillFeatureTree(ITreeControl* tree) = 0;
    // Slot 17
    virtual SlotInt FillShortTree(ITreeControl* tree) = 0;

protected:
    ~IModule() = default;
};

} // namespace vesk

// The two exports of the module and of every component library.
extern "C" {
using DllCreateInstanceFn = std::intptr_t (*)(const vesk::ModuleNameRecord* name, void** out);
using DllReleaseInstanceFn = std::intptr_t (*)(void** ref);
}
