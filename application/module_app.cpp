#include "application/module_app.h"

#include "numbers/number_list.h"

namespace vesk {

namespace {

ModuleApp g_app; // lives from the library's load to its unload

} // namespace

ModuleApp::ModuleApp() : m_lists([this] { return std::make_unique<NumberList>(m_game); }) {}

ModuleApp::~ModuleApp() = default;

ModuleApp& ModuleApp::Instance()
{
    return g_app;
}

void ModuleApp::Attach(IHostObject* host)
{
    m_host = host;
    if (!host)
        return;
    m_environment = static_cast<IEnvironmentService*>(host->GetService(kServiceEnvironment));
    m_game = static_cast<IGameService*>(host->GetService(kServiceGame));
    m_analysis = static_cast<IAnalysisService*>(host->GetService(kServiceAnalysis));
    m_digitPad = static_cast<IDigitPadService*>(host->GetService(kServiceDigitPad));
    m_text = static_cast<ITextService*>(host->GetService(kServiceText));
}

NumberList* ModuleApp::AcquireNumberLists(std::uint32_t key, std::uint8_t subKey, bool first)
{
    return m_lists.Acquire(key, subKey, first);
}

void ModuleApp::ReleaseNumberLists(std::uint32_t key, std::uint8_t subKey)
{
    m_lists.Release(key, subKey);
}

} // namespace vesk
