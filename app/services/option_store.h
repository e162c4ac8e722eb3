#pragma once
// The host's option records: byte strings stored per id, kept across runs.
// Each record is its own file "<id>.opt" in the store's folder holding exactly
// the record's bytes, so what a module writes is what it reads back.

#include "storage/safe_file.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>

namespace vesk::app {

class OptionStore {
public:
    // folder ends in "/" and exists (or is created on the first write).
    explicit OptionStore(std::string folder);

    // The record, or nothing when none was ever written (or it is damaged:
    // longer than its id allows).
    std::optional<Bytes> Read(std::int32_t id) const;

    // Replaces the record safely; refuses a record longer than its id allows.
    FileResult Write(std::int32_t id, std::span<const std::uint8_t> bytes);

    std::string PathOf(std::int32_t id) const;

private:
    std::string m_folder;
    mutable std::map<std::int32_t, std::optional<Bytes>> m_cache;
};

} // namespace vesk::app
