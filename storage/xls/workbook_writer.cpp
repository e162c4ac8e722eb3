#include "storage/xls/workbook_writer.h"

#include "storage/xls/biff_records.h"
#include "storage/xls/compound_file.h"
#include "storage/xls/utf16_text.h"

#include <algorithm>
#include <limits>

namespace vesk::xls {

namespace {

// The stream goes out in blocks of about this size.
constexpr std::size_t kFlushSize = 1 << 16;
constexpr std::size_t kMaxSheetNameLength = 31;

std::uint64_t SheetCount(std::uint64_t rows)
{
    return std::max<std::uint64_t>(1, (rows + kDataRowsPerSheet - 1) / kDataRowsPerSheet);
}

std::string CheckOutline(const WorkbookOutline& outline)
{
    if (outline.columns.empty() || outline.columns.size() > kMaxColumns)
        return "a sheet needs 1 to " + std::to_string(kMaxColumns) + " columns, not "
            + std::to_string(outline.columns.size());
    for (const Column& column : outline.columns) {
        if (Utf8ToUtf16(column.title).size() > kMaxTextLength)
            return "the column title '" + column.title + "' is longer than 255 characters";
    }
    const std::u16string name = Utf8ToUtf16(outline.sheetName);
    const std::size_t digits = std::to_string(SheetCount(outline.rowCount)).size();
    if (name.empty() || name.size() + digits > kMaxSheetNameLength)
        return "the sheet name '" + outline.sheetName + "' is empty or too long";
    if (name.find_first_of(u"[]:*?/\\") != std::u16string::npos)
        return "the sheet name '" + outline.sheetName + "' holds a character sheet names cannot have";
    return {};
}

// The workbook stream: records collect in a buffer that goes to the output
// behind the compound-file header whenever it fills.
class StreamWriter {
public:
    explicit StreamWriter(Output& out) : m_out(out) {}

    ByteWriter& Records() { return m_records; }
    std::uint64_t Position() const { return m_flushed + m_records.Size(); }
    bool Failed() const { return m_failed; }

    void FlushIfFull()
    {
        if (m_records.Size() >= kFlushSize)
            Flush();
    }
    void Flush()
    {
        if (!m_failed && !m_out.Append(m_records.Bytes()))
            m_failed = true;
        m_flushed += m_records.Size();
        m_records.Clear();
    }

private:
    Output& m_out;
    ByteWriter m_records;
    std::uint64_t m_flushed = 0;
    bool m_failed = false;
};

class Writer {
public:
    Writer(Output& out, const WorkbookOutline& outline, const RowSource& rows)
        : m_out(out), m_stream(out), m_outline(outline), m_rows(rows), m_cells(outline.columns.size())
    {
    }

    WriteResult Run()
    {
        if (std::string error = CheckOutline(m_outline); !error.empty())
            return {false, error};
        const std::array<std::uint8_t, kSectorSize> placeholder{};
        if (!m_out.Append(placeholder))
            return WriteFailed();
        WriteGlobals();
        for (std::uint64_t sheet = 0; sheet < m_sheetPositions.size(); ++sheet) {
            if (!WriteSheet(sheet))
                return {false, m_error};
            if (m_stream.Failed())
                return WriteFailed();
        }
        return Finish();
    }

private:
    WriteResult WriteFailed() const { return {false, "the file could not be written"}; }

    void WriteGlobals()
    {
        std::vector<std::u16string> formats;
        for (const Column& column : m_outline.columns) {
            std::uint16_t xf = kGeneralXf;
            if (!column.numberFormat.empty()) {
                const std::u16string format = Utf8ToUtf16(column.numberFormat);
                auto at = std::find(formats.begin(), formats.end(), format);
                if (at == formats.end())
                    at = formats.insert(formats.end(), format);
                xf = static_cast<std::uint16_t>(kGeneralXf + 1 + (at - formats.begin()));
            }
            m_columnXf.push_back(xf);
        }
        ByteWriter& w = m_stream.Records();
        AppendBof(w, SubstreamKind::Globals);
        AppendGlobalsHead(w, formats);
        const std::u16string base = Utf8ToUtf16(m_outline.sheetName);
        const std::uint64_t sheets = SheetCount(m_outline.rowCount);
        for (std::uint64_t i = 0; i < sheets; ++i) {
            const std::u16string number = Utf8ToUtf16(std::to_string(i + 1));
            const std::size_t field = AppendBoundSheet(w, base + number);
            m_sheetPositions.push_back(m_stream.Position() - w.Size() + field);
        }
        AppendEof(w);
    }

