#include "components/features/tools/number_stats_page.h"

#include "components/features/kit/table_actions.h"

#include "components/features/tools/tool_widgets.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/tools/number_statistics.h"
#include "components/features/kit/feature_look.h"
#include "components/features/kit/feature_table.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::tools {
namespace {

QString Percent(const analysis::Figure& figure)
{
    return features::PercentText(figure);
}

QString MoneyLine(const QString& what, const analysis::BettingReturn& betting)
{
    return QStringLiteral("%1 %2 注：成本 %3 元，奖金 %4 元，返奖率 %5")
        .arg(what)
        .arg(betting.betsPerDraw)
        .arg(betting.cost)
        .arg(betting.winnings)
        .arg(Percent(betting.returnRate));
}

} // namespace

NumberStatsPage::NumberStatsPage(const features::FeatureHost* host, QWidget* parent)
    : QWidget(parent), m_host(host), m_input(new ListInput(QStringLiteral("号码"), QStringLiteral("statsList"), this)),
      m_type(new QComboBox(this)), m_picker(new features::WindowPicker(this)), m_summary(new QLabel(this)),
      m_distribution(new QStandardItemModel(this)), m_draws(new QStandardItemModel(this)),
      m_distributionTable(features::MakeFeatureTable(this, QStringLiteral("distributionTable"))),
      m_drawTable(features::MakeFeatureTable(this, QStringLiteral("backtestTable")))
{
    setObjectName(QStringLiteral("numberStatsPage"));
    m_type->setObjectName(QStringLiteral("valueType"));
    for (int t = 0; t < filter::kConditionTypeCount; ++t) {
        const auto type = static_cast<filter::ConditionType>(t);
        if (analysis::IsFamilyType(type))
            m_type->addItem(Q(std::string(filter::InfoOf(type).name)), t);
    }
    m_summary->setObjectName(QStringLiteral("backtestSummary"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);
    features::MakeSortable(m_distributionTable, m_distribution);
    features::MakeSortable(m_drawTable, m_draws);
    features::AddTableMenu(m_distributionTable, {"号码统计-分布", {}, {}, {}});
    features::AddTableMenu(m_drawTable, {"号码统计-回测", {}, {}, {}});

    auto* calculate = new QPushButton(QStringLiteral("统计"), this);
    calculate->setObjectName(QStringLiteral("calculate"));
    auto* exportDistribution = new QPushButton(QStringLiteral("导出分布…"), this);
    exportDistribution->setObjectName(QStringLiteral("exportDistribution"));
    auto* exportDraws = new QPushButton(QStringLiteral("导出回测…"), this);
    exportDraws->setObjectName(QStringLiteral("exportBacktest"));

    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("指标"), this));
    head->addWidget(m_type);
    head->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    head->addWidget(m_picker);
    head->addWidget(calculate);
    head->addStretch(1);
    head->addWidget(exportDistribution);
    head->addWidget(exportDraws);

    auto* tables = new QHBoxLayout;
    tables->addWidget(m_distributionTable, 1);
    tables->addWidget(m_drawTable, 1);
    auto* results = new QVBoxLayout;
    results->addWidget(m_summary);
    results->addLayout(tables, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_input, 1);
    body->addLayout(results, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    m_picker->picked = [this](std::size_t last) {
        m_host->WriteWindow(kNumberStatsWindowOption, last);
        if (m_calculated)
            Calculate();
    };
    connect(m_type, &QComboBox::activated, this, [this] {
        m_host->WriteNumber(kNumberStatsTypeOption, static_cast<std::uint32_t>(m_type->currentData().toInt()));
        if (m_calculated)
            Calculate();
    });
    connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(exportDistribution, &QPushButton::clicked, this,
            [this] { features::AskExportModel(this, *m_distribution, "号码统计-分布"); });
    connect(exportDraws, &QPushButton::clicked, this, [this] { features::AskExportModel(this, *m_draws, "号码统计-回测"); });
}

