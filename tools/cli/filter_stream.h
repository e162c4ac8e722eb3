#pragma once
// The filter command's run: numbers judged a batch at a time, straight from
// the parsed digits (or the codes of the whole space) to their text, so no
// list of them is built and every buffer is allocated once.

#include "components/filter/engine/compiled_set.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace vesk::cli {

// onBatch(codes, passes, count) for every batch of numbers in order:
// passes[i] is 1 when codes[i] passes the set, else 0. A batch holds at most
// kJudgeBatch numbers; its arrays live until onBatch returns.
inline constexpr std::size_t kJudgeBatch = 1024;
using JudgedBatch = std::function<void(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count)>;

// The numbers of text as NumberList::ParseText finds them for the set's length.
void JudgeText(std::string_view text, const filter::CompiledSet& compiled, const JudgedBatch& onBatch);
// Every code of the set's space, ascending.
void JudgeSpace(const filter::CompiledSet& compiled, const JudgedBatch& onBatch);

// Numbers of one length as digit text: each followed by the separator, or
// with separators only between them. Full buffers go to flush, which returns
// false to stop further writing (Finish then returns false too).
class NumberTextWriter {
public:
    using Flush = std::function<bool(const char* data, std::size_t size)>;
    enum class Separators { After, Between };

    NumberTextWriter(int length, char separator, Separators where, Flush flush);

    // Appends codes[i] for every i below count whose passes[i] equals want.
    void Append(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count, std::uint8_t want);
    // Flushes what is left; false when a flush failed.
    bool Finish();

private:
    void FlushBuffer();

    int m_length;
    char m_separator;
    Separators m_where;
    Flush m_flush;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    bool m_wroteAny = false; // a number went out (Between: the next needs a separator)
    bool m_ok = true;
};

} // namespace vesk::cli
