#include "app/session/module_session.h"

namespace vesk::app {

inline constexpr SlotInt kHide = 0;
inline constexpr SlotInt kShow = 5;

ModuleSession::ModuleSession(ComponentLoader& loader, IHostObject& host) : m_loader(loader), m_host(host) {}

ModuleSession::~ModuleSession() { Shutdown(); }

bool ModuleSession::Start(WindowHandle featureArea, ITreeControl& tree)
{
    if (m_module)
        return true;
    m_module = static_cast<IModule*>(m_loader.Load(kModuleName));
    if (!m_module) {
        m_error = m_loader.LastError();
        return false;
    }
    m_tree = &tree;
    m_catalogueLoaded = m_module->Initialize(&m_host, featureArea) != 0;
    m_module->AttachTree(m_tree);
    return true;
}

WindowHandle ModuleSession::Open(const OpenRequest& request)
{
    if (!m_module)
        return 0;
    return m_module->OpenFeature(request.code, request.subCode);
}

void ModuleSession::RebuildTree()
{
    if (!m_module)
        return;
    // Hiding records the selected item's position; the module fills the
    // emptied tree and selects the item at that position again.
    m_module->ShowFeature(kHide);
    m_tree->DeleteAllItems();
    m_module->AttachTree(m_tree);
    m_module->ShowFeature(kShow);
}

void ModuleSession::Refresh()
{
    if (m_module)
        m_module->RefreshFeature();
}

void ModuleSession::CloseFeature(std::int32_t code)
{
    if (m_module && code != 0)
        m_module->CloseFeature(code);
}

bool ModuleSession::PreTranslate(void* message)
{
    return m_module && m_module->PreTranslateMessage(message) != 0;
}

void ModuleSession::Shutdown()
{
    if (!m_module)
        return;
    m_module->CloseFeature(-1);
    m_loader.Release(m_module); // DllReleaseInstance destroys the instance
    m_module = nullptr;
}

} // namespace vesk::app
