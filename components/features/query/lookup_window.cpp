#include "components/features/query/lookup_window.h"

#include "components/features/kit/table_actions.h"
#include "components/features/kit/table_cells.h"

#include "components/features/kit/feature_table.h"

#include "components/features/analysis/omission_table.h"
#include "components/features/kit/table_export.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QSortFilterProxyModel>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk::query {

LookupWindow::LookupWindow(QWidget* parent) : QueryFrame(QStringLiteral("lookupWindow"), QStringLiteral("号码查询"), parent)
{
    auto* query = new QPushButton(QStringLiteral("查询"), this);
    query->setObjectName(QStringLiteral("runQuery"));
    connect(query, &QPushButton::clicked, this, [this] { RunQuery(); });
    Bar()->addWidget(query);
    Bar()->addStretch();
    AddExportButton(QStringLiteral("导出"), QStringLiteral("exportResults"), &m_results, "号码查询");
    auto* handOff = new features::HandOffChoice(QStringLiteral("lookupWindow"), this);
    Bar()->addWidget(handOff);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    send->setObjectName(QStringLiteral("sendNumbers"));
    send->setToolTip(QStringLiteral("把查询的号码中在统计期内出现过（直选或组选）的号码交给缩水器的结果列表"));
    connect(send, &QPushButton::clicked, this, [this, handOff] {
        if (sendNumbers)
            sendNumbers(HitNumbers(), handOff->Mode());
    });
    Bar()->addWidget(send);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    m_input = new QPlainTextEdit(content);
    m_input->setObjectName(QStringLiteral("lookupInput"));
    m_input->setPlaceholderText(QStringLiteral("输入号码或期号，用空格、逗号或换行分开，例如：123 456 2025100（Ctrl+回车查询）"));
    m_input->setMaximumHeight(m_input->fontMetrics().height() * 4);
    layout->addWidget(m_input);
    // Return starts a new line in a list of numbers; Ctrl+Return asks.
    auto* ask = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), m_input);
    ask->setContext(Qt::WidgetShortcut);
    connect(ask, &QShortcut::activated, this, [this] { RunQuery(); });
    m_errors = new QLabel(content);
    m_errors->setObjectName(QStringLiteral("lookupErrors"));
    m_errors->setWordWrap(true);
    m_errors->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_errors->hide();
    layout->addWidget(m_errors);

    auto* splitter = new QSplitter(Qt::Vertical, content);
    m_resultTable = features::MakeFeatureTable(splitter, QStringLiteral("lookupResults"));
    features::MakeSortable(m_resultTable, &m_results);
    m_resultTable->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* lower = new QWidget(splitter);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 4, 0, 0);
    m_hitCaption = new QLabel(lower);
    m_hitCaption->setObjectName(QStringLiteral("lookupHitCaption"));
    lowerLayout->addWidget(m_hitCaption);
    m_hitTable = features::MakeFeatureTable(lower, QStringLiteral("lookupHits"));
    features::MakeSortable(m_hitTable, &m_hits);
    lowerLayout->addWidget(m_hitTable, 1);
    splitter->addWidget(m_resultTable);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    SetContent(content);

    m_results.setHorizontalHeaderLabels({QStringLiteral("号码"), QStringLiteral("直选次数"), QStringLiteral("直选上次期号"),
                                         QStringLiteral("直选当前遗漏"), QStringLiteral("直选最大遗漏"), QStringLiteral("组选次数"),
                                         QStringLiteral("组选上次期号"), QStringLiteral("组选当前遗漏"), QStringLiteral("组选最大遗漏")});
    m_hits.setHorizontalHeaderLabels({QStringLiteral("期号"), QStringLiteral("开奖号码"), QStringLiteral("方式")});
    connect(m_resultTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowHits(ShownRow(current)); });
    const auto sendRows = [this](const std::vector<std::uint32_t>& numbers) {
        if (sendNumbers)
            sendNumbers(numbers, features::ChosenHandOffMode(this));
    };
    features::AddTableMenu(m_resultTable, {"号码查询", [this](const std::vector<int>& rows) {
                                               std::vector<std::uint32_t> numbers;
                                               for (int row : rows)
                                                   numbers.push_back(m_rows[static_cast<std::size_t>(row)].number);
                                               return numbers;
                                           }, sendRows, {}});
    features::AddTableMenu(m_hitTable, {"号码查询-开出各期", {}, {}, {}});
}

bool LookupWindow::RunQuery()
{
    if (!HasDraws())
        return false;
    const analysis::LookupQuery query =
        analysis::ParseLookupQuery(m_input->toPlainText().toStdString(), Length(), Draws().periods);
    // Every good entry is answered; the bad ones are named above the answers.
    if (!query.errors.empty()) {
        // A long paste may hold thousands of faults: the first few say enough.
        constexpr std::size_t kShownErrors = 5;
        QStringList lines;
        for (std::size_t i = 0; i < query.errors.size() && i < kShownErrors; ++i)
            lines << QString::fromStdString(query.errors[i]);
        QString text = QStringLiteral("未能读取：") + lines.join(QStringLiteral("；"));
        if (query.errors.size() > kShownErrors)
            text += QStringLiteral("……共 %1 处").arg(query.errors.size());
        m_errors->setText(text);
        m_errors->show();
    } else {
        m_errors->hide();
    }
    // Nothing readable leaves the last answers standing.
    if (query.entries.empty())
        return false;
    m_entries = query.entries;
    FillResults();
    return true;
}

