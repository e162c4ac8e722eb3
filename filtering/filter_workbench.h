#pragma once
// FilterWorkbench: the module's own feature, the number-filter workbench. A
// modeless child dialog (template 1000) that the module instance creates
// once in the host's feature area and only hides when another feature opens.
//
// It owns and lays out its three panes (the grouping panel, the left and the
// right tab container with their pages) and is their switchboard: the pages
// forward their transfer buttons here, and it runs number generation and the
// filter run, both of which end in the result page's list.

#include "filtering/containers/left_tab_container.h"
#include "filtering/containers/right_tab_container.h"
#include "filtering/grouping/grouping_panel.h"
#include "filtering/rules/unsaved_work.h"
#include "filtering/workbench_recovery.h"
#include "framework/cdialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace vesk {

class IModule;
class CountPage;
class EditorPage;
class StagingPage;
namespace result {
class ResultPage;
}

inline constexpr UINT IDD_FILTER_WORKBENCH = 1000;

inline constexpr char kWrongPageForRun[] = "必须在相应的缩水条件页面才能进行缩水！";
inline constexpr char kRunCaption[] = "提示信息";
inline constexpr char kRecoveryQuestion[] = "恢复上次未保存的号码？";
// In the data folder (host directory 2).
inline constexpr char kRecoveryFileName[] = "unsaved-numbers.recovery";
// The buttons of the question before the program ends with unsaved work.
inline constexpr char kQuitSave[] = "保存…";
inline constexpr char kQuitDiscard[] = "不保存";
inline constexpr char kQuitCancel[] = "取消";

// Template 1000: a borderless child of 367 x 181 dialog units.
DialogTemplate FilterWorkbenchTemplate();

class FilterWorkbench : public CDialog {
public:
    // owner: the module instance that opened it (not owned).
    explicit FilterWorkbench(IModule* owner);
    ~FilterWorkbench() override;

    IModule* Owner() const { return m_owner; }
    // Creates the window from template 1000 of the current module context.
    BOOL CreateIn(CWnd* parent);

    // Recomputes the result pages' attributes and shows both lists again.
    void RefreshAll();
    // Fills array (a C3DUIntArray) with the presence array of the editor
    // page's numbers; leaves it alone while the workbench has no editor page.
    void FillEditorNumbers(void* array);

    // 组号: the grouping panel's digits become the result list.
    void GenerateNumbers();
    // 缩水: the conditions of the condition tab in front judge the result
    // list; rejected numbers move to the recycle list.
    void RunFilter();
    // 统计: the editor's numbers counted into the number-count page.
    void CountEditorNumbers();
    // The text transfers of the pages' buttons (8353, 8354, 8541, 8546, 8552).
    void TransferEditorText();
    void TransferResultsToEditor();
    void TransferRecycleToEditor();
    void TransferCountsToStaging();
    void TransferStagingToEditor();

    // Places the panes for a client of width x height (narrow below 800).
    void LayoutPanes(int width, int height);

    GroupingPanel& Grouping() { return m_grouping; }
    LeftTabContainer& Left() { return m_left; }
    RightTabContainer& Right() { return m_right; }

protected:
    BOOL OnInitDialog() override;

private:
    void RegisterCommands();
    LRESULT OnEraseBackground(WPARAM wParam);
    LRESULT OnTransferNumbers(std::uintptr_t kind, const void* source);
    void OnRightPageChanged();
    void CloseFeature();
    // Offers the work an unclean end left behind, then keeps the copy current.
    void StartRecovery();
    void RestoreWork(history::RecoveredWork& work);
    // The result list changed: the recovery copy follows, and the condition
    // windows preview over the new list.
    void OnResultsChanged();
    // The user asked to end the program: asks about unsaved work and saves
    // it if asked to. False keeps the program open; true removes the
    // recovery copy, as the user chose this end.
    bool MayQuit();
    void HandJudgedList();
    // The page behind the left tab of that number, or null for non-condition tabs.
    ConditionPage* ConditionPageOf(int leftPage);
    // The digits per number of the game (host service 2), 3 without a game.
    static int GameLength();
    // An information box over the workbench.
    void ShowMessage(const std::string& text, const char* caption);
    // Appends text to the editor, with the editor tab in front.
    void AppendToEditor(const CString& text);

    // Shortcuts to the pages, set in OnInitDialog.
    GroupingPanel* m_groupingPanel = nullptr;
    ConditionPage* m_fixedPage = nullptr;
    ConditionPage* m_combinedPage = nullptr;
    EditorPage* m_editorPage = nullptr;
    CountPage* m_countPage = nullptr;
    result::ResultPage* m_resultPage = nullptr;
    StagingPage* m_stagingPage = nullptr;
    // Only right and bottom are written: the client size.
    RECT m_client{0, 0, 0, 0};
    GroupingPanel m_grouping;
    LeftTabContainer m_left;
    RightTabContainer m_right;
    IModule* m_owner;
    std::unique_ptr<WorkbenchRecovery> m_recovery;
    workbench::SavedWork m_savedWork;
};

} // namespace vesk
