#pragma once
// The host object handed to modules: services 1, 2, 3, 4 and 10 and the
// component loader. One per host; it outlives every module and component it
// serves (release them before destroying it).

#include "app/services/analysis_service.h"
#include "app/services/component_loader.h"
#include "app/services/digit_pad.h"
#include "app/services/environment_service.h"
#include "app/services/game_service.h"
#include "app/services/host_features.h"
#include "app/services/host_paths.h"
#include "app/services/sample_draws.h"
#include "app/services/text_service.h"
#include "host/host_services.h"

#include <string>

namespace vesk::app {

struct HostConfig {
    HostPaths paths;
    std::string pluginFolder;     // where lib<stem>.so files are looked for
    std::string catalogueSource;  // copied into an empty data folder; may be empty
    std::string sampleDraws{};    // the draw history installed when the data folder has none; may be empty
};

class HostObject final : public IHostObject {
public:
    explicit HostObject(HostConfig config);

    // Slot 2: the service of the index as the matching interface pointer, or null.
    void* GetService(SlotInt index) override;
    // Slot 3: writes the instance (or null) into the holder's first word; 1 when loaded.
    SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) override;
    // Slot 4: releases the instance in the holder's first word and clears it; 1 when released.
    SlotInt ReleaseComponent(void* holder) override;
    // Slots 5 and 6: passed on to the features set with SetFeatures; 0 without.
    WindowHandle GetFeatureWindow(SlotInt which) override;
    SlotInt OpenFeatureByName(const char* name, SlotInt arg) override;
    // The features opened by name (not owned; null: none). Clear it before
    // they go.
    void SetFeatures(HostFeatures* features) { m_features = features; }

    EnvironmentService& Environment() { return m_environment; }
    AnalysisService& Analysis() { return m_analysis; }
    DigitPad& Pad() { return m_pad; }
    ComponentLoader& Loader() { return m_loader; }
    // What happened to the sample draw history at construction.
    const SampleDrawsInstall& SampleDraws() const { return m_sampleDraws; }
    // The draw history file in the data folder.
    std::string DrawHistoryPath();

private:
    EnvironmentService m_environment;
    GameService m_game;
    DigitPad m_pad;
    TextService m_text;
    AnalysisService m_analysis;
    ComponentLoader m_loader;
    HostFeatures* m_features = nullptr;
    SampleDrawsInstall m_sampleDraws;
};

} // namespace vesk::app
