#include "framework/print_target.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace vesk {

bool DirectPrinter(QPrinter& printer, const PrintDialogResult& answer)
{
    if (!answer.outputFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(answer.outputFile));
    } else {
        const QString name = QString::fromStdString(answer.printerName);
        const QPrinterInfo info = name.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(name);
        if (info.isNull())
            return false;
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(info.printerName());
    }
    printer.setCopyCount(std::max(1, answer.copies));
    return printer.isValid();
}

} // namespace vesk
