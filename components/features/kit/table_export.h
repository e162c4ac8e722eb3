#pragma once
// Export of a feature's table as shown: .xls through the project's workbook
// writer or UTF-8 tab-separated text. The titles are the model's horizontal
// header; a cell whose kExportNumberRole holds a number is written as that
// exact number in the workbook (the text is what the window shows).

#include <QString>

#include <string>
#include <vector>

class QAbstractItemModel;
class QWidget;

namespace vesk::features {

inline constexpr int kExportNumberRole = 0x0100 + 40; // Qt::UserRole + 40

// Notes go under the table after an empty line, one per line (in the
// workbook, one per row in the first column): what a reader of the file
// needs to weigh the figures, as the window says beside them.
using ExportNotes = std::vector<std::string>;

// Tab-separated text: the title line, then one line per row, then the notes.
std::string ModelText(const QAbstractItemModel& model, const ExportNotes& notes = {});
// The workbook's bytes; error set (and "" returned) when refused.
std::string ModelWorkbook(const QAbstractItemModel& model, const std::string& sheetName, std::string& error,
                          const ExportNotes& notes = {});

// Writes the model to path, the kind chosen by its extension (.xls, else
// text), written whole and renamed in; the error is empty on success.
std::string ExportModel(const QAbstractItemModel& model, const std::string& sheetName, const std::string& path,
                        const ExportNotes& notes = {});

// Asks where (save dialog offering .xls and .txt, fileName suggested) and
// exports; a failure is told in a message box.
void AskExportModel(QWidget* parent, const QAbstractItemModel& model, const std::string& fileName,
                    const ExportNotes& notes = {});

// A message box with caption 提示信息 and the information icon.
void ShowInformation(QWidget* parent, const std::string& text);

} // namespace vesk::features
