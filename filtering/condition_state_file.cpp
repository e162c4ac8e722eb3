#include "filtering/condition_state_file.h"

#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <sys/stat.h>

#include <cstdio>

namespace vesk {
namespace {

constexpr SlotInt kKeepConditionsOption = 130;

} // namespace

ConditionStateFile::ConditionStateFile(std::string extension) : m_extension(std::move(extension)) {}

void ConditionStateFile::SetIdentity(SlotInt key, SlotInt number)
{
    m_key = key;
    m_number = number;
}

std::string ConditionStateFile::PathIn(const std::string& directory) const
{
    char name[64];
    std::snprintf(name, sizeof name, "TS%X-%d.", static_cast<unsigned>(m_key), static_cast<int>(m_number));
    return directory + name + m_extension;
}

std::string ConditionStateFile::Directory(IEnvironmentService& environment) const
{
    const char* directory = environment.GetDirectory(kStateDirectory);
    return directory ? directory : "";
}

bool ConditionStateFile::KeepConditions(IEnvironmentService& environment)
{
    return environment.ReadOption(kKeepConditionsOption, nullptr) == 1;
}

std::string ConditionStateFile::Restore(IEnvironmentService& environment, IRyxFilter& filter) const
{
    const std::string path = PathIn(Directory(environment));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return {};
    char message[256] = {};
    const bool read = filter.LoadState(file, message, 0, -1) != 0;
    std::fclose(file);
    if (read) {
        std::remove(path.c_str());
        return {};
    }
    // The user's conditions may still be in there: keep the file for them.
    const std::string aside = path + ".damaged";
    if (std::rename(path.c_str(), aside.c_str()) != 0)
        return "无法读取保留的条件文件 " + path + "，文件未改动";
    return "无法读取保留的条件文件，已改名为 " + aside + "，其中的条件未载入";
}

std::string ConditionStateFile::KeepOrDrop(IEnvironmentService& environment, IRyxFilter& filter, bool keep) const
{
    const std::string directory = Directory(environment);
    const std::string path = PathIn(directory);
    if (!keep) {
        std::remove(path.c_str());
        return {};
    }
    std::string trimmed = directory;
    while (!trimmed.empty() && (trimmed.back() == '/' || trimmed.back() == '\\'))
        trimmed.pop_back();
    if (!trimmed.empty())
        ::mkdir(trimmed.c_str(), 0755); // one level; an existing folder is fine
    const FileResult written = WriteFileSafely(path, [&filter](std::FILE* file) -> std::string {
        char message[256] = {};
        if (filter.SaveState(file, message, -1) != 0)
            return {};
        return message[0] ? std::string(message) : std::string("条件没有写完");
    });
    return written.ok ? std::string() : SaveFailedText(path, written);
}

} // namespace vesk
