#pragma once
// The BIFF8 records of a workbook stream, encoded little-endian into a byte
// buffer. Only what a sheet of titled number and text columns needs.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::xls {

// Appends little-endian values and frames records (type, length, data).
class ByteWriter {
public:
    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void F64(double v);
    void Zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }

    // Starts a record; EndRecord fills in its data length.
    void BeginRecord(std::uint16_t type);
    void EndRecord();

    std::size_t Size() const { return m_bytes.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    void Clear() { m_bytes.clear(); }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_recordStart = 0;
};

// The largest data part of one record.
inline constexpr std::size_t kMaxRecordData = 8224;
// Cell formats: kGeneralXf for General, kGeneralXf + 1 + i for the i-th
// number format handed to AppendGlobalsHead.
inline constexpr std::uint16_t kGeneralXf = 15;

enum class SubstreamKind : std::uint16_t { Globals = 0x0005, Worksheet = 0x0010 };

void AppendBof(ByteWriter& w, SubstreamKind kind);
void AppendEof(ByteWriter& w);

// Code page, window, fonts, number formats, cell formats and the Normal
// style: what comes before the sheet list in the globals.
void AppendGlobalsHead(ByteWriter& w, std::span<const std::u16string> numberFormats);

// A sheet entry; returns the buffer offset of its 4-byte stream position,
// which the caller fills in once the sheet's place is known. The name is at
// most 31 units.
std::size_t AppendBoundSheet(ByteWriter& w, const std::u16string& name);

// rows and columns: one past the last used.
void AppendDimensions(ByteWriter& w, std::uint32_t rows, std::uint16_t columns);
void AppendWindow2(ByteWriter& w, bool firstSheet);

// A text cell; text at most kMaxLabelLength units.
inline constexpr std::size_t kMaxLabelLength = 255;
void AppendLabel(ByteWriter& w, std::uint16_t row, std::uint16_t column, std::uint16_t xf,
                 const std::u16string& text);

struct NumberCell {
    double value = 0;
    std::uint16_t xf = kGeneralXf;
};
// Adjacent number cells of one row starting at firstColumn: the values that
// fit an RK go into one MULRK (or a lone RK), others into NUMBER records.
void AppendNumbers(ByteWriter& w, std::uint16_t row, std::uint16_t firstColumn,
                   std::span<const NumberCell> cells);

// The RK form of value, when it has one: 30-bit integers and doubles whose
// low 34 bits are zero.
bool ToRk(double value, std::uint32_t& rk);

} // namespace vesk::xls
