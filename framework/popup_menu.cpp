// The popup window of menus.
#include "framework/popup_menu.h"

#include "framework/cdc.h"
#include "framework/cmenu.h"
#include "framework/cwnd.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace vesk::detail {

namespace {

constexpr int kPlainHeight = 20;
constexpr int kSeparatorHeight = 7;

class PopupMenu : public QWidget {
public:
    PopupMenu(HMENU menu, HWND owner) : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint), m_menu(menu), m_owner(owner)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_DeleteOnClose, false);
        Measure();
    }

    UINT Run(QPoint at)
    {
        move(at);
        show();
        QEventLoop loop;
        m_loop = &loop;
        loop.exec();
        m_loop = nullptr;
        return m_chosen;
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        CDC dc;
        dc.AttachPainter(&painter, this);
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const MenuItem& item = m_menu->items[i];
            const QRect row = m_rows[i];
            const bool selected = static_cast<int>(i) == m_hot;
            if (item.flags & MF_OWNERDRAW) {
                DRAWITEMSTRUCT draw;
                draw.CtlType = ODT_MENU;
                draw.itemID = item.id;
                draw.itemAction = ODA_DRAWENTIRE;
                draw.itemState = (selected ? ODS_SELECTED : 0) | ((item.flags & MF_GRAYED) ? ODS_GRAYED : 0)
                                 | ((item.flags & MF_DISABLED) ? ODS_DISABLED : 0) | ((item.flags & MF_CHECKED) ? ODS_CHECKED : 0);
                draw.hMenu = m_menu;
                draw.hDC = &dc;
                draw.rcItem = CRect(row.left(), row.top(), row.right() + 1, row.bottom() + 1);
                draw.itemData = item.itemData;
                painter.save();
                if (m_owner)
                    SendMessage(m_owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
                painter.restore();
                dc.AttachPainter(&painter, this);
                continue;
            }
            if (item.flags & MF_SEPARATOR) {
                painter.setPen(palette().color(QPalette::Mid));
                painter.drawLine(row.left() + 2, row.center().y(), row.right() - 2, row.center().y());
                continue;
            }
            if (selected)
                painter.fillRect(row, palette().color(QPalette::Highlight));
            painter.setPen(palette().color((item.flags & MF_GRAYED) ? QPalette::Mid
                                           : selected               ? QPalette::HighlightedText
                                                                    : QPalette::Text));
            const QStringList parts = QString::fromUtf8(item.text.c_str()).split(QLatin1Char('\t'));
            painter.drawText(row.adjusted(20, 0, -16, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, parts.value(0));
            if (parts.size() > 1)
                painter.drawText(row.adjusted(20, 0, -16, 0), Qt::AlignVCenter | Qt::AlignRight, parts.value(1));
            if (item.flags & MF_CHECKED)
                painter.drawText(QRect(row.left(), row.top(), 20, row.height()), Qt::AlignCenter, QStringLiteral("✓"));
        }
        dc.DeleteDC();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const int hot = RowAt(event->position().toPoint());
        if (hot != m_hot) {
            m_hot = hot;
            update();
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!rect().contains(event->position().toPoint())) {
            Finish(0);
            return;
        }
        const int row = RowAt(event->position().toPoint());
        if (row >= 0 && Choosable(m_menu->items[static_cast<size_t>(row)]))
            Finish(m_menu->items[static_cast<size_t>(row)].id);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        switch (event->key()) {
        case Qt::Key_Escape: Finish(0); break;
        case Qt::Key_Up: Step(-1); break;
        case Qt::Key_Down: Step(1); break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_hot >= 0 && Choosable(m_menu->items[static_cast<size_t>(m_hot)]))
                Finish(m_menu->items[static_cast<size_t>(m_hot)].id);
            break;
        default: break;
        }
    }

    void hideEvent(QHideEvent*) override
    {
        if (m_loop)
            m_loop->exit();
    }

private:
    static bool Choosable(const MenuItem& item)
    {
        return !(item.flags & (MF_SEPARATOR | MF_POPUP | MF_GRAYED | MF_DISABLED)) && item.id != 0;
    }

    void Measure()
    {
        int y = 2;
        int width = 120;
        const QFontMetrics metrics(font());
        for (const MenuItem& item : m_menu->items) {
            int w = 0;
            int h = 0;
            if (item.flags & MF_OWNERDRAW) {
                MEASUREITEMSTRUCT measure;
                measure.CtlType = ODT_MENU;
                measure.itemID = item.id;
                measure.itemData = item.itemData;
                if (m_owner)
                    SendMessage(m_owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
                w = static_cast<int>(measure.itemWidth);
                h = static_cast<int>(measure.itemHeight);
            } else if (item.flags & MF_SEPARATOR) {
                h = kSeparatorHeight;
            } else {
                w = metrics.horizontalAdvance(QString::fromUtf8(item.text.c_str()).remove(QLatin1Char('&'))) + 60;
                h = kPlainHeight;
            }
            m_rows.emplace_back(2, y, 0, h);
            y += h;
            width = std::max(width, w);
        }
        for (QRect& row : m_rows)
            row.setWidth(width);
        resize(width + 4, y + 2);
    }

    int RowAt(QPoint p) const
    {
        for (size_t i = 0; i < m_rows.size(); ++i)
            if (m_rows[i].contains(p))
                return static_cast<int>(i);
        return -1;
    }

    void Step(int delta)
    {
        const int count = static_cast<int>(m_rows.size());
        for (int n = 1; n <= count; ++n) {
            const int i = ((m_hot < 0 ? (delta > 0 ? -1 : 0) : m_hot) + delta * n + count * 2) % count;
            if (Choosable(m_menu->items[static_cast<size_t>(i)])) {
                m_hot = i;
                update();
                return;
            }
        }
    }

    void Finish(UINT id)
    {
        m_chosen = id;
        hide();
    }

    HMENU m_menu;
    HWND m_owner;
    std::vector<QRect> m_rows;
    int m_hot = -1;
    UINT m_chosen = 0;
    QEventLoop* m_loop = nullptr;
};

} // namespace

UINT RunPopupMenu(HMENU menu, HWND owner, POINT screen)
{
    if (!IsMenu(menu) || menu->items.empty())
        return 0;
    PopupMenu popup(menu, owner);
    return popup.Run(QPoint(screen.x, screen.y));
}

} // namespace vesk::detail
