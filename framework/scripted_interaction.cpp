// Scripted answers for tests.
#include "framework/scripted_interaction.h"

#include "framework/cdialog.h"
#include "framework/cmenu.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace vesk {

ScriptedInteraction::ScriptedInteraction() : m_previous(&Interaction()) { SetInteraction(this); }

ScriptedInteraction::~ScriptedInteraction()
{
    // Restore whatever was installed before, unless another took over since.
    if (&Interaction() == this)
        SetInteraction(m_previous);
}

int ScriptedInteraction::MessageBox(const MessageBoxRequest& request)
{
    m_boxes.push_back(request);
    if (m_boxAnswers.empty()) {
        ++m_unexpected;
        return IDCANCEL;
    }
    const int answer = m_boxAnswers.front();
    m_boxAnswers.pop_front();
    return answer;
}

FileDialogResult ScriptedInteraction::FileDialog(const FileDialogRequest& request)
{
    m_files.push_back(request);
    if (m_fileAnswers.empty()) {
        ++m_unexpected;
        return {};
    }
    FileDialogResult answer = m_fileAnswers.front();
    m_fileAnswers.pop_front();
    // The real dialog adds the default extension to a typed name.
    const std::string extension = DefaultExtensionFor(request, answer.filterIndex);
    for (std::string& path : answer.paths)
        path = WithDefaultExtension(path, extension);
    return answer;
}

PrintDialogResult ScriptedInteraction::PrintDialog(const PrintDialogRequest& request)
{
    m_prints.push_back(request);
    if (m_printAnswers.empty()) {
        ++m_unexpected;
        return {};
    }
    PrintDialogResult answer = m_printAnswers.front();
    m_printAnswers.pop_front();
    return answer;
}

UINT ScriptedInteraction::ChooseMenuItem(const MenuRequest& request)
{
    RecordedMenu menu;
    menu.pt = request.pt;
    menu.owner = request.owner;
    if (IsMenu(request.menu)) {
        for (const MenuItem& item : request.menu->items) {
            menu.texts.push_back(item.text);
            menu.ids.push_back((item.flags & MF_POPUP) ? static_cast<UINT>(-1) : item.id);
        }
    }
    m_menus.push_back(std::move(menu));
    if (m_menuAnswers.empty()) {
        ++m_unexpected;
        return 0;
    }
    const UINT id = m_menuAnswers.front();
    m_menuAnswers.pop_front();
    return id;
}

void ScriptedInteraction::ModalDialogStarted(CDialog& dialog)
{
    if (m_modalActions.empty())
        return;
    auto action = std::move(m_modalActions.front());
    m_modalActions.pop_front();
    // Runs inside the dialog's loop, as a user would act on the shown dialog.
    QPointer<QWidget> window = dialog.m_hWnd;
    QTimer::singleShot(0, window, [action = std::move(action), &dialog, window] {
        if (window)
            action(dialog);
    });
}

} // namespace vesk
