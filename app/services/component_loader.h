#pragma once
// Loads components and modules named by a ModuleNameRecord from the plug-in
// folder (library_name.h gives the file), creates their instance through the
// library's DllCreateInstance and releases it through DllReleaseInstance.
//
// Ownership: the loader keeps each library open while an instance it created
// is alive, and closes it after the release. Instances still alive when the
// loader is destroyed are released then.

#include "host/module_name_record.h"

#include <string>
#include <vector>

namespace vesk::app {

class ComponentLoader {
public:
    explicit ComponentLoader(std::string pluginFolder);
    ~ComponentLoader();
    ComponentLoader(const ComponentLoader&) = delete;
    ComponentLoader& operator=(const ComponentLoader&) = delete;

    // The instance the record names, or null (LastError says why).
    void* Load(const ModuleNameRecord& name);
    // Releases an instance this loader created; false for any other pointer.
    bool Release(void* instance);

    const std::string& PluginFolder() const { return m_folder; }
    const std::string& LastError() const { return m_lastError; }
    std::size_t LiveCount() const { return m_live.size(); }

private:
    struct Live {
        void* instance;
        void* library;
        void* releaseFn;
    };
    void Unload(const Live& live);

    std::string m_folder;
    std::vector<Live> m_live;
    std::string m_lastError;
};

} // namespace vesk::app
