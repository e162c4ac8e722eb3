#pragma once
// The column records the host offers before the user arranges any: record
// 4204 (shown) carries the digit-shape attributes, record 4205 (hidden) the
// omission counts, so the grids show attribute columns from the first start.

#include "storage/safe_file.h"

#include <span>

namespace vesk {

// One 36-byte ColumnRecord: int32 attribute index (little-endian) and the
// NUL-terminated GBK title in 32 bytes.
Bytes MakeColumnRecords(std::span<const int> attributeIndices);

// The attribute indices of the shown columns, in column order.
std::span<const int> DefaultShownAttributes();
Bytes DefaultShownColumns();
Bytes DefaultHiddenColumns();

} // namespace vesk
