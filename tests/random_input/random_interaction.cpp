#include "tests/random_input/random_interaction.h"

#include "framework/cmenu.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "tests/support/file_dialog_probe.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <filesystem>
#include <fstream>

namespace vesk::test {

namespace {

// The answers a box of that type can give.
std::vector<int> AnswersOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

template <class T>
const T& Pick(std::mt19937& random, const std::vector<T>& from)
{
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
}

} // namespace

RandomInteraction::RandomInteraction(std::mt19937& random, std::vector<std::string> files, std::string folder)
    : m_random(random), m_files(std::move(files)), m_folder(std::move(folder))
{
}

int RandomInteraction::MessageBox(const MessageBoxRequest& request)
{
    if (request.text.rfind("程序内部错误", 0) == 0)
        m_internalErrors.push_back(request.text);
    QueueMessageBoxAnswer(Pick(m_random, AnswersOf(request.type)));
    return ScriptedInteraction::MessageBox(request);
}

FileDialogResult RandomInteraction::TryToDeleteInARealDialog(FileDialogRequest request)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(m_folder) / "dialog";
    const fs::path keep = folder / "keep";
    fs::create_directories(keep);
    std::ofstream(keep / "bets.txt") << "123 456\n";
    request.fileName = folder.string() + "/";
    ++m_realDialogs;
    m_realDialog = true;
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            PressDeleteOnFolder(*dialog, QStringLiteral("keep"));
            dialog->reject();
        }
    });
    SetInteraction(nullptr);
    const FileDialogResult result = Interaction().FileDialog(request);
    SetInteraction(this);
    m_realDialog = false;
    if (!fs::exists(keep / "bets.txt"))
        m_internalErrors.push_back("a file dialog deleted " + keep.string());
    return result;
}

FileDialogResult RandomInteraction::FileDialog(const FileDialogRequest& request)
{
    if (m_random() % 10 == 0)
        return TryToDeleteInARealDialog(request);
    if (m_files.empty() || m_random() % 4 == 0) {
        QueueFileCancel();
    } else {
        // The first file is the one worth opening most: it leads furthest.
        std::vector<std::string> paths{m_random() % 3 == 0 ? m_files.front() : Pick(m_random, m_files)};
        if ((request.flags & OFN_ALLOWMULTISELECT) && m_random() % 2)
            paths.push_back(Pick(m_random, m_files));
        QueueFileSelection(std::move(paths));
    }
    return ScriptedInteraction::FileDialog(request);
}

PrintDialogResult RandomInteraction::PrintDialog(const PrintDialogRequest& request)
{
    if (m_random() % 2)
        QueuePrintToFile(m_folder + "print.pdf");
    else
        QueuePrintAnswer({});
    return ScriptedInteraction::PrintDialog(request);
}

UINT RandomInteraction::ChooseMenuItem(const MenuRequest& request)
{
    std::vector<UINT> ids{0};
    if (IsMenu(request.menu)) {
        for (const MenuItem& item : request.menu->items)
            if (!(item.flags & (MF_POPUP | MF_SEPARATOR)) && item.id != 0)
                ids.push_back(item.id);
    }
    QueueMenuChoice(Pick(m_random, ids));
    return ScriptedInteraction::ChooseMenuItem(request);
}

} // namespace vesk::test
