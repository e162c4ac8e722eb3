// A sibling feature module library for the tests: it serves every interface
// name of every row's library, shows a plain child window, and appends each call
// it receives, as one line, to the file named by VESK_SIBLING_LOG (a file
// survives the host unloading the library between features).
#include "host/feature_module_interface.h"
#include "host/module_interface.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Record(const std::string& line)
{
    const char* path = std::getenv("VESK_SIBLING_LOG");
    if (!path)
        return;
    if (std::FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

std::string Hex(vesk::SlotInt value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(value));
    return text;
}

class RecordingSibling final : public vesk::IFeatureModule {
public:
    explicit RecordingSibling(std::string name) : m_name(std::move(name)) {}
    ~RecordingSibling() { delete m_window; }

    vesk::SlotInt Initialize(vesk::IHostObject* host, vesk::WindowHandle parent) override
    {
        Record(m_name + ".init(" + (host ? "host" : "null") + ")");
        if (!m_window && parent)
            m_window = new QWidget(reinterpret_cast<QWidget*>(parent));
        return 1;
    }
    vesk::SlotInt Show(vesk::SlotInt showCommand) override
    {
        Record(m_name + ".show(" + std::to_string(showCommand) + ")");
        if (m_window)
            m_window->setVisible(showCommand != 0);
        return 1;
    }
    vesk::WindowHandle GetWindow() override { return reinterpret_cast<vesk::WindowHandle>(m_window); }
    vesk::SlotInt FilterMessage(void*) override { return 0; }
    vesk::SlotInt Open(vesk::SlotInt a, vesk::SlotInt b, vesk::SlotInt c, vesk::SlotInt d) override
    {
        // Pointers (the module, the analysis service) are logged as "ptr".
        auto arg = [](vesk::SlotInt v) { return v > 0xFFFFFFFFll ? std::string("ptr") : Hex(v); };
        Record(m_name + ".open(" + arg(a) + "," + arg(b) + "," + arg(c) + "," + arg(d) + ")");
        return 1;
    }
    vesk::SlotInt Refresh() override
    {
        Record(m_name + ".refresh");
        return 1;
    }
    const std::string& Name() const { return m_name; }

private:
    std::string m_name;
    QWidget* m_window = nullptr;
};

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out || (std::strncmp(name->fileName, "VeskOmit.dll", 16) != 0
                               && std::strncmp(name->fileName, "VeskPick.dll", 16) != 0
                               && std::strncmp(name->fileName, "VeskFormula.dll", 16) != 0
                               && std::strncmp(name->fileName, "VeskQuery.dll", 16) != 0
                               && std::strncmp(name->fileName, "VeskTools.dll", 16) != 0))
        return 0;
    const std::string iface(name->interfaceName, strnlen(name->interfaceName, 16));
    Record("create " + iface);
    *out = static_cast<vesk::IFeatureModule*>(new RecordingSibling(iface));
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    auto* sibling = static_cast<RecordingSibling*>(static_cast<vesk::IFeatureModule*>(*ref));
    Record("release " + sibling->Name());
    delete sibling;
    *ref = nullptr;
    return 1;
}
