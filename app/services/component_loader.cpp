#include "app/services/component_loader.h"

#include "app/services/library_name.h"
#include "host/module_interface.h"

#include <algorithm>
#include <dlfcn.h>

namespace vesk::app {
namespace {

std::string DlError()
{
    const char* text = ::dlerror();
    return text ? text : "unknown error";
}

} // namespace

ComponentLoader::ComponentLoader(std::string pluginFolder) : m_folder(std::move(pluginFolder))
{
    if (!m_folder.empty() && m_folder.back() != '/')
        m_folder += '/';
}

ComponentLoader::~ComponentLoader()
{
    // Newest first: a later component may still use an earlier one.
    while (!m_live.empty()) {
        const Live live = m_live.back();
        m_live.pop_back();
        Unload(live);
    }
}

void* ComponentLoader::Load(const ModuleNameRecord& name)
{
    const std::optional<std::string> file = LibraryFileName(name);
    if (!file) {
        m_lastError = "the name record names no library";
        return nullptr;
    }
    const std::string path = m_folder + *file;
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        m_lastError = "cannot load " + path + ": " + DlError();
        return nullptr;
    }
    auto create = reinterpret_cast<DllCreateInstanceFn>(::dlsym(library, "DllCreateInstance"));
    void* release = ::dlsym(library, "DllReleaseInstance");
    if (!create || !release) {
        m_lastError = path + " does not export DllCreateInstance and DllReleaseInstance";
        ::dlclose(library);
        return nullptr;
    }
    void* instance = nullptr;
    if (create(&name, &instance) == 0 || !instance) {
        m_lastError = path + " refused the interface " + InterfaceName(name);
        ::dlclose(library);
        return nullptr;
    }
    m_live.push_back({instance, library, release});
    m_lastError.clear();
    return instance;
}

bool ComponentLoader::Release(void* instance)
{
    const auto it = std::find_if(m_live.begin(), m_live.end(),
                                 [instance](const Live& live) { return live.instance == instance; });
    if (!instance || it == m_live.end())
        return false;
    const Live live = *it;
    m_live.erase(it);
    Unload(live);
    return true;
}

void ComponentLoader::Unload(const Live& live)
{
    void* instance = live.instance;
    reinterpret_cast<DllReleaseInstanceFn>(live.releaseFn)(&instance);
    ::dlclose(live.library);
}

} // namespace vesk::app
