#pragma once
// Reading and replacing small files without ever leaving a half-written one:
// a replacement is written to a temporary file beside the target, flushed to
// disk and renamed over it, so a failure leaves the old file as it was.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vesk {

using Bytes = std::vector<std::uint8_t>;

struct FileResult {
    bool ok = false;
    std::string message; // what went wrong, for the user; empty on success
};

// Writes all bytes to an open descriptor; returns false on any failure. Tests
// pass a writer that fails part-way to prove the old file survives.
using DescriptorWriter = std::function<bool(int fd, std::span<const std::uint8_t> bytes)>;

bool WriteAll(int fd, std::span<const std::uint8_t> bytes);

FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes,
                           const DescriptorWriter& writer = WriteAll);

// The whole file, or nothing when it is missing, unreadable or longer than maxBytes.
std::optional<Bytes> ReadSmallFile(const std::string& path, std::size_t maxBytes);

} // namespace vesk
