#pragma once
// A fresh folder under the system temp folder, removed with its content.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vesk::test {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vesk-app-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data()) ? pattern + "/" : std::string{};
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends in "/".
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

} // namespace vesk::test
