#pragma once
// CFileDialog: the open and save dialogs, answered by the interaction provider.

#include "framework/interaction.h"
#include "framework/styles.h"

#include <vector>

namespace vesk {

class CWnd;

class CFileDialog {
public:
    // filter as "Name|*.ext|...||"; defaultExtension with or without "*.".
    CFileDialog(BOOL openFileDialog, LPCSTR defaultExtension = nullptr, LPCSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK or IDCANCEL.
    INT_PTR DoModal();
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    const std::vector<CString>& GetPathNames() const { return m_result.paths; }
    int GetFilterIndex() const { return m_result.filterIndex; }
    void SetTitle(const CString& title) { m_request.title = title; }
    const FileDialogRequest& Request() const { return m_request; }

private:
    FileDialogRequest m_request;
    FileDialogResult m_result;
};

} // namespace vesk
