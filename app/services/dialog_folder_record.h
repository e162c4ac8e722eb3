#pragma once
// The option record that keeps the folder last used per kind of file, so the
// file dialogs open there on the next run. Text, one "kind<TAB>folder" line
// per kind, the most recently used first; it never grows past its limit
// (the least recently used kinds are dropped).

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace vesk::app {

using DialogFolderEntry = std::pair<std::string, std::string>; // kind, folder

class DialogFolderRecord {
public:
    // Damaged lines (no tab, empty kind or folder) are skipped, a kind seen
    // twice keeps its first (newest) folder.
    static DialogFolderRecord Parse(const std::string& bytes);

    // "" when the kind is unknown.
    std::string FolderFor(const std::string& kind) const;
    // Moves kind to the front with folder. A kind or folder holding a tab or a
    // line break cannot be kept in the record and is ignored (returns false).
    bool Remember(const std::string& kind, const std::string& folder);
    // The record, at most maxBytes long.
    std::string Serialize(std::size_t maxBytes) const;

    const std::vector<DialogFolderEntry>& Entries() const { return m_entries; }

private:
    std::vector<DialogFolderEntry> m_entries;
};

} // namespace vesk::app
