#pragma once
// Export of a feature's table as shown: .xls through the project's workbook
// writer or UTF-8 tab-separated text. The titles are the model's horizontal
// header; a cell whose kExportNumberRole holds a number is written as that
// exact number in the workbook (the text is what the window shows).

#include <QString>

#include <string>

class QAbstractItemModel;
class QWidget;

namespace vesk::features {

inline constexpr int kExportNumberRole = 0x0100 + 40; // Qt::UserRole + 40

// Tab-separated text: the title line, then one line per row.
std::string ModelText(const QAbstractItemModel& model);
// The workbook's bytes; error set (and "" returned) when refused.
std::string ModelWorkbook(const QAbstractItemModel& model, const std::string& sheetName, std::string& error);

// The name a table export is written under: .xls kept, anything else as
// tab-separated .tsv (a .txt becomes .tsv), never a number file's .txt.
std::string TablePath(const std::string& path);

// Writes the model to path, the kind chosen by its extension (.xls, else
// text), through the safe writer; empty on success, else the failure for the
// user ("保存失败：…，原文件未改动").
std::string ExportModel(const QAbstractItemModel& model, const std::string& sheetName, const std::string& path);

// Asks where (save dialog offering .xls and .tsv, fileName suggested) and
// exports; where it went, or why not, is told in a message box.
void AskExportModel(QWidget* parent, const QAbstractItemModel& model, const std::string& fileName);

// A message box with caption 提示信息 and the information icon.
void ShowInformation(QWidget* parent, const std::string& text);

} // namespace vesk::features
