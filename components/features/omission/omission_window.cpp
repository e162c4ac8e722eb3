#include "components/features/omission/omission_window.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/omission/due_check.h"

#include "components/features/omission/table_text.h"
#include "components/features/omission/trend_view.h"
#include "components/features/kit/feature_table.h"
#include "components/features/kit/window_picker.h"

#include "framework/interaction.h"
#include "storage/files/file_access.h"
#include "components/features/kit/feature_look.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vesk::omission {

namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kItemRole = Qt::UserRole + 2;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QTableView* MakeTable(QWidget* parent, const QString& name)
{
    QTableView* table = features::MakeFeatureTable(parent, name);
    table->setSortingEnabled(true);
    return table;
}

QStandardItem* Cell(const QString& text, double sortValue, bool number)
{
    auto* item = new QStandardItem(text);
    item->setData(sortValue, kSortRole);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

OmissionWindow::OmissionWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("omissionWindow"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(250, 252, 254));
    setPalette(palette);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* bar = new QHBoxLayout;
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("featureTitle"));
    QFont font = m_title->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    m_title->setFont(font);
    bar->addWidget(m_title);
    bar->addStretch();
    bar->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    m_windowPicker = new features::WindowPicker(this);
    bar->addWidget(m_windowPicker);
    m_skewControls = new QWidget(this);
    auto* skewBar = new QHBoxLayout(m_skewControls);
    skewBar->setContentsMargins(0, 0, 0, 0);
    const auto threshold = [&](const QString& label, const QString& name, double value) {
        skewBar->addWidget(new QLabel(label, m_skewControls));
        auto* box = new QDoubleSpinBox(m_skewControls);
        box->setObjectName(name);
        box->setDecimals(2);
        box->setRange(0, 999);
        box->setSingleStep(0.1);
        box->setValue(value);
        skewBar->addWidget(box);
        connect(box, &QDoubleSpinBox::editingFinished, this, [this] { Recompute(); });
        return box;
    };
    m_minRatio = threshold(QStringLiteral("欲出几率 ≥"), QStringLiteral("minRatio"), 2.0);
    m_minShare = threshold(QStringLiteral("或 当前/最大遗漏 ≥"), QStringLiteral("minShare"), 1.0);
    bar->addWidget(m_skewControls);
    m_listControls = new QWidget(this);
    auto* listBar = new QHBoxLayout(m_listControls);
    listBar->setContentsMargins(0, 0, 0, 0);
    m_showMisses = new QCheckBox(QStringLiteral("显示遗漏值"), m_listControls);
    m_showMisses->setObjectName(QStringLiteral("showMisses"));
    m_showMisses->setChecked(true);
    listBar->addWidget(m_showMisses);
    const std::pair<const char*, int> buttons[] = {{"导出Excel", 0}, {"导出文本", 1}, {"导出图片", 2}};
    for (const auto& [text, kind] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(text), m_listControls);
        button->setObjectName(QStringLiteral("export%1").arg(kind));
        connect(button, &QPushButton::clicked, this, [this, kind = kind] { AskExport(kind); });
        listBar->addWidget(button);
    }
    auto* edit = new QPushButton(QStringLiteral("编辑自定义项目"), m_listControls);
    edit->setObjectName(QStringLiteral("editCustomItems"));
    connect(edit, &QPushButton::clicked, this, [this] {
        if (editCustomItems)
            editCustomItems();
    });
    listBar->addWidget(edit);
    m_editCustom = edit;
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), m_listControls);
    send->setObjectName(QStringLiteral("sendNumbers"));
    send->setToolTip(QStringLiteral("把满足任一选中项目的号码交给组号缩水的结果列表"));
    connect(send, &QPushButton::clicked, this, [this] { SendSelected(); });
    listBar->addWidget(send);
    bar->addWidget(m_listControls);
    layout->addLayout(bar);

    m_pages = new QStackedWidget(this);
    m_missing = features::MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_missing);

    m_tabs = new QTabWidget(this);
    m_table = MakeTable(m_tabs, QStringLiteral("omissionTable"));
    m_model = new QStandardItemModel(this);
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(kSortRole);
    m_table->setModel(m_proxy);
    m_tabs->addTab(m_table, QStringLiteral("遗漏表"));
    m_chart = new TrendView(m_tabs);
    m_tabs->addTab(m_chart, QStringLiteral("分布图"));
    m_pages->addWidget(m_tabs);

    m_skewTable = MakeTable(this, QStringLiteral("skewTable"));
    m_skewModel = new QStandardItemModel(this);
    m_skewProxy = new QSortFilterProxyModel(this);
    m_skewProxy->setSourceModel(m_skewModel);
    m_skewProxy->setSortRole(kSortRole);
    m_skewTable->setModel(m_skewProxy);
    m_pages->addWidget(m_skewTable);
    layout->addWidget(m_pages, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("omissionStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_windowPicker->picked = [this](std::size_t last) {
        m_last = last;
        Recompute();
        if (windowChanged)
            windowChanged(m_last);
    };
    connect(m_showMisses, &QCheckBox::toggled, this, [this](bool on) { m_chart->SetShowMisses(on); });
    connect(m_skewTable, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const QModelIndex source = m_skewProxy->mapToSource(index);
        const int row = m_skewModel->item(source.row(), 0)->data(kItemRole).toInt();
        if (row < 0 || static_cast<std::size_t>(row) >= m_skew.rows.size() || !openFamily)
            return;
        const analysis::SkewRow& skew = m_skew.rows[static_cast<std::size_t>(row)];
        openFamily(m_skewFamilies[skew.family].subCode, skew.row.item);
    });
}

