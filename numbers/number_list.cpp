#include "numbers/number_list.h"

#include "host/game_length.h"
#include "host/host_services.h"
#include "numbers/digit_packing.h"
#include "numbers/number_length.h"

#include <bit>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

namespace vesk {

// Tags and packed digits are moved with plain loads and stores; the formats
// are little-endian.
static_assert(std::endian::native == std::endian::little);

namespace {

std::uint32_t LoadTag(const std::uint8_t* record)
{
    std::uint32_t tag = 0;
    std::memcpy(&tag, record, sizeof tag);
    return tag;
}

void StoreTag(std::uint8_t* record, std::uint32_t tag)
{
    std::memcpy(record, &tag, sizeof tag);
}

} // namespace

NumberList::NumberList(IGameService* game)
    : m_game(game)
{
}

NumberList::NumberList(int gameLength)
    : m_fixedGameLength(gameLength)
{
}

int NumberList::GameLength() const
{
    if (m_game == nullptr)
        return m_fixedGameLength;
    return GameNumberLength(m_game);
}

void NumberList::SetShape(std::uint32_t count, int length)
{
    m_count = count;
    m_length = static_cast<std::uint8_t>(length);
    m_recordSize = static_cast<std::uint8_t>(length + m_tagSize);
}

bool NumberList::Resize(std::uint32_t count, int length)
{
    if (length == 0)
        length = GameLength();
    m_records = {};
    SetShape(0, m_length);
    if (!IsValidNumberLength(length)) {
        Clear();
        return false;
    }
    try {
        m_records.assign(std::size_t(count) * std::size_t(length + m_tagSize), 0);
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    } catch (const std::length_error&) {
        Clear();
        return false;
    }
    SetShape(count, length);
    SetAllTags(kLiveTag);
    return true;
}

void NumberList::Clear()
{
    m_records = {};
    SetShape(0, 0);
    m_text.fill(0);
}

bool NumberList::SetAt(std::uint32_t index, const std::uint8_t* digits)
{
    if (index >= m_count || !digits::AllDigitValues(digits, m_length))
        return false;
    std::uint8_t* record = RecordAt(index);
    StoreTag(record, kLiveTag);
    std::memcpy(record + m_tagSize, digits, m_length);
    return true;
}

bool NumberList::Append(const std::uint8_t* digits)
{
    if (m_count == 0) {
        const int length = m_length != 0 ? m_length : GameLength();
        if (!IsValidNumberLength(length) || !digits::AllDigitValues(digits, length))
            return false;
        return Resize(1, length) && SetAt(0, digits);
    }
    if (!digits::AllDigitValues(digits, m_length))
        return false;
    try {
        m_records.resize(m_records.size() + m_recordSize);
    } catch (const std::bad_alloc&) {
        return false;
    }
    ++m_count;
    return SetAt(m_count - 1, digits);
}

const std::uint8_t* NumberList::GetAt(std::uint32_t index, std::uint32_t* tag) const
{
    if (index >= m_count)
        return nullptr;
    const std::uint8_t* record = RecordAt(index);
    if (tag != nullptr)
        *tag = LoadTag(record);
    return record + m_tagSize;
}

std::uint32_t NumberList::TagAt(std::uint32_t index) const
{
    return index < m_count ? LoadTag(RecordAt(index)) : 0;
}

void NumberList::SetTag(std::uint32_t index, std::uint32_t tag)
{
    if (index < m_count)
        StoreTag(RecordAt(index), tag);
}

void NumberList::SetAllTags(std::uint32_t tag)
{
    for (std::uint32_t i = 0; i < m_count; ++i)
        StoreTag(RecordAt(i), tag);
}

bool NumberList::Compact(NumberList* removed)
{
    std::uint32_t marked = 0;
    for (std::uint32_t i = 0; i < m_count; ++i)
        marked += LoadTag(RecordAt(i)) == kRemovalTag ? 1 : 0;
    if (marked == 0)
        return true;
    if (removed != nullptr && removed != this) {
        RecordBuffer taken;
        try {
            taken.resize(std::size_t(marked) * m_recordSize);
        } catch (const std::bad_alloc&) {
            return false;
        }
        std::uint8_t* out = taken.data();
        for (std::uint32_t i = 0; i < m_count; ++i) {
            const std::uint8_t* record = RecordAt(i);
            if (LoadTag(record) == kRemovalTag) {
                std::memcpy(out, record, m_recordSize);
                out += m_recordSize;
            }
        }
        removed->m_records = std::move(taken);
        removed->SetShape(marked, m_length);
    }
    if (marked == m_count) {
        Clear();
        return true;
    }
    // In place: a kept record never moves forward past one still unread.
    std::uint8_t* out = m_records.data();
    for (std::uint32_t i = 0; i < m_count; ++i) {
        const std::uint8_t* record = RecordAt(i);
        if (LoadTag(record) != kRemovalTag) {
            if (out != record)
                std::memmove(out, record, m_recordSize);
            out += m_recordSize;
        }
    }
    m_count -= marked;
    m_records.resize(std::size_t(m_count) * m_recordSize);
    return true;
}

std::string_view NumberList::ToText(std::uint32_t index)
{
    const std::uint8_t* digits = GetAt(index);
    if (digits == nullptr)
        return {};
    for (int i = 0; i < m_length; ++i)
        m_text[static_cast<std::size_t>(i)] = static_cast<char>('0' + digits[i]);
    m_text[m_length] = '\0';
    return {m_text.data(), m_length};
}

std::uint32_t NumberList::ToValue(std::uint32_t index) const
{
    const std::uint8_t* record = GetAt(index);
    return record == nullptr ? 0 : digits::Value(digits::Load(record, m_length), m_length);
}

void NumberList::SwapContent(NumberList& other) noexcept
{
    m_records.swap(other.m_records);
    std::swap(m_count, other.m_count);
    std::swap(m_length, other.m_length);
    std::swap(m_recordSize, other.m_recordSize);
    std::swap(m_text, other.m_text);
}

bool NumberList::CopyFrom(const NumberList& other)
{
    if (&other == this)
        return true;
    try {
        m_records = other.m_records;
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    SetShape(other.m_count, other.m_length);
    m_text = other.m_text;
    return true;
}

} // namespace vesk
