#include "storage/xls/biff_records.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace vesk::xls {

namespace {

enum RecordType : std::uint16_t {
    kEof = 0x000A,
    kDateMode = 0x0022,
    kWindow1 = 0x003D,
    kCodePage = 0x0042,
    kFont = 0x0031,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kXf = 0x00E0,
    kDimensions = 0x0200,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kWindow2 = 0x023E,
    kRk = 0x027E,
    kStyle = 0x0293,
    kFormat = 0x041E,
    kBof = 0x0809,
};

constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr std::uint16_t kFirstCustomFormat = 164;
constexpr int kStyleXfCount = 15;

// Text whose every unit fits a byte is stored one byte per unit (the
// "compressed" form); anything else as UTF-16LE.
void AppendStringBody(ByteWriter& w, const std::u16string& text)
{
    const bool wide = std::any_of(text.begin(), text.end(), [](char16_t c) { return c > 0xFF; });
    w.U8(wide ? 1 : 0);
    for (char16_t c : text) {
        if (wide)
            w.U16(c);
        else
            w.U8(static_cast<std::uint8_t>(c));
    }
}

void AppendShortString(ByteWriter& w, const std::u16string& text)
{
    w.U8(static_cast<std::uint8_t>(text.size()));
    AppendStringBody(w, text);
}

void AppendLongString(ByteWriter& w, const std::u16string& text)
{
    w.U16(static_cast<std::uint16_t>(text.size()));
    AppendStringBody(w, text);
}

void AppendFont(ByteWriter& w)
{
    w.BeginRecord(kFont);
    w.U16(200);    // 10 points, in twentieths
    w.U16(0);      // no italic, strike-out, outline
    w.U16(0x7FFF); // automatic colour
    w.U16(400);    // normal weight
    w.U16(0);      // no super- or subscript
    w.U8(0);       // no underline
    w.U8(0);       // family
    w.U8(0);       // character set
    w.U8(0);
    AppendShortString(w, u"Arial");
    w.EndRecord();
}

void AppendXf(ByteWriter& w, bool style, std::uint16_t format)
{
    w.BeginRecord(kXf);
    w.U16(0);                          // font 0
    w.U16(format);
    w.U16(style ? 0xFFF5 : 0x0001);    // style XF without parent / locked cell on style 0
    w.U8(0x20);                        // bottom aligned
    w.U8(0);                           // no rotation
    w.U8(0);                           // no indent
    w.U8(style ? 0xF4 : (format != 0 ? 0x04 : 0)); // which groups this XF sets itself
    w.Zeros(8);                        // no borders, no fill
    w.U16(0x20C0);                     // system window colours for the pattern
    w.EndRecord();
}

} // namespace

