#pragma once
// The grid's content without any widget: rows × columns of cells, each
// empty, a text or a number with its least digit count, and per column a
// title, a tag and colours.
//
// Cells are stored compactly, since a grid holds up to millions of rows: per
// column one 32-bit value and one kind byte per row, allocated only once a
// cell of that column is set; texts live NUL-terminated in one pool shared by
// all columns, a text cell's value being its offset there. A text replaced by
// one no longer is written over in place; other replaced texts leave garbage
// that is swept once it outweighs the live texts, so refilling a grid again
// and again keeps its size bounded.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::grid {

// Rows are addressed by int in the views, so no more than that.
inline constexpr std::int64_t kMaxRows = 0x7FFFFFFF;
inline constexpr int kMaxColumns = 4096;

struct ColumnLook {
    std::string title;                        // UTF-8
    std::intptr_t tag = 0;                    // the caller's, kept as given
    std::optional<std::uint32_t> color;       // COLORREF of the text; none: black
    std::optional<std::uint32_t> background;  // COLORREF; none: the grid's white
};

enum class CellKind : std::uint8_t { Empty, Text, Number };

struct CellValue {
    CellKind kind = CellKind::Empty;
    std::int32_t number = 0;
    int padDigits = 0;       // numbers: least digit count, 0 = as is
    std::string_view text;   // texts: valid until the table changes
};

class GridTable {
public:
    std::int64_t RowCount() const { return m_rows; }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }

    // Gives the table `rows` rows and, when columns is not 0, that many
    // columns. Cells inside the old and the new bounds stay; new ones are
    // empty; new columns have no title, tag 0 and default colours. False
    // (and nothing changed) for negative or too large sizes.
    bool Resize(std::int64_t rows, int columns);

    // False when the cell lies outside the table (nothing changes). Text is
    // taken up to its first NUL. Throws std::bad_alloc when memory runs out;
    // the cell then keeps its old value.
    bool SetText(std::int64_t row, int column, std::string_view text);
    bool SetNumber(std::int64_t row, int column, std::int32_t value, int padDigits);

    // An empty cell outside the table.
    CellValue Cell(std::int64_t row, int column) const;

    // Null outside the table.
    ColumnLook* Look(int column);
    const ColumnLook* Look(int column) const;

    // Bytes the text pool holds, live and garbage (for tests of the sweep).
    std::size_t TextPoolBytes() const { return m_pool.size(); }

private:
    struct Column {
        ColumnLook look;
        std::vector<std::int32_t> values; // empty until a cell is set
        std::vector<std::uint8_t> kinds;  // kEmptyKind, kTextKind, kNumberKind + pad
    };
    static constexpr std::uint8_t kEmptyKind = 0;
    static constexpr std::uint8_t kTextKind = 1;
    static constexpr std::uint8_t kNumberKind = 2;

    bool Inside(std::int64_t row, int column) const;
    Column& Allocated(int column);
    // Forgets the text of a cell about to change or vanish.
    void DropText(const Column& column, std::int64_t row);
    std::string_view TextAt(std::int32_t offset) const;
    void SweepIfWasteful();
    void Sweep();

    std::int64_t m_rows = 0;
    std::vector<Column> m_columns;
    std::string m_pool;
    std::size_t m_garbage = 0;   // pool bytes no cell refers to
    std::int64_t m_textCells = 0;
};

} // namespace vesk::grid