void LookupWindow::Refill()
{
    m_index = std::make_unique<analysis::LookupIndex>(Draws().codes, Length());
    // A period may name another draw in a new history: read the text again.
    if (!m_entries.empty() && RunQuery())
        return;
    std::erase_if(m_entries, [this](const analysis::LookupEntry& entry) {
        return entry.period && entry.draw >= Draws().codes.size();
    });
    FillResults();
}

void LookupWindow::FillResults()
{
    m_rows.clear();
    m_results.removeRows(0, m_results.rowCount());
    if (!m_index)
        return;
    const std::size_t last = Last();
    const auto lastPeriod = [this](const analysis::LookupFigures& figures) {
        // Periods sort by their draw, newest last.
        QStandardItem* item = figures.lastDraw ? features::NumberCell(PeriodText(Draws(), *figures.lastDraw),
                                                                      static_cast<double>(*figures.lastDraw))
                                               : features::NoFigureCell();
        item->setData({}, features::kExportNumberRole);
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    for (const analysis::LookupEntry& entry : m_entries) {
        Row row;
        if (entry.period) {
            row.period = entry.draw;
            row.number = Draws().codes[entry.draw];
        } else {
            row.number = entry.number;
        }
        row.figures = m_index->LookUp(row.number, last);
        QString label = NumberText(row.number, Length());
        if (row.period)
            label += QStringLiteral("（%1期）").arg(PeriodText(Draws(), *row.period));
        const analysis::LookupFigures& s = row.figures.straight;
        const analysis::LookupFigures& g = row.figures.group;
        using features::NumberCell;
        m_results.appendRow({features::TextCell(label), NumberCell(s.hits), lastPeriod(s), NumberCell(s.current),
                             NumberCell(s.maximum), NumberCell(g.hits), lastPeriod(g), NumberCell(g.current),
                             NumberCell(g.maximum)});
        m_rows.push_back(std::move(row));
    }
    m_resultTable->resizeColumnsToContents();
    if (!m_rows.empty())
        m_resultTable->selectRow(0);
    ShowHits(m_rows.empty() ? -1 : m_resultTable->currentIndex().isValid() ? ShownRow(m_resultTable->currentIndex()) : 0);
}

void LookupWindow::ShowHits(int row)
{
    m_hits.removeRows(0, m_hits.rowCount());
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        m_hitCaption->setText(QStringLiteral("选中一行查看该号码在统计期内开出的各期"));
        return;
    }
    const Row& shown = m_rows[static_cast<std::size_t>(row)];
    m_hitCaption->setText(QStringLiteral("%1 在最近 %2 期中开出 %3 次（直选 %4 次）")
                              .arg(NumberText(shown.number, Length()))
                              .arg(analysis::WindowSize(Last(), Draws().codes.size()))
                              .arg(shown.figures.group.hits)
                              .arg(shown.figures.straight.hits));
    // Newest first; every straight hit is a group hit too.
    const std::vector<std::size_t>& draws = shown.figures.group.draws;
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        const std::uint32_t code = Draws().codes[*it];
        QStandardItem* kind = features::TextCell(code == shown.number ? QStringLiteral("直选") : QStringLiteral("组选"));
        kind->setTextAlignment(Qt::AlignCenter);
        QStandardItem* period = features::TextCell(PeriodText(Draws(), *it));
        period->setData(static_cast<double>(*it), features::kSortRole);
        m_hits.appendRow({period, features::TextCell(NumberText(code, Length())), kind});
    }
    m_hitTable->resizeColumnsToContents();
}

QVariantMap LookupWindow::SaveState() const
{
    return {{QStringLiteral("asked"), !m_entries.empty()}};
}

void LookupWindow::RestoreState(const QVariantMap& state)
{
    if (state.value(QStringLiteral("asked")).toBool())
        RunQuery();
}

int LookupWindow::ShownRow(const QModelIndex& index) const
{
    const auto* proxy = static_cast<const QSortFilterProxyModel*>(m_resultTable->model());
    return index.isValid() ? proxy->mapToSource(index).row() : -1;
}

std::vector<std::uint32_t> LookupWindow::HitNumbers() const
{
    std::vector<std::uint32_t> numbers;
    for (const Row& row : m_rows)
        if (row.figures.group.hits > 0 && std::find(numbers.begin(), numbers.end(), row.number) == numbers.end())
            numbers.push_back(row.number);
    return numbers;
}

} // namespace vesk::query
