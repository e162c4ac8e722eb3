#include "components/features/tools/group_stats_page.h"

#include "components/features/kit/kept_state.h"
#include "components/features/kit/table_actions.h"

#include "components/features/tools/tool_widgets.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/tools/group_statistics.h"
#include "components/features/kit/feature_table.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::tools {

GroupStatsPage::GroupStatsPage(const features::FeatureHost* host, QWidget* parent)
    : QWidget(parent), m_host(host), m_input(new ListInput(QStringLiteral("号码"), QStringLiteral("groupList"), this)),
      m_picker(new features::WindowPicker(this)), m_status(new QLabel(this)), m_model(new QStandardItemModel(this)),
      m_table(features::MakeFeatureTable(this, QStringLiteral("groupTable")))
{
    setObjectName(QStringLiteral("groupStatsPage"));
    m_status->setObjectName(QStringLiteral("groupStatus"));
    m_status->setWordWrap(true);
    features::MakeSortable(m_table, m_model);

    auto* calculate = new QPushButton(QStringLiteral("统计"), this);
    calculate->setObjectName(QStringLiteral("calculate"));
    auto* exportTable = new QPushButton(QStringLiteral("导出…"), this);
    exportTable->setObjectName(QStringLiteral("exportTable"));
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    head->addWidget(m_picker);
    head->addWidget(calculate);
    head->addWidget(m_status, 1);
    head->addWidget(exportTable);
    // What the table's 发送到缩水器 does with the workbench's list.
    head->addWidget(new features::HandOffChoice(QStringLiteral("groupStatsPage"), this));
    auto* body = new QHBoxLayout;
    body->addWidget(m_input, 1);
    body->addWidget(m_table, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    m_picker->picked = [this](std::size_t last) {
        m_host->WriteWindow(kGroupStatsWindowOption, last);
        if (m_model->rowCount() > 0)
            Calculate();
    };
    connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(exportTable, &QPushButton::clicked, this, [this] { features::AskExportModel(this, *m_model, "号码组统计"); });
    features::AddTableMenu(m_table, {"号码组统计",
                                     [this](const std::vector<int>& rows) {
                                         std::vector<std::uint32_t> numbers;
                                         for (int row : rows)
                                             if (static_cast<std::size_t>(row) < m_rows.size())
                                                 numbers.insert(numbers.end(), m_rows[static_cast<std::size_t>(row)].members.begin(),
                                                                m_rows[static_cast<std::size_t>(row)].members.end());
                                         return numbers;
                                     },
                                     [this](const std::vector<std::uint32_t>& numbers) {
                                         if (sendNumbers)
                                             sendNumbers(numbers, features::ChosenHandOffMode(this));
                                     },
                                     {}});
}

void GroupStatsPage::Reload()
{
    m_length = m_host->Length();
    m_input->SetLength(m_length);
    m_history = m_host->LoadHistory();
    m_picker->SetWindow(m_host->ReadWindow(kGroupStatsWindowOption));
    if (m_history.codes.empty())
        m_status->setText(Q(m_host->MissingHistoryText()));
    else if (m_model->rowCount() > 0)
        Calculate();
    else
        m_status->setText(QStringLiteral("输入号码后点“统计”"));
}

bool GroupStatsPage::Calculate()
{
    const analysis::NumberEntry entry = m_input->Read();
    if (!entry.Ok()) {
        features::ShowInformation(this, "号码中 " + entry.error + "，请改正后再统计。");
        return false;
    }
    const analysis::GroupStatistics statistics =
        analysis::ComputeGroupStatistics(entry.codes, m_length, m_history.codes, m_picker->Window());

    features::KeepSelection keep(m_table);
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QStringLiteral("组选号码"), QStringLiteral("形态"), QStringLiteral("列表中的单选号码"),
                                        QStringLiteral("单选个数"), QStringLiteral("出现次数"), QStringLiteral("距上次出现")});
    for (const analysis::GroupRow& row : statistics.rows) {
        QStringList members;
        for (std::uint32_t member : row.members)
            members << Q(analysis::DigitsText(member, m_length));
        // "2/6" is exported as written and sorts by the members listed.
        QStandardItem* share = TextCell(QStringLiteral("%1/%2").arg(row.members.size()).arg(row.orderings));
        share->setData(static_cast<double>(row.members.size()), kSortRole);
        share->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // A group that never came sorts after every run length and exports as text.
        QStandardItem* since = row.sinceHit < 0 ? TextCell(QStringLiteral("—"))
                                                : NumberCell(QString::number(row.sinceHit), static_cast<double>(row.sinceHit));
        if (row.sinceHit < 0)
            since->setData(1e18, kSortRole);
        m_model->appendRow({TextCell(Q(analysis::DigitsText(row.group, m_length))), TextCell(Q(row.shape)),
                            TextCell(members.join(QLatin1Char(' '))),
                            share,
                            NumberCell(QString::number(row.hits), static_cast<double>(row.hits)),
                            since});
    }
    m_rows = statistics.rows;
    m_table->resizeColumnsToContents();

    QString status = QStringLiteral("%1 个号码，%2 个组选").arg(entry.codes.size()).arg(statistics.rows.size());
    if (m_history.codes.empty())
        status += QStringLiteral("；") + Q(m_host->MissingHistoryText());
    else
        status += QStringLiteral("；统计最近 %1 期").arg(statistics.scored);
    m_status->setText(status);
    return true;
}

QVariantMap GroupStatsPage::SaveState() const
{
    return {{QStringLiteral("counted"), m_model->rowCount() > 0}};
}

void GroupStatsPage::RestoreState(const QVariantMap& state)
{
    // A text changed since it was counted would only bring up a refusal.
    if (state.value(QStringLiteral("counted")).toBool() && m_input->Read().Ok())
        Calculate();
}

} // namespace vesk::tools
