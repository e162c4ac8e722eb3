#pragma once
// A ChartRecord as the result page builds it: one zeroed 8-byte block per
// number, its digits first, pointed to from a pointer list. The builder owns
// the blocks, as the sender does.

#include "host/module_messages.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace vesk::test {

class ChartRecordBuilder {
public:
    // numbers as digit texts ("123"); every text must have `digits` digits.
    ChartRecordBuilder(int digits, std::initializer_list<const char*> numbers)
    {
        for (const char* number : numbers) {
            auto block = std::make_unique<std::array<std::uint8_t, kChartBlockSize>>();
            block->fill(0);
            for (int i = 0; i < digits && number[i]; ++i)
                (*block)[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(number[i] - '0');
            m_pointers.push_back(block->data());
            m_blocks.push_back(std::move(block));
        }
        m_record.digits = digits;
        m_record.listKey = 61;
        Refresh();
    }

    // A block in the list that points nowhere.
    void AddNullBlock()
    {
        m_pointers.push_back(nullptr);
        Refresh();
    }
    std::uint8_t* Block(std::size_t i) { return m_blocks[i]->data(); }
    ChartRecord& Record() { return m_record; }

private:
    void Refresh()
    {
        m_record.numbers.data = m_pointers.data();
        m_record.numbers.size = static_cast<std::int32_t>(m_pointers.size());
        m_record.numbers.allocated = m_record.numbers.size;
    }

    std::vector<std::unique_ptr<std::array<std::uint8_t, kChartBlockSize>>> m_blocks;
    std::vector<void*> m_pointers;
    ChartRecord m_record{};
};

} // namespace vesk::test
