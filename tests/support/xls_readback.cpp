#include "tests/support/xls_readback.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace vesk::test {

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Readback RunCapturing(const std::string& command)
{
    Readback result;
    std::FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        result.text = "cannot start: " + command;
        return result;
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.text.append(buffer, got);
    const int status = ::pclose(pipe);
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

} // namespace

Readback ReadXlsWithXlrd(const std::string& path, bool withFormats)
{
    // Debian's python3, which has python3-xlrd, whatever else is on PATH.
    const std::string script = (fs::path(__FILE__).parent_path() / "read_xls.py").string();
    return RunCapturing("/usr/bin/python3 " + Quoted(script) + " " + Quoted(path) + (withFormats ? " --format" : ""));
}

std::map<std::string, std::string> ConvertXlsWithLibreOffice(const std::string& path, const std::string& scratch,
                                                             std::string& error)
{
    const fs::path out = fs::path(scratch) / "csv";
    const fs::path profile = fs::path(scratch) / "profile";
    // Comma, quote, UTF-8, cells as shown, every sheet to a file of its own.
    const std::string filter = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1";
    const Readback run = RunCapturing("HOME=" + Quoted(scratch) + " soffice -env:UserInstallation=file://"
                                      + profile.string() + " --headless --convert-to " + Quoted(filter) + " --outdir "
                                      + Quoted(out.string()) + " " + Quoted(path));
    std::map<std::string, std::string> sheets;
    std::error_code ec;
    const std::string stem = fs::path(path).stem().string() + "-";
    for (const auto& entry : fs::directory_iterator(out, ec)) {
        std::string name = entry.path().stem().string();
        if (name.rfind(stem, 0) == 0)
            name = name.substr(stem.size());
        std::ostringstream text;
        text << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        sheets[name] = text.str();
    }
    if (!run.ok || sheets.empty())
        error = "soffice: " + run.text;
    return sheets;
}

} // namespace vesk::test
