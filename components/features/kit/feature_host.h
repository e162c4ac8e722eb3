#pragma once
// What a feature reads through the host: the game's number length, its
// folders, the shared draw history and its own option records.

#include "components/features/kit/history_draws.h"

#include "host/host_services.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vesk::features {

class FeatureHost {
public:
    explicit FeatureHost(IHostObject* host = nullptr) : m_host(host) {}

    // The host itself (null before it is known), for the components it loads.
    IHostObject* Object() const { return m_host; }

    // The game's number length (3 when the host does not say).
    int Length() const;
    // The host's folder n ("" when it has none): 2 data, 6 configuration.
    std::string Directory(SlotInt n) const;

    // The draws of the game's length from the data folder's draw file (none
    // when it is missing or unreadable).
    HistoryDraws LoadHistory() const;
    // The line a window shows instead of its tables when there are no draws.
    std::string MissingHistoryText() const;

    // A 4-byte little-endian option record; nullopt when absent or of
    // another size.
    std::optional<std::uint32_t> ReadNumber(SlotInt option) const;
    void WriteNumber(SlotInt option, std::uint32_t value) const;
    // The history window remembered in option (N, 0 for 全部); the default
    // window when absent or not one of the choices.
    std::size_t ReadWindow(SlotInt option) const;
    void WriteWindow(SlotInt option, std::size_t last) const { WriteNumber(option, static_cast<std::uint32_t>(last)); }

    // Raw option records ("" when absent).
    std::string ReadBytes(SlotInt option) const;
    void WriteBytes(SlotInt option, const std::string& bytes) const;

private:
    IEnvironmentService* Environment() const;

    IHostObject* m_host;
};

} // namespace vesk::features
