#include "components/features/query/pattern_window.h"

#include "components/features/kit/feature_table.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/value_labels.h"
#include "components/features/kit/table_export.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::query {

namespace {

QStandardItem* Right(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString Percent(const analysis::Figure& figure)
{
    return QString::fromStdString(analysis::FormatFigure(figure, 2, 100)) + QLatin1Char('%');
}

} // namespace

PatternWindow::PatternWindow(QWidget* parent)
    : QueryFrame(QStringLiteral("patternWindow"), QStringLiteral("特征串查询"), parent)
{
    Bar()->addSpacing(8);
    Bar()->addWidget(new QLabel(QStringLiteral("类型"), this));
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("patternType"));
    FillTypes(3);
    Bar()->addWidget(m_type);
    Bar()->addWidget(new QLabel(QStringLiteral("期数K"), this));
    m_k = new QSpinBox(this);
    m_k->setObjectName(QStringLiteral("patternLength"));
    m_k->setRange(1, static_cast<int>(analysis::kMaxPatternLength));
    m_k->setValue(static_cast<int>(analysis::kDefaultPatternLength));
    Bar()->addWidget(m_k);
    Bar()->addStretch();
    AddExportButton(QStringLiteral("导出出现列表"), QStringLiteral("exportPlaces"), &m_places, "特征串出现列表");
    AddExportButton(QStringLiteral("导出下期统计"), QStringLiteral("exportSummary"), &m_summary, "特征串下期统计");

    const auto changed = [this] {
        m_edited = false;
        if (choiceChanged)
            choiceChanged(Choice().key, K());
        if (HasDraws())
            Refill();
    };
    connect(m_type, &QComboBox::activated, this, changed);
    connect(m_k, &QSpinBox::valueChanged, this, changed);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* patternBar = new QHBoxLayout;
    patternBar->addWidget(new QLabel(QStringLiteral("特征串（从早到近）"), content));
    m_pattern = new QLineEdit(content);
    m_pattern->setObjectName(QStringLiteral("patternText"));
    m_pattern->setToolTip(QStringLiteral("K个值，用空格分开，写法同条件窗口：如 2:1、组三、升降"));
    patternBar->addWidget(m_pattern, 1);
    auto* search = new QPushButton(QStringLiteral("查询"), content);
    search->setObjectName(QStringLiteral("runSearch"));
    patternBar->addWidget(search);
    auto* newest = new QPushButton(QStringLiteral("最新K期"), content);
    newest->setObjectName(QStringLiteral("newestPattern"));
    newest->setToolTip(QStringLiteral("特征串恢复为最近K期开奖的值"));
    patternBar->addWidget(newest);
    layout->addLayout(patternBar);
    connect(search, &QPushButton::clicked, this, [this] { Search(); });
    connect(m_pattern, &QLineEdit::returnPressed, this, [this] { Search(); });
    connect(newest, &QPushButton::clicked, this, [this] {
        m_edited = false;
        if (HasDraws())
            Refill();
    });
    m_error = new QLabel(content);
    m_error->setObjectName(QStringLiteral("patternError"));
    m_error->setStyleSheet(QStringLiteral("color: #b00000;"));
    m_error->setWordWrap(true);
    m_error->hide();
    layout->addWidget(m_error);
    m_count = new QLabel(content);
    m_count->setObjectName(QStringLiteral("patternCount"));
    layout->addWidget(m_count);

    auto* splitter = new QSplitter(Qt::Horizontal, content);
    m_placeTable = features::MakeFeatureTable(splitter, QStringLiteral("patternPlaces"));
    m_placeTable->setModel(&m_places);
    m_summaryTable = features::MakeFeatureTable(splitter, QStringLiteral("patternSummary"));
    m_summaryTable->setModel(&m_summary);
    splitter->addWidget(m_placeTable);
    splitter->addWidget(m_summaryTable);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    SetContent(content);
    m_places.setHorizontalHeaderLabels({QStringLiteral("特征串期号"), QStringLiteral("下期期号"), QStringLiteral("下期号码"),
                                        QStringLiteral("下期值")});
    m_summary.setHorizontalHeaderLabels(
        {QStringLiteral("下期值"), QStringLiteral("次数"), QStringLiteral("占比"), QStringLiteral("理论概率"),
         QStringLiteral("占比95%区间")});
}

void PatternWindow::FillTypes(int length)
{
    if (m_typesLength == length)
        return;
    const QSignalBlocker quiet(m_type);
    const std::uint32_t kept = m_types.empty() ? 0 : Choice().key;
    m_types = analysis::PatternTypes(length);
    m_typesLength = length;
    m_type->clear();
    for (std::size_t i = 0; i < m_types.size(); ++i)
        m_type->addItem(QString::fromStdString(m_types[i].name), static_cast<uint>(m_types[i].key));
    const int index = m_type->findData(static_cast<uint>(kept));
    m_type->setCurrentIndex(index >= 0 ? index : 0);
}

