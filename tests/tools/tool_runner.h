#pragma once
// Runs the built vesk-cli as a separate process on temporary files and
// captures what it prints.

#include <string>
#include <vector>

namespace vesk::test {

struct ToolRun {
    int status = -1; // exit status; -1 when the process did not exit normally
    std::string out;
    std::string err;
};

class ToolRunner {
public:
    ToolRunner();
    ~ToolRunner();

    // A file in the runner's temporary folder; returns its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& path) const;
    std::string PathOf(const std::string& name) const;

    ToolRun Run(const std::vector<std::string>& args, const std::string& input = {}) const;

private:
    std::string m_tool;
    std::string m_dir;
};

} // namespace vesk::test
