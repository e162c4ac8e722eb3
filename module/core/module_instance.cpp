#include "module/core/module_instance.h"

#include "application/module_app.h"
#include "host/game_length.h"
#include "module/core/feature_tree.h"
#include "module/core/tree_walk.h"

namespace vesk {

namespace {

constexpr SlotInt kHide = 0;
constexpr SlotInt kShow = 5;
constexpr std::uint32_t kEditorNumbersRequest = 0x101B;

SlotInt AsSlot(const void* pointer)
{
    return reinterpret_cast<SlotInt>(pointer);
}

} // namespace

ModuleInstance::ModuleInstance(ModuleApp& app, std::unique_ptr<IModulePlatform> platform)
    : m_app(app), m_platform(std::move(platform))
{
}

ModuleInstance::~ModuleInstance()
{
    CloseAll();
}

SlotInt ModuleInstance::QueryModule(IModule** out)
{
    if (!out)
        return 0;
    *out = this;
    return 1;
}

SlotInt ModuleInstance::GetModuleName(ModuleNameRecord* buffer)
{
    if (!buffer)
        return 0;
    *buffer = kModuleName;
    return 1;
}

SlotInt ModuleInstance::Initialize(IHostObject* host, WindowHandle parent)
{
    m_parent = parent;
    m_host = host;
    m_app.Attach(host);

    IGameService* game = m_app.Game();
    m_catalogueMask = catalogue::MaskForDigits(GameNumberLength(game));

    IEnvironmentService* environment = m_app.Environment();
    const char* directory = environment ? environment->GetDirectory(kDataDirectory) : nullptr;
    if (!directory) {
        m_catalogue.Release();
        return 0;
    }
    return m_catalogue.LoadFromDirectory(directory, m_catalogueMask) ? 1 : 0;
}

SlotInt ModuleInstance::AttachTree(ITreeControl* tree)
{
    m_tree = tree;
    if (!tree)
        return 0;
    IEnvironmentService* environment = m_app.Environment();
    IModule& self = *this; // the fill runs through the interface table
    if (environment && environment->GetHostVariant() == kShortTreeVariant)
        self.FillShortTree(tree);
    else
        self.FillFeatureTree(tree);

    const TreeItem root = tree->GetRoot();
    tree->Expand(root);
    // The rank is used up by the restore, found or not, so a later rebuild
    // without a hide in between selects the root.
    m_rememberedItem = ItemAtOrdinal(*tree, m_rememberedOrdinal);
    m_rememberedOrdinal = 0;
    tree->SelectCaret(m_rememberedItem != 0 ? m_rememberedItem : root);
    tree->SetFocus();
    return 1;
}

WindowHandle ModuleInstance::OpenFeature(std::uint32_t code, std::uint32_t subCode)
{
    const auto context = m_platform->EnterModuleContext();
    const TreeItem caret = m_tree ? m_tree->GetCaret() : 0;
    // The restored selection reports itself like a click; it must not reopen.
    if (code == 0 || (m_rememberedItem != 0 && caret == m_rememberedItem))
        return 0;
    // Folders with bit 31 open only for a leaf below them.
    if (subCode == 0 && (code & 0x80000000u) != 0)
        return 0;

    const FeatureRoute route = RouteFeature(code);
    if (route.kind == FeatureKind::Calculator) {
        m_platform->StartCalculator();
        return 0;
    }
    if (code != m_currentCode) {
        CloseOne(m_currentCode);
        m_currentCode = code;
    }
    const Rect area = m_platform->ClientRect(m_parent);
    switch (route.kind) {
    case FeatureKind::Workbench: return OpenWorkbench(area);
    case FeatureKind::Sibling: return OpenSibling(code, subCode, route, area);
    case FeatureKind::UnderDevelopment:
        m_platform->ShowInformation("该功能正在开发中", "提示信息");
        return -1;
    case FeatureKind::None:
    case FeatureKind::Calculator: break;
    }
    return 0;
}

WindowHandle ModuleInstance::OpenWorkbench(const Rect& area)
{
    auto it = m_features.find(kWorkbenchCode);
    if (it == m_features.end()) {
        void* workbench = m_platform->CreateWorkbench(this, m_parent);
        if (!workbench)
            return 0;
        it = m_features.emplace(kWorkbenchCode, FeatureEntry{workbench, 0}).first;
    }
    const WindowHandle window = m_platform->WorkbenchWindow(it->second.object);
    if (window != 0) {
        m_platform->MoveWindow(window, area);
        m_platform->ShowWindow(window, kShow);
    }
    return window;
}

WindowHandle ModuleInstance::OpenSibling(std::uint32_t code, std::uint32_t subCode,
                                         const FeatureRoute& route, const Rect& area)
{
    if (!m_host)
        return 0;
    auto it = m_features.find(code);
    if (it == m_features.end()) {
        it = m_features.emplace(code, FeatureEntry{}).first;
        m_host->LoadComponent(&SiblingModule(route.row), &it->second);
        it->second.releaseOnClose = 1;
        // A module the host could not load has nothing to call.
        if (!it->second.object) {
            m_features.erase(it);
            return 0;
        }
    }
    FeatureEntry& entry = it->second;
    auto* module = static_cast<IFeatureModule*>(entry.object);
    const SlotInt self = AsSlot(static_cast<IModule*>(this));
    const SlotInt analysis = AsSlot(m_app.Analysis());
    switch (route.form) {
    case OpenForm::InitializeThenOpenWithSubCode:
        module->Initialize(m_host, m_parent);
        module->Open(code, subCode, self, analysis);
        break;
    case OpenForm::InitializeThenOpen:
        module->Initialize(m_host, m_parent);
        module->Open(code, self, analysis, 0);
        break;
    case OpenForm::OpenThenInitialize:
        module->Open(code, 0, 0, 0);
        module->Initialize(m_host, m_parent);
        break;
    }
    IEnvironmentService* environment = m_app.Environment();
    if (code == kBankerCheckCode && environment && environment->GetHostVariant() == kShortTreeVariant)
        entry.releaseOnClose = 0; // the short tree keeps it loaded between features

    const WindowHandle window = module->GetWindow();
    if (window != 0)
        m_platform->MoveWindow(window, area);
    module->Show(kShow);
    return window;
}

void ModuleInstance::CloseFeature(std::int32_t code)
{
    const auto context = m_platform->EnterModuleContext();
    if (code == -1)
        CloseAll();
    else
        CloseOne(static_cast<std::uint32_t>(code));
}

void ModuleInstance::CloseOne(std::uint32_t code)
{
    const auto it = m_features.find(code);
    if (it == m_features.end())
        return;
    if (it->second.releaseOnClose != 0) {
        Release(code, it->second); // the holder the host loaded into
        m_features.erase(it);
    } else if (code == kWorkbenchCode) {
        m_platform->ShowWindow(m_platform->WorkbenchWindow(it->second.object), kHide);
    } else {
        static_cast<IFeatureModule*>(it->second.object)->Show(kHide);
    }
    ForgetRememberedItem();
}

void ModuleInstance::CloseAll()
{
    // Taken out first, so a release that calls back finds a consistent map.
    auto features = std::move(m_features);
    m_features.clear();
    for (auto& [code, entry] : features)
        Release(code, entry);
    ForgetRememberedItem();
}

void ModuleInstance::Release(std::uint32_t code, FeatureEntry& entry)
{
    if (code == kWorkbenchCode)
        m_platform->DestroyWorkbench(entry.object);
    else if (m_host)
        m_host->ReleaseComponent(&entry);
}

void ModuleInstance::ForgetRememberedItem()
{
    m_rememberedItem = 0;
    m_rememberedOrdinal = 0;
}

IFeatureModule* ModuleInstance::SiblingOf(std::uint32_t code)
{
    if (code == kWorkbenchCode)
        return nullptr;
    const auto it = m_features.find(code);
    return it != m_features.end() ? static_cast<IFeatureModule*>(it->second.object) : nullptr;
}

const FeatureEntry* ModuleInstance::FindEntry(std::uint32_t code) const
{
    const auto it = m_features.find(code);
    return it != m_features.end() ? &it->second : nullptr;
}

void ModuleInstance::RefreshFeature()
{
    if (m_currentCode == kWorkbenchCode) {
        if (const FeatureEntry* entry = FindEntry(kWorkbenchCode))
            m_platform->RefreshWorkbench(entry->object);
    } else if (IFeatureModule* module = SiblingOf(m_currentCode);
               module && RefreshesSibling(m_currentCode)) {
        module->Refresh();
    }
}

SlotInt ModuleInstance::PreTranslateMessage(void* message)
{
    const auto context = m_platform->EnterModuleContext();
    if (m_currentCode != 0) {
        if (IFeatureModule* module = SiblingOf(m_currentCode); module && module->FilterMessage(message))
            return 1;
    }
    return m_platform->PreTranslateMessage(message);
}

void ModuleInstance::ShowFeature(SlotInt showCommand)
{
    const auto context = m_platform->EnterModuleContext();
    if (m_currentCode == kWorkbenchCode) {
        if (const FeatureEntry* entry = FindEntry(kWorkbenchCode))
            m_platform->ShowWindow(m_platform->WorkbenchWindow(entry->object), showCommand);
    } else if (IFeatureModule* module = SiblingOf(m_currentCode)) {
        module->Show(showCommand);
    }
    if (showCommand != kHide || !m_tree)
        return;
    // Handles die with a rebuild of the tree; the rank lets AttachTree find
    // the same position again.
    m_rememberedItem = m_tree->GetCaret();
    m_rememberedOrdinal = OrdinalOf(*m_tree, m_rememberedItem);
}

SlotInt ModuleInstance::GetCategoryCount()
{
    return static_cast<SlotInt>(m_catalogue.CategoryCount());
}

const void* ModuleInstance::GetCategory(std::uint16_t key, SlotInt index)
{
    if (index == -1)
        return m_catalogue.FindCategory(key);
    return index >= 0 ? m_catalogue.CategoryAt(static_cast<std::size_t>(index)) : nullptr;
}

const void* ModuleInstance::FindCatalogueItem(std::uint16_t categoryKey, std::uint16_t itemKey,
                                              const void** groupOut, const void** categoryOut)
{
    const catalogue::Group* group = nullptr;
    const catalogue::Category* category = nullptr;
    const catalogue::ItemRecord* item = m_catalogue.FindItem(categoryKey, itemKey, &group, &category);
    if (item && groupOut)
        *groupOut = group;
    if (item && categoryOut)
        *categoryOut = category;
    return item;
}

SlotInt ModuleInstance::GetEditorNumbers(SlotInt requestCode, void* array)
{
    if ((requestCode & 0xFFFF) == kEditorNumbersRequest && array) {
        if (const FeatureEntry* entry = FindEntry(kWorkbenchCode))
            m_platform->FillEditorNumbers(entry->object, array);
    }
    return 1;
}

void ModuleInstance::Destroy(SlotInt flag)
{
    {
        const auto context = m_platform->EnterModuleContext();
        CloseAll();
        m_catalogue.Release();
    }
    if (flag & 1)
        delete this;
}

SlotInt ModuleInstance::FillFeatureTree(ITreeControl* tree)
{
    if (!tree)
        return 0;
    IGameService* game = m_app.Game();
    vesk::FillFeatureTree(*tree, m_catalogue, game ? game->GetNumberLength(kFirstOfNCodes) : 0,
                          game ? game->GetNEnd(kFirstOfNCodes) : 0);
    return 1;
}

SlotInt ModuleInstance::FillShortTree(ITreeControl* tree)
{
    if (!tree)
        return 0;
    vesk::FillShortTree(*tree);
    return 1;
}

} // namespace vesk
