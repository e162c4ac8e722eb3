#pragma once
// The module instance the host drives through the 18-slot module interface:
// it fills the navigation tree, opens, shows, hides and closes features,
// routes messages, and offers the condition catalogue to sibling modules.
//
// Ownership: the instance owns its feature map, the workbench (through the
// platform), the catalogue and the platform. Sibling modules are the host's;
// the instance holds them between the host's load and release calls.

#include "host/feature_module_interface.h"
#include "host/module_interface.h"
#include "module/catalogue/catalogue.h"
#include "module/core/feature_routes.h"
#include "module/core/module_platform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace vesk {

class ModuleApp;

// One opened feature. The host's loader writes a sibling module's interface
// pointer into the first word, so object must stay first.
struct FeatureEntry {
    void* object = nullptr; // the workbench (code 1) or the sibling module's interface
    std::uint32_t releaseOnClose = 0; // 1: unload or destroy on close; 0: only hide
};
static_assert(offsetof(FeatureEntry, object) == 0);

class ModuleInstance final : public IModule {
public:
    ModuleInstance(ModuleApp& app, std::unique_ptr<IModulePlatform> platform);
    ~ModuleInstance();
    ModuleInstance(const ModuleInstance&) = delete;
    ModuleInstance& operator=(const ModuleInstance&) = delete;

    SlotInt QueryModule(IModule** out) override;
    SlotInt GetModuleName(ModuleNameRecord* buffer) override;
    SlotInt Initialize(IHostObject* host, WindowHandle parent) override;
    SlotInt AttachTree(ITreeControl* tree) override;
    WindowHandle OpenFeature(std::uint32_t code, std::uint32_t subCode) override;
    void CloseFeature(std::int32_t code) override;
    void RefreshFeature() override;
    SlotInt PreTranslateMessage(void* message) override;
    void ShowFeature(SlotInt showCommand) override;
    SlotInt GetCategoryCount() override;
    const void* GetCategory(std::uint16_t key, SlotInt index) override;
    const void* FindCatalogueItem(std::uint16_t categoryKey, std::uint16_t itemKey, const void** groupOut,
                                  const void** categoryOut) override;
    SlotInt GetEditorNumbers(SlotInt requestCode, void* array) override;
    void Destroy(SlotInt flag) override;
    SlotInt FillFeatureTree(ITreeControl* tree) override;
    SlotInt FillShortTree(ITreeControl* tree) override;

    std::uint32_t CurrentCode() const { return m_currentCode; }
    TreeItem RememberedItem() const { return m_rememberedItem; }
    std::uint32_t RememberedOrdinal() const { return m_rememberedOrdinal; }
    std::uint32_t CatalogueMask() const { return m_catalogueMask; }
    const catalogue::Catalogue& Catalogue() const { return m_catalogue; }
    // Null when the code has no entry.
    const FeatureEntry* FindEntry(std::uint32_t code) const;

private:
    WindowHandle OpenWorkbench(const Rect& area);
    WindowHandle OpenSibling(std::uint32_t code, std::uint32_t subCode, const FeatureRoute& route,
                             const Rect& area);
    void CloseOne(std::uint32_t code);
    void CloseAll();
    void Release(std::uint32_t code, FeatureEntry& entry);
    void ForgetRememberedItem();
    IFeatureModule* SiblingOf(std::uint32_t code);

    TreeItem m_rememberedItem = 0;
    std::uint32_t m_rememberedOrdinal = 0;
    ITreeControl* m_tree = nullptr;
    WindowHandle m_parent = 0;
    std::uint32_t m_currentCode = 0;
    IHostObject* m_host = nullptr;
    std::unordered_map<std::uint32_t, FeatureEntry> m_features;
    std::uint32_t m_catalogueMask = 0;
    catalogue::Catalogue m_catalogue;

    ModuleApp& m_app;
    std::unique_ptr<IModulePlatform> m_platform;
};

} // namespace vesk
