#include "pages/handoff/chart_record.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vesk::handoff {

ChartRecordBuilder::ChartRecordBuilder(const NumberList& list, std::int32_t digits, std::int32_t listKey)
{
    m_record.ownTable = this;
    m_record.numbers.ownTable = &m_pointers;
    m_record.digits = digits;
    m_record.listKey = listKey;
    m_record.zero = 0;
    const std::size_t count = list.Count();
    const std::size_t copied = std::min<std::size_t>(std::size_t(std::max(list.Length(), 0)), kChartBlockSize);
    m_blocks.reset(new (std::nothrow) std::uint8_t[std::max<std::size_t>(count, 1) * kChartBlockSize]());
    if (!m_blocks)
        return;
    try {
        m_pointers.resize(count);
    } catch (const std::bad_alloc&) {
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t* block = m_blocks.get() + i * kChartBlockSize;
        std::memcpy(block, list.GetAt(static_cast<std::uint32_t>(i)), copied);
        m_pointers[i] = block;
    }
    m_record.numbers.data = m_pointers.data();
    m_record.numbers.size = static_cast<std::int32_t>(count);
    m_record.numbers.allocated = static_cast<std::int32_t>(count);
    m_record.numbers.growBy = 0;
    m_complete = true;
}

ChartRecordBuilder::~ChartRecordBuilder() = default;

} // namespace vesk::handoff
