#pragma once
// The module's application object: the host and its services for every
// window of the module, and the registry of number lists that the pages of
// one game share. The plug-in holds one for its whole load (Instance());
// nothing else keeps the host or the services globally.

#include "application/shared_pair_registry.h"
#include "host/host_services.h"

#include <cstdint>

namespace vesk {

class NumberList;

class ModuleApp {
public:
    ModuleApp();
    ~ModuleApp();
    ModuleApp(const ModuleApp&) = delete;
    ModuleApp& operator=(const ModuleApp&) = delete;

    // The plug-in's application object, built when the library loads.
    static ModuleApp& Instance();

    // Keeps the host and fetches services 1, 2, 10, 3 and 4, in that order.
    void Attach(IHostObject* host);

    IHostObject* Host() const { return m_host; }
    IEnvironmentService* Environment() const { return m_environment; }
    IGameService* Game() const { return m_game; }
    IAnalysisService* Analysis() const { return m_analysis; }
    IDigitPadService* DigitPad() const { return m_digitPad; }
    ITextService* Text() const { return m_text; }

    // One list of the pair shared by (key, sub-key): the first when first is
    // true, else the second. New pairs hold two empty lists bound to the
    // game service. Each call takes one reference.
    NumberList* AcquireNumberLists(std::uint32_t key, std::uint8_t subKey, bool first);
    // Drops one reference; the last one frees the pair.
    void ReleaseNumberLists(std::uint32_t key, std::uint8_t subKey);
    std::size_t SharedPairCount() const { return m_lists.PairCount(); }

private:
    IHostObject* m_host = nullptr;
    IEnvironmentService* m_environment = nullptr;
    IGameService* m_game = nullptr;
    IAnalysisService* m_analysis = nullptr;
    IDigitPadService* m_digitPad = nullptr;
    ITextService* m_text = nullptr;
    SharedPairRegistry<NumberList> m_lists;
};

} // namespace vesk
