#pragma once
// ResultPage (template 8359): the page behind the workbench's 缩水器 and
// 回收区 tabs. One window shows either the result list or the recycle list
// (SetViewMode) in a grid component each, with the list operations, their
// undo history over both lists, the status labels, the right-click menu and
// the buttons to files, options, printing and the chart feature.
//
// The lists belong to the module's registry (taken at creation under the
// game's list key, given back on destruction); other parts of the workbench
// write into them and then call RecordChange. The grids are components the
// host loads; the page releases them on destruction. Buttons 8354 and 8546
// are forwarded unchanged to the page's grandparent (the workbench window).
//
// Choices beyond the page's contract:
// - The undo history is bounded by memory (history::UndoHistory's budget);
//   the oldest steps go first, the current state never.
// - Sort state is kept per grid of this page.
// - Files that cannot be read or written, damaged filter data files and
//   unknown extensions get a message; nothing changes then.

#include "framework/gdi_objects.h"
#include "framework/module_context.h"
#include "host/grid_interface.h"
#include "numbers/list_snapshot.h"
#include "pages/handoff/send_to_chart.h"
#include "pages/history/undo_history.h"
#include "pages/options/result_options.h"
#include "pages/result/column_sort.h"
#include "pages/result/grid_columns.h"
#include "pages/result/result_layout.h"
#include "skin/base_button.h"
#include "skin/base_check_box.h"
#include "skin/skinned_page.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace vesk {

class ModuleApp;
class NumberList;

namespace result {

enum class View { Recycle = 0, Result = 1 };
enum class GridChoice { Result = 0, Recycle = 1, Both = 2 };

class ResultPage : public SkinnedPage {
public:
    // app: the module's application object with the host attached (borrowed).
    explicit ResultPage(ModuleApp& app);
    ~ResultPage() override;

    // Creates the page as a child of parent (hidden until SetViewMode or the
    // tab container shows it). FALSE when the host is missing.
    BOOL Create(CWnd* parent);

    // Records the current state of both lists as one undo step and refills
    // the result grid.
    void RecordChange();
    void RefreshResultGrid();
    void RefreshRecycleGrid();
    void UpdateStatus();
    // 1 = result view, 0 = recycle view.
    void SetViewMode(int view);
    // Recomputes the attributes, records a step, refills the recycle grid.
    void RefreshAll();
    // Snapshot requests 101 and 102; they act only while option byte 0 is 1.
    // Take fills snapshot with a buffer the caller owns.
    bool TakeResultSnapshot(ListSnapshot* snapshot);
    bool RestoreResultSnapshot(const ListSnapshot* snapshot);
    // A copy of the result list for a feature that reads it, whatever the
    // options; false when there is no list or no memory for the copy.
    bool CopyResults(ListSnapshot* snapshot) const;

    // The user's operations, as the buttons and the menu run them.
    void AddNumber();
    void ModifyNumber(int row);
    void DeleteSelected();
    void ClearResults();
    void GroupToSingle();
    void SingleToGroup();
    void Undo();
    void Redo();
    void SortByColumn(GridChoice grid, int column);
    void OpenResultFile();
    // True when the list went to the file the user chose.
    bool SaveResultFile();
    void EditOptions();
    void PrintResults();
    void SendToChart();
    void ShowContextMenu();
    void ComputeAttributes();
    void SetupColumns(GridChoice which);

    // False once the page gave its lists back (its window is going).
    bool HoldsLists() const { return m_result != nullptr && m_recycle != nullptr; }
    NumberList& ResultList() { return *m_result; }
    NumberList& RecycleList() { return *m_recycle; }
    IRyxGridCtrl* ResultGrid() const { return m_resultGrid; }
    IRyxGridCtrl* RecycleGrid() const { return m_recycleGrid; }
    const history::UndoHistory& History() const { return m_history; }
    const options::ResultOptions& Options() const { return m_options; }
    const AttributeTable& Attributes() const { return m_table; }
    const std::vector<GridColumn>& Columns() const { return m_columns; }
    View CurrentView() const { return m_view; }
    CWnd* Workbench() const { return m_workbench; }

    // Numbers per line of saved number text (the editor page's setting);
    // without a source every number goes on one line.
    void SetNumbersPerLineSource(std::function<std::uint32_t()> source) { m_perLine = std::move(source); }
    void SetChartWait(handoff::ChartWait wait) { m_chartWait = wait; }
    // Told after every recorded step, undo and redo: the lists changed.
    void SetChangeListener(std::function<void()> listener) { m_changed = std::move(listener); }
    // Told when the result list matches a file again: saved, opened, or
    // restored from a condition set.
    void SetSavedListener(std::function<void()> listener) { m_saved = std::move(listener); }

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    IRyxGridCtrl* LoadGrid(unsigned id);
    void SetUpButtons();
    void HandleControls();
    void LayOut(int width, int height);
    void PlaceRow(const std::vector<Placement>& row);
    void ForwardToWorkbench();
    void OnOverwriteClicked();
    LRESULT OnGridNotify(NMHDR* header);
    void ReleaseEverything();
    void TellChanged();
    void ShowMessage(const std::string& text);
    IRyxGridCtrl* GridOf(GridChoice grid) const;

    ModuleApp& m_app;
    // The context the page was made in: its dialogs' templates are there,
    // also when user input (not a module entry) opens them.
    ModuleContext* m_context = nullptr;
    NumberList* m_result = nullptr;
    NumberList* m_recycle = nullptr;
    std::uint32_t m_listKey = 0;
    std::uint8_t m_listSubKey = 0;
    bool m_listsTaken = false;
    CWnd* m_workbench = nullptr;
    CBitmap m_buttonSkin;
    CBitmap m_checkImage;
    CBitmap m_editorIcon;
    options::ResultOptions m_options;
    IRyxGridCtrl* m_resultGrid = nullptr;
    IRyxGridCtrl* m_recycleGrid = nullptr;
    CBaseCheckBox m_overwrite;
    std::map<unsigned, CBaseButton> m_buttons;
    AttributeTable m_table;
    std::vector<GridColumn> m_columns;
    history::UndoHistory m_history;
    SortState m_resultSort;
    SortState m_recycleSort;
    View m_view = View::Result;
    std::function<std::uint32_t()> m_perLine;
    handoff::ChartWait m_chartWait;
    std::function<void()> m_changed;
    std::function<void()> m_saved;
};

} // namespace result
} // namespace vesk
