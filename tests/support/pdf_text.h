#pragma once
// The text of a PDF as pdftotext reads it, pages separated by form feeds;
// empty when it cannot be read.

#include <cstdio>
#include <string>

namespace vesk::test {

inline std::string PdfText(const std::string& pdf)
{
    const std::string command = "pdftotext -layout '" + pdf + "' - 2>/dev/null";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

} // namespace vesk::test
