#include "tests/components/grid/grid_harness.h"

#include "tests/support/build_folders.h"
#include "tests/support/page_module.h"

#include <QHeaderView>
#include <QTest>

#include <cstdio>
#include <string>

namespace vesk::test {
namespace {

constexpr UINT kPage = 7301;

} // namespace

GridHarness::GridHarness(int width, int height) : m_loader(PluginFolder())
{
    ModuleContextGuard context(PageModule("grid-test", kPage));
    if (!m_host.Create(nullptr, "host", WS_POPUP | WS_VISIBLE, CRect(40, 40, 40 + width, 40 + height), nullptr, 0)
        || !m_page.Create(kPage, &m_host)) {
        m_error = "no dialog";
        return;
    }
    m_page.MoveWindow(0, 0, width, height);
    for (const UINT code : {NM_CLICK, NM_DBLCLK, NM_RCLICK}) {
        m_page.HandleNotify(kGridId, code, [this](NMHDR* header) {
            const auto* record = reinterpret_cast<const NMITEMACTIVATE*>(header);
            m_heard.push_back({header->code, header->hwndFrom, header->idFrom, record->iItem, record->iSubItem,
                               record->ptAction.x, record->ptAction.y, record->uKeyFlags});
            return LRESULT(0);
        });
    }
    m_page.HandleNotify(kGridId, LVN_COLUMNCLICK, [this](NMHDR* header) {
        const auto* record = reinterpret_cast<const NMLISTVIEW*>(header);
        m_heard.push_back({header->code, header->hwndFrom, header->idFrom, record->iItem, record->iSubItem,
                           record->ptAction.x, record->ptAction.y, 0});
        return LRESULT(0);
    });
    void* instance = m_loader.Load(kGridComponentName);
    if (!instance) {
        m_error = m_loader.LastError();
        return;
    }
    m_grid = static_cast<IRyxGridCtrl*>(instance);
    const Rect none{};
    if (m_grid->Create(&none, m_page.ToWindowHandle(), kGridId, 0, 0, 1) != 1) {
        m_error = "Create refused";
        return;
    }
    const Rect all{0, 0, width, height};
    m_grid->Move(&all);
    if (!QTest::qWaitForWindowExposed(m_host.m_hWnd))
        m_error = "the dialog never showed";
}

GridHarness::~GridHarness()
{
    Release();
}

bool GridHarness::Release()
{
    if (!m_grid)
        return false;
    const bool released = m_loader.Release(m_grid);
    m_grid = nullptr;
    return released;
}

QWidget* GridHarness::Window() const
{
    return m_grid ? FromWindowHandle(m_grid->GetWindow()) : nullptr;
}

QTableView* GridHarness::View() const
{
    QWidget* window = Window();
    return window ? window->findChild<QTableView*>() : nullptr;
}

void GridHarness::SetUpColumns(int attributes)
{
    m_grid->SetSize(0, attributes + 2);
    m_grid->SetMode(1, 0);
    m_grid->SetColumnTitle(0, "序号");
    m_grid->SetColumnTitle(1, "投注号码");
    for (int k = 0; k < attributes; ++k) {
        const std::string title = "属性" + std::to_string(k);
        m_grid->SetColumnTitle(k + 2, title.c_str());
        m_grid->SetColumnTag(k + 2, k);
    }
    m_grid->SetMetrics(6, 20, 10000);
}

void GridHarness::Fill(int rows)
{
    const SlotInt columns = m_grid->GetColumnCount();
    m_grid->SetSize(rows, 0);
    for (int row = 0; row < rows; ++row) {
        m_grid->SetCellNumber(row, 0, row + 1, 0x20);
        char number[8];
        std::snprintf(number, sizeof number, "%03d", row % 1000);
        m_grid->SetCellText(row, 1, number);
        for (SlotInt c = 2; c < columns; ++c)
            m_grid->SetCellNumber(row, c, (row + c) % 28, c == 9 ? 0x20 + 3 : 0x20);
    }
    m_grid->SetColumnColor(1, 0xFF0000, -1);
    m_grid->SetMode(1, 0);
    m_grid->SetMetrics(6, 20, 10000);
    m_grid->Redraw();
}

QPoint CellCenter(QTableView* view, int row, int column)
{
    return view->visualRect(view->model()->index(row, column)).center();
}

} // namespace vesk::test
