#include "storage/xls/xls_output.h"

#include <sys/types.h>

namespace vesk::xls {

bool MemoryOutput::Append(std::span<const std::uint8_t> bytes)
{
    m_bytes.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return true;
}

bool MemoryOutput::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    if (offset > m_bytes.size() || bytes.size() > m_bytes.size() - offset)
        return false;
    m_bytes.replace(offset, bytes.size(), reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return true;
}

bool FileOutput::Append(std::span<const std::uint8_t> bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size();
}

bool FileOutput::WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes)
{
    const off_t end = ::ftello(m_file);
    return end >= 0 && ::fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) == 0
        && std::fwrite(bytes.data(), 1, bytes.size(), m_file) == bytes.size()
        && ::fseeko(m_file, end, SEEK_SET) == 0;
}

} // namespace vesk::xls
