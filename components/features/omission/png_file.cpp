#include "components/features/omission/png_file.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>

namespace vesk::omission {

namespace {

struct Failure {
    char text[200] = {};
};

void OnError(png_structp png, png_const_charp message)
{
    auto* failure = static_cast<Failure*>(png_get_error_ptr(png));
    std::snprintf(failure->text, sizeof failure->text, "%s", message ? message : "PNG error");
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Kept apart from anything with a destructor: libpng leaves by longjmp.
bool WriteRows(std::FILE* file, int width, int height, const std::function<const std::uint8_t*(int)>& row,
               Failure& failure)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, OnError, OnWarning);
    if (!png) {
        std::snprintf(failure.text, sizeof failure.text, "out of memory");
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        if (!failure.text[0])
            std::snprintf(failure.text, sizeof failure.text, "out of memory");
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_compression_level(png, 1);
    png_set_compression_strategy(png, Z_RLE);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < height; ++y)
        png_write_row(png, row(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string WritePng(std::FILE* file, int width, int height, const std::function<const std::uint8_t*(int)>& row)
{
    if (!file || width <= 0 || height <= 0)
        return "no picture to write";
    Failure failure;
    if (!WriteRows(file, width, height, row, failure))
        return failure.text;
    return std::ferror(file) ? "write error" : "";
}

} // namespace vesk::omission
