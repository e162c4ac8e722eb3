#pragma once
// Where a workbook goes. The writer appends the file from front to back and
// goes back only to fill in fields whose values are known at the end (the
// compound-file header, the sheets' stream offsets), so a file of any size
// is written without being held in memory.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

namespace vesk::xls {

class Output {
public:
    virtual ~Output() = default;
    // Adds bytes at the end. False when they could not be written.
    virtual bool Append(std::span<const std::uint8_t> bytes) = 0;
    // Replaces bytes already appended, starting at offset.
    virtual bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
};

// Into a string, for small workbooks and tests.
class MemoryOutput final : public Output {
public:
    bool Append(std::span<const std::uint8_t> bytes) override;
    bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Into an open, seekable stdio file positioned at its start (borrowed; the
// caller closes it and checks that closing succeeds).
class FileOutput final : public Output {
public:
    explicit FileOutput(std::FILE* file) : m_file(file) {}
    bool Append(std::span<const std::uint8_t> bytes) override;
    bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override;

private:
    std::FILE* m_file;
};

} // namespace vesk::xls