OmissionWindow::~OmissionWindow() = default;

void OmissionWindow::SetHistory(HistoryDraws draws, std::string missingText)
{
    m_draws = std::move(draws);
    m_missingText = std::move(missingText);
    Recompute();
}

void OmissionWindow::SetWindowSize(std::size_t last)
{
    m_last = last;
    m_windowPicker->SetWindow(last);
    Recompute();
}

void OmissionWindow::SetSkewThresholds(double minRatio, double minShare)
{
    m_minRatio->setValue(minRatio);
    m_minShare->setValue(minShare);
    if (m_skewMode)
        Recompute();
}

void OmissionWindow::ShowFamily(SourcedFamily family)
{
    m_skewMode = false;
    m_family = std::move(family);
    Recompute();
}

void OmissionWindow::ShowSkew(std::vector<SourcedFamily> families)
{
    m_skewMode = true;
    m_skewFamilies = std::move(families);
    Recompute();
}

void OmissionWindow::Recompute()
{
    m_title->setText(m_skewMode ? QStringLiteral("偏态搜索")
                                : QStringLiteral("遗漏列表（分布） · %1")
                                      .arg(m_family.family ? Q(m_family.family->Name()) : QStringLiteral("未知列表")));
    m_skewControls->setVisible(m_skewMode);
    m_listControls->setVisible(!m_skewMode);
    const bool custom = m_family.subCode >= analysis::kCustomCombinationCode && m_family.subCode <= analysis::kCustomListCode;
    m_editCustom->setVisible(!m_skewMode && custom);
    if (m_draws.codes.empty()) {
        m_missing->setText(Q(m_missingText));
        m_pages->setCurrentIndex(0);
        m_status->clear();
        return;
    }
    const std::size_t window = analysis::WindowSize(m_last, m_draws.codes.size());
    const QString scored = QStringLiteral("统计最近 %1 期（共 %2 期）%3")
                               .arg(window)
                               .arg(m_draws.codes.size())
                               .arg(window < analysis::kFewScored ? QString::fromUtf8(analysis::kFewScoredNote) : QString());
    if (m_skewMode) {
        FillSkew();
        m_pages->setCurrentIndex(2);
        m_status->setText(scored + QStringLiteral("；共查 %1 项，欲出几率 ≥ %2 或当前遗漏达到最大遗漏的 %3 倍（且最大遗漏 > 0）的 %4 项。双击一项打开它的遗漏列表。")
                                       .arg(m_skew.searched)
                                       .arg(m_minRatio->value(), 0, 'f', 2)
                                       .arg(m_minShare->value(), 0, 'f', 2)
                                       .arg(m_skew.rows.size()));
        return;
    }
    if (!m_family.family) {
        m_missing->setText(QStringLiteral("这一项没有遗漏列表。"));
        m_pages->setCurrentIndex(0);
        return;
    }
    m_tableData = analysis::ComputeOmissions(*m_family.family, m_draws.codes, m_last);
    FillTable();
    FillChart();
    m_pages->setCurrentIndex(1);
    QString status = scored + QStringLiteral("；%1 项").arg(m_tableData.rows.size());
    if (!m_family.unmapped.empty())
        status += QStringLiteral("；未对应取值、不作统计的项目：%1").arg(Q(m_family.unmapped.front()) +
                                                                    (m_family.unmapped.size() > 1 ? QStringLiteral(" 等 %1 项").arg(m_family.unmapped.size()) : QString()));
    if (m_family.family->Size() == 0)
        status += QStringLiteral("；还没有项目：点“编辑自定义项目”添加");
    if (!m_family.error.empty())
        status += QStringLiteral("；自定义项目文件有误：") + Q(m_family.error);
    // Whether a high 欲出几率 made items come more often than their chance.
    if (m_family.family->Size() > 0)
        status += QStringLiteral("\n检验：") + Q(analysis::DueCheckText(analysis::CheckDue(*m_family.family, m_draws.codes, m_last)));
    m_status->setText(status);
}

