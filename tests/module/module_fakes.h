#pragma once
// Recording stand-ins for what surrounds the module instance: a host with
// its services, sibling feature modules and the window platform. Every call
// lands in one log so tests can check the order across all of them.

#include "host/feature_module_interface.h"
#include "host/host_services.h"
#include "module/core/module_platform.h"
#include "host/sibling_modules.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

using CallLog = std::vector<std::string>;

class FakeHost;

class FakeSibling final : public IFeatureModule {
public:
    FakeSibling(FakeHost& host, std::string name, WindowHandle window)
        : m_host(host), m_name(std::move(name)), m_window(window)
    {
    }
    SlotInt Initialize(IHostObject* host, WindowHandle parent) override;
    SlotInt Show(SlotInt showCommand) override;
    WindowHandle GetWindow() override { return m_window; }
    SlotInt FilterMessage(void* message) override;
    SlotInt Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d) override;
    SlotInt Refresh() override;

    bool consumeMessages = false;

private:
    std::string Arg(SlotInt value) const;
    FakeHost& m_host;
    std::string m_name;
    WindowHandle m_window;
};

class FakeEnvironment final : public IEnvironmentService {
public:
    const char* GetDirectory(SlotInt n) override { return n == 2 ? directory.c_str() : nullptr; }
    SlotInt WriteOption(SlotInt, SlotInt, const void*) override { return 0; }
    SlotInt ReadOption(SlotInt, void*) override { return 0; }
    SlotInt GetHostVariant() override { return variant; }

    std::string directory = "/nonexistent/";
    SlotInt variant = 0;
};

class FakeGame final : public IGameService {
public:
    SlotInt GetAttributeContext(SlotInt) override { return 0; }
    SlotInt GetListKey() override { return 61; }
    SlotInt GetListSubKey() override { return 0x107; }
    SlotInt GetNumberLength(SlotInt which) override { return which == 1 ? digits : firstN; }
    SlotInt GetNEnd(SlotInt) override { return endN; }
    SlotInt GetAttribute(SlotInt, SlotInt, SlotInt, const std::uint8_t*) override { return 0; }

    SlotInt digits = 3;
    SlotInt firstN = 3;
    SlotInt endN = 10;
};

class FakeAnalysis final : public IAnalysisService {
public:
    SlotInt GetAttribute(SlotInt) override { return 0; }
    SlotInt SetCurrentNumber(const std::uint8_t*) override { return 0; }
    SlotInt GetCurrentNumber(std::uint8_t*) override { return 0; }
    SlotInt GetAttribute17(SlotInt) override { return 0; }
    SlotInt GetAttribute18(SlotInt) override { return 0; }
    SlotInt GetAttribute28(SlotInt) override { return 0; }
    SlotInt ToGroupCodes(const std::uint32_t*, SlotInt, std::uint32_t*) override { return 0; }
};

class FakeHost final : public IHostObject {
public:
    explicit FakeHost(CallLog& log) : log(log) {}

    void* GetService(SlotInt index) override;
    SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) override;
    SlotInt ReleaseComponent(void* holder) override;
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }

    // The sibling serving an interface name, once loaded.
    FakeSibling* Sibling(const std::string& interfaceName);

    CallLog& log;
    FakeEnvironment environment;
    FakeGame game;
    FakeAnalysis analysis;
    const void* self = nullptr; // the module instance, named "self" in the log
    bool failLoads = false;
    int loaded = 0;

private:
    std::map<std::string, std::unique_ptr<FakeSibling>> m_siblings;
};

struct FakeWorkbench {
    WindowHandle window = 0x77;
};

class RecordingPlatform final : public IModulePlatform {
public:
    explicit RecordingPlatform(CallLog& log) : log(log) {}

    std::unique_ptr<ContextScope> EnterModuleContext() override;
    void* CreateWorkbench(IModule* owner, WindowHandle parent) override;
    void DestroyWorkbench(void* workbench) override;
    WindowHandle WorkbenchWindow(void* workbench) override
    {
        return static_cast<FakeWorkbench*>(workbench)->window;
    }
    void RefreshWorkbench(void*) override { log.push_back("refresh workbench"); }
    void FillEditorNumbers(void*, void*) override { log.push_back("fill editor numbers"); }
    Rect ClientRect(WindowHandle) override { return {0, 0, 640, 480}; }
    void MoveWindow(WindowHandle window, const Rect& rect) override;
    void ShowWindow(WindowHandle window, SlotInt showCommand) override;
    void ShowInformation(const std::string& text, const std::string& caption) override
    {
        log.push_back("message " + text + " | " + caption);
    }
    void StartCalculator() override { log.push_back("calculator"); }
    SlotInt PreTranslateMessage(void*) override
    {
        log.push_back("framework pretranslate");
        return 0;
    }

    CallLog& log;
    int contextDepth = 0;
    int contextEntries = 0;
    int workbenchesAlive = 0;
};

} // namespace vesk::test
