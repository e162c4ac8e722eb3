#include "app/services/option_store.h"

#include "application/option_ids.h"

#include <filesystem>
#include <system_error>

namespace vesk::app {

OptionStore::OptionStore(std::string folder) : m_folder(std::move(folder)) {}

std::string OptionStore::PathOf(std::int32_t id) const
{
    return m_folder + std::to_string(id) + ".opt";
}

std::optional<Bytes> OptionStore::Read(std::int32_t id) const
{
    auto cached = m_cache.find(id);
    if (cached == m_cache.end())
        cached = m_cache.emplace(id, ReadSmallFile(PathOf(id), MaxOptionLength(id))).first;
    return cached->second;
}

FileResult OptionStore::Write(std::int32_t id, std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > MaxOptionLength(id))
        return {false, "option " + std::to_string(id) + " is longer than "
                           + std::to_string(MaxOptionLength(id)) + " bytes"};
    std::error_code ignored;
    std::filesystem::create_directories(m_folder, ignored);
    FileResult result = WriteFileSafely(PathOf(id), bytes);
    if (result.ok)
        m_cache[id] = Bytes(bytes.begin(), bytes.end());
    return result;
}

} // namespace vesk::app
