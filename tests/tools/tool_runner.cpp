#include "tool_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

namespace vesk::test {

namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& word)
{
    std::string quoted(1, '\'');
    for (char c : word) {
        if (c == '\'')
            quoted.append("'\\''");
        else
            quoted.push_back(c);
    }
    quoted.push_back('\'');
    return quoted;
}

} // namespace

ToolRunner::ToolRunner()
{
    const char* binary = std::getenv("VESK_BINARY_DIR");
    m_tool = (fs::path(binary != nullptr ? binary : ".") / "bin" / "vesk-cli").string();
    static int serial = 0;
    std::string folder = "vesk-cli-test-";
    folder.append(std::to_string(::getpid())).append("-").append(std::to_string(++serial));
    m_dir = (fs::temp_directory_path() / folder).string();
    fs::create_directories(m_dir);
}

ToolRunner::~ToolRunner()
{
    std::error_code ec;
    fs::remove_all(m_dir, ec);
}

std::string ToolRunner::PathOf(const std::string& name) const
{
    return (fs::path(m_dir) / name).string();
}

std::string ToolRunner::WriteFile(const std::string& name, const std::string& bytes) const
{
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string ToolRunner::ReadFile(const std::string& path) const
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ToolRun ToolRunner::Run(const std::vector<std::string>& args, const std::string& input) const
{
    const std::string in = WriteFile(".stdin", input);
    std::string command = Quote(m_tool);
    for (const std::string& arg : args)
        command.append(" ").append(Quote(arg));
    command.append(" < ").append(Quote(in));
    command.append(" > ").append(Quote(PathOf(".stdout")));
    command.append(" 2> ").append(Quote(PathOf(".stderr")));
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(PathOf(".stdout"));
    run.err = ReadFile(PathOf(".stderr"));
    return run;
}

} // namespace vesk::test
