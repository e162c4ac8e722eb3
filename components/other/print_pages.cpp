#include "components/other/print_pages.h"

#include "components/other/print_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vesk::other {
namespace {

// Fonts in points scale with the printer's resolution by themselves.
QFont ItemFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(11);
    return font;
}

QFont TitleFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(16);
    font.setBold(true);
    return font;
}

QFont SmallFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(9);
    return font;
}

struct Metrics {
    QRectF page;
    PageGeometry geometry;
    double titleHeight = 0;
    double smallHeight = 0;
    double itemAscent = 0;
};

Metrics Measure(QPrinter& printer, const std::vector<std::string>& items)
{
    Metrics m;
    m.page = printer.pageLayout().paintRectPixels(printer.resolution()).translated(
        -printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    const QFontMetricsF item(ItemFont(), &printer);
    const QFontMetricsF title(TitleFont(), &printer);
    const QFontMetricsF small(SmallFont(), &printer);
    std::size_t longest = 0;
    QString widest = QStringLiteral("0");
    for (const std::string& text : items) {
        if (text.size() > longest) {
            longest = text.size();
            widest = QString::fromStdString(text);
        }
    }
    m.titleHeight = title.height();
    m.smallHeight = small.height();
    m.itemAscent = item.ascent();
    m.geometry.width = m.page.width();
    m.geometry.height = m.page.height();
    m.geometry.headerHeight = m.titleHeight + m.smallHeight * 2.5;
    m.geometry.footerHeight = m.smallHeight * 2;
    // Two spaces between columns keep neighbours apart in the text of a PDF too.
    m.geometry.cellWidth = item.horizontalAdvance(widest) + item.horizontalAdvance(QStringLiteral("0000"));
    m.geometry.lineHeight = item.height() * 1.5;
    return m;
}

void PaintHeading(QPainter& painter, const Metrics& m, const PrintHeading& heading)
{
    painter.setFont(TitleFont());
    painter.drawText(QRectF(0, 0, m.page.width(), m.titleHeight), Qt::AlignHCenter | Qt::AlignTop, heading.title);
    painter.setFont(SmallFont());
    const QRectF info(0, m.titleHeight + m.smallHeight * 0.5, m.page.width(), m.smallHeight);
    painter.drawText(info, Qt::AlignLeft | Qt::AlignVCenter, heading.countLine);
    painter.drawText(info, Qt::AlignRight | Qt::AlignVCenter, heading.dateLine);
    const double ruleY = m.geometry.headerHeight - m.smallHeight * 0.5;
    painter.drawLine(QPointF(0, ruleY), QPointF(m.page.width(), ruleY));
}

void PaintFooter(QPainter& painter, const Metrics& m, int page, int pageCount)
{
    painter.setFont(SmallFont());
    painter.drawText(QRectF(0, m.page.height() - m.smallHeight, m.page.width(), m.smallHeight), Qt::AlignCenter,
                     QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(pageCount));
}

} // namespace

int CountPages(QPrinter& printer, const std::vector<std::string>& items)
{
    return PlanPages(Measure(printer, items).geometry, items.size()).pageCount;
}

bool PaintPages(QPrinter& printer, const std::vector<std::string>& items, const PrintHeading& heading,
                int fromPage, int toPage, QString* error)
{
    const Metrics m = Measure(printer, items);
    const PagePlan plan = PlanPages(m.geometry, items.size());
    const int first = fromPage > 0 ? fromPage - 1 : 0;
    const int last = toPage > 0 ? std::min(toPage, plan.pageCount) - 1 : plan.pageCount - 1;
    if (first > last) {
        *error = QStringLiteral("打印范围内没有页");
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("无法打开打印机或输出文件");
        return false;
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) {
            *error = QStringLiteral("打印中断");
            return false;
        }
        PaintHeading(painter, m, heading);
        painter.setFont(ItemFont());
        const ItemRange range = ItemsOfPage(plan, items.size(), page);
        for (std::size_t i = range.first; i < range.last; ++i) {
            const CellPlace place = PlaceOf(plan, i);
            const QPointF at(place.column * m.geometry.cellWidth,
                             m.geometry.headerHeight + place.line * m.geometry.lineHeight + m.itemAscent);
            painter.drawText(at, QString::fromStdString(items[i]));
        }
        PaintFooter(painter, m, page, plan.pageCount);
    }
    if (!painter.end()) {
        *error = QStringLiteral("打印输出未能完成");
        return false;
    }
    return true;
}

} // namespace vesk::other
