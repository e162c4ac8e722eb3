#include "components/features/query/straight_window.h"

#include "components/features/kit/table_actions.h"
#include "components/features/kit/table_cells.h"

#include "components/features/kit/feature_table.h"

#include "components/features/analysis/query/falls.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission_table.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::query {

QString FallKindName(std::size_t kind)
{
    static const char* const kNames[] = {"直落", "斜连", "其他"};
    return QString::fromUtf8(kNames[kind]);
}

StraightWindow::StraightWindow(QWidget* parent)
    : QueryFrame(QStringLiteral("straightWindow"), QStringLiteral("直落统计"), parent)
{
    Bar()->addStretch();
    AddExportButton(QStringLiteral("导出号码分布"), QStringLiteral("exportDigits"), &m_digits, "直落统计_号码");
    AddExportButton(QStringLiteral("导出直落"), QStringLiteral("exportFalls"), &m_falls, "直落统计_直落");

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* splitter = new QSplitter(Qt::Vertical, content);
    m_digitTable = features::MakeFeatureTable(splitter, QStringLiteral("straightDigits"));
    features::MakeSortable(m_digitTable, &m_digits);
    features::AddTableMenu(m_digitTable, {"直落统计_号码", {}, {}, {}});
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    m_scored = new QLabel(lower);
    m_scored->setObjectName(QStringLiteral("fallsScored"));
    m_scored->setWordWrap(true);
    lowerLayout->addWidget(m_scored);
    m_fallTable = features::MakeFeatureTable(lower, QStringLiteral("straightFalls"));
    features::MakeSortable(m_fallTable, &m_falls);
    features::AddTableMenu(m_fallTable, {"直落统计_直落", {}, {}, {}});
    lowerLayout->addWidget(m_fallTable, 1);
    splitter->addWidget(m_digitTable);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    SetContent(content);
    m_falls.setHorizontalHeaderLabels({QStringLiteral("位置"), QStringLiteral("类型"), QStringLiteral("次数"),
                                       QStringLiteral("占比"), QStringLiteral("当前连续"), QStringLiteral("随机基准")});
}

void StraightWindow::Refill()
{
    const int length = Length();
    if (!m_positions || m_positions->Length() != length)
        m_positions = analysis::MakeSingle1(length);
    const analysis::OmissionTable table = analysis::ComputeOmissions(*m_positions, Draws().codes, Last());

    QStringList titles{QStringLiteral("数字")};
    for (int p = 0; p < length; ++p) {
        const QString position = QString::fromStdString(analysis::PositionName(p, length));
        titles << position + QStringLiteral("出现次数") << position + QStringLiteral("当前遗漏")
               << position + QStringLiteral("最大遗漏") << position + QStringLiteral("平均遗漏");
    }
    m_digits.clear();
    m_digits.setHorizontalHeaderLabels(titles);
    m_digits.setRowCount(10);
    for (int d = 0; d < 10; ++d) {
        QStandardItem* digit = features::NumberCell(d);
        digit->setTextAlignment(Qt::AlignCenter);
        m_digits.setItem(d, 0, digit);
    }
    // Every item (p, d) has probability 1/10, so every one is listed.
    for (const analysis::OmissionRow& row : table.rows) {
        const int p = static_cast<int>(row.item / 10);
        const int d = static_cast<int>(row.item % 10);
        const int column = 1 + 4 * p;
        m_digits.setItem(d, column, features::NumberCell(static_cast<std::int64_t>(row.hits)));
        m_digits.setItem(d, column + 1, features::NumberCell(static_cast<std::int64_t>(row.current)));
        m_digits.setItem(d, column + 2, features::NumberCell(static_cast<std::int64_t>(row.maximum)));
        m_digits.setItem(d, column + 3,
                         features::NumberCell(QString::fromStdString(analysis::FormatFigure(row.average, 2)), row.average.Value()));
    }
    m_digitTable->resizeColumnsToContents();
    // All ten digits stay in view; a narrow window scrolls sideways instead.
    m_digitTable->setMinimumHeight(m_digitTable->horizontalHeader()->sizeHint().height() +
                                   10 * m_digitTable->verticalHeader()->defaultSectionSize() +
                                   m_digitTable->horizontalScrollBar()->sizeHint().height() + 2 * m_digitTable->frameWidth());

    const std::vector<analysis::PositionFalls> falls = analysis::ComputeFalls(Draws().codes, length, Last());
    m_falls.removeRows(0, m_falls.rowCount());
    for (int p = 0; p < length; ++p) {
        const analysis::PositionFalls& position = falls[static_cast<std::size_t>(p)];
        for (std::size_t kind = 0; kind < analysis::kFallKinds; ++kind) {
            const analysis::FallRow& row = position.kinds[kind];
            m_falls.appendRow({features::TextCell(QString::fromStdString(analysis::PositionName(p, length))),
                               features::TextCell(FallKindName(kind)), features::NumberCell(static_cast<std::int64_t>(row.count)), features::PercentCell(row.share),
                               features::NumberCell(static_cast<std::int64_t>(row.currentRun)), features::PercentCell(row.baseline)});
        }
    }
    const std::int64_t scored = falls.empty() ? 0 : falls.front().scored;
    m_scored->setText(QStringLiteral("各位与上一期同位比较（直落：同一数字；斜连：相差1，0与9不相邻）。统计 %1 期，可比 %2 次；"
                                     "当前连续：最近几期连续是这一类。")
                          .arg(table.window)
                          .arg(scored));
    m_fallTable->resizeColumnsToContents();
}

} // namespace vesk::query
