#include "components/features/kit/table_export.h"

#include "framework/interaction.h"
#include "framework/styles.h"
#include "storage/files/file_access.h"
#include "storage/xls/workbook_writer.h"
#include "storage/xls/xls_output.h"

#include <QAbstractItemModel>
#include <QRegularExpression>
#include <QWidget>

namespace vesk::features {

namespace {

std::string CellText(const QAbstractItemModel& model, int row, int column)
{
    // Tabs and line breaks inside a cell would split it in the text form.
    QString text = model.data(model.index(row, column), Qt::DisplayRole).toString();
    text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.toStdString();
}

std::string Title(const QAbstractItemModel& model, int column)
{
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString();
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    if (text.size() < tail.size())
        return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = text[text.size() - tail.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c + 32 : c) != tail[i])
            return false;
    }
    return true;
}

// A workbook sheet name from a title: none of []:*?/\ and short enough for
// the numbered sheets the writer makes of it.
std::string SheetName(const std::string& title)
{
    QString name = QString::fromStdString(title);
    name.remove(QRegularExpression(QStringLiteral("[\\[\\]:*?/\\\\]")));
    name.truncate(24);
    return name.isEmpty() ? std::string("Sheet") : name.toStdString();
}

} // namespace

std::string ModelText(const QAbstractItemModel& model, const ExportNotes& notes)
{
    std::string text;
    const int columns = model.columnCount();
    for (int c = 0; c < columns; ++c) {
        if (c > 0)
            text += '\t';
        text += Title(model, c);
    }
    text += '\n';
    for (int r = 0; r < model.rowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            if (c > 0)
                text += '\t';
            text += CellText(model, r, c);
        }
        text += '\n';
    }
    if (!notes.empty())
        text += '\n';
    for (const std::string& note : notes)
        text += note + '\n';
    return text;
}

std::string ModelWorkbook(const QAbstractItemModel& model, const std::string& sheetName, std::string& error,
                          const ExportNotes& notes)
{
    xls::WorkbookOutline outline;
    for (int c = 0; c < model.columnCount(); ++c)
        outline.columns.push_back({Title(model, c), ""});
    const auto rows = static_cast<std::uint64_t>(model.rowCount());
    outline.rowCount = rows + (notes.empty() ? 0 : notes.size() + 1);
    outline.sheetName = SheetName(sheetName);
    xls::MemoryOutput out;
    const xls::WriteResult result = xls::WriteWorkbook(out, outline, [&](std::uint64_t r, std::span<xls::Cell> cells) {
        if (r >= rows) {
            // An empty row, then a note per row.
            if (r > rows && !cells.empty())
                cells[0].SetText(notes[static_cast<std::size_t>(r - rows - 1)]);
            return;
        }
        const int row = static_cast<int>(r);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const QVariant number = model.data(model.index(row, c), kExportNumberRole);
            bool isNumber = false;
            const double value = number.isValid() ? number.toDouble(&isNumber) : 0.0;
            if (isNumber)
                cells[static_cast<std::size_t>(c)].SetNumber(value);
            else
                cells[static_cast<std::size_t>(c)].SetText(CellText(model, row, c));
        }
    });
    error = result.error;
    return result.ok ? out.Bytes() : std::string();
}

std::string ExportModel(const QAbstractItemModel& model, const std::string& sheetName, const std::string& path,
                        const ExportNotes& notes)
{
    std::string bytes;
    if (EndsWith(path, ".xls")) {
        std::string error;
        bytes = ModelWorkbook(model, sheetName, error, notes);
        if (!error.empty())
            return error;
    } else {
        bytes = ModelText(model, notes);
    }
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, bytes);
    return outcome.ok ? std::string() : outcome.error;
}

void AskExportModel(QWidget* parent, const QAbstractItemModel& model, const std::string& fileName,
                    const ExportNotes& notes)
{
    FileDialogRequest request;
    request.open = false;
    request.parent = parent;
    request.defaultExtension = "xls";
    request.filter = "Excel 工作簿 (*.xls)|*.xls|文本文件 (*.txt)|*.txt||";
    request.fileName = fileName + ".xls";
    request.flags = OFN_OVERWRITEPROMPT;
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    const std::string path = WithDefaultExtension(answer.paths.front(), answer.filterIndex == 2 ? "txt" : "xls");
    const std::string error = ExportModel(model, fileName, path, notes);
    if (!error.empty())
        ShowInformation(parent, path + "：" + error);
}

void ShowInformation(QWidget* parent, const std::string& text)
{
    MessageBoxRequest box;
    box.parent = parent;
    box.text = text;
    box.caption = "提示信息";
    box.type = 0x40; // MB_ICONINFORMATION
    Interaction().MessageBox(box);
}

} // namespace vesk::features
