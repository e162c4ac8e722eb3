// Tab controls over QTabBar.
#include "framework/ctabctrl.h"

#include "framework/control_classes.h"
#include "framework/qt_geometry.h"
#include "framework/quiet_change.h"
#include "framework/window_internal.h"

#include <QFontInfo>
#include <QTabBar>

#include <cstring>

namespace vesk {

namespace {

constexpr const char* kVeto = "vesk.veto";
constexpr int kMargin = 2;
// Padding round a head's text, as the system pads it.
constexpr int kTextPadX = 6;
constexpr int kTextPadY = 3;

// Heads sized as the system's: text height plus padding (about 20 pixels for
// the dialog font), text width plus padding, the row 2 pixels from the top
// and the left. Qt lays tabs out from the bar's corner, so the margin is
// part of Qt's first tab and top; the reported rectangles leave it out.
class SystemTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    // The font's em height, as the system measures a head (Qt's line
    // height adds the leading of CJK fonts).
    int HeadHeight() const { return QFontInfo(font()).pixelSize() + 2 * kTextPadY; }

    QRect ItemRect(int index) const
    {
        QRect r = tabRect(index);
        r.setTop(kMargin);
        r.setHeight(HeadHeight());
        if (index == 0)
            r.setLeft(r.left() + kMargin);
        return r;
    }

protected:
    QSize tabSizeHint(int index) const override
    {
        const int width = fontMetrics().horizontalAdvance(tabText(index)) + 2 * kTextPadX;
        return {width + (index == 0 ? kMargin : 0), kMargin + HeadHeight()};
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
};

using detail::IsQuiet;
using detail::Quietly;

QWidget* MakeTabs(const WindowCreateParams& params)
{
    auto* tabs = new detail::FrameworkWidget<SystemTabBar>(params.parent);
    tabs->setExpanding(false);
    tabs->setDrawBase(false);
    tabs->setUsesScrollButtons(true);
    // A user click asks first (TCN_SELCHANGING may refuse), then reports.
    QObject::connect(tabs, &QTabBar::tabBarClicked, tabs, [tabs](int index) {
        if (index >= 0 && index != tabs->currentIndex())
            tabs->setProperty(kVeto, detail::NotifyParent(tabs, TCN_SELCHANGING) != 0);
    });
    QObject::connect(tabs, &QTabBar::currentChanged, tabs, [tabs](int) {
        if (IsQuiet(tabs))
            return;
        if (tabs->property(kVeto).toBool()) {
            tabs->setProperty(kVeto, false);
            const int previous = tabs->property("vesk.previous").toInt();
            Quietly(tabs, [&] { tabs->setCurrentIndex(previous); return 0; });
            return;
        }
        tabs->setProperty("vesk.previous", tabs->currentIndex());
        detail::NotifyParent(tabs, TCN_SELCHANGE);
    });
    return tabs;
}

bool TabProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* tabs = dynamic_cast<SystemTabBar*>(widget);
    if (!tabs)
        return false;
    const int index = static_cast<int>(static_cast<LPARAM>(wParam));
    *result = 0;
    switch (message) {
    case TCM_INSERTITEMA: {
        const auto* item = reinterpret_cast<const TCITEM*>(lParam);
        const QString text = QString::fromUtf8(item && item->pszText ? item->pszText : "");
        const int at = (index < 0 || index > tabs->count()) ? tabs->count() : index;
        *result = Quietly(tabs, [&] { return tabs->insertTab(at, text); });
        tabs->setProperty("vesk.previous", tabs->currentIndex());
        return true;
    }
    case TCM_DELETEITEM:
        if (index < 0 || index >= tabs->count())
            return true;
        Quietly(tabs, [&] { tabs->removeTab(index); return 0; });
        tabs->setProperty("vesk.previous", tabs->currentIndex());
        *result = TRUE;
        return true;
    case TCM_DELETEALLITEMS:
        Quietly(tabs, [&] {
            while (tabs->count() > 0)
                tabs->removeTab(0);
            return 0;
        });
        *result = TRUE;
        return true;
    case TCM_GETITEMCOUNT:
        *result = tabs->count();
        return true;
    case TCM_GETCURSEL:
        *result = tabs->currentIndex();
        return true;
    case TCM_SETCURSEL: {
        const int previous = tabs->currentIndex();
        if (index < 0 || index >= tabs->count()) {
            *result = -1;
            return true;
        }
        Quietly(tabs, [&] { tabs->setCurrentIndex(index); return 0; });
        tabs->setProperty("vesk.previous", index);
        *result = previous;
        return true;
    }
    case TCM_GETITEMRECT:
        if (index < 0 || index >= tabs->count() || !lParam)
            return true;
        *reinterpret_cast<RECT*>(lParam) = FromQRect(tabs->ItemRect(index));
        *result = TRUE;
        return true;
    case TCM_GETITEMA: {
        auto* item = reinterpret_cast<TCITEM*>(lParam);
        if (index < 0 || index >= tabs->count() || !item)
            return true;
        if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
            const QByteArray utf8 = tabs->tabText(index).toUtf8();
            const size_t count = std::min<size_t>(static_cast<size_t>(utf8.size()), static_cast<size_t>(item->cchTextMax - 1));
            std::memcpy(item->pszText, utf8.constData(), count);
            item->pszText[count] = '\0';
        }
        if (item->mask & TCIF_PARAM)
            item->lParam = static_cast<LPARAM>(tabs->tabData(index).toLongLong());
        *result = TRUE;
        return true;
    }
    case TCM_SETITEMA: {
        const auto* item = reinterpret_cast<const TCITEM*>(lParam);
        if (index < 0 || index >= tabs->count() || !item)
            return true;
        if ((item->mask & TCIF_TEXT) && item->pszText)
            tabs->setTabText(index, QString::fromUtf8(item->pszText));
        if (item->mask & TCIF_PARAM)
            tabs->setTabData(index, QVariant::fromValue<qlonglong>(item->lParam));
        *result = TRUE;
        return true;
    }
    case TCM_ADJUSTRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect)
            return true;
        CRect r(*rect);
        const int head = kMargin + tabs->HeadHeight();
        if (wParam)
            r.InflateRect(kMargin, head + kMargin, kMargin, kMargin);
        else
            r.DeflateRect(kMargin, head + kMargin, kMargin, kMargin);
        *rect = r;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

namespace detail {

WindowClass TabControlClass() { return {"SysTabControl32", MakeTabs, TabProc}; }

} // namespace detail

BOOL CTabCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("SysTabControl32", nullptr, style, rect, parent, id);
}

