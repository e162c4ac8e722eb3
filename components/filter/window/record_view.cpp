#include "components/filter/window/record_view.h"

#include "components/filter/component/report_text.h"
#include "components/filter/engine/binomial.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::filter {
namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kRecordRole = Qt::UserRole + 2;
// Below this many judged draws a rate says little.
constexpr std::uint64_t kFewJudged = 30;

QStandardItem* Cell(const QString& text, double sortKey)
{
    auto* item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

QString Percent(std::uint64_t numerator, std::uint64_t denominator)
{
    return QString::fromStdString(DecimalText(numerator * 100, denominator, 1)) + QLatin1Char('%');
}

} // namespace

RecordView::RecordView(FilterComponent& engine, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , m_engine(engine)
    , m_draws(new QSpinBox(this))
    , m_table(new QTableView(this))
    , m_model(new QStandardItemModel(this))
    , m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("recordView"));
    setWindowTitle(QStringLiteral("条件历史表现"));
    auto* column = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("最近"), this));
    m_draws->setRange(1, 100000);
    m_draws->setValue(kDefaultRecordDraws);
    m_draws->setSuffix(QStringLiteral(" 期"));
    line->addWidget(m_draws);
    auto* run = new QPushButton(QStringLiteral("统计"), this);
    run->setDefault(true);
    line->addWidget(run);
    line->addStretch(1);
    column->addLayout(line);

    m_model->setHorizontalHeaderLabels({QStringLiteral("条件"), QStringLiteral("随机保留率"), QStringLiteral("保留期数"),
                                        QStringLiteral("保留率"), QStringLiteral("单侧p"), QStringLiteral("当前连错"),
                                        QStringLiteral("最长连错")});
    m_model->setSortRole(kSortRole);
    m_table->setObjectName(QStringLiteral("recordTable"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setToolTip(QStringLiteral("随机保留率：各期这个条件保留全部号码的平均比例，即随便一注被它保留的机会；"
                                       "单侧p：按随机保留率，保留期数至少这么多的机会；"
                                       "连错：最近连续被它滤掉的开奖期数"));
    column->addWidget(m_table, 1);
    m_status->setObjectName(QStringLiteral("recordStatus"));
    m_status->setWordWrap(true);
    column->addWidget(m_status);

    QObject::connect(run, &QPushButton::clicked, this, [this] { Run(); });
    QObject::connect(m_draws, &QSpinBox::editingFinished, this, [this] { Run(); });
    QObject::connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const QVariant at = m_model->index(index.row(), kRecordItem).data(kRecordRole);
        if (!at.isValid() || at.toULongLong() >= m_records.records.size())
            return;
        const ConditionRecord& record = m_records.records[at.toULongLong()];
        if (record.item != RecordItem::Set && selectCondition)
            selectCondition(record.ref);
    });
    resize(700, 420);
}

RecordView::~RecordView()
{
    // The count box loses its focus as the children go and would ask for a
    // run of a view whose records are already gone.
    QObject::disconnect(m_draws, nullptr, this, nullptr);
}

void RecordView::Run()
{
    m_records = m_engine.RecordConditions(static_cast<std::size_t>(m_draws->value()));
    m_model->removeRows(0, m_model->rowCount());
    if (!m_records.ok) {
        m_status->setText(QString::fromStdString(m_records.error));
        return;
    }
    const std::uint64_t judged = m_records.judged;
    const std::uint64_t chanceOf = judged * m_records.spaceSize;
    for (std::size_t i = 0; i < m_records.records.size(); ++i) {
        const ConditionRecord& record = m_records.records[i];
        auto* name = new QStandardItem(QString::fromStdString(RecordLabel(m_engine.Set(), record, m_engine.Length())));
        name->setEditable(false);
        name->setData(static_cast<double>(i), kSortRole);
        name->setData(static_cast<qulonglong>(i), kRecordRole);
        const double p = RecordPValue(record, judged, m_records.spaceSize);
        QList<QStandardItem*> row = {
            name,
            Cell(judged ? Percent(record.keptNumbers, chanceOf) : QStringLiteral("-"),
                 judged ? static_cast<double>(record.keptNumbers) / static_cast<double>(chanceOf) : 0),
            Cell(QString::number(record.kept), static_cast<double>(record.kept)),
            Cell(judged ? Percent(record.kept, judged) : QStringLiteral("-"),
                 judged ? static_cast<double>(record.kept) / static_cast<double>(judged) : 0),
            Cell(judged ? QString::fromStdString(PValueText(p)) : QStringLiteral("-"), p),
            Cell(QString::number(record.currentCut), static_cast<double>(record.currentCut)),
            Cell(QString::number(record.longestCut), static_cast<double>(record.longestCut)),
        };
        // Better than chance only when chance rarely does as well.
        if (judged && p < kChanceLevel)
            row[kRecordP]->setForeground(QColor(0, 120, 60));
        m_model->appendRow(row);
    }
    QString status = QStringLiteral("判断了最近 %1 期（每期只用它之前的开奖）").arg(judged);
    if (judged > 0 && judged < kFewJudged)
        status += QStringLiteral("（样本少于 30 期）");
    status += QStringLiteral("。保留率高于随机保留率不说明条件有用，除非单侧p很小（小于 0.01）。双击条件可在页面上找到它。");
    m_status->setText(status);
}

QString RecordView::Status() const
{
    return m_status->text();
}

} // namespace vesk::filter
