#include "framework/dialog_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <map>

namespace vesk {
namespace {

class RunMemory final : public FolderMemory {
public:
    std::string FolderFor(const std::string& kind) const override
    {
        const auto found = m_folders.find(kind);
        return found == m_folders.end() ? std::string() : found->second;
    }
    void Remember(const std::string& kind, const std::string& folder) override { m_folders[kind] = folder; }

private:
    std::map<std::string, std::string> m_folders;
};

RunMemory& RunOnly()
{
    static RunMemory memory;
    return memory;
}

FolderMemory* g_memory = nullptr;

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

} // namespace

FolderMemory& DialogFolders() { return g_memory ? *g_memory : RunOnly(); }

void SetDialogFolders(FolderMemory* memory) { g_memory = memory; }

std::string FileKindOf(const FileDialogRequest& request)
{
    const std::string extension = QString::fromStdString(DefaultExtensionFor(request, 1)).toLower().toStdString();
    return extension.empty() ? "*" : extension;
}

std::string StartPathFor(const FileDialogRequest& request, const FolderMemory& memory)
{
    const QString name = QString::fromStdString(request.fileName);
    if (!name.isEmpty() && QDir::isAbsolutePath(name))
        return request.fileName;
    QString folder = QString::fromStdString(memory.FolderFor(FileKindOf(request)));
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir())
        folder = DocumentsFolder();
    if (name.isEmpty())
        return folder.toStdString();
    return QDir(folder).filePath(name).toStdString();
}

void RememberChosenFolder(const FileDialogRequest& request, const FileDialogResult& result, FolderMemory& memory)
{
    if (!result.accepted || result.paths.empty())
        return;
    const QFileInfo chosen(QString::fromStdString(result.paths.front()));
    memory.Remember(FileKindOf(request), chosen.absolutePath().toStdString());
}

} // namespace vesk
