#include "app/chart/chart_window.h"

#include "app/chart/bar_chart.h"
#include "framework/interaction.h"
#include "framework/messages.h"
#include "framework/styles.h"
#include "framework/window_message_event.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"

#include <QBuffer>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vesk::chart {

ChartWindow::ChartWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("chartWindow"));
    setWindowTitle(QStringLiteral("号码图表分析"));
    resize(760, 520);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_count = new QLabel(this);
    m_export = new QPushButton(QStringLiteral("导出图片"), this);
    top->addWidget(m_count, 1);
    top->addWidget(m_export);
    layout->addLayout(top);
    m_tabs = new QTabWidget(this);
    layout->addWidget(m_tabs, 1);
    QObject::connect(m_export, &QPushButton::clicked, this, [this] { ExportPicture(); });
    Rebuild();
}

bool ChartWindow::event(QEvent* event)
{
    if (event->type() == WindowMessageEvent::EventType()) {
        auto* message = static_cast<WindowMessageEvent*>(event);
        if (message->message == kMessageChartNumbers) {
            message->result = message->wParam == kChartNumbersTag
                                      && TakeNumbers(reinterpret_cast<const ChartRecord*>(message->lParam))
                                  ? 1
                                  : 0;
            return true;
        }
    }
    return QWidget::event(event);
}

bool ChartWindow::TakeNumbers(const ChartRecord* record)
{
    const auto numbers = CopyChartNumbers(record);
    if (!numbers)
        return false;
    Show(*numbers);
    return true;
}

void ChartWindow::Show(const ChartNumbers& numbers)
{
    m_stats = ComputeStatistics(numbers);
    m_skipped = numbers.skipped;
    Rebuild();
}

QString ChartWindow::CountText() const
{
    QString text = QStringLiteral("号码数：%1").arg(m_stats.numberCount);
    if (m_skipped > 0)
        text += QStringLiteral("（另有 %1 个无效号码未计入）").arg(m_skipped);
    return text;
}

void ChartWindow::Rebuild()
{
    const int current = m_tabs->currentIndex();
    while (m_tabs->count() > 0) {
        QWidget* page = m_tabs->widget(0);
        m_tabs->removeTab(0);
        delete page;
    }
    m_count->setText(CountText());
    for (const Distribution& distribution : m_stats.distributions)
        m_tabs->addTab(MakeBarChart(distribution, m_stats.numberCount, m_tabs), QString::fromStdString(distribution.title));
    if (current >= 0 && current < m_tabs->count())
        m_tabs->setCurrentIndex(current);
    m_export->setEnabled(m_tabs->count() > 0);
}

bool ChartWindow::ExportPicture()
{
    QWidget* page = m_tabs->currentWidget();
    if (!page)
        return false;
    FileDialogRequest request;
    request.open = false;
    request.parent = this;
    request.title = "导出图片";
    request.defaultExtension = "png";
    request.fileName = "3D图表_" + m_tabs->tabText(m_tabs->currentIndex()).toStdString() + ".png";
    request.filter = "PNG 图片 (*.png)|*.png||";
    request.flags = OFN_OVERWRITEPROMPT;
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return false;
    const std::string& path = answer.paths.front();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    FileResult written{false, "图片未能生成", 0};
    if (page->grab().save(&buffer, "PNG"))
        written = WriteFileSafely(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    MessageBoxRequest box;
    box.parent = this;
    box.text = written.ok ? ExportedText(path) : SaveFailedText(path, written);
    box.caption = "提示信息";
    box.type = MB_OK | (written.ok ? MB_ICONINFORMATION : MB_ICONWARNING);
    Interaction().MessageBox(box);
    return written.ok;
}

} // namespace vesk::chart