void ByteWriter::U16(std::uint16_t v)
{
    m_bytes.push_back(static_cast<std::uint8_t>(v));
    m_bytes.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ByteWriter::U32(std::uint32_t v)
{
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
}

void ByteWriter::F64(double v)
{
    const auto bits = std::bit_cast<std::uint64_t>(v);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteWriter::BeginRecord(std::uint16_t type)
{
    m_recordStart = m_bytes.size();
    U16(type);
    U16(0);
}

void ByteWriter::EndRecord()
{
    const std::size_t length = m_bytes.size() - m_recordStart - 4;
    m_bytes[m_recordStart + 2] = static_cast<std::uint8_t>(length);
    m_bytes[m_recordStart + 3] = static_cast<std::uint8_t>(length >> 8);
}

void AppendBof(ByteWriter& w, SubstreamKind kind)
{
    w.BeginRecord(kBof);
    w.U16(0x0600); // BIFF8
    w.U16(static_cast<std::uint16_t>(kind));
    w.U16(0x0DBB); // build and year of the application that wrote the file,
    w.U16(0x07CC); // as the format's readers expect to find them
    w.U32(0);      // file history flags
    w.U32(0x0006); // lowest version that can read it: BIFF8
    w.EndRecord();
}

void AppendEof(ByteWriter& w)
{
    w.BeginRecord(kEof);
    w.EndRecord();
}

void AppendGlobalsHead(ByteWriter& w, std::span<const std::u16string> numberFormats)
{
    w.BeginRecord(kCodePage);
    w.U16(kUtf16CodePage);
    w.EndRecord();

    w.BeginRecord(kWindow1);
    w.U16(0), w.U16(0);           // position
    w.U16(0x4000), w.U16(0x2000); // size
    w.U16(0x0038);                // show the scroll bars and the sheet tabs
    w.U16(0), w.U16(0);           // first sheet active and shown first
    w.U16(1);                     // one sheet selected
    w.U16(600);                   // tab bar width, per mille
    w.EndRecord();

    w.BeginRecord(kDateMode);
    w.U16(0); // dates count from 1900
    w.EndRecord();

    // Font index 4 does not exist in this format: four records give 0..3.
    for (int i = 0; i < 4; ++i)
        AppendFont(w);

    for (std::size_t i = 0; i < numberFormats.size(); ++i) {
        w.BeginRecord(kFormat);
        w.U16(static_cast<std::uint16_t>(kFirstCustomFormat + i));
        AppendLongString(w, numberFormats[i]);
        w.EndRecord();
    }

    // Readers expect the fifteen style formats before the first cell format.
    for (int i = 0; i < kStyleXfCount; ++i)
        AppendXf(w, true, 0);
    AppendXf(w, false, 0);
    for (std::size_t i = 0; i < numberFormats.size(); ++i)
        AppendXf(w, false, static_cast<std::uint16_t>(kFirstCustomFormat + i));

    w.BeginRecord(kStyle);
    w.U16(0x8000); // built-in style on XF 0
    w.U8(0);       // Normal
    w.U8(0xFF);
    w.EndRecord();
}

std::size_t AppendBoundSheet(ByteWriter& w, const std::u16string& name)
{
    w.BeginRecord(kBoundSheet);
    const std::size_t position = w.Size();
    w.U32(0);
    w.U8(0); // visible
    w.U8(0); // worksheet
    AppendShortString(w, name);
    w.EndRecord();
    return position;
}

void AppendDimensions(ByteWriter& w, std::uint32_t rows, std::uint16_t columns)
{
    w.BeginRecord(kDimensions);
    w.U32(0);
    w.U32(rows);
    w.U16(0);
    w.U16(columns);
    w.U16(0);
    w.EndRecord();
}

void AppendWindow2(ByteWriter& w, bool firstSheet)
{
    w.BeginRecord(kWindow2);
    // Grid lines, headings, zeros, automatic grid colour, outline symbols;
    // the first sheet is also the selected and shown one.
    w.U16(firstSheet ? 0x06B6 : 0x00B6);
    w.U16(0); // top row
    w.U16(0); // left column
    w.U16(64); // grid colour: automatic
    w.U16(0);
    w.U16(0), w.U16(0); // zoom: default
    w.U32(0);
    w.EndRecord();
}

void AppendLabel(ByteWriter& w, std::uint16_t row, std::uint16_t column, std::uint16_t xf,
                 const std::u16string& text)
{
    w.BeginRecord(kLabel);
    w.U16(row);
    w.U16(column);
    w.U16(xf);
    AppendLongString(w, text);
    w.EndRecord();
}

bool ToRk(double value, std::uint32_t& rk)
{
    if (std::nearbyint(value) == value && value >= -(1 << 29) && value < (1 << 29)) {
        rk = (static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) << 2) | 0x2;
        return true;
    }
    const auto bits = std::bit_cast<std::uint64_t>(value);
    if ((bits & 0x3FFFFFFFFull) == 0) {
        rk = static_cast<std::uint32_t>(bits >> 32);
        return true;
    }
    return false;
}

void AppendNumbers(ByteWriter& w, std::uint16_t row, std::uint16_t firstColumn,
                   std::span<const NumberCell> cells)
{
    // A MULRK of n cells takes 6n + 10 bytes against 14n for separate RKs.
    std::size_t i = 0;
    while (i < cells.size()) {
        const auto column = static_cast<std::uint16_t>(firstColumn + i);
        std::uint32_t rk = 0;
        if (!ToRk(cells[i].value, rk)) {
            w.BeginRecord(kNumber);
            w.U16(row), w.U16(column), w.U16(cells[i].xf);
            w.F64(cells[i].value);
            w.EndRecord();
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        std::uint32_t ignored = 0;
        while (end < cells.size() && ToRk(cells[end].value, ignored))
            ++end;
        if (end - i == 1) {
            w.BeginRecord(kRk);
            w.U16(row), w.U16(column), w.U16(cells[i].xf);
            w.U32(rk);
            w.EndRecord();
        } else {
            w.BeginRecord(kMulRk);
            w.U16(row), w.U16(column);
            for (std::size_t k = i; k < end; ++k) {
                ToRk(cells[k].value, rk);
                w.U16(cells[k].xf);
                w.U32(rk);
            }
            w.U16(static_cast<std::uint16_t>(firstColumn + end - 1));
            w.EndRecord();
        }
        i = end;
    }
}

} // namespace vesk::xls
