#pragma once
// The text of an edit as the window code sees it: UTF-8 with lines ending in
// "\r\n", offsets counting its bytes; and as Qt keeps it: UTF-16 with "\n".

#include <QString>

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

} // namespace vesk
