#include "app/services/host_object.h"

namespace vesk::app {

HostObject::HostObject(HostConfig config)
    : m_environment(std::move(config.paths), std::move(config.catalogueSource)),
      m_analysis(LoadDrawHistory(m_environment.Paths().data + kDrawHistoryFileName)),
      m_loader(std::move(config.pluginFolder))
{
    if (config.sampleDraws.empty())
        return;
    m_sampleDraws = InstallSampleDraws(m_environment.GetDirectory(kDataDirectory), config.sampleDraws);
    if (m_sampleDraws.installed)
        m_analysis.SetHistory(LoadDrawHistory(DrawHistoryPath()));
}

std::string HostObject::DrawHistoryPath()
{
    return m_environment.GetDirectory(kDataDirectory) + std::string(kDrawHistoryFileName);
}

void* HostObject::GetService(SlotInt index)
{
    switch (index) {
    case kServiceEnvironment:
        return static_cast<IEnvironmentService*>(&m_environment);
    case kServiceGame:
        return static_cast<IGameService*>(&m_game);
    case kServiceDigitPad:
        return static_cast<IDigitPadService*>(&m_pad);
    case kServiceText:
        return static_cast<ITextService*>(&m_text);
    case kServiceAnalysis:
        return static_cast<IAnalysisService*>(&m_analysis);
    default:
        return nullptr;
    }
}

SlotInt HostObject::LoadComponent(const ModuleNameRecord* name, void* holder)
{
    if (!holder)
        return 0;
    void* instance = name ? m_loader.Load(*name) : nullptr;
    *static_cast<void**>(holder) = instance;
    return instance ? 1 : 0;
}

SlotInt HostObject::ReleaseComponent(void* holder)
{
    if (!holder)
        return 0;
    void*& instance = *static_cast<void**>(holder);
    if (!m_loader.Release(instance))
        return 0;
    instance = nullptr;
    return 1;
}

WindowHandle HostObject::GetFeatureWindow(SlotInt which)
{
    return m_features ? m_features->FeatureWindow(which) : 0;
}

SlotInt HostObject::OpenFeatureByName(const char* name, SlotInt arg)
{
    return m_features && name ? m_features->OpenFeature(name, arg) : 0;
}

} // namespace vesk::app
