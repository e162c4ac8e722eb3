#pragma once
// The pieces every tool page is made of: the kit's table cells and a
// number-list box that takes typed text or a result file.

#include "components/features/analysis/number_entry.h"
#include "components/features/kit/table_cells.h"

#include <QPlainTextEdit>
#include <QStandardItem>
#include <QTableView>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace vesk::tools {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

using features::kSortRole;
using features::NumberCell;
using features::TextCell;

// The numbers of the workbench's result list, nullopt when it is not open.
using WorkbenchSource = std::function<std::optional<std::vector<std::uint32_t>>()>;

// A titled text box for a list of numbers with a button that loads a result
// file into it (.txt or .flt), and one that takes the workbench's result
// list. The text is what counts: Read checks it.
class ListInput final : public QWidget {
public:
    ListInput(const QString& title, const QString& name, QWidget* parent = nullptr);

    // Where 取缩水结果 reads from; the button is hidden without a source.
    void SetWorkbenchSource(WorkbenchSource source);
    // Shows the workbench's result list; says so when there is none.
    void TakeWorkbenchResults();

    void SetLength(int length) { m_length = length; }
    // The numbers typed; the error names the first bad token.
    analysis::NumberEntry Read() const;
    void SetCodes(const std::vector<std::uint32_t>& codes);
    QPlainTextEdit* Editor() const { return m_editor; }
    // Asks for a result file and shows its numbers; a refused file is told
    // and the text stays as it was.
    void LoadFile();

private:
    QPlainTextEdit* m_editor;
    QWidget* m_take;
    WorkbenchSource m_source;
    int m_length = 3;
};

} // namespace vesk::tools
