#pragma once
// Where file dialogs start: in the folder the user last chose a file of the
// same kind in, else in the user's documents folder. The program installs a
// FolderMemory that keeps those folders across runs (the host keeps them in
// its options); without one they are remembered for the run only.

#include "framework/interaction.h"

#include <string>

namespace vesk {

class FolderMemory {
public:
    virtual ~FolderMemory() = default;
    // The folder last used for kind, "" when none is known.
    virtual std::string FolderFor(const std::string& kind) const = 0;
    virtual void Remember(const std::string& kind, const std::string& folder) = 0;
};

// The memory in use; one for the run only unless another was set.
FolderMemory& DialogFolders();
// Installs memory (not owned); null restores the memory for the run only.
void SetDialogFolders(FolderMemory* memory);

// The kind of file a dialog asks for: the extension of its first filter or
// default extension, lower-cased ("txt", "xls"), "*" when it names none.
std::string FileKindOf(const FileDialogRequest& request);

// Where the dialog opens: the request's own name when it carries an absolute
// folder; else the name in the folder remembered for its kind when that
// folder still exists, else in the documents folder (the home folder when
// there is none). Returns a folder path when the request has no name.
std::string StartPathFor(const FileDialogRequest& request, const FolderMemory& memory);

// Remembers the folder of the first chosen file for the request's kind;
// nothing for a cancelled dialog.
void RememberChosenFolder(const FileDialogRequest& request, const FileDialogResult& result, FolderMemory& memory);

} // namespace vesk
