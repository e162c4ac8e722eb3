#include "components/other/print_component.h"

#include "components/other/print_pages.h"
#include "framework/interaction.h"
#include "framework/print_target.h"
#include "framework/styles.h"
#include "framework/system_api.h"

#include <QApplication>
#include <QDate>
#include <QPrinter>
#include <QWidget>

namespace vesk::other {
namespace {

const char* kCaption = "打印";

void Tell(const QString& text)
{
    MessageBoxRequest request;
    request.parent = QApplication::activeWindow();
    request.text = text.toStdString();
    request.caption = kCaption;
    request.type = MB_OK | MB_ICONWARNING;
    Interaction().MessageBox(request);
}

} // namespace

SlotInt PrintComponent::Begin(IHostObject* host, SlotInt count, SlotInt kind)
{
    m_host = host;
    return m_job.Begin(count, kind) ? 1 : 0;
}

SlotInt PrintComponent::SetItem(SlotInt index, const char* text)
{
    return m_job.SetItem(index, text) ? 1 : 0;
}

QString PrintComponent::Title() const
{
    QString prefix;
    if (m_host) {
        if (auto* text = static_cast<ITextService*>(m_host->GetService(kServiceText))) {
            if (const char* p = text->GetFileNamePrefix())
                prefix = QString::fromUtf8(p);
        }
    }
    return prefix + QStringLiteral("号码列表");
}

SlotInt PrintComponent::Print()
{
    if (!m_job.Started())
        return 0;
    InstallFontSubstitutions();
    const auto& items = m_job.Items();
    // The page count the dialog offers is that of the default page.
    QPrinter measure(QPrinter::HighResolution);
    measure.setOutputFormat(QPrinter::PdfFormat);
    PrintDialogRequest request;
    request.parent = QApplication::activeWindow();
    request.title = kCaption;
    request.pageCount = CountPages(measure, items);
    const PrintDialogResult answer = Interaction().PrintDialog(request);
    if (!answer.accepted)
        return 0;
    QPrinter printer(QPrinter::HighResolution);
    if (!DirectPrinter(printer, answer)) {
        Tell(answer.printerName.empty()
                 ? QStringLiteral("没有可用的打印机。")
                 : QStringLiteral("找不到打印机“%1”。").arg(QString::fromStdString(answer.printerName)));
        return 0;
    }
    PrintHeading heading;
    heading.title = Title();
    heading.countLine = QStringLiteral("共 %1 注").arg(items.size());
    heading.dateLine = QStringLiteral("打印日期：%1").arg(QDate::currentDate().toString(Qt::ISODate));
    QString error;
    if (!PaintPages(printer, items, heading, answer.fromPage, answer.toPage, &error)) {
        Tell(error);
        return 0;
    }
    return 1;
}

} // namespace vesk::other
