#pragma once
// The interaction provider: everything that asks the user and waits for an
// answer (message boxes, file dialogs, the choice of a popup menu, the start
// of a modal dialog). The default provider shows Qt dialogs; tests install a
// ScriptedInteraction that answers from a queue and records what was asked.

#include "framework/geometry.h"
#include "framework/win_types.h"

#include <string>
#include <vector>

namespace vesk {

class CDialog;
struct MenuData;

struct MessageBoxRequest {
    HWND parent = nullptr;
    std::string text;
    std::string caption;
    UINT type = 0; // MB_ button set | MB_ icon
    // The yes, no and cancel buttons' own words where the standard ones would
    // not say what happens ("保存…", "不保存"); empty keeps the standard.
    std::string yesText = {};
    std::string noText = {};
    std::string cancelText = {};
};

struct FileDialogRequest {
    bool open = true;
    HWND parent = nullptr;
    std::string title;
    std::string defaultExtension; // "txt", "*.txt" or a list "*.txt|*.flt" (see DefaultExtensionFor)
    std::string fileName;         // initial name (and folder)
    std::string filter;           // "Text files (*.txt)|*.txt|All (*.*)|*.*||"
    DWORD flags = 0;              // OFN_ALLOWMULTISELECT, OFN_OVERWRITEPROMPT, ...
};

struct FileDialogResult {
    bool accepted = false;
    std::vector<std::string> paths; // several with OFN_ALLOWMULTISELECT
    int filterIndex = 1;            // 1-based
};

struct PrintDialogRequest {
    HWND parent = nullptr;
    std::string title;
    int pageCount = 1; // pages the job has; the dialog offers a range within them
};

// Where and what to print. A non-empty outputFile prints to that PDF file,
// else to printerName (empty: the system's default printer).
struct PrintDialogResult {
    bool accepted = false;
    std::string printerName;
    std::string outputFile;
    int fromPage = 0; // 1-based; 0 and 0: every page
    int toPage = 0;
    int copies = 1;
};

struct MenuRequest {
    HMENU menu = nullptr;
    HWND owner = nullptr;
    POINT pt; // screen coordinates
};

class InteractionProvider {
public:
    virtual ~InteractionProvider() = default;
    // Returns IDOK, IDCANCEL, IDYES, IDNO, ...
    virtual int MessageBox(const MessageBoxRequest& request) = 0;
    virtual FileDialogResult FileDialog(const FileDialogRequest& request) = 0;
    virtual PrintDialogResult PrintDialog(const PrintDialogRequest& request) = 0;
    // The chosen command id, 0 when the menu is dismissed.
    virtual UINT ChooseMenuItem(const MenuRequest& request) = 0;
    // A modal dialog's loop is about to run (it is shown and initialised).
    virtual void ModalDialogStarted(CDialog& dialog) {}
};

// The provider in use; the Qt provider unless another was set.
InteractionProvider& Interaction();
// Installs provider (not owned); null restores the Qt provider.
void SetInteraction(InteractionProvider* provider);

// Convenience for message boxes without a window.
int AfxMessageBox(const CString& text, UINT type = 0, const CString& caption = {});

// Splits a "Name|*.a;*.b|Other|*.c||" filter into Qt's "Name (*.a *.b);;Other (*.c)".
std::string QtFileFilter(const std::string& filter);
// The extension a dialog adds to a typed name without one: that of the filter
// the user picked (1-based; its first pattern "*.ext"), else the first of the
// request's default extensions ("*.txt|*.flt" gives "txt"); "" for none.
std::string DefaultExtensionFor(const FileDialogRequest& request, int filterIndex);
// Adds extension ("txt", "*.txt" and ".txt" alike) to a name that has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

} // namespace vesk
