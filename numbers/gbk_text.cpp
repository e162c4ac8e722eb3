#include "numbers/gbk_text.h"

#include <cerrno>
#include <iconv.h>

namespace vesk {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (Valid())
            iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of input; returns false at the first byte that cannot be
    // converted, with input advanced to it.
    bool Convert(std::string_view& input, std::string& output)
    {
        char buffer[256];
        while (!input.empty()) {
            char* in = const_cast<char*>(input.data());
            std::size_t inLeft = input.size();
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t rc = iconv(m_cd, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            input.remove_prefix(input.size() - inLeft);
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

std::string ToUtf8(std::string_view text, const char* from)
{
    Converter converter("UTF-8", from);
    std::string utf8;
    if (!converter.Valid())
        return std::string(text);
    while (!converter.Convert(text, utf8)) {
        utf8 += "\xEF\xBF\xBD";
        text.remove_prefix(1);
    }
    return utf8;
}

} // namespace

std::string GbkToUtf8(std::string_view gbk) { return ToUtf8(gbk, "GBK"); }

std::string Gb18030ToUtf8(std::string_view text) { return ToUtf8(text, "GB18030"); }

std::optional<std::string> Utf8ToGbk(std::string_view utf8)
{
    Converter converter("GBK", "UTF-8");
    std::string gbk;
    if (!converter.Valid() || !converter.Convert(utf8, gbk))
        return std::nullopt;
    return gbk;
}

} // namespace vesk