LONG CTabCtrl::InsertItem(int index, const CString& text)
{
    TCITEM item;
    item.mask = TCIF_TEXT;
    std::string copy = text;
    item.pszText = copy.data();
    return static_cast<LONG>(SendMessage(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

BOOL CTabCtrl::DeleteItem(int index) { return static_cast<BOOL>(SendMessage(TCM_DELETEITEM, static_cast<WPARAM>(index))); }
BOOL CTabCtrl::DeleteAllItems() { return static_cast<BOOL>(SendMessage(TCM_DELETEALLITEMS)); }
int CTabCtrl::GetItemCount() const { return static_cast<int>(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETITEMCOUNT)); }
int CTabCtrl::GetCurSel() const { return static_cast<int>(const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETCURSEL)); }
int CTabCtrl::SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }

BOOL CTabCtrl::GetItemRect(int index, RECT* rect) const
{
    return static_cast<BOOL>(
        const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
}

BOOL CTabCtrl::GetItem(int index, TCITEM* item) const
{
    return static_cast<BOOL>(
        const_cast<CTabCtrl*>(this)->SendMessage(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

BOOL CTabCtrl::SetItem(int index, TCITEM* item)
{
    return static_cast<BOOL>(SendMessage(TCM_SETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
}

CString CTabCtrl::GetItemText(int index) const
{
    char buffer[256] = {};
    TCITEM item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = sizeof(buffer);
    return GetItem(index, &item) ? CString(buffer) : CString();
}

void CTabCtrl::AdjustRect(BOOL larger, RECT* rect) const
{
    const_cast<CTabCtrl*>(this)->SendMessage(TCM_ADJUSTRECT, static_cast<WPARAM>(larger), reinterpret_cast<LPARAM>(rect));
}

} // namespace vesk
