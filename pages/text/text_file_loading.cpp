#include "pages/text/text_file_loading.h"

#include "framework/cfiledialog.h"
#include "framework/cwnd.h"
#include "numbers/text_encoding.h"

#include <QFile>
#include <QStringDecoder>

namespace vesk {

std::optional<std::string> ReadTextFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (IsValidUtf8(text))
        return text;
    QStringDecoder decoder("GB18030");
    const QString decoded = decoder.decode(bytes);
    return decoded.toStdString();
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
        std::optional<std::string> text = ReadTextFile(path);
        if (!text) {
            loaded.files.clear();
            loaded.unreadable = path;
            return loaded;
        }
        loaded.files.push_back(std::move(*text));
    }
    return loaded;
}

void ReportUnreadable(CWnd* parent, const std::string& path)
{
    if (parent)
        parent->MessageBox("无法读取文件：" + path, "提示信息", MB_OK | MB_ICONINFORMATION);
}

} // namespace vesk
