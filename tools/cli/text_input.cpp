#include "tools/cli/text_input.h"

#include "numbers/text_encoding.h"
#include "pages/files/file_access.h"

#include <istream>
#include <ostream>

namespace vesk::cli {

namespace {

std::optional<std::string> ReadOne(const std::string& file, CommandIo& io)
{
    std::string text;
    if (file == "-") {
        char buffer[1 << 16];
        while (io.in.read(buffer, sizeof buffer) || io.in.gcount() > 0)
            text.append(buffer, static_cast<std::size_t>(io.in.gcount()));
    } else {
        files::FileBytes read = files::ReadFileBytes(file);
        if (!read.ok) {
            io.err << "vesk-cli: " << file << ": " << read.error << '\n';
            return std::nullopt;
        }
        text = std::move(read.bytes);
    }
    PrepareNumberText(text);
    return text;
}

} // namespace

std::optional<std::string> ReadNumberText(const std::vector<std::string>& files, CommandIo& io)
{
    if (files.empty())
        return ReadOne("-", io);
    std::string text;
    for (const std::string& file : files) {
        std::optional<std::string> part = ReadOne(file, io);
        if (!part)
            return std::nullopt;
        if (text.empty())
            text = std::move(*part);
        else
            text += *part;
    }
    return text;
}

} // namespace vesk::cli
