#pragma once
// The grid component as the result page meets it: libryxgrid.so loaded from
// the plug-in folder by the host's component loader, created inside a
// framework dialog, every notification it sends the dialog recorded.

#include "app/services/component_loader.h"
#include "framework/framework.h"
#include "host/grid_interface.h"

#include <QTableView>

#include <memory>
#include <vector>

namespace vesk::test {

inline constexpr int kGridId = 10021;

struct HeardNotify {
    UINT code = 0;
    HWND from = nullptr;
    UINT_PTR id = 0;
    int item = 0;
    int subItem = 0;
    int x = 0;
    int y = 0;
    UINT keyFlags = 0;
};

class GridHarness {
public:
    // A page of width × height pixels with the grid over all of it.
    explicit GridHarness(int width = 420, int height = 300);
    ~GridHarness();

    bool Ready() const { return m_grid != nullptr && m_error.empty(); }
    const std::string& Error() const { return m_error; }
    IRyxGridCtrl& Grid() { return *m_grid; }
    QWidget* Window() const;
    // The grid's table view, found as a child of its window.
    QTableView* View() const;
    CDialog& Page() { return m_page; }
    std::vector<HeardNotify>& Heard() { return m_heard; }

    // What the result page does: columns 序号, 投注号码 and `attributes`
    // more, then a refill with `rows` three-digit numbers.
    void SetUpColumns(int attributes);
    void Fill(int rows);
    // Releases the grid through the loader; false when it refused.
    bool Release();

private:
    app::ComponentLoader m_loader;
    CWnd m_host;
    CDialog m_page;
    IRyxGridCtrl* m_grid = nullptr;
    std::vector<HeardNotify> m_heard;
    std::string m_error;
};

// The center of a row's cell in the grid's viewport.
QPoint CellCenter(QTableView* view, int row, int column);

} // namespace vesk::test