void OmissionWindow::FillTable()
{
    const analysis::Family& family = *m_family.family;
    m_model->clear();
    QStringList titles;
    for (int c = 0; c < kTableColumns; ++c)
        titles << QString::fromUtf8(ColumnTitle(c));
    m_model->setHorizontalHeaderLabels(titles);
    int selectedRow = -1;
    for (const analysis::OmissionRow& row : m_tableData.rows) {
        QList<QStandardItem*> cells;
        for (int c = 0; c < kTableColumns; ++c)
            cells << Cell(Q(CellText(family, row, c)), CellValue(row, c), c > 0);
        cells.front()->setData(static_cast<int>(row.item), kItemRole);
        if (row.item == m_family.selected)
            selectedRow = m_model->rowCount();
        m_model->appendRow(cells);
    }
    m_table->sortByColumn(-1, Qt::AscendingOrder);
    m_proxy->sort(-1);
    m_table->horizontalHeader()->setSortIndicatorShown(true);
    m_table->resizeColumnsToContents();
    if (selectedRow >= 0) {
        m_table->selectRow(selectedRow);
        m_table->scrollTo(m_proxy->index(selectedRow, 0));
    }
}

void OmissionWindow::FillChart()
{
    const analysis::Family& family = *m_family.family;
    TrendData trend = MakeTrend(family, m_tableData, ChartColumns(m_tableData, {m_family.selected}), m_draws.codes);
    QStringList titles, periods, numbers;
    for (std::size_t r : trend.rows)
        titles << Q(family.Items()[m_tableData.rows[r].item].title);
    for (std::size_t i = trend.firstDraw; i < m_draws.codes.size(); ++i) {
        periods << Q(m_draws.periods[i]);
        numbers << QStringLiteral("%1").arg(m_draws.codes[i], family.Length(), 10, QLatin1Char('0'));
    }
    std::vector<QStringList> summary(4);
    for (std::size_t r : trend.rows) {
        const analysis::OmissionRow& row = m_tableData.rows[r];
        summary[0] << QString::number(row.hits);
        summary[1] << Q(analysis::FormatFigure(row.average, 2));
        summary[2] << QString::number(row.maximum);
        summary[3] << QString::number(row.maxRun);
    }
    int selected = -1;
    for (std::size_t c = 0; c < trend.rows.size(); ++c)
        if (m_tableData.rows[trend.rows[c]].item == m_family.selected)
            selected = static_cast<int>(c);
    m_chart->SetData(std::move(trend), titles, periods, numbers, std::move(summary), selected);
    m_chart->ScrollToNewest();
}

