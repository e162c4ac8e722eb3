#pragma once
// The host's side of the module's lifetime: load lib3dvesk.so through its
// name record, initialize it with the host object and the feature area,
// attach and rebuild the navigation tree, open what the tree asks for,
// and close everything and release the module at the end.
//
// Ownership: the session borrows the loader, the host object and the tree;
// all three outlive it. The module instance is the session's until Shutdown
// (or destruction) releases it.

#include "app/services/component_loader.h"
#include "app/session/tree_request.h"
#include "host/module_interface.h"

#include <string>

namespace vesk::app {

class ModuleSession {
public:
    ModuleSession(ComponentLoader& loader, IHostObject& host);
    ~ModuleSession();
    ModuleSession(const ModuleSession&) = delete;
    ModuleSession& operator=(const ModuleSession&) = delete;

    // Loads and initializes the module; false when it cannot be loaded
    // (Error says why). catalogueLoaded tells whether its catalogue loaded.
    bool Start(WindowHandle featureArea, ITreeControl& tree);
    bool IsRunning() const { return m_module != nullptr; }
    bool CatalogueLoaded() const { return m_catalogueLoaded; }
    const std::string& Error() const { return m_error; }

    // Opens the feature of a tree item; returns the module's answer (window
    // handle, 0 or -1), 0 when the module is not running.
    WindowHandle Open(const OpenRequest& request);

    // Refills the tree (after a change of host variant): the feature is
    // hidden, the tree emptied and filled again, and the feature shown again.
    void RebuildTree();
    // The host's data changed: the open feature recomputes what it shows.
    void Refresh();
    // A feature asked to be closed (its code is the message's wParam).
    void CloseFeature(std::int32_t code);
    // Offers an input message to the module; true when it consumed it.
    bool PreTranslate(void* message);

    // Closes every feature and releases the module. Safe to call twice.
    void Shutdown();

    IModule* Module() const { return m_module; }

private:
    ComponentLoader& m_loader;
    IHostObject& m_host;
    ITreeControl* m_tree = nullptr;
    IModule* m_module = nullptr;
    bool m_catalogueLoaded = false;
    std::string m_error;
};

} // namespace vesk::app
