#include "app/services/environment_service.h"

#include "application/column_defaults.h"
#include "application/option_ids.h"
#include "storage/safe_file.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

namespace vesk::app {
namespace {

// Our catalogue is well below a megabyte; a source larger than this is not one.
constexpr std::size_t kMaxCatalogueBytes = std::size_t{16} << 20;

} // namespace

inline constexpr const char* kCatalogueFileName = "S3Cdt.dat";

EnvironmentService::EnvironmentService(HostPaths paths, std::string catalogueSource)
    : m_paths(std::move(paths)), m_catalogueSource(std::move(catalogueSource)), m_options(m_paths.options)
{
    if (const auto keep = m_options.Read(kOptionKeepConditions); keep && keep->size() == 1)
        m_keepConditions = (*keep)[0] == 1;
    if (const auto variant = m_options.Read(kOptionHostVariant); variant && variant->size() == 4) {
        std::int32_t value = 0;
        std::memcpy(&value, variant->data(), 4);
        m_variant = value;
    }
}

const char* EnvironmentService::GetDirectory(SlotInt n)
{
    const std::string& folder = n == kStateDirectory ? m_paths.state : m_paths.data;
    if (!EnsureFolder(folder))
        m_lastError = "cannot create the folder " + folder;
    else if (folder == m_paths.data)
        SeedCatalogue();
    return m_handedOut.try_emplace(n, folder).first->second.c_str();
}

void EnvironmentService::SeedCatalogue()
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target = fs::path(m_paths.data) / kCatalogueFileName;
    if (m_catalogueSource.empty() || fs::exists(target, error) || !fs::exists(m_catalogueSource, error))
        return;
    // Through the safe writer, so a half-copied catalogue never stands in the user's folder.
    const FileBytes source = ReadFileBytes(m_catalogueSource, kMaxCatalogueBytes);
    if (!source.ok) {
        m_lastError = "cannot copy the catalogue: " + source.error;
        return;
    }
    if (const FileResult written = WriteFileSafely(target.string(), source.bytes); !written.ok)
        m_lastError = "cannot copy the catalogue: " + written.message;
}

std::optional<Bytes> EnvironmentService::RecordOf(std::int32_t id) const
{
    if (auto stored = m_options.Read(id))
        return stored;
    if (id == kOptionShownColumns)
        return DefaultShownColumns();
    if (id == kOptionHiddenColumns)
        return DefaultHiddenColumns();
    return std::nullopt;
}

SlotInt EnvironmentService::ReadOption(SlotInt id, void* buffer)
{
    if (id == kOptionKeepConditions) {
        if (buffer)
            *static_cast<std::uint8_t*>(buffer) = m_keepConditions ? 1 : 0;
        return m_keepConditions ? 1 : 0;
    }
    if (id < std::numeric_limits<std::int32_t>::min() || id > std::numeric_limits<std::int32_t>::max())
        return 0;
    const std::optional<Bytes> record = RecordOf(static_cast<std::int32_t>(id));
    if (!record)
        return 0;
    if (buffer && !record->empty())
        std::memcpy(buffer, record->data(), record->size());
    return static_cast<SlotInt>(record->size());
}

SlotInt EnvironmentService::WriteOption(SlotInt id, SlotInt length, const void* data)
{
    if (length < 0 || (length > 0 && !data) || id < std::numeric_limits<std::int32_t>::min()
        || id > std::numeric_limits<std::int32_t>::max()) {
        m_lastError = "option " + std::to_string(id) + " refused: bad arguments";
        return 0;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    const FileResult result = m_options.Write(static_cast<std::int32_t>(id),
                                              {bytes, static_cast<std::size_t>(length)});
    if (!result.ok) {
        m_lastError = result.message;
        return 0;
    }
    if (id == kOptionKeepConditions && length == 1)
        m_keepConditions = bytes[0] == 1;
    return 1;
}

bool EnvironmentService::StoreSetting(std::int32_t id, std::span<const std::uint8_t> bytes)
{
    const FileResult result = m_options.Write(id, bytes);
    if (!result.ok)
        m_lastError = result.message;
    return result.ok;
}

bool EnvironmentService::SetKeepConditions(bool keep)
{
    m_keepConditions = keep;
    const std::uint8_t byte = keep ? 1 : 0;
    return StoreSetting(kOptionKeepConditions, {&byte, 1});
}

bool EnvironmentService::SetHostVariant(SlotInt variant)
{
    m_variant = variant;
    const auto value = static_cast<std::int32_t>(variant);
    std::uint8_t bytes[4];
    std::memcpy(bytes, &value, 4);
    return StoreSetting(kOptionHostVariant, bytes);
}

} // namespace vesk::app