void OmissionWindow::FillSkew()
{
    std::vector<const analysis::Family*> families;
    for (const SourcedFamily& family : m_skewFamilies)
        families.push_back(family.family.get());
    // The boxes hold two decimals: the thresholds are those hundredths exactly.
    analysis::SkewThresholds thresholds;
    thresholds.minRatio = {std::llround(m_minRatio->value() * 100), 100};
    thresholds.minShareOfMax = {std::llround(m_minShare->value() * 100), 100};
    m_skew = analysis::SearchSkew(families, m_draws.codes, m_last, thresholds);
    m_skewModel->clear();
    QStringList titles = {QStringLiteral("列表")};
    for (int c = 0; c < kTableColumns; ++c)
        titles << QString::fromUtf8(ColumnTitle(c));
    m_skewModel->setHorizontalHeaderLabels(titles);
    for (std::size_t i = 0; i < m_skew.rows.size(); ++i) {
        const analysis::SkewRow& skew = m_skew.rows[i];
        const analysis::Family& family = *families[skew.family];
        QList<QStandardItem*> cells;
        cells << Cell(Q(family.Name()), static_cast<double>(i), false);
        cells.front()->setData(static_cast<int>(i), kItemRole);
        for (int c = 0; c < kTableColumns; ++c)
            cells << Cell(Q(CellText(family, skew.row, c)), c == 0 ? static_cast<double>(i) : CellValue(skew.row, c), c > 0);
        m_skewModel->appendRow(cells);
    }
    m_skewTable->sortByColumn(-1, Qt::AscendingOrder);
    m_skewProxy->sort(-1);
    m_skewTable->resizeColumnsToContents();
}

std::vector<std::size_t> OmissionWindow::SelectedItems() const
{
    std::vector<std::size_t> items;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        const QModelIndex source = m_proxy->mapToSource(index);
        items.push_back(static_cast<std::size_t>(m_model->item(source.row(), 0)->data(kItemRole).toInt()));
    }
    std::sort(items.begin(), items.end());
    return items;
}

void OmissionWindow::SendSelected()
{
    const std::vector<std::size_t> items = SelectedItems();
    if (m_skewMode || !m_family.family || items.empty() || !sendNumbers)
        return;
    sendNumbers(m_family.family->NumbersOf(items));
}

std::string OmissionWindow::ExportText(const std::string& path) const
{
    if (!m_family.family)
        return "no table";
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, TableText(*m_family.family, m_tableData.rows));
    return outcome.ok ? std::string() : outcome.error;
}

std::string OmissionWindow::ExportWorkbook(const std::string& path) const
{
    if (!m_family.family)
        return "no table";
    std::string error;
    const std::string bytes = TableWorkbook(*m_family.family, m_tableData.rows, error);
    if (!error.empty())
        return error;
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, bytes);
    return outcome.ok ? std::string() : outcome.error;
}

std::string OmissionWindow::ExportChart(const std::string& path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage image = m_chart->Render();
    if (!image.save(&buffer, "PNG")) // written whole, then renamed in
        return "cannot encode the picture";
    const files::WriteOutcome outcome = files::WriteFileReplacing(path, bytes.toStdString());
    return outcome.ok ? std::string() : outcome.error;
}

void OmissionWindow::AskExport(int kind)
{
    if (m_skewMode || !m_family.family || m_draws.codes.empty())
        return;
    FileDialogRequest request;
    request.open = false;
    request.parent = this;
    const char* extensions[] = {"xls", "txt", "png"};
    const char* filters[] = {"Excel 工作簿 (*.xls)|*.xls||", "文本文件 (*.txt)|*.txt||", "PNG 图片 (*.png)|*.png||"};
    request.defaultExtension = extensions[kind];
    request.filter = filters[kind];
    request.fileName = m_family.family->Name() + (kind == 2 ? "分布图." : "遗漏表.") + extensions[kind];
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    const std::string path = WithDefaultExtension(answer.paths.front(), extensions[kind]);
    const std::string error = kind == 0 ? ExportWorkbook(path) : kind == 1 ? ExportText(path) : ExportChart(path);
    if (!error.empty()) {
        MessageBoxRequest box;
        box.parent = request.parent;
        box.text = path + "：" + error;
        box.caption = "提示信息";
        box.type = 0x40; // MB_ICONINFORMATION
        Interaction().MessageBox(box);
    }
}

} // namespace vesk::omission
