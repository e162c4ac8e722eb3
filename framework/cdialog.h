#pragma once
// CDialog: a window made from a dialog template of the current module
// context. Create makes it modeless (a child when the template has WS_CHILD,
// else a pop-up owned by the parent); DoModal runs it in a nested loop until
// EndDialog and returns the value given there (IDOK, IDCANCEL, ...), or -1
// when the template is missing.
//
// The template's controls become real widgets with their ids, texts and
// rectangles; members attach to them with SubclassDlgItem in OnInitDialog.
// Buttons IDOK and IDCANCEL call OnOK and OnCancel, which end a modal dialog
// (and hide a modeless one). Escape sends IDCANCEL, Enter IDOK when a
// pre-translation filter runs (see pre_translate.h).

#include "framework/cwnd.h"
#include "framework/dialog_template.h"

#include <memory>

class QEventLoop;

namespace vesk {

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    using CWnd::Create;
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    // Called once the controls exist (WM_INITDIALOG). Return TRUE to let the
    // framework focus the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    UINT GetTemplateId() const { return m_templateId; }
    bool IsModal() const { return m_loop != nullptr; }
    // The dialog font (as WM_GETFONT returns it) and its dialog units.
    const DialogUnits& Units() const { return m_units; }
    // Dialog units to pixels, as the template's rectangles are converted.
    void MapDialogRect(RECT* rect) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    void NextDlgCtrl() const;

    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL CreateFromTemplate(const DialogTemplate& dialog, CWnd* parent, bool modal);

    UINT m_templateId = 0;
    CWnd* m_parent = nullptr;

private:
    void NotifyButton(HWND button);

    std::unique_ptr<CFont> m_font;
    DialogUnits m_units;
    QEventLoop* m_loop = nullptr;
    int m_result = -1;
    bool m_ended = false;
};

} // namespace vesk
