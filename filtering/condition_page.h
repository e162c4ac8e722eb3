#pragma once
// ConditionPage: the fixed-condition page (固定条件) and the combined-condition
// page (组合条件), two instances of one class that differ only in the values
// of ConditionPageKind. A page is an empty child dialog holding the filter
// component's condition window; it owns the filter engine that window edits,
// hands its conditions over through its ConditionStateFile, and offers the
// workbench the two steps of a run: PrepareRun, then FilterList.
//
// The host and the analysis service come from ModuleApp::Instance(); the
// ModuleInstance pointer is set before Create. The engine and the window
// live exactly as long as the page's window.

#include "filtering/condition_state_file.h"
#include "framework/cdialog.h"
#include "framework/gdi_objects.h"
#include "host/filter_interfaces.h"

namespace vesk {

class IModule;
class NumberList;

inline constexpr UINT IDD_FIXED_CONDITION_PAGE = 1004;
inline constexpr UINT IDD_COMBINED_CONDITION_PAGE = 1002;

struct ConditionPageKind {
    UINT templateId;
    SlotInt pageKind;   // IRyxFilter slot 2
    SlotInt placement;  // IRyxConWnd slot 8
    bool countBySlot18; // the count at destruction: slot 18 (0), else slot 13
    const char* stateExtension;
};

inline constexpr ConditionPageKind kFixedConditionPage{IDD_FIXED_CONDITION_PAGE, 0, 4, true, "gfc"};
inline constexpr ConditionPageKind kCombinedConditionPage{IDD_COMBINED_CONDITION_PAGE, 1, 2, false, "zfc"};

// Template 1004: an empty child of 187 x 100 dialog units.
DialogTemplate FixedConditionPageTemplate();
// Template 1002: an empty child of 164 x 151 dialog units.
DialogTemplate CombinedConditionPageTemplate();

class ConditionPage : public CDialog {
public:
    explicit ConditionPage(const ConditionPageKind& kind);
    ~ConditionPage() override;

    // The module instance handed to the component as its catalogue provider.
    void SetModuleInstance(IModule* module) { m_module = module; }
    // Creates the page from its template as a child of parent (hidden until shown).
    BOOL Create(CWnd* parent);

    // text: a zeroed 256-byte buffer. The condition window commits its edits,
    // then the filter answers: nonzero to go ahead, 0 with its message in text.
    SlotInt PrepareRun(char* text);
    // Marks (in place, order kept) every record the filter rejects. Returns 1.
    SlotInt FilterList(NumberList& list);

    const ConditionPageKind& Kind() const { return m_kind; }
    IRyxFilter* Filter() const { return m_filter; }
    IRyxConWnd* ConditionWindow() const { return m_conditionWindow; }
    CWnd* Workbench() const { return m_workbench; }
    const ConditionStateFile& StateFile() const { return m_stateFile; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnSize(int width, int height);
    void OnDestroy();
    SlotInt ConditionCount();

    // In the order the page keeps them.
    IRyxFilter* m_filter = nullptr;
    CBrush m_brush;
    CWnd* m_workbench = nullptr;
    IRyxConWnd* m_conditionWindow = nullptr;
    SlotInt m_stateKey = 0;
    SlotInt m_stateNumber = 0;
    IModule* m_module = nullptr;

    ConditionPageKind m_kind;
    ConditionStateFile m_stateFile;
};

} // namespace vesk
