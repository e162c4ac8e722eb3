// Conversion between the edit text ("\r\n", UTF-8 offsets) and Qt's text.
#include "framework/edit_text.h"

namespace vesk {

namespace {

// UTF-8 bytes of the UTF-16 unit at i (a surrogate pair counts on its first unit).
int UnitBytes(const QString& s, int i)
{
    const char16_t c = s.at(i).unicode();
    if (c == u'\n') return 2;
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (QChar::isHighSurrogate(c)) return 4;
    if (QChar::isLowSurrogate(c)) return 0;
    return 3;
}

} // namespace

std::string ToEditText(const QString& plain)
{
    QString crlf = plain;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return crlf.toStdString();
}

QString FromEditText(const std::string& text)
{
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

int EditOffsetFromPosition(const QString& plain, int position)
{
    int offset = 0;
    const int end = std::min(std::max(position, 0), static_cast<int>(plain.size()));
    for (int i = 0; i < end; ++i)
        offset += UnitBytes(plain, i);
    return offset;
}

int PositionFromEditOffset(const QString& plain, int offset)
{
    if (offset <= 0)
        return 0;
    int bytes = 0;
    int i = 0;
    const int size = static_cast<int>(plain.size());
    while (i < size) {
        const int units = (QChar::isHighSurrogate(plain.at(i).unicode()) && i + 1 < size) ? 2 : 1;
        const int next = bytes + UnitBytes(plain, i);
        if (next > offset)
            return i;
        bytes = next;
        i += units;
        if (bytes == offset)
            return i;
    }
    return size;
}

int EditLength(const QString& plain) { return EditOffsetFromPosition(plain, static_cast<int>(plain.size())); }

} // namespace vesk
