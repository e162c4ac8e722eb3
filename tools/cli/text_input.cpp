#include "tools/cli/text_input.h"

#include "numbers/text_encoding.h"
#include "storage/safe_file.h"

#include <istream>
#include <ostream>

namespace vesk::cli {

namespace {

void ReportError(const std::string& file, const std::string& error, CommandIo& io)
{
    io.err << "vesk-cli: " << file << ": " << error << '\n';
}

std::string ReadStream(std::istream& in)
{
    std::string text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    return text;
}

// One file's text, decoded for parsing; a regular file stays mapped when it
// needs no change.
bool ReadOne(const std::string& file, CommandIo& io, MappedFile& map, bool& mapped, std::string& text)
{
    mapped = false;
    if (file == "-") {
        text = ReadStream(io.in);
    } else {
        std::string error;
        switch (map.Open(file, error)) {
        case MappedFile::OpenResult::Failed:
            ReportError(file, error, io);
            return false;
        case MappedFile::OpenResult::Mapped:
            if (IsValidUtf8(map.View())) {
                mapped = true;
                return true;
            }
            text.assign(map.View());
            break;
        case MappedFile::OpenResult::NotRegular: {
            FileBytes read = ReadFileBytes(file);
            if (!read.ok) {
                ReportError(file, read.error, io);
                return false;
            }
            text = std::move(read.bytes);
            break;
        }
        }
    }
    PrepareNumberText(text);
    return true;
}

} // namespace

std::optional<NumberText> ReadNumberText(const std::vector<std::string>& files, CommandIo& io)
{
    NumberText result;
    if (files.size() <= 1) {
        if (!ReadOne(files.empty() ? "-" : files.front(), io, result.m_map, result.m_mapped, result.m_text))
            return std::nullopt;
        return result;
    }
    for (const std::string& file : files) {
        MappedFile map;
        bool mapped = false;
        std::string text;
        if (!ReadOne(file, io, map, mapped, text))
            return std::nullopt;
        result.m_text += mapped ? map.View() : std::string_view(text);
    }
    return result;
}

} // namespace vesk::cli
