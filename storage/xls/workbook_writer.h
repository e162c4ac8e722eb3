#pragma once
// Writes an Excel 97-2003 workbook (.xls): a sheet of titled columns whose
// cells are numbers or text. Row 0 of every sheet holds the titles; the rows
// beyond one sheet's capacity continue on further sheets, which repeat the
// titles. Rows are asked for one at a time and written out at once, so the
// file is never held in memory.

#include "storage/xls/xls_output.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::xls {

// A sheet has 65,536 rows: the title row and 65,535 data rows.
inline constexpr std::uint64_t kDataRowsPerSheet = 65535;
inline constexpr std::size_t kMaxColumns = 256;
// Longest cell text and title, in UTF-16 units.
inline constexpr std::size_t kMaxTextLength = 255;

struct Column {
    std::string title;        // UTF-8
    std::string numberFormat; // how its numbers show, e.g. "000"; empty: General
};

// One cell of the row being written. Text is UTF-8; empty text is an empty
// cell.
class Cell {
public:
    void SetEmpty() { m_kind = Kind::Empty; }
    void SetNumber(double value) { m_kind = Kind::Number, m_number = value; }
    void SetText(std::string_view utf8) { m_kind = Kind::Text, m_text.assign(utf8); }

    bool IsNumber() const { return m_kind == Kind::Number; }
    bool IsText() const { return m_kind == Kind::Text && !m_text.empty(); }
    double Number() const { return m_number; }
    const std::string& Text() const { return m_text; }

private:
    enum class Kind : std::uint8_t { Empty, Number, Text };
    Kind m_kind = Kind::Empty;
    double m_number = 0;
    std::string m_text;
};

struct WorkbookOutline {
    std::vector<Column> columns; // 1 to kMaxColumns
    std::uint64_t rowCount = 0;  // data rows
    // Sheets are named this with 1, 2, ... appended; at most 28 units, none
    // of []:*?/\ .
    std::string sheetName = "Sheet";
};

// Fills cells (one per column, all empty on entry) for data row `row`,
// counted from 0 over all sheets.
using RowSource = std::function<void(std::uint64_t row, std::span<Cell> cells)>;

struct WriteResult {
    bool ok = false;
    std::string error; // English, naming what is wrong; empty when written
};

// Writes the whole file to out. A refused outline or a cell text that is too
// long is reported before or while writing; out then holds a partial file
// the caller must discard (the safe-file helpers do).
WriteResult WriteWorkbook(Output& out, const WorkbookOutline& outline, const RowSource& rows);

} // namespace vesk::xls
