#pragma once
// 检查开奖数据: the findings of a check of the history file (numbers/draw_check.h)
// in a table, one row each with its line in the file, changing nothing.

#include "numbers/draw_check.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QTableWidget;

namespace vesk::app {

class DrawCheckDialog final : public QDialog {
public:
    // path: the history file checked; error: why it could not be read (then
    // findings is empty and the dialog says so).
    DrawCheckDialog(const std::string& path, const std::vector<DrawFinding>& findings, int length,
                    const std::string& error, QWidget* parent);

    QString SummaryText() const;
    QTableWidget* Table() const { return m_table; }

private:
    QLabel* m_summary = nullptr;
    QTableWidget* m_table = nullptr;
};

// The kind of a finding as the window names it.
QString FindingKindText(DrawFindingKind kind);
// What the window says about a finding.
QString FindingDetailText(const DrawFinding& finding, int length);

} // namespace vesk::app
