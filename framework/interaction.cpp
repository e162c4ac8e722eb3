// The interaction provider and the Qt dialogs it shows by default.
#include "framework/interaction.h"

#include "framework/dialog_folders.h"
#include "framework/messages.h"
#include "framework/popup_menu.h"
#include "framework/styles.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace vesk {

namespace {

QMessageBox::StandardButtons ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_ABORTRETRYIGNORE: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
    }
}

class QtInteraction : public InteractionProvider {
public:
    int MessageBox(const MessageBoxRequest& request) override
    {
        QMessageBox box(IconOf(request.type), QString::fromStdString(request.caption), QString::fromStdString(request.text),
                        ButtonsOf(request.type), request.parent ? request.parent->window() : nullptr);
        const auto buttons = ButtonsOf(request.type);
        if ((request.type & MB_DEFBUTTON2) && (buttons & QMessageBox::No))
            box.setDefaultButton(QMessageBox::No);
        const std::pair<QMessageBox::StandardButton, const std::string*> words[] = {
            {QMessageBox::Yes, &request.yesText}, {QMessageBox::No, &request.noText}, {QMessageBox::Cancel, &request.cancelText}};
        for (const auto& [which, text] : words)
            if (QAbstractButton* button = box.button(which); button && !text->empty())
                button->setText(QString::fromStdString(*text));
        return AnswerOf(box.exec());
    }

    FileDialogResult FileDialog(const FileDialogRequest& request) override
    {
        QFileDialog dialog(request.parent ? request.parent->window() : nullptr, QString::fromStdString(request.title));
        dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(!request.open                                ? QFileDialog::AnyFile
                           : (request.flags & OFN_ALLOWMULTISELECT)     ? QFileDialog::ExistingFiles
                                                                        : QFileDialog::ExistingFile);
        if (!(request.flags & OFN_OVERWRITEPROMPT))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        // Qt's own dialog deletes and renames files and folders on a key press
        // (it also does so when run with administrator rights); picking a file
        // must never remove one. Read-only also turns off its new-folder button,
        // which needs a rename, so that goes too. A desktop dialog stays as Qt
        // chooses it.
        dialog.setOption(QFileDialog::ReadOnly);
        if (auto* newFolder = dialog.findChild<QWidget*>(QStringLiteral("newFolderButton")))
            newFolder->hide();
        const QString filter = QString::fromStdString(QtFileFilter(request.filter));
        if (!filter.isEmpty())
            dialog.setNameFilters(filter.split(QStringLiteral(";;")));
        const auto useExtensionOf = [&dialog, &request](int filterIndex) {
            dialog.setDefaultSuffix(QString::fromStdString(DefaultExtensionFor(request, filterIndex)));
        };
        useExtensionOf(1);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, useExtensionOf](const QString& filter) {
            useExtensionOf(static_cast<int>(dialog.nameFilters().indexOf(filter)) + 1);
        });
        // Not the working folder: where the user last went for this kind of file.
        const QString start = QString::fromStdString(StartPathFor(request, DialogFolders()));
        if (QFileInfo(start).isDir())
            dialog.setDirectory(start);
        else
            dialog.selectFile(start);
        FileDialogResult result;
        if (dialog.exec() != QDialog::Accepted)
            return result;
        result.accepted = true;
        for (const QString& file : dialog.selectedFiles())
            result.paths.push_back(file.toStdString());
        result.filterIndex = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
        RememberChosenFolder(request, result, DialogFolders());
        return result;
    }

    PrintDialogResult PrintDialog(const PrintDialogRequest& request) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFromTo(0, 0);
        QPrintDialog dialog(&printer, request.parent ? request.parent->window() : nullptr);
        dialog.setWindowTitle(QString::fromStdString(request.title));
        dialog.setMinMax(1, std::max(1, request.pageCount));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
        PrintDialogResult result;
        if (dialog.exec() != QDialog::Accepted)
            return result;
        result.accepted = true;
        if (printer.outputFormat() == QPrinter::PdfFormat)
            result.outputFile = printer.outputFileName().toStdString();
        result.printerName = printer.printerName().toStdString();
        if (printer.printRange() == QPrinter::PageRange) {
            result.fromPage = printer.fromPage();
            result.toPage = printer.toPage();
        }
        result.copies = printer.copyCount();
        return result;
    }

    UINT ChooseMenuItem(const MenuRequest& request) override
    {
        return detail::RunPopupMenu(request.menu, request.owner, request.pt);
    }
};

QtInteraction& QtProvider()
{
    static QtInteraction provider;
    return provider;
}

InteractionProvider* g_provider = nullptr;

} // namespace

InteractionProvider& Interaction() { return g_provider ? *g_provider : QtProvider(); }

void SetInteraction(InteractionProvider* provider) { g_provider = provider; }

int AfxMessageBox(const CString& text, UINT type, const CString& caption)
{
    MessageBoxRequest request;
    request.text = text;
    request.caption = caption;
    request.type = type;
    return Interaction().MessageBox(request);
}

std::string QtFileFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i];
        QString patterns = parts[i + 1];
        if (name.isEmpty() && patterns.isEmpty())
            break;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the parentheses of the name.
        filters << (name.contains(QLatin1Char('(')) ? QStringLiteral("%1").arg(name).replace(
                                                          QRegularExpression(QStringLiteral("\\(.*\\)")),
                                                          QStringLiteral("(%1)").arg(patterns))
                                                    : QStringLiteral("%1 (%2)").arg(name, patterns));
    }
    return filters.join(QStringLiteral(";;")).toStdString();
}

namespace {

// "*.txt", ".txt" or "txt" as "txt"; "" for patterns that name no one
// extension ("*.*", "*", "a?.txt").
QString PlainExtension(QString pattern)
{
    pattern = pattern.trimmed();
    if (pattern.startsWith(QLatin1String("*.")))
        pattern.remove(0, 2);
    else if (pattern.startsWith(QLatin1Char('.')))
        pattern.remove(0, 1);
    static const QRegularExpression plain(QStringLiteral("^[^*?.|;\\s/]+$"));
    return plain.match(pattern).hasMatch() ? pattern : QString();
}

} // namespace

std::string DefaultExtensionFor(const FileDialogRequest& request, int filterIndex)
{
    const QStringList filterParts = QString::fromStdString(request.filter).split(QLatin1Char('|'));
    const qsizetype patternsAt = qsizetype(filterIndex) * 2 - 1;
    if (filterIndex >= 1 && patternsAt < filterParts.size()) {
        const QString first = filterParts[patternsAt].split(QLatin1Char(';')).front();
        if (const QString extension = PlainExtension(first); !extension.isEmpty())
            return extension.toStdString();
    }
    for (const QString& candidate : QString::fromStdString(request.defaultExtension).split(QLatin1Char('|'))) {
        if (const QString extension = PlainExtension(candidate); !extension.isEmpty())
            return extension.toStdString();
    }
    return {};
}

std::string WithDefaultExtension(const std::string& path, const std::string& extension)
{
    const QString plain = PlainExtension(QString::fromStdString(extension));
    if (path.empty() || plain.isEmpty() || !QFileInfo(QString::fromStdString(path)).suffix().isEmpty())
        return path;
    return path + "." + plain.toStdString();
}

} // namespace vesk