    bool WriteSheet(std::uint64_t sheet)
    {
        m_sheetStarts.push_back(m_stream.Position());
        const std::uint64_t first = sheet * kDataRowsPerSheet;
        const std::uint64_t count = std::min(kDataRowsPerSheet, m_outline.rowCount - std::min(first, m_outline.rowCount));
        ByteWriter& w = m_stream.Records();
        AppendBof(w, SubstreamKind::Worksheet);
        AppendDimensions(w, static_cast<std::uint32_t>(count + 1), static_cast<std::uint16_t>(m_cells.size()));
        for (std::size_t c = 0; c < m_outline.columns.size(); ++c) {
            const std::u16string title = Utf8ToUtf16(m_outline.columns[c].title);
            if (!title.empty())
                AppendLabel(w, 0, static_cast<std::uint16_t>(c), kGeneralXf, title);
        }
        for (std::uint64_t r = 0; r < count; ++r) {
            for (Cell& cell : m_cells)
                cell.SetEmpty();
            m_rows(first + r, m_cells);
            if (!WriteRow(static_cast<std::uint16_t>(r + 1)))
                return false;
            m_stream.FlushIfFull();
            if (m_stream.Failed())
                return true; // reported by the caller
        }
        AppendWindow2(w, sheet == 0);
        AppendEof(w);
        return true;
    }

    bool WriteRow(std::uint16_t row)
    {
        ByteWriter& w = m_stream.Records();
        std::size_t c = 0;
        while (c < m_cells.size()) {
            if (m_cells[c].IsNumber()) {
                m_numbers.clear();
                const std::size_t first = c;
                for (; c < m_cells.size() && m_cells[c].IsNumber(); ++c)
                    m_numbers.push_back({m_cells[c].Number(), m_columnXf[c]});
                AppendNumbers(w, row, static_cast<std::uint16_t>(first), m_numbers);
                continue;
            }
            if (m_cells[c].IsText()) {
                m_text = Utf8ToUtf16(m_cells[c].Text());
                if (m_text.size() > kMaxTextLength) {
                    m_error = "a cell text is longer than 255 characters: '" + m_cells[c].Text().substr(0, 40)
                        + "...'";
                    return false;
                }
                AppendLabel(w, row, static_cast<std::uint16_t>(c), kGeneralXf, m_text);
            }
            ++c;
        }
        return true;
    }

    WriteResult Finish()
    {
        std::uint64_t size = m_stream.Position();
        if (size > std::numeric_limits<std::uint32_t>::max())
            return {false, "the workbook would be larger than 4 GB"};
        // Short streams are padded, not moved to the mini stream; readers
        // stop at the records' end-of-file marks.
        size = std::max(size, kMinimumStreamSize);
        const std::optional<CompoundLayout> layout = PlanCompoundFile(size);
        if (!layout)
            return {false, "the workbook is too large"};
        ByteWriter& w = m_stream.Records();
        w.Zeros(std::uint64_t(layout->streamSectors) * kSectorSize - m_stream.Position());
        m_stream.Flush();
        if (m_stream.Failed() || !AppendCompoundTrailer(m_out, *layout))
            return WriteFailed();
        for (std::size_t i = 0; i < m_sheetStarts.size(); ++i) {
            ByteWriter position;
            position.U32(static_cast<std::uint32_t>(m_sheetStarts[i]));
            if (!m_out.WriteAt(kSectorSize + m_sheetPositions[i], position.Bytes()))
                return WriteFailed();
        }
        if (!m_out.WriteAt(0, CompoundHeader(*layout)))
            return WriteFailed();
        return {true, {}};
    }

    Output& m_out;
    StreamWriter m_stream;
    const WorkbookOutline& m_outline;
    const RowSource& m_rows;
    std::vector<Cell> m_cells;
    std::vector<std::uint16_t> m_columnXf;
    std::vector<NumberCell> m_numbers;
    std::u16string m_text;
    std::vector<std::uint64_t> m_sheetPositions; // stream offsets of the sheets' position fields
    std::vector<std::uint64_t> m_sheetStarts;
    std::string m_error;
};

} // namespace

WriteResult WriteWorkbook(Output& out, const WorkbookOutline& outline, const RowSource& rows)
{
    return Writer(out, outline, rows).Run();
}

} // namespace vesk::xls
