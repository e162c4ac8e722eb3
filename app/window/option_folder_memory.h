#pragma once
// The file dialogs' folder memory kept in the host's option record
// kOptionDialogFolders, so a dialog opens in last run's folder too.

#include "app/services/dialog_folder_record.h"
#include "app/services/option_store.h"
#include "framework/dialog_folders.h"

namespace vesk::app {

class OptionFolderMemory final : public FolderMemory {
public:
    // Reads the record now; options outlives this memory.
    explicit OptionFolderMemory(OptionStore& options);

    std::string FolderFor(const std::string& kind) const override;
    // Writes the record at once. When the write fails the folder is still
    // used for the rest of the run and the record on disk stays as it was.
    void Remember(const std::string& kind, const std::string& folder) override;

private:
    OptionStore& m_options;
    DialogFolderRecord m_record;
};

} // namespace vesk::app
