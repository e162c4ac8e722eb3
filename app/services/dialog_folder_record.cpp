#include "app/services/dialog_folder_record.h"

#include <algorithm>

namespace vesk::app {
namespace {

bool Storable(const std::string& text)
{
    return !text.empty() && text.find_first_of("\t\r\n") == std::string::npos;
}

} // namespace

DialogFolderRecord DialogFolderRecord::Parse(const std::string& bytes)
{
    DialogFolderRecord record;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        start = end + 1;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            continue;
        std::string kind = line.substr(0, tab);
        std::string folder = line.substr(tab + 1);
        if (!Storable(kind) || !Storable(folder) || !record.FolderFor(kind).empty())
            continue;
        record.m_entries.emplace_back(std::move(kind), std::move(folder));
    }
    return record;
}

std::string DialogFolderRecord::FolderFor(const std::string& kind) const
{
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&kind](const DialogFolderEntry& entry) { return entry.first == kind; });
    return found == m_entries.end() ? std::string() : found->second;
}

bool DialogFolderRecord::Remember(const std::string& kind, const std::string& folder)
{
    if (!Storable(kind) || !Storable(folder))
        return false;
    std::erase_if(m_entries, [&kind](const DialogFolderEntry& entry) { return entry.first == kind; });
    m_entries.insert(m_entries.begin(), {kind, folder});
    return true;
}

std::string DialogFolderRecord::Serialize(std::size_t maxBytes) const
{
    std::string text;
    for (const auto& [kind, folder] : m_entries) {
        const std::string line = kind + '\t' + folder + '\n';
        // Whole lines only: a cut line would read back as another folder.
        if (text.size() + line.size() > maxBytes)
            break;
        text += line;
    }
    return text;
}

} // namespace vesk::app
