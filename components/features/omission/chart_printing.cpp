#include "components/features/omission/chart_printing.h"

#include "components/features/omission/trend_view.h"

#include "framework/interaction.h"
#include "framework/print_target.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace vesk::omission {

namespace {

struct PagePlan {
    QRect page;   // the printable area, in device pixels
    qreal scale;  // device pixels per chart pixel
    int headLine; // the page's own line above the chart, in device pixels
    std::vector<RowSpan> spans;
};

PagePlan Plan(QPrinter& printer, const TrendView& chart)
{
    PagePlan plan;
    plan.page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A chart pixel a 96th of an inch, smaller when the chart is wider than the page.
    plan.scale = std::min(printer.resolution() / 96.0, plan.page.width() / static_cast<qreal>(std::max(1, chart.FullWidth())));
    plan.headLine = static_cast<int>(printer.resolution() * 0.3);
    const int height = static_cast<int>((plan.page.height() - plan.headLine) / plan.scale);
    plan.spans = chart.PictureSpans(height);
    return plan;
}

} // namespace

std::string PrintChart(const TrendView& chart, const std::string& title, QWidget* parent)
{
    QPrinter measure(QPrinter::HighResolution);
    measure.setOutputFormat(QPrinter::PdfFormat);
    PrintDialogRequest request;
    request.parent = parent;
    request.title = "打印分布图";
    request.pageCount = std::max<int>(1, static_cast<int>(Plan(measure, chart).spans.size()));
    const PrintDialogResult answer = Interaction().PrintDialog(request);
    if (!answer.accepted)
        return {};
    QPrinter printer(QPrinter::HighResolution);
    if (!DirectPrinter(printer, answer))
        return answer.printerName.empty() ? "没有可用的打印机。" : "找不到打印机“" + answer.printerName + "”。";
    const PagePlan plan = Plan(printer, chart);
    const int pages = static_cast<int>(plan.spans.size());
    if (pages == 0)
        return "分布图太宽，无法打印。";
    const int from = answer.fromPage > 0 ? std::max(1, answer.fromPage) : 1;
    const int to = answer.toPage > 0 ? std::min(pages, answer.toPage) : pages;
    if (from > to)
        return "所选页码范围内没有可打印的页。";
    QPainter painter;
    if (!painter.begin(&printer))
        return "无法开始打印（打印机或文件无法打开）。";
    QFont font = chart.font();
    font.setPointSizeF(std::max(7.0, font.pointSizeF()));
    for (int p = from; p <= to; ++p) {
        if (p > from)
            printer.newPage();
        const RowSpan& span = plan.spans[static_cast<std::size_t>(p - 1)];
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, plan.page.width(), plan.headLine), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(title) + QStringLiteral("　第 %1 页 / 共 %2 页").arg(p).arg(pages));
        painter.save();
        painter.translate(0, plan.headLine);
        painter.scale(plan.scale, plan.scale);
        chart.PaintRows(painter, span.first, span.end, p == pages, plan.scale);
        painter.restore();
    }
    if (!painter.end())
        return "打印没有完成。";
    return {};
}

} // namespace vesk::omission
