#include "filtering/condition_state_file.h"

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

void ConditionStateFile::Restore(IEnvironmentService& environment, IRyxFilter& filter) const
{
    const std::string path = PathIn(Directory(environment));
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char message[256] = {};
        filter.LoadState(file, message, 0, -1);
        std::fclose(file);
    }
    std::remove(path.c_str());
}

void ConditionStateFile::KeepOrDrop(IEnvironmentService& environment, IRyxFilter& filter, bool keep) const
{
    const std::string directory = Directory(environment);
    const std::string path = PathIn(directory);
    if (!keep) {
        std::remove(path.c_str());
        return;
    }
    std::string trimmed = directory;
    while (!trimmed.empty() && (trimmed.back() == '/' || trimmed.back() == '\\'))
        trimmed.pop_back();
    if (!trimmed.empty())
        ::mkdir(trimmed.c_str(), 0755); // one level; an existing folder is fine
    const std::string part = path + ".part";
    std::FILE* file = std::fopen(part.c_str(), "wb");
    if (!file)
        return;
    char message[256] = {};
    const bool written = filter.SaveState(file, message, -1) != 0;
    const bool closed = std::fclose(file) == 0;
    if (written && closed && std::rename(part.c_str(), path.c_str()) == 0)
        return;
    std::remove(part.c_str());
}

} // namespace vesk
