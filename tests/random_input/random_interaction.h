#pragma once
// Answers every question the program asks with a random but sensible answer:
// a button of the message box's own set, a file among a few prepared ones (or
// a cancel), a menu item of the menu shown, a print to a PDF file. Messages
// that report an internal error are kept, so that the test can fail on them.
// Now and then a file dialog is the real one, shown on a folder of its own,
// where Delete on a sub-folder is pressed and answered yes: the sub-folder
// must still be there afterwards.

#include "framework/scripted_interaction.h"

#include <random>
#include <string>
#include <vector>

namespace vesk::test {

class RandomInteraction : public ScriptedInteraction {
public:
    // files: paths offered to open and save dialogs; folder: where prints go.
    RandomInteraction(std::mt19937& random, std::vector<std::string> files, std::string folder);

    int MessageBox(const MessageBoxRequest& request) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    PrintDialogResult PrintDialog(const PrintDialogRequest& request) override;
    UINT ChooseMenuItem(const MenuRequest& request) override;

    // The texts of messages that say the program failed inside, and of
    // folders a real file dialog deleted.
    const std::vector<std::string>& InternalErrors() const { return m_internalErrors; }
    // A real file dialog is up: random steps keep away from it, so that
    // nothing leaves its folder (no Backspace, no typed paths).
    bool RealDialogShown() const { return m_realDialog; }
    int RealDialogs() const { return m_realDialogs; }

private:
    std::mt19937& m_random;
    std::vector<std::string> m_files;
    std::string m_folder;
    std::vector<std::string> m_internalErrors;
    bool m_realDialog = false;
    int m_realDialogs = 0;

    FileDialogResult TryToDeleteInARealDialog(FileDialogRequest request);
};

} // namespace vesk::test
