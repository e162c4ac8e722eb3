#include "app/services/gbk_text.h"

#include <iconv.h>

namespace vesk::app {

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    iconv_t cd = ::iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string in(utf8);
    std::string out(in.size() * 2 + 4, '\0'); // GBK never needs more bytes than UTF-8 for CJK
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    ::iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace vesk::app
