// The open and save dialogs through the interaction provider.
#include "framework/cfiledialog.h"

#include "framework/cwnd.h"

#include <QFileInfo>

namespace vesk {

CFileDialog::CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension, LPCSTR fileName, DWORD flags, LPCSTR filter,
                         CWnd* parent)
{
    m_request.open = openFileDialog != FALSE;
    m_request.defaultExtension = defaultExtension ? defaultExtension : "";
    m_request.fileName = fileName ? fileName : "";
    m_request.flags = flags;
    m_request.filter = filter ? filter : "";
    m_request.parent = parent ? parent->m_hWnd : nullptr;
}

INT_PTR CFileDialog::DoModal()
{
    m_result = Interaction().FileDialog(m_request);
    if (m_result.accepted && m_result.paths.empty())
        m_result.accepted = false;
    return m_result.accepted ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return m_result.paths.empty() ? CString() : m_result.paths.front(); }

CString CFileDialog::GetFileName() const
{
    return QFileInfo(QString::fromStdString(GetPathName())).fileName().toStdString();
}

CString CFileDialog::GetFileExt() const
{
    return QFileInfo(QString::fromStdString(GetPathName())).suffix().toStdString();
}

CString CFileDialog::GetFileTitle() const
{
    return QFileInfo(QString::fromStdString(GetPathName())).completeBaseName().toStdString();
}

} // namespace vesk
