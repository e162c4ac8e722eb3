#include "numbers/digit_stream.h"

#include "numbers/digit_packing.h"

#include <array>

#if defined(__x86_64__) || defined(__i386__)
#define VESK_DIGIT_STREAM_SSSE3 1
#include <immintrin.h>
#endif

namespace vesk::digit_stream {

std::size_t CollectDigitsPortable(const unsigned char* text, std::size_t size, std::uint8_t* out)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < size; ++i) {
        // Every byte is written; only a digit moves the end on.
        const unsigned digit = text[i] - unsigned('0');
        out[count] = static_cast<std::uint8_t>(digit);
        count += digit < 10 ? 1 : 0;
    }
    return count;
}

void GroupValuesPortable(const std::uint8_t* digits, std::size_t groups, int length, std::uint32_t* values)
{
    for (std::size_t i = 0; i < groups; ++i)
        values[i] = digits::Value(digits::LoadWide(digits + i * std::size_t(length), length), length);
}

#if VESK_DIGIT_STREAM_SSSE3

namespace {

// For each 8-bit mask of digit bytes: the byte shuffle that moves those
// bytes to the front (0x80 clears the rest), and how many there are.
struct CompactionTable {
    std::array<std::uint64_t, 256> shuffle{};
    std::array<std::uint8_t, 256> count{};
};

constexpr CompactionTable MakeCompactionTable()
{
    CompactionTable table;
    for (unsigned mask = 0; mask < 256; ++mask) {
        std::uint64_t shuffle = 0;
        unsigned kept = 0;
        for (unsigned byte = 0; byte < 8; ++byte) {
            if ((mask >> byte) & 1)
                shuffle |= std::uint64_t(byte) << (8 * kept++);
        }
        for (unsigned rest = kept; rest < 8; ++rest)
            shuffle |= std::uint64_t(0x80) << (8 * rest);
        table.shuffle[mask] = shuffle;
        table.count[mask] = static_cast<std::uint8_t>(kept);
    }
    return table;
}

constexpr CompactionTable kCompaction = MakeCompactionTable();

__attribute__((target("ssse3"))) std::size_t CollectDigitsSsse3(const unsigned char* text, std::size_t size,
    std::uint8_t* out)
{
    // Shifted so that '0'..'9' become the ten smallest signed byte values.
    const __m128i bias = _mm_set1_epi8(static_cast<char>('0' - 128));
    const __m128i limit = _mm_set1_epi8(-128 + 10);
    const __m128i zero = _mm_set1_epi8('0');
    // The upper half's shuffle indices address bytes 8..15.
    const __m128i upperHalf = _mm_set_epi64x(0x0808080808080808ll, 0);
    std::uint8_t* end = out;
    std::size_t i = 0;
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(_mm_sub_epi8(bytes, bias), limit)));
        const unsigned low = mask & 0xFF;
        const unsigned high = mask >> 8;
        const __m128i shuffle = _mm_add_epi8(
            _mm_set_epi64x(static_cast<long long>(kCompaction.shuffle[high]),
                static_cast<long long>(kCompaction.shuffle[low])),
            upperHalf);
        const __m128i packed = _mm_shuffle_epi8(_mm_sub_epi8(bytes, zero), shuffle);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(end), packed);
        end += kCompaction.count[low];
        _mm_storel_epi64(reinterpret_cast<__m128i*>(end), _mm_unpackhi_epi64(packed, packed));
        end += kCompaction.count[high];
    }
    const auto collected = static_cast<std::size_t>(end - out);
    return collected + CollectDigitsPortable(text + i, size - i, end);
}

// The two groups at first, aligned by align, as four values 0..9999: the
// upper and lower halves of each.
__attribute__((target("ssse3"))) inline __m128i FourDigitHalves(const std::uint8_t* first, __m128i align)
{
    const __m128i aligned = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(first)), align);
    const __m128i pairs = _mm_maddubs_epi16(aligned, _mm_set1_epi16(0x010A));
    return _mm_madd_epi16(pairs, _mm_set1_epi32(0x00010064));
}

__attribute__((target("ssse3"))) void GroupValuesSsse3(const std::uint8_t* digits, std::size_t groups, int length,
    std::uint32_t* values)
{
    // Two groups from one 16-byte load, each moved to the end of its own
    // 8-byte half behind leading zeros, so every length is an 8-digit number.
    std::array<std::uint8_t, 16> order{};
    for (int byte = 0; byte < 8; ++byte) {
        const int source = byte - (kMaxNumberLength - length);
        order[std::size_t(byte)] = source < 0 ? 0x80 : static_cast<std::uint8_t>(source);
        order[std::size_t(byte) + 8] = source < 0 ? 0x80 : static_cast<std::uint8_t>(length + source);
    }
    const __m128i align = _mm_loadu_si128(reinterpret_cast<const __m128i*>(order.data()));
    const __m128i tenThousands = _mm_set1_epi32(0x00012710);
    const std::size_t step = std::size_t(length);
    std::size_t i = 0;
    for (; i + 4 <= groups; i += 4) {
        const __m128i halves = _mm_packs_epi32(
            FourDigitHalves(digits + i * step, align), FourDigitHalves(digits + (i + 2) * step, align));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(values + i), _mm_madd_epi16(halves, tenThousands));
    }
    GroupValuesPortable(digits + i * step, groups - i, length, values + i);
}

bool HasSsse3()
{
#if defined(__SSSE3__)
    return true;
#else
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("ssse3") != 0;
    }();
    return has;
#endif
}

} // namespace

std::size_t CollectDigits(const unsigned char* text, std::size_t size, std::uint8_t* out)
{
    return HasSsse3() ? CollectDigitsSsse3(text, size, out) : CollectDigitsPortable(text, size, out);
}

void GroupValues(const std::uint8_t* digits, std::size_t groups, int length, std::uint32_t* values)
{
    if (HasSsse3())
        GroupValuesSsse3(digits, groups, length, values);
    else
        GroupValuesPortable(digits, groups, length, values);
}

#else

std::size_t CollectDigits(const unsigned char* text, std::size_t size, std::uint8_t* out)
{
    return CollectDigitsPortable(text, size, out);
}

void GroupValues(const std::uint8_t* digits, std::size_t groups, int length, std::uint32_t* values)
{
    GroupValuesPortable(digits, groups, length, values);
}

#endif

} // namespace vesk::digit_stream
