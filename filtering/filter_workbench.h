#pragma once
// FilterWorkbench: the module's own feature, the number-filter workbench. A
// modeless child dialog (template 1000) that the module instance creates
// once in the host's feature area and only hides when another feature opens.
// Its panes and pages join it as they are built; until then it is the empty
// pane background.

#include "framework/cdialog.h"

namespace vesk {

class IModule;

inline constexpr UINT IDD_FILTER_WORKBENCH = 1000;

// Template 1000: a borderless child of 367 x 181 dialog units.
DialogTemplate FilterWorkbenchTemplate();

class FilterWorkbench : public CDialog {
public:
    // owner: the module instance that opened it (not owned).
    explicit FilterWorkbench(IModule* owner);

    IModule* Owner() const { return m_owner; }
    // Creates the window from template 1000 of the current module context.
    BOOL CreateIn(CWnd* parent);

    // Recomputes the result pages' attributes and shows both lists again.
    void RefreshAll();
    // Fills array (a UIntArray) with the presence array of the editor page's
    // numbers; leaves it alone while the workbench has no editor page.
    void FillEditorNumbers(void* array);

private:
    LRESULT OnEraseBackground(WPARAM wParam);
    LRESULT OnPaint();

    IModule* m_owner;
};

} // namespace vesk
