#include "tests/module/module_fakes.h"

#include <cstdio>

namespace vesk::test {

SlotInt FakeSibling::Initialize(IHostObject* host, WindowHandle parent)
{
    m_host.log.push_back(m_name + ".init(" + (host == &m_host ? "host" : "?") + "," +
                         std::to_string(parent) + ")");
    return 1;
}

SlotInt FakeSibling::Show(SlotInt showCommand)
{
    m_host.log.push_back(m_name + ".show(" + std::to_string(showCommand) + ")");
    return 1;
}

SlotInt FakeSibling::FilterMessage(void*)
{
    m_host.log.push_back(m_name + ".filter");
    return consumeMessages ? 1 : 0;
}

std::string FakeSibling::Arg(SlotInt value) const
{
    if (value != 0 && value == reinterpret_cast<SlotInt>(m_host.self))
        return "self";
    if (value != 0 && value == reinterpret_cast<SlotInt>(static_cast<IAnalysisService*>(&m_host.analysis)))
        return "analysis";
    char text[24];
    std::snprintf(text, sizeof text, "%lX", static_cast<long>(value));
    return text;
}

SlotInt FakeSibling::Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d)
{
    m_host.log.push_back(m_name + ".open(" + Arg(a) + "," + Arg(b) + "," + Arg(c) + "," + Arg(d) + ")");
    return 1;
}

SlotInt FakeSibling::Refresh()
{
    m_host.log.push_back(m_name + ".refresh");
    return 1;
}

void* FakeHost::GetService(SlotInt index)
{
    log.push_back("service " + std::to_string(index));
    switch (index) {
    case kServiceEnvironment: return static_cast<IEnvironmentService*>(&environment);
    case kServiceGame: return static_cast<IGameService*>(&game);
    case kServiceAnalysis: return static_cast<IAnalysisService*>(&analysis);
    default: return nullptr;
    }
}

SlotInt FakeHost::LoadComponent(const ModuleNameRecord* name, void* holder)
{
    const std::string interfaceName(name->interfaceName);
    log.push_back("load " + std::string(name->fileName) + " " + interfaceName);
    if (failLoads) {
        *static_cast<void**>(holder) = nullptr;
        return 0;
    }
    auto& sibling = m_siblings[interfaceName];
    if (!sibling)
        sibling = std::make_unique<FakeSibling>(*this, interfaceName, 0x1000 + static_cast<WindowHandle>(m_siblings.size()));
    *static_cast<void**>(holder) = static_cast<IFeatureModule*>(sibling.get());
    ++loaded;
    return 1;
}

SlotInt FakeHost::ReleaseComponent(void* holder)
{
    auto*& module = *reinterpret_cast<IFeatureModule**>(holder);
    for (const auto& [name, sibling] : m_siblings) {
        if (module == sibling.get()) {
            log.push_back("release " + name);
            --loaded;
        }
    }
    module = nullptr;
    return 1;
}

FakeSibling* FakeHost::Sibling(const std::string& interfaceName)
{
    const auto it = m_siblings.find(interfaceName);
    return it != m_siblings.end() ? it->second.get() : nullptr;
}

namespace {

class CountedScope final : public IModulePlatform::ContextScope {
public:
    explicit CountedScope(int& depth) : m_depth(depth) { ++m_depth; }
    ~CountedScope() override { --m_depth; }

private:
    int& m_depth;
};

} // namespace

std::unique_ptr<IModulePlatform::ContextScope> RecordingPlatform::EnterModuleContext()
{
    ++contextEntries;
    return std::make_unique<CountedScope>(contextDepth);
}

void* RecordingPlatform::CreateWorkbench(IModule*, WindowHandle parent)
{
    log.push_back("create workbench in " + std::to_string(parent) +
                  (contextDepth > 0 ? " (module context)" : " (caller context)"));
    ++workbenchesAlive;
    return new FakeWorkbench;
}

void RecordingPlatform::DestroyWorkbench(void* workbench)
{
    log.push_back("destroy workbench");
    --workbenchesAlive;
    delete static_cast<FakeWorkbench*>(workbench);
}

void RecordingPlatform::MoveWindow(WindowHandle window, const Rect& rect)
{
    char text[64];
    std::snprintf(text, sizeof text, "move %lX to %d,%d,%d,%d", static_cast<long>(window), rect.left, rect.top,
                  rect.right, rect.bottom);
    log.push_back(text);
}

void RecordingPlatform::ShowWindow(WindowHandle window, SlotInt showCommand)
{
    char text[48];
    std::snprintf(text, sizeof text, "show %lX %ld", static_cast<long>(window), static_cast<long>(showCommand));
    log.push_back(text);
}

} // namespace vesk::test
