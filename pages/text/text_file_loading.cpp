#include "pages/text/text_file_loading.h"

#include "framework/cfiledialog.h"
#include "framework/cwnd.h"
#include "numbers/text_encoding.h"

#include <QFile>
#include <QStringDecoder>

#include <new>

namespace vesk {

std::optional<std::string> ReadTextFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxTextFileBytes)
        return std::nullopt;
    try {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        if (IsValidUtf8(text))
            return text;
        QStringDecoder decoder("GB18030");
        const QString decoded = decoder.decode(bytes);
        return decoded.toStdString();
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string FollowedByBlankLines(const std::vector<std::string>& texts)
{
    std::string joined;
    for (const std::string& text : texts) {
        joined += text;
        joined += "\r\n\r\n";
    }
    return joined;
}

LoadedTexts AskForTextFiles(CWnd* parent, FileChoice choice)
{
    DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (choice == FileChoice::Several)
        flags |= OFN_ALLOWMULTISELECT;
    CFileDialog dialog(TRUE, "*.txt", nullptr, flags, "文本文件(*.txt)|*.txt||", parent);
    LoadedTexts loaded;
    if (dialog.DoModal() != IDOK)
        return loaded;
    loaded.chosen = true;
    std::vector<CString> paths = dialog.GetPathNames();
    if (paths.empty() && !dialog.GetPathName().empty())
        paths.push_back(dialog.GetPathName());
    for (const CString& path : paths) {
        if (std::optional<std::string> text = ReadTextFile(path))
            loaded.files.push_back(std::move(*text));
        else
            loaded.unreadable.push_back(path);
    }
    return loaded;
}

void ReportUnreadable(CWnd* parent, const std::vector<std::string>& paths)
{
    if (!parent || paths.empty())
        return;
    std::string text = "无法读取文件（不存在、无权读取或大于 512 MB）：";
    for (const std::string& path : paths)
        text += "\n" + path;
    parent->MessageBox(text, "提示信息", MB_OK | MB_ICONINFORMATION);
}

} // namespace vesk