void NumberStatsPage::Reload()
{
    m_length = m_host->Length();
    m_input->SetLength(m_length);
    m_history = m_host->LoadHistory();
    m_picker->SetWindow(m_host->ReadWindow(kNumberStatsWindowOption));
    if (const auto type = m_host->ReadNumber(kNumberStatsTypeOption)) {
        if (const int at = m_type->findData(static_cast<int>(*type)); at >= 0)
            m_type->setCurrentIndex(at);
    }
    if (m_calculated)
        Calculate();
    else
        m_summary->setText(m_history.codes.empty() ? Q(m_host->MissingHistoryText()) : QStringLiteral("输入号码后点“统计”"));
}

bool NumberStatsPage::Calculate()
{
    const analysis::NumberEntry entry = m_input->Read();
    if (!entry.Ok()) {
        features::ShowInformation(this, "号码中 " + entry.error + "，请改正后再统计。");
        return false;
    }
    ShowDistribution(entry.codes);
    ShowBacktest(entry.codes);
    m_calculated = true;
    return true;
}

void NumberStatsPage::ShowDistribution(const std::vector<std::uint32_t>& list)
{
    const auto type = static_cast<filter::ConditionType>(m_type->currentData().toInt());
    m_distribution->clear();
    m_distribution->setHorizontalHeaderLabels(
        {m_type->currentText(), QStringLiteral("注数"), QStringLiteral("占比"), QStringLiteral("全部号码中占比")});
    for (const analysis::ValueShareRow& row : analysis::ValueDistribution(type, list, m_length))
        m_distribution->appendRow({TextCell(Q(row.title)), NumberCell(QString::number(row.count), static_cast<double>(row.count)),
                                   NumberCell(Percent(row.share), row.share.Value()),
                                   NumberCell(Percent(row.spaceShare), row.spaceShare.Value())});
    m_distributionTable->resizeColumnsToContents();
}

void NumberStatsPage::ShowBacktest(const std::vector<std::uint32_t>& list)
{
    m_draws->clear();
    m_draws->setHorizontalHeaderLabels({QStringLiteral("期号"), QStringLiteral("开奖号码"), QStringLiteral("直选"), QStringLiteral("组选")});
    if (m_history.codes.empty()) {
        m_summary->setText(Q(m_host->MissingHistoryText()));
        return;
    }
    const analysis::ListBacktest test = analysis::BacktestList(list, m_length, m_history.codes, m_picker->Window());
    // Newest draw first, as a user reads a draw list.
    for (auto it = test.draws.rbegin(); it != test.draws.rend(); ++it) {
        const QString hit = QStringLiteral("中");
        const QString miss = QStringLiteral("—");
        m_draws->appendRow({TextCell(features::PeriodText(m_history, it->draw)),
                            TextCell(features::NumberText(m_history.codes[it->draw], m_length)),
                            TextCell(it->straight ? hit : miss), TextCell(it->group ? hit : miss)});
    }
    m_drawTable->resizeColumnsToContents();

    QStringList lines;
    lines << QStringLiteral("回测最近 %1 期，列表 %2 注（去掉重复），%3 个组选：").arg(test.scored).arg(test.listSize).arg(test.groupCount);
    lines << QStringLiteral("直选命中 %1 期，命中率 %2（随机基准 %3：同样多的号码随机选出时的命中率）")
                 .arg(test.straightHits)
                 .arg(Percent(test.straightRate), Percent(test.straightBaseline));
    lines << QStringLiteral("组选命中 %1 期，命中率 %2（随机基准 %3：全部号码中属于这些组选的比例）")
                 .arg(test.groupHits)
                 .arg(Percent(test.groupRate), Percent(test.groupBaseline));
    if (test.prizes) {
        lines << MoneyLine(QStringLiteral("每期直选投注全部"), test.straightBetting);
        lines << MoneyLine(QStringLiteral("每期组选投注每个组选一注（豹子只能直选）"), test.groupBetting);
    }
    lines << QStringLiteral("过去的命中不代表以后的命中，任何选号都不能保证中奖。");
    m_summary->setText(lines.join(QLatin1Char('\n')));
}

QVariantMap NumberStatsPage::SaveState() const
{
    return {{QStringLiteral("counted"), m_calculated}};
}

void NumberStatsPage::RestoreState(const QVariantMap& state)
{
    // A text changed since it was counted would only bring up a refusal.
    if (state.value(QStringLiteral("counted")).toBool() && m_input->Read().Ok())
        Calculate();
}

} // namespace vesk::tools
