// Conversion between the edit text ("\r\n", UTF-8 offsets) and Qt's text.
#include "framework/edit_text.h"

#include <cstring>

namespace vesk {

namespace {

// UTF-8 bytes of the UTF-16 unit at i in the edit text (a surrogate pair
// counts on its first unit). A document's raw text shows a no-break space
// that its plain text turns into a space, and line separators that the
// plain text turns into line ends.
template <bool Raw>
int UnitBytes(QStringView s, qsizetype i)
{
    const char16_t c = s[i].unicode();
    if (c == u'\n') return 2;
    if constexpr (Raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) return 2;
        if (c == QChar::Nbsp) return 1;
    }
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (QChar::isHighSurrogate(c)) return 4;
    if (QChar::isLowSurrogate(c)) return 0;
    return 3;
}

template <bool Raw>
int OffsetFromPosition(QStringView text, int position)
{
    int offset = 0;
    const int end = std::min(std::max(position, 0), static_cast<int>(text.size()));
    for (int i = 0; i < end; ++i)
        offset += UnitBytes<Raw>(text, i);
    return offset;
}

template <bool Raw>
int PositionFromOffset(QStringView text, int offset)
{
    if (offset <= 0)
        return 0;
    int bytes = 0;
    int i = 0;
    const int size = static_cast<int>(text.size());
    while (i < size) {
        const int units = (QChar::isHighSurrogate(text[i].unicode()) && i + 1 < size) ? 2 : 1;
        const int next = bytes + UnitBytes<Raw>(text, i);
        if (next > offset)
            return i;
        bytes = next;
        i += units;
        if (bytes == offset)
            return i;
    }
    return size;
}

} // namespace

std::string ToEditText(const QString& plain)
{
    const QByteArray utf8 = plain.toUtf8();
    std::string text(static_cast<size_t>(utf8.size() + utf8.count('\n')), '\0');
    text.resize(WriteEditText(utf8, text.data(), text.size()));
    return text;
}

size_t WriteEditText(const QByteArray& utf8, char* out, size_t capacity)
{
    const char* in = utf8.constData();
    const char* const end = in + utf8.size();
    size_t written = 0;
    while (in < end && written < capacity) {
        const auto* lineEnd = static_cast<const char*>(std::memchr(in, '\n', static_cast<size_t>(end - in)));
        const char* stop = lineEnd ? lineEnd : end;
        const size_t count = std::min(static_cast<size_t>(stop - in), capacity - written);
        std::memcpy(out + written, in, count);
        written += count;
        in += count;
        if (in != lineEnd)
            continue;
        ++in;
        for (const char c : {'\r', '\n'})
            if (written < capacity)
                out[written++] = c;
    }
    return written;
}

QString FromEditText(const std::string& text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

int EditOffsetFromPosition(const QString& plain, int position) { return OffsetFromPosition<false>(plain, position); }
int PositionFromEditOffset(const QString& plain, int offset) { return PositionFromOffset<false>(plain, offset); }
int EditLength(const QString& plain) { return EditOffsetFromPosition(plain, static_cast<int>(plain.size())); }

int RawUnitBytes(QStringView raw, qsizetype i) { return UnitBytes<true>(raw, i); }
int RawOffsetFromPosition(QStringView raw, int position) { return OffsetFromPosition<true>(raw, position); }
int RawPositionFromOffset(QStringView raw, int offset) { return PositionFromOffset<true>(raw, offset); }
int RawEditLength(QStringView raw) { return RawOffsetFromPosition(raw, static_cast<int>(raw.size())); }

} // namespace vesk
