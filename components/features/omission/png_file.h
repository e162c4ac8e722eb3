#pragma once
// A PNG file written row by row, fast rather than small: each row stored as
// its difference to the row above (the chart's rows mostly repeat) and
// packed by run length, so a picture of a hundred million pixels takes a
// fraction of a second. No Qt.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace vesk::omission {

// row(y) gives row y as width pixels of 4 bytes, blue, green, red and an
// unused byte (a 32-bit 0xffRRGGBB pixel in little-endian memory). Writes
// an 8-bit RGB PNG to file; the error, empty on success.
std::string WritePng(std::FILE* file, int width, int height, const std::function<const std::uint8_t*(int)>& row);

} // namespace vesk::omission
