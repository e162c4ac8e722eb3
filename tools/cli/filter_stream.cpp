#include "tools/cli/filter_stream.h"

#include "numbers/digit_packing.h"
#include "numbers/number_scanner.h"

#include <array>
#include <cstring>

namespace vesk::cli {

namespace {

static_assert(kJudgeBatch == scan_detail::kValuesPerBatch, "a scanner batch is judged as one");

// Room for one batch of the longest numbers with their separators, plus the
// spare bytes of the last 8-byte store.
constexpr std::size_t kBatchText = kJudgeBatch * (kMaxNumberLength + 1) + sizeof(std::uint64_t);
constexpr std::size_t kBufferBytes = std::size_t(1) << 18;

// passes[i] = whether codes[i] passes, for i below count. No branch on a
// verdict: the table loads of numbers in random order are independent, so
// their cache misses overlap instead of each waiting behind a mispredicted
// branch.
void PassesBlock(const filter::CompiledSet& compiled, const std::uint32_t* codes, std::size_t count,
                 std::uint8_t* passes)
{
    for (std::size_t i = 0; i < count; ++i)
        passes[i] = compiled.Passes(codes[i]) ? 1 : 0;
}

} // namespace

void JudgeText(std::string_view text, const filter::CompiledSet& compiled, const JudgedBatch& onBatch)
{
    std::array<std::uint8_t, kJudgeBatch> passes;
    ScanValues(text, compiled.Length(), [&](std::span<const std::uint32_t> codes) {
        PassesBlock(compiled, codes.data(), codes.size(), passes.data());
        onBatch(codes.data(), passes.data(), codes.size());
    });
}

void JudgeSpace(const filter::CompiledSet& compiled, const JudgedBatch& onBatch)
{
    std::array<std::uint32_t, kJudgeBatch> codes;
    std::array<std::uint8_t, kJudgeBatch> passes;
    const std::uint64_t size = compiled.Space().Size();
    for (std::uint64_t first = 0; first < size; first += kJudgeBatch) {
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(kJudgeBatch, size - first));
        for (std::size_t i = 0; i < count; ++i)
            codes[i] = static_cast<std::uint32_t>(first + i);
        PassesBlock(compiled, codes.data(), count, passes.data());
        onBatch(codes.data(), passes.data(), count);
    }
}

NumberTextWriter::NumberTextWriter(int length, char separator, Separators where, Flush flush)
    : m_length(length), m_separator(separator), m_where(where), m_flush(std::move(flush)),
      m_buffer(kBufferBytes + kBatchText)
{
}

void NumberTextWriter::Append(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count,
                              std::uint8_t want)
{
    if (m_used > kBufferBytes)
        FlushBuffer();
    const auto length = static_cast<std::size_t>(m_length);
    char* cursor = m_buffer.data() + m_used;
    // Every number is stored, but the cursor moves on only past those
    // wanted: no branch on the verdict, which is random for random input.
    if (m_where == Separators::After) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint64_t characters = digits::Pack(codes[i], m_length) + 0x3030303030303030ull;
            std::memcpy(cursor, &characters, sizeof characters);
            cursor[length] = m_separator;
            cursor += (passes[i] == want) ? length + 1 : 0;
        }
    } else {
        // The separator goes in front; the first number of all drops it
        // when the buffer is flushed.
        for (std::size_t i = 0; i < count; ++i) {
            cursor[0] = m_separator;
            const std::uint64_t characters = digits::Pack(codes[i], m_length) + 0x3030303030303030ull;
            std::memcpy(cursor + 1, &characters, sizeof characters);
            cursor += (passes[i] == want) ? length + 1 : 0;
        }
    }
    m_used = static_cast<std::size_t>(cursor - m_buffer.data());
}

void NumberTextWriter::FlushBuffer()
{
    std::size_t skip = 0;
    if (m_where == Separators::Between && !m_wroteAny && m_used > 0)
        skip = 1;
    if (m_used > skip && m_ok)
        m_ok = m_flush(m_buffer.data() + skip, m_used - skip);
    m_wroteAny = m_wroteAny || m_used > 0;
    m_used = 0;
}

bool NumberTextWriter::Finish()
{
    FlushBuffer();
    return m_ok;
}

} // namespace vesk::cli
