#pragma once
// Service 1: the host's directories, option records and settings.
//
// Directory 2 is the data folder; on first use it receives a copy of the
// condition catalogue the build wrote, unless the user already has one.
// Directory 6 is the state folder. Other numbers answer the data folder.
// Folders are created when first asked for.
//
// Option records are stored byte for byte (option_store.h). Records 4204 and
// 4205 answer the default columns until the user arranges them. Option 130
// (keep conditions, default on) and the host variant are the host's settings.

#include "app/services/host_paths.h"
#include "app/services/option_store.h"
#include "host/host_services.h"

#include <map>
#include <string>

namespace vesk::app {

class EnvironmentService final : public IEnvironmentService {
public:
    // catalogueSource: the catalogue to copy into an empty data folder; may be empty.
    EnvironmentService(HostPaths paths, std::string catalogueSource);

    const char* GetDirectory(SlotInt n) override;
    // 1 when stored; 0 for a negative length, missing data, a record longer
    // than its id allows, or a failed write (LastError says why).
    SlotInt WriteOption(SlotInt id, SlotInt length, const void* data) override;
    // The record's length (0 when none), its bytes copied into a non-null
    // buffer. Option 130 answers 1 to keep conditions, else 0.
    SlotInt ReadOption(SlotInt id, void* buffer) override;
    SlotInt GetHostVariant() override { return m_variant; }

    bool KeepConditions() const { return m_keepConditions; }
    bool SetKeepConditions(bool keep);
    bool SetHostVariant(SlotInt variant);

    const HostPaths& Paths() const { return m_paths; }
    OptionStore& Options() { return m_options; }
    // Why the last failed write or catalogue copy failed; empty when none did.
    const std::string& LastError() const { return m_lastError; }

private:
    void SeedCatalogue();
    std::optional<Bytes> RecordOf(std::int32_t id) const;
    bool StoreSetting(std::int32_t id, std::span<const std::uint8_t> bytes);

    HostPaths m_paths;
    std::string m_catalogueSource;
    OptionStore m_options;
    bool m_keepConditions = true;
    SlotInt m_variant = 0;
    std::map<SlotInt, std::string> m_handedOut; // texts stay valid for the host's lifetime
    std::string m_lastError;
};

} // namespace vesk::app