analysis::PatternType PatternWindow::Choice() const
{
    const int index = m_type->currentIndex();
    return index >= 0 && static_cast<std::size_t>(index) < m_types.size() ? m_types[static_cast<std::size_t>(index)]
                                                                            : analysis::PatternType{};
}

std::size_t PatternWindow::K() const
{
    return static_cast<std::size_t>(m_k->value());
}

void PatternWindow::SetChoice(std::uint32_t key, std::size_t k)
{
    const QSignalBlocker quietType(m_type);
    const QSignalBlocker quietK(m_k);
    const int index = m_type->findData(static_cast<uint>(key));
    if (index >= 0)
        m_type->setCurrentIndex(index);
    if (k >= 1 && k <= analysis::kMaxPatternLength)
        m_k->setValue(static_cast<int>(k));
    m_edited = false;
    if (HasDraws())
        Refill();
}

void PatternWindow::Refill()
{
    FillTypes(Length());
    m_values = analysis::DrawValues(Condition(), Length(), Draws().codes);
    if (m_edited && Search())
        return;
    ResetPattern();
}

void PatternWindow::ResetPattern()
{
    m_edited = false;
    const analysis::ValueLabels labels(Condition(), Length());
    const std::vector<std::int64_t> pattern = analysis::NewestPattern(m_values, K());
    m_pattern->setText(QString::fromStdString(analysis::ValueListText(labels, pattern)));
    m_error->hide();
    Show(pattern);
}

bool PatternWindow::Search()
{
    if (!HasDraws())
        return false;
    const analysis::ValueLabels labels(Condition(), Length());
    std::string error;
    const auto pattern = analysis::ParseValueList(labels, m_pattern->text().toStdString(), error);
    if (pattern && pattern->size() != K())
        error = "特征串要有 " + std::to_string(K()) + " 个值，输入了 " + std::to_string(pattern->size()) + " 个";
    if (!error.empty()) {
        m_error->setText(QStringLiteral("未能查询：") + QString::fromStdString(error));
        m_error->show();
        return false;
    }
    m_error->hide();
    m_edited = *pattern != analysis::NewestPattern(m_values, K());
    Show(*pattern);
    return true;
}

void PatternWindow::Show(const std::vector<std::int64_t>& pattern)
{
    const analysis::ValueLabels labels(Condition(), Length());
    m_result = analysis::SearchPattern(Condition(), Length(), m_values, pattern, Last());
    m_places.removeRows(0, m_places.rowCount());
    const std::size_t k = pattern.size();
    // Newest first: the places a user looks at first.
    for (auto it = m_result.places.rbegin(); it != m_result.places.rend(); ++it) {
        const std::size_t next = *it;
        const QString from = PeriodText(Draws(), next - k);
        const QString to = PeriodText(Draws(), next - 1);
        m_places.appendRow({new QStandardItem(k == 1 ? to : from + QStringLiteral("–") + to),
                            new QStandardItem(PeriodText(Draws(), next)),
                            new QStandardItem(NumberText(Draws().codes[next], Length())),
                            new QStandardItem(QString::fromStdString(labels.Text(m_values[next])))});
    }
    m_summary.removeRows(0, m_summary.rowCount());
    for (const analysis::PatternNext& next : m_result.summary) {
        auto* count = Right(QString::number(next.count));
        count->setData(static_cast<qlonglong>(next.count), features::kExportNumberRole);
        auto* share = Right(Percent(next.share));
        auto* probability = Right(Percent(next.probability));
        // How far the share could be from the truth with this few places.
        auto* interval = Right(QString::fromStdString(
            analysis::IntervalText(next.count, static_cast<std::int64_t>(m_result.places.size()))));
        m_summary.appendRow(
            {new QStandardItem(QString::fromStdString(labels.Text(next.value))), count, share, probability, interval});
    }
    m_count->setText(pattern.size() == K() && !pattern.empty()
                         ? QStringLiteral("统计 %1 期中，特征串之后有下一期的共 %2 处").arg(m_result.window).arg(m_result.places.size()) +
                               (m_result.places.size() < analysis::kFewScored
                                    ? QStringLiteral("；只找到 %1 处，比例不足以说明问题").arg(m_result.places.size())
                                    : QString())
                         : QStringLiteral("开奖期数少于 K，没有可比的特征串"));
    m_placeTable->resizeColumnsToContents();
    m_summaryTable->resizeColumnsToContents();
}

} // namespace vesk::query
