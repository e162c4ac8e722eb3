// The binary list form: uint32 count, uint8 length, then the digits of each
// number without tags. Readers never read past the data they are given.
#include "numbers/number_list.h"

#include "numbers/digit_packing.h"
#include "numbers/number_length.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <ostream>

namespace vesk {

namespace {

constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kChunkSize = 1 << 16;
// A list this small is always accepted however short its data: its zero
// records cost nothing.
constexpr std::uint64_t kLenientCount = 1 << 16;

struct Header {
    std::uint32_t count = 0;
    std::uint8_t length = 0;
};

Header DecodeHeader(const std::uint8_t* bytes)
{
    Header header;
    std::memcpy(&header.count, bytes, sizeof header.count);
    header.length = bytes[4];
    return header;
}

// A truncated file keeps its announced count, but one that holds less than
// half of what it announces (and announces much) is damaged, not truncated.
ReadStatus CheckHeader(const Header& header, std::uint64_t available)
{
    if (header.length == 0)
        return header.count == 0 ? ReadStatus::Complete : ReadStatus::BadLength;
    if (!IsValidNumberLength(header.length))
        return ReadStatus::BadLength;
    const std::uint64_t present = std::min<std::uint64_t>(header.count, available / header.length);
    const std::uint64_t missing = header.count - present;
    if (missing > present && header.count > kLenientCount)
        return ReadStatus::AbsurdCount;
    return ReadStatus::Complete;
}

} // namespace

std::string_view Describe(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Complete:
        return "complete";
    case ReadStatus::Truncated:
        return "the data ends before the announced count of numbers";
    case ReadStatus::MissingHeader:
        return "too short for the 5-byte header";
    case ReadStatus::BadLength:
        return "the digits per number are not 1 to 8";
    case ReadStatus::AbsurdCount:
        return "the announced count of numbers is far more than the file holds";
    case ReadStatus::BadDigit:
        return "a digit value is above 9";
    case ReadStatus::OutOfMemory:
        return "not enough memory for the announced count of numbers";
    }
    return "unknown";
}

std::string NumberList::ToBinary() const
{
    std::string bytes(kHeaderSize + std::size_t(m_count) * m_length, '\0');
    std::memcpy(bytes.data(), &m_count, sizeof m_count);
    bytes[4] = static_cast<char>(m_length);
    char* out = bytes.data() + kHeaderSize;
    for (std::uint32_t i = 0; i < m_count; ++i, out += m_length)
        std::memcpy(out, GetAt(i), m_length);
    return bytes;
}

bool NumberList::Write(std::ostream& out) const
{
    std::uint8_t header[kHeaderSize];
    std::memcpy(header, &m_count, sizeof m_count);
    header[4] = m_length;
    out.write(reinterpret_cast<const char*>(header), kHeaderSize);
    std::string chunk;
    chunk.reserve(kChunkSize + kMaxNumberLength);
    for (std::uint32_t i = 0; i < m_count && out; ++i) {
        chunk.append(reinterpret_cast<const char*>(GetAt(i)), m_length);
        if (chunk.size() >= kChunkSize || i + 1 == m_count) {
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    return static_cast<bool>(out);
}

ReadStatus NumberList::ReadBinary(std::span<const std::uint8_t> bytes, std::size_t* consumed)
{
    if (consumed != nullptr)
        *consumed = std::min(bytes.size(), kHeaderSize);
    if (bytes.size() < kHeaderSize) {
        Clear();
        return ReadStatus::MissingHeader;
    }
    const Header header = DecodeHeader(bytes.data());
    const std::span<const std::uint8_t> body = bytes.subspan(kHeaderSize);
    const ReadStatus check = CheckHeader(header, body.size());
    if (check != ReadStatus::Complete || header.length == 0) {
        Clear();
        return check;
    }
    if (!Resize(header.count, header.length))
        return ReadStatus::OutOfMemory;
    const std::size_t wanted = std::size_t(header.count) * header.length;
    const std::size_t taken = std::min(wanted, body.size());
    // The records read so far stay; a partial last record keeps what it got.
    for (std::size_t offset = 0; offset < taken; offset += header.length) {
        const std::size_t size = std::min<std::size_t>(header.length, taken - offset);
        const std::uint8_t* in = body.data() + offset;
        if (!digits::AllDigitValues(in, static_cast<int>(size))) {
            Clear();
            return ReadStatus::BadDigit;
        }
        std::memcpy(RecordAt(static_cast<std::uint32_t>(offset / header.length)) + m_tagSize, in, size);
    }
    if (consumed != nullptr)
        *consumed = kHeaderSize + taken;
    return taken < wanted ? ReadStatus::Truncated : ReadStatus::Complete;
}

ReadStatus NumberList::Read(std::istream& in)
{
    // The size of what is left decides whether the count is plausible, so
    // the data is taken whole: up to the announced size when the stream can
    // tell its length, else to its end.
    const std::istream::pos_type start = in.tellg();
    std::uint64_t limit = ~std::uint64_t(0);
    if (start != std::istream::pos_type(-1) && in.seekg(0, std::ios::end)) {
        limit = static_cast<std::uint64_t>(in.tellg() - start);
        in.seekg(start);
    }
    in.clear();
    std::string data(static_cast<std::size_t>(std::min<std::uint64_t>(limit, kHeaderSize)), '\0');
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    if (data.size() == kHeaderSize) {
        const Header header = DecodeHeader(reinterpret_cast<const std::uint8_t*>(data.data()));
        std::uint64_t want = std::uint64_t(header.count) * header.length;
        if (limit != ~std::uint64_t(0)) {
            const std::uint64_t available = limit - kHeaderSize;
            if (CheckHeader(header, available) != ReadStatus::Complete)
                want = 0; // refused below without reading the body
            want = std::min(want, available);
        }
        try {
            std::string chunk(kChunkSize, '\0');
            while (want > 0 && in) {
                in.read(chunk.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(want, kChunkSize)));
                const auto got = static_cast<std::size_t>(in.gcount());
                data.append(chunk.data(), got);
                want -= got;
                if (got == 0)
                    break;
            }
        } catch (const std::bad_alloc&) {
            Clear();
            return ReadStatus::OutOfMemory;
        }
    }
    if (!in)
        in.clear(in.rdstate() & ~(std::ios::failbit | std::ios::eofbit));
    return ReadBinary({reinterpret_cast<const std::uint8_t*>(data.data()), data.size()});
}

} // namespace vesk
