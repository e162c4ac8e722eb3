#include "components/grid/grid_table.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vesk::grid {
namespace {

// Text offsets are 32-bit values.
constexpr std::size_t kMaxPoolBytes = 0xFFFFFFFFu;
// Below this much garbage a sweep is not worth a pass over the cells.
constexpr std::size_t kSweepFloor = 1u << 20;

std::uint32_t OffsetOf(std::int32_t value)
{
    return static_cast<std::uint32_t>(value);
}

template <typename T>
void ResizeShrinking(std::vector<T>& cells, std::size_t size)
{
    cells.resize(size);
    // A grid refilled with far fewer rows gives the memory back.
    if (cells.capacity() > 4 * size + 1024)
        cells.shrink_to_fit();
}

} // namespace

bool GridTable::Resize(std::int64_t rows, int columns)
{
    if (rows < 0 || rows > kMaxRows || columns < 0 || columns > kMaxColumns)
        return false;
    const auto keptColumns = static_cast<std::size_t>(columns == 0 ? ColumnCount() : columns);
    // Everything that may run out of memory happens before anything changes.
    for (Column& column : m_columns)
        if (!column.kinds.empty() && rows > m_rows) {
            column.values.reserve(static_cast<std::size_t>(rows));
            column.kinds.reserve(static_cast<std::size_t>(rows));
        }
    if (keptColumns > m_columns.size())
        m_columns.resize(keptColumns);
    for (std::size_t c = keptColumns; c < m_columns.size(); ++c)
        if (!m_columns[c].kinds.empty())
            for (std::int64_t r = 0; r < m_rows; ++r)
                DropText(m_columns[c], r);
    m_columns.resize(keptColumns);
    for (Column& column : m_columns) {
        if (column.kinds.empty())
            continue;
        for (std::int64_t r = rows; r < m_rows; ++r)
            DropText(column, r);
        ResizeShrinking(column.values, static_cast<std::size_t>(rows));
        ResizeShrinking(column.kinds, static_cast<std::size_t>(rows));
    }
    m_rows = rows;
    SweepIfWasteful();
    return true;
}

bool GridTable::Inside(std::int64_t row, int column) const
{
    return row >= 0 && row < m_rows && column >= 0 && column < ColumnCount();
}

GridTable::Column& GridTable::Allocated(int column)
{
    Column& cells = m_columns[static_cast<std::size_t>(column)];
    if (cells.kinds.empty()) {
        cells.values.assign(static_cast<std::size_t>(m_rows), 0);
        try {
            cells.kinds.assign(static_cast<std::size_t>(m_rows), kEmptyKind);
        } catch (const std::bad_alloc&) {
            cells.values = {};
            throw;
        }
    }
    return cells;
}

void GridTable::DropText(const Column& column, std::int64_t row)
{
    const auto r = static_cast<std::size_t>(row);
    if (column.kinds[r] != kTextKind)
        return;
    m_garbage += TextAt(column.values[r]).size() + 1;
    --m_textCells;
}

std::string_view GridTable::TextAt(std::int32_t offset) const
{
    return std::string_view(m_pool.c_str() + OffsetOf(offset));
}

bool GridTable::SetText(std::int64_t row, int column, std::string_view text)
{
    if (!Inside(row, column))
        return false;
    text = text.substr(0, std::min(text.size(), text.find('\0')));
    Column& cells = Allocated(column);
    const auto r = static_cast<std::size_t>(row);
    if (cells.kinds[r] == kTextKind) {
        const std::uint32_t offset = OffsetOf(cells.values[r]);
        const std::size_t oldLength = TextAt(cells.values[r]).size();
        if (text.size() <= oldLength) {
            // Written over in place; the tail behind the new NUL is garbage.
            std::memcpy(m_pool.data() + offset, text.data(), text.size());
            m_pool[offset + text.size()] = '\0';
            m_garbage += oldLength - text.size();
            return true;
        }
    }
    if (m_pool.size() + text.size() + 1 > kMaxPoolBytes) {
        Sweep();
        if (m_pool.size() + text.size() + 1 > kMaxPoolBytes)
            return false;
    }
    const std::size_t offset = m_pool.size();
    m_pool.append(text);
    m_pool.push_back('\0');
    DropText(cells, row);
    cells.values[r] = static_cast<std::int32_t>(static_cast<std::uint32_t>(offset));
    cells.kinds[r] = kTextKind;
    ++m_textCells;
    SweepIfWasteful();
    return true;
}

bool GridTable::SetNumber(std::int64_t row, int column, std::int32_t value, int padDigits)
{
    if (!Inside(row, column))
        return false;
    Column& cells = Allocated(column);
    const auto r = static_cast<std::size_t>(row);
    DropText(cells, row);
    cells.values[r] = value;
    cells.kinds[r] = static_cast<std::uint8_t>(kNumberKind + std::clamp(padDigits, 0, 31));
    SweepIfWasteful();
    return true;
}

CellValue GridTable::Cell(std::int64_t row, int column) const
{
    if (!Inside(row, column))
        return {};
    const Column& cells = m_columns[static_cast<std::size_t>(column)];
    if (cells.kinds.empty())
        return {};
    const auto r = static_cast<std::size_t>(row);
    const std::uint8_t kind = cells.kinds[r];
    if (kind == kEmptyKind)
        return {};
    if (kind == kTextKind)
        return {CellKind::Text, 0, 0, TextAt(cells.values[r])};
    return {CellKind::Number, cells.values[r], kind - kNumberKind, {}};
}

ColumnLook* GridTable::Look(int column)
{
    return column >= 0 && column < ColumnCount() ? &m_columns[static_cast<std::size_t>(column)].look : nullptr;
}

const ColumnLook* GridTable::Look(int column) const
{
    return const_cast<GridTable*>(this)->Look(column);
}

void GridTable::SweepIfWasteful()
{
    if (m_textCells == 0) {
        m_pool = std::string();
        m_garbage = 0;
        return;
    }
    if (m_garbage <= kSweepFloor || m_garbage <= m_pool.size() - m_garbage)
        return;
    try {
        Sweep();
    } catch (const std::bad_alloc&) {
        // The garbage stays until memory allows a sweep; every text is intact.
    }
}

void GridTable::Sweep()
{
    std::string live;
    live.reserve(m_pool.size() - m_garbage);
    for (Column& column : m_columns) {
        if (column.kinds.empty())
            continue;
        for (std::size_t r = 0; r < column.kinds.size(); ++r) {
            if (column.kinds[r] != kTextKind)
                continue;
            const std::string_view text = TextAt(column.values[r]);
            column.values[r] = static_cast<std::int32_t>(static_cast<std::uint32_t>(live.size()));
            live.append(text);
            live.push_back('\0');
        }
    }
    m_pool = std::move(live);
    m_garbage = 0;
}

} // namespace vesk::grid
