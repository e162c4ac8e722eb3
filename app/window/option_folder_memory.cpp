#include "app/window/option_folder_memory.h"

#include "application/option_ids.h"

namespace vesk::app {

OptionFolderMemory::OptionFolderMemory(OptionStore& options)
    : m_options(options)
{
    const auto bytes = options.Read(kOptionDialogFolders);
    m_record = DialogFolderRecord::Parse(bytes ? std::string(bytes->begin(), bytes->end()) : std::string());
}

std::string OptionFolderMemory::FolderFor(const std::string& kind) const { return m_record.FolderFor(kind); }

void OptionFolderMemory::Remember(const std::string& kind, const std::string& folder)
{
    if (!m_record.Remember(kind, folder))
        return;
    const std::string text = m_record.Serialize(MaxOptionLength(kOptionDialogFolders));
    m_options.Write(kOptionDialogFolders, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

} // namespace vesk::app
