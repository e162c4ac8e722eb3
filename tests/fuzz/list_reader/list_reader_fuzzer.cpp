// The binary list reader on arbitrary bytes: from memory and from a stream
// it must agree, never read past the data, and write back what it read.
#include "numbers/number_list.h"

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    vesk::NumberList fromBytes(3);
    std::size_t consumed = 0;
    const vesk::ReadStatus status = fromBytes.ReadBinary({data, size}, &consumed);
    if (consumed > size)
        std::abort();

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    vesk::NumberList fromStream(3);
    if (fromStream.Read(in) != status || fromStream.ToBinary() != fromBytes.ToBinary())
        std::abort();

    if (status == vesk::ReadStatus::Complete && fromBytes.Count() > 0) {
        const std::string written = fromBytes.ToBinary();
        if (written.size() != consumed || std::memcmp(written.data(), data, consumed) != 0)
            std::abort();
    }
    if (!vesk::IsLoaded(status) && (fromBytes.Count() != 0 || fromBytes.Length() != 0))
        std::abort();
    return 0;
}
