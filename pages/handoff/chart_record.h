#pragma once
// The chart hand-off record with the blocks it points at: one zeroed 8-byte
// block per number holding its digit values, in list order. The record
// owns the blocks and the pointer array and frees them when it goes, so
// they live exactly as long as the message call that reads them.

#include "host/module_messages.h"
#include "numbers/number_list.h"

#include <memory>
#include <vector>

namespace vesk::handoff {

class ChartRecordBuilder {
public:
    // digits: digits per number as the game reports them; listKey: the key
    // under which the workbench keeps its lists. False (record holds no
    // numbers) when memory runs out.
    ChartRecordBuilder(const NumberList& list, std::int32_t digits, std::int32_t listKey);
    ~ChartRecordBuilder();
    ChartRecordBuilder(const ChartRecordBuilder&) = delete;
    ChartRecordBuilder& operator=(const ChartRecordBuilder&) = delete;

    bool Complete() const { return m_complete; }
    const ChartRecord& Record() const { return m_record; }

private:
    ChartRecord m_record{};
    std::unique_ptr<std::uint8_t[]> m_blocks;
    std::vector<void*> m_pointers;
    bool m_complete = false;
};

} // namespace vesk::handoff
