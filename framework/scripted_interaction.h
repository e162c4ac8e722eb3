#pragma once
// A scripted interaction provider for tests: answers come from queues, every
// request is recorded. Installed for its lifetime (restores the previous
// provider when destroyed). An unexpected request (empty queue) is answered
// with IDCANCEL / a cancelled dialog / no menu choice and counted.

#include "framework/interaction.h"

#include <deque>
#include <functional>

namespace vesk {

struct RecordedMenu {
    POINT pt;
    HWND owner = nullptr;
    std::vector<std::string> texts; // item texts in order ("" for separators)
    std::vector<UINT> ids;
};

class ScriptedInteraction : public InteractionProvider {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    void QueueMessageBoxAnswer(int answer) { m_boxAnswers.push_back(answer); }
    void QueueFileDialogAnswer(FileDialogResult answer) { m_fileAnswers.push_back(std::move(answer)); }
    void QueueFileSelection(std::vector<std::string> paths) { m_fileAnswers.push_back({true, std::move(paths), 1}); }
    void QueueFileCancel() { m_fileAnswers.push_back({}); }
    void QueueMenuChoice(UINT id) { m_menuAnswers.push_back(id); }
    void QueuePrintAnswer(PrintDialogResult answer) { m_printAnswers.push_back(std::move(answer)); }
    // Every page to the PDF file at path.
    void QueuePrintToFile(std::string path) { m_printAnswers.push_back({true, {}, std::move(path), 0, 0, 1}); }
    // Runs once the next modal dialog is shown (e.g. sets fields, then EndDialog).
    void QueueModalAction(std::function<void(CDialog&)> action) { m_modalActions.push_back(std::move(action)); }

    const std::vector<MessageBoxRequest>& MessageBoxes() const { return m_boxes; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return m_files; }
    const std::vector<RecordedMenu>& Menus() const { return m_menus; }
    const std::vector<PrintDialogRequest>& PrintDialogs() const { return m_prints; }
    int UnexpectedRequests() const { return m_unexpected; }

    int MessageBox(const MessageBoxRequest& request) override;
    FileDialogResult FileDialog(const FileDialogRequest& request) override;
    PrintDialogResult PrintDialog(const PrintDialogRequest& request) override;
    UINT ChooseMenuItem(const MenuRequest& request) override;
    void ModalDialogStarted(CDialog& dialog) override;

private:
    InteractionProvider* m_previous;
    std::deque<int> m_boxAnswers;
    std::deque<FileDialogResult> m_fileAnswers;
    std::deque<UINT> m_menuAnswers;
    std::deque<PrintDialogResult> m_printAnswers;
    std::deque<std::function<void(CDialog&)>> m_modalActions;
    std::vector<MessageBoxRequest> m_boxes;
    std::vector<FileDialogRequest> m_files;
    std::vector<RecordedMenu> m_menus;
    std::vector<PrintDialogRequest> m_prints;
    int m_unexpected = 0;
};

} // namespace vesk
