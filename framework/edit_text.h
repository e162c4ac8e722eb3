#pragma once
// The text of an edit as the window code sees it: UTF-8 with lines ending in
// "\r\n", offsets counting its bytes; and as Qt keeps it: UTF-16 with "\n".

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <string>

namespace vesk {

std::string ToEditText(const QString& plain);
// "\r\n", lone "\r" and "\n" all end a line.
QString FromEditText(const std::string& text);
// Byte offset in the edit text of a Qt position.
int EditOffsetFromPosition(const QString& plain, int position);
// Qt position of an edit text offset. An offset inside "\r\n" or inside a
// character's bytes maps to the start of that line end or character; a
// negative one to 0 and one past the end to the end.
int PositionFromEditOffset(const QString& plain, int offset);
// Bytes the edit text of plain takes.
int EditLength(const QString& plain);

// Copies UTF-8 text into out with each "\n" written as "\r\n", at most
// capacity bytes (a line end may be cut after its "\r"); returns the count.
size_t WriteEditText(const QByteArray& utf8, char* out, size_t capacity);

// The same counts over a text document's raw text, which keeps what its plain
// text converts: a no-break space (one byte there, a space), line and
// paragraph separators (line ends, two bytes).
int RawUnitBytes(QStringView raw, qsizetype i);
int RawOffsetFromPosition(QStringView raw, int position);
int RawPositionFromOffset(QStringView raw, int offset);
int RawEditLength(QStringView raw);

} // namespace vesk
