#pragma once
// The folder a fuzz target writes its files in, made once per process and
// removed at its end. It lies in memory (/dev/shm) when the system has that,
// since the readers under test flush what they write and a disk flush per
// input would slow the fuzzer a hundredfold.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace vesk::test {

inline const std::string& FuzzFolder()
{
    struct Folder {
        Folder()
        {
            std::error_code error;
            const std::filesystem::path memory("/dev/shm");
            const std::filesystem::path base =
                std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
            std::string pattern = (base / "vesk-fuzz-XXXXXX").string();
            if (!::mkdtemp(pattern.data()))
                std::abort();
            path = pattern + "/";
        }
        ~Folder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::string path;
    };
    static const Folder folder;
    return folder.path;
}

} // namespace vesk::test
