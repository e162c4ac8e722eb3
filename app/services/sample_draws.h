#pragma once
// The sample draw history shipped beside the programs, installed into a data
// folder that has no history yet. A history already there, whatever it
// holds, is never replaced.

#include <cstdint>
#include <optional>
#include <string>

namespace vesk::app {

struct SampleDrawsInstall {
    bool installed = false;
    std::optional<std::uint64_t> latestPeriod; // of the installed sample
    std::string error;                         // why a wanted install failed
};

// dataFolder ends in "/" and exists; sampleSource may be empty or missing.
SampleDrawsInstall InstallSampleDraws(const std::string& dataFolder, const std::string& sampleSource);

// The once-only status message after an install; empty when none happened.
std::string SampleDrawsMessage(const SampleDrawsInstall& install);

} // namespace vesk::app
