#include "components/features/omission/omission_window.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/omission/due_check.h"
#include "components/features/analysis/omission/items_condition.h"

#include "components/features/omission/chart_pictures.h"
#include "components/features/omission/chart_printing.h"
#include "components/features/omission/table_text.h"
#include "components/features/omission/trend_content.h"
#include "components/features/omission/trend_view.h"
#include "components/features/kit/feature_table.h"
#include "components/features/kit/kept_state.h"
#include "components/features/kit/table_actions.h"
#include "components/features/kit/table_cells.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include "framework/interaction.h"
#include "storage/safe_file.h"
#include "storage/save_report.h"
#include "components/features/kit/feature_look.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPixmap>
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
#include <optional>

namespace vesk::omission {

namespace {

constexpr int kItemRole = Qt::UserRole + 2;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The label column sorts by the family's own order, the figures by value.
QStandardItem* Cell(const QString& text, double sortValue, bool number)
{
    if (number)
        return features::NumberCell(text, sortValue);
    QStandardItem* item = features::TextCell(text);
    item->setData(sortValue, features::kSortRole);
    return item;
}

// The table's tints and the mark of an item near its record; the legend
// repeats them.
const QColor kDueTint(255, 241, 200);
const QColor kOverdueTint(255, 212, 212);
const QColor kRecordMark(200, 30, 40);

QIcon RecordMarkIcon()
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kRecordMark);
    painter.drawPolygon(QPolygonF({QPointF(6, 1), QPointF(11, 10), QPointF(1, 10)}));
    return QIcon(pixmap);
}

QString LegendText()
{
    return QStringLiteral("<span style='background:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span> 欲出几率 ≥ 1　"
                          "<span style='background:%2'>&nbsp;&nbsp;&nbsp;&nbsp;</span> 欲出几率 ≥ 2　"
                          "<span style='color:%3'>▲</span> 当前遗漏已到最大遗漏的九成以上（接近纪录）")
        .arg(kDueTint.name(), kOverdueTint.name(), kRecordMark.name());
}

// A group name that says where the condition came from: "和值：和值10、和值13".
std::string ConditionName(const analysis::Family& family, const std::vector<std::size_t>& items)
{
    std::string name = family.Name() + "：";
    for (std::size_t i = 0; i < items.size() && i < 3; ++i)
        name += (i ? "、" : "") + family.Items()[items[i]].title;
    if (items.size() > 3)
        name += " 等 " + std::to_string(items.size()) + " 项";
    return name;
}

} // namespace

OmissionWindow::OmissionWindow(QWidget* parent)
    : FeatureFrame(QStringLiteral("omissionWindow"), {}, parent, features::FrameLook{QStringLiteral("统计期数"), true})
{
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
        connect(box, &QDoubleSpinBox::editingFinished, this, [this] {
            Recompute();
            if (thresholdsChanged)
                thresholdsChanged(m_minRatio->value(), m_minShare->value());
        });
        return box;
    };
    m_minRatio = threshold(QStringLiteral("欲出几率 ≥"), QStringLiteral("minRatio"), 2.0);
    m_minShare = threshold(QStringLiteral("或 当前/最大遗漏 ≥"), QStringLiteral("minShare"), 1.0);
    auto* skewExport = new QPushButton(QStringLiteral("导出"), m_skewControls);
    skewExport->setObjectName(QStringLiteral("exportSkew"));
    connect(skewExport, &QPushButton::clicked, this, [this] {
        if (ContentShown())
            features::AskExportModel(this, *m_skewTable->model(), "偏态搜索");
    });
    skewBar->addWidget(skewExport);
    auto* skewSend = new QPushButton(QStringLiteral("发送到缩水器"), m_skewControls);
    skewSend->setObjectName(QStringLiteral("sendSkewNumbers"));
    skewSend->setToolTip(QStringLiteral("把满足任一选中项目的号码交给组号缩水的结果列表"));
    connect(skewSend, &QPushButton::clicked, this, [this] { SendSelected(); });
    skewBar->addWidget(skewSend);
    // A row of its own: the thresholds and buttons do not fit beside the
    // title and the picker at the host's first size.
    AddRow(m_skewControls);
    m_listControls = new QWidget(this);
    auto* listBar = new QHBoxLayout(m_listControls);
    listBar->setContentsMargins(0, 0, 0, 0);
    // The chart's and table's view options sit on the title's line.
    m_viewOptions = new QWidget(this);
    auto* optionsBar = new QHBoxLayout(m_viewOptions);
    optionsBar->setContentsMargins(0, 0, 12, 0);
    m_showMisses = new QCheckBox(QStringLiteral("显示遗漏值"), m_viewOptions);
    m_showMisses->setObjectName(QStringLiteral("showMisses"));
    m_showMisses->setChecked(true);
    optionsBar->addWidget(m_showMisses);
    m_showLines = new QCheckBox(QStringLiteral("走势线"), m_viewOptions);
    m_showLines->setObjectName(QStringLiteral("showLines"));
    m_showLines->setToolTip(QStringLiteral("在每期只中一项的区块里连起各期的中出项"));
    m_showLines->setChecked(true);
    optionsBar->addWidget(m_showLines);
    m_sideBySide = new QCheckBox(QStringLiteral("并列30/100/全部"), m_viewOptions);
    m_sideBySide->setObjectName(QStringLiteral("sideBySide"));
    m_sideBySide->setToolTip(QStringLiteral("遗漏表并列显示最近30期、100期和全部的出现次数与最大遗漏"));
    optionsBar->addWidget(m_sideBySide);
    Bar()->addWidget(m_viewOptions);
    const std::pair<const char*, int> buttons[] = {{"导出Excel", 0}, {"导出文本", 1}, {"导出图片", 2}};
    for (const auto& [text, kind] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(text), m_listControls);
        button->setObjectName(QStringLiteral("export%1").arg(kind));
        connect(button, &QPushButton::clicked, this, [this, kind = kind] { AskExport(kind); });
        listBar->addWidget(button);
    }
    auto* print = new QPushButton(QStringLiteral("打印"), m_listControls);
    print->setObjectName(QStringLiteral("printChart"));
    print->setToolTip(QStringLiteral("打印分布图：统计期数内的每一期，每页重复表头"));
    connect(print, &QPushButton::clicked, this, [this] { PrintChart(); });
    listBar->addWidget(print);
    auto* edit = new QPushButton(QStringLiteral("编辑自定义项目"), m_listControls);
    edit->setObjectName(QStringLiteral("editCustomItems"));
    connect(edit, &QPushButton::clicked, this, [this] {
        if (editCustomItems)
            editCustomItems();
    });
    listBar->addWidget(edit);
    m_editCustom = edit;
    m_handOff = new features::HandOffChoice(QStringLiteral("omissionWindow"), m_listControls);
    listBar->addWidget(m_handOff);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), m_listControls);
    send->setObjectName(QStringLiteral("sendNumbers"));
    send->setToolTip(QStringLiteral("把满足任一选中项目的号码交给组号缩水的结果列表"));
    connect(send, &QPushButton::clicked, this, [this] { SendSelected(); });
    listBar->addWidget(send);
    listBar->addStretch();
    // 设为条件 stays offered in 偏态搜索, where the list controls go.
    auto* actionsRow = new QWidget(this);
    auto* actions = new QHBoxLayout(actionsRow);
    actions->setContentsMargins(0, 0, 0, 0);
    actions->addWidget(m_listControls, 1);
    m_conditionMode = new QComboBox(actionsRow);
    m_conditionMode->setObjectName(QStringLiteral("conditionMode"));
    m_conditionMode->addItems({QStringLiteral("保留"), QStringLiteral("排除")});
    m_conditionMode->setToolTip(QStringLiteral("条件保留还是排除所选项目的号码"));
    actions->addWidget(m_conditionMode);
    auto* asCondition = new QPushButton(QStringLiteral("设为条件"), actionsRow);
    asCondition->setObjectName(QStringLiteral("sendCondition"));
    asCondition->setToolTip(QStringLiteral("把同一列表中选中的项目作为一个条件加到组号缩水的组合条件页"));
    connect(asCondition, &QPushButton::clicked, this, [this] {
        const std::string error = SendSelectedAsCondition();
        if (!error.empty())
            Tell(error);
    });
    actions->addWidget(asCondition);
    // A row of its own: beside the title and the picker it would not fit the
    // host's first size.
    AddRow(actionsRow);

    m_views = new QStackedWidget(this);
    m_tabs = new QTabWidget(m_views);
    m_table = features::MakeFeatureTable(m_tabs, QStringLiteral("omissionTable"));
    m_model = new QStandardItemModel(this);
    m_proxy = features::MakeSortable(m_table, m_model);
    m_sideTable = features::MakeFeatureTable(m_tabs, QStringLiteral("sideBySideTable"));
    m_sideModel = new QStandardItemModel(this);
    m_sideProxy = features::MakeSortable(m_sideTable, m_sideModel);
    auto* tablePage = new QWidget(m_tabs);
    auto* tableColumn = new QVBoxLayout(tablePage);
    tableColumn->setContentsMargins(0, 0, 0, 0);
    tableColumn->setSpacing(2);
    m_tableViews = new QStackedWidget(tablePage);
    m_tableViews->addWidget(m_table);
    m_tableViews->addWidget(m_sideTable);
    tableColumn->addWidget(m_tableViews, 1);
    auto* legend = new QLabel(LegendText(), tablePage);
    legend->setObjectName(QStringLiteral("tintLegend"));
    legend->setTextFormat(Qt::RichText);
    tableColumn->addWidget(legend);
    m_tabs->addTab(tablePage, QStringLiteral("遗漏表"));
    auto* chartPage = new QWidget(m_tabs);
    auto* chartColumn = new QVBoxLayout(chartPage);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    chartColumn->setSpacing(2);
    m_chartNote = new QLabel(chartPage);
    m_chartNote->setObjectName(QStringLiteral("chartNote"));
    chartColumn->addWidget(m_chartNote);
    m_chart = new TrendView(chartPage);
    chartColumn->addWidget(m_chart, 1);
    m_tabs->addTab(chartPage, QStringLiteral("分布图"));
    m_views->addWidget(m_tabs);

    m_skewTable = features::MakeFeatureTable(m_views, QStringLiteral("skewTable"));
    m_skewModel = new QStandardItemModel(this);
    m_skewProxy = features::MakeSortable(m_skewTable, m_skewModel);
    m_views->addWidget(m_skewTable);
    SetContent(m_views);

    const auto numbersOfRows = [this](const std::vector<int>&) { return SelectedNumbers(); };
    const auto handOff = [this](const std::vector<std::uint32_t>& numbers) {
        if (sendNumbers)
            sendNumbers(numbers, features::ChosenHandOffMode(this));
    };
    features::AddTableMenu(m_table, {"遗漏表", numbersOfRows, handOff, {}});
    features::AddTableMenu(m_skewTable, {"偏态搜索", numbersOfRows, handOff, {}});

    connect(m_showMisses, &QCheckBox::toggled, this, [this](bool on) { m_chart->SetShowMisses(on); });
    connect(m_showLines, &QCheckBox::toggled, this, [this](bool on) { m_chart->SetShowLines(on); });
    connect(m_sideBySide, &QCheckBox::toggled, this, [this](bool on) { SetSideBySide(on); });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { TableSelectionToChart(); });
    m_chart->selectionChanged = [this](const std::vector<int>& columns) { ChartSelectionToTable(columns); };
    connect(m_skewTable, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const QModelIndex source = m_skewProxy->mapToSource(index);
        const int row = m_skewModel->item(source.row(), 0)->data(kItemRole).toInt();
        if (row < 0 || static_cast<std::size_t>(row) >= m_skew.rows.size() || !openFamily)
            return;
        const analysis::SkewRow& skew = m_skew.rows[static_cast<std::size_t>(row)];
        openFamily(m_skewFamilies[skew.family].subCode, skew.row.item);
    });
}

void OmissionWindow::WindowPicked(std::size_t last)
{
    m_last = last;
    Recompute();
}

OmissionWindow::~OmissionWindow() = default;

void OmissionWindow::SetHistory(HistoryDraws draws, std::string missingText)
{
    m_draws = std::move(draws);
    m_missingText = std::move(missingText);
    features::ShowDataEnd(this, m_draws);
    Recompute();
}

void OmissionWindow::SetWindowSize(std::size_t last)
{
    m_last = last;
    ShowLast(last);
    Recompute();
}

void OmissionWindow::SetSkewThresholds(double minRatio, double minShare)
{
    m_minRatio->setValue(minRatio);
    m_minShare->setValue(minShare);
    if (m_skewMode)
        Recompute();
}

double OmissionWindow::MinRatio() const
{
    return m_minRatio->value();
}

double OmissionWindow::MinShare() const
{
    return m_minShare->value();
}

void OmissionWindow::ShowFamily(SourcedFamily family)
{
    m_skewMode = false;
    m_family = std::move(family);
    m_selectPicked = true;
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
    SetTitle(m_skewMode ? QStringLiteral("偏态搜索")
                                : QStringLiteral("遗漏列表（分布） · %1")
                                      .arg(m_family.family ? Q(m_family.family->Name()) : QStringLiteral("未知列表")));
    m_skewControls->setVisible(m_skewMode);
    m_listControls->setVisible(!m_skewMode);
    m_viewOptions->setVisible(!m_skewMode);
    const bool custom = m_family.subCode >= analysis::kCustomCombinationCode && m_family.subCode <= analysis::kCustomListCode;
    m_editCustom->setVisible(!m_skewMode && custom);
    if (m_draws.codes.empty()) {
        ShowMissing(Q(m_missingText));
        SetStatus({});
        return;
    }
    const std::size_t window = analysis::WindowSize(m_last, m_draws.codes.size());
    const QString scored = QStringLiteral("统计最近 %1 期（共 %2 期）%3")
                               .arg(window)
                               .arg(m_draws.codes.size())
                               .arg(window < analysis::kFewScored ? QString::fromUtf8(analysis::kFewScoredNote) : QString());
    if (m_skewMode) {
        FillSkew();
        m_views->setCurrentWidget(m_skewTable);
        ShowContent();
        SetStatus(scored + QStringLiteral("；共查 %1 项，欲出几率 ≥ %2 或当前遗漏达到最大遗漏的 %3 倍（且最大遗漏 > 0）的 %4 项。双击一项打开它的遗漏列表。")
                                       .arg(m_skew.searched)
                                       .arg(m_minRatio->value(), 0, 'f', 2)
                                       .arg(m_minShare->value(), 0, 'f', 2)
                                       .arg(m_skew.rows.size()));
        return;
    }
    if (!m_family.family) {
        ShowMissing(QStringLiteral("这一项没有遗漏列表。"));
        return;
    }
    m_tableData = analysis::ComputeOmissions(*m_family.family, m_draws.codes, m_last);
    FillTable();
    FillChart();
    if (m_sideBySide->isChecked())
        FillSideBySide();
    m_views->setCurrentWidget(m_tabs);
    ShowContent();
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
    SetStatus(status);
}

void OmissionWindow::FillTable()
{
    const analysis::Family& family = *m_family.family;
    // A new family selects the picked item; a refill keeps what the user
    // selected. The proxy keeps the user's sort.
    std::optional<features::KeepSelection> keep;
    if (!m_selectPicked)
        keep.emplace(m_table);
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
        const RowTint tint = TintOf(row);
        if (tint != RowTint::None)
            for (QStandardItem* cell : cells)
                cell->setBackground(tint == RowTint::Overdue ? kOverdueTint : kDueTint);
        if (NearRecord(row)) {
            cells.front()->setIcon(RecordMarkIcon());
            cells.front()->setToolTip(QStringLiteral("当前遗漏 %1，最大遗漏 %2：接近纪录").arg(row.current).arg(row.maximum));
        }
        if (row.item == m_family.selected)
            selectedRow = m_model->rowCount();
        m_model->appendRow(cells);
    }
    m_table->resizeColumnsToContents();
    if (m_selectPicked && selectedRow >= 0) {
        const QModelIndex shown = m_proxy->mapFromSource(m_model->index(selectedRow, 0));
        m_table->selectRow(shown.row());
        m_table->scrollTo(shown);
    }
    m_selectPicked = false;
}

void OmissionWindow::FillChart()
{
    const analysis::Family& family = *m_family.family;
    const std::vector<std::size_t> columns = ChartColumns(m_tableData, {m_family.selected});
    TrendContent content = MakeTrendContent(family, m_tableData, columns, m_draws.codes, m_draws.periods);
    const bool partial = columns.size() < m_tableData.rows.size();
    m_chartNote->setText((partial ? QStringLiteral("显示欲出几率最高的 %1 项及所选项，共 %2 项；")
                                        .arg(kTopChartColumns)
                                        .arg(m_tableData.rows.size())
                                  : QString()) +
                         QStringLiteral("点列头选择项目（Ctrl、Shift 多选，点区块名选整块）。"));
    m_chart->SetContent(std::move(content));
    m_chart->ScrollToNewest();
    TableSelectionToChart();
}

void OmissionWindow::TableSelectionToChart()
{
    if (m_syncingSelection || m_skewMode || !m_family.family)
        return;
    const std::vector<std::size_t> items = [this] {
        std::vector<std::size_t> picked;
        for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
            picked.push_back(static_cast<std::size_t>(
                m_model->item(m_proxy->mapToSource(index).row(), 0)->data(kItemRole).toInt()));
        return picked;
    }();
    std::vector<int> columns;
    const std::vector<std::size_t>& rows = m_chart->Content().data.rows;
    for (std::size_t c = 0; c < rows.size(); ++c)
        if (rows[c] < m_tableData.rows.size() &&
            std::find(items.begin(), items.end(), m_tableData.rows[rows[c]].item) != items.end())
            columns.push_back(static_cast<int>(c));
    m_chart->SetSelectedColumns(columns);
}

void OmissionWindow::ChartSelectionToTable(const std::vector<int>& columns)
{
    const std::vector<std::size_t>& rows = m_chart->Content().data.rows;
    std::vector<std::size_t> items;
    for (int c : columns)
        items.push_back(m_tableData.rows[rows[static_cast<std::size_t>(c)]].item);
    m_syncingSelection = true;
    QItemSelection selection;
    for (int r = 0; r < m_proxy->rowCount(); ++r) {
        const QModelIndex index = m_proxy->index(r, 0);
        const auto item = static_cast<std::size_t>(m_model->item(m_proxy->mapToSource(index).row(), 0)->data(kItemRole).toInt());
        if (std::find(items.begin(), items.end(), item) != items.end())
            selection.select(index, m_proxy->index(r, kTableColumns - 1));
    }
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncingSelection = false;
}

void OmissionWindow::SetSideBySide(bool on)
{
    if (m_sideBySide->isChecked() != on)
        m_sideBySide->setChecked(on); // comes back here through toggled
    else {
        if (on && m_family.family && !m_draws.codes.empty())
            FillSideBySide();
        m_tableViews->setCurrentIndex(on ? 1 : 0);
    }
}

void OmissionWindow::FillSideBySide()
{
    const analysis::Family& family = *m_family.family;
    // 当前遗漏 counts from the newest hit of the whole history, the same in
    // every window: one column of it, then each window's own two.
    constexpr std::size_t kWindows[] = {30, 100, 0};
    std::vector<analysis::OmissionTable> tables;
    for (std::size_t last : kWindows)
        tables.push_back(analysis::ComputeOmissions(family, m_draws.codes, last));
    m_sideModel->clear();
    QStringList titles = {QString::fromUtf8(ColumnTitle(0)), QString::fromUtf8(ColumnTitle(1))};
    for (std::size_t last : kWindows) {
        const QString window = last ? QStringLiteral("%1期").arg(last) : QStringLiteral("全部");
        titles << window + QStringLiteral("\n出现次数") << window + QStringLiteral("\n最大遗漏");
    }
    m_sideModel->setHorizontalHeaderLabels(titles);
    for (std::size_t r = 0; r < tables.front().rows.size(); ++r) {
        const analysis::OmissionRow& row = tables.front().rows[r];
        QList<QStandardItem*> cells;
        cells << Cell(Q(family.Items()[row.item].title), static_cast<double>(row.item), false);
        cells.front()->setData(static_cast<int>(row.item), kItemRole);
        cells << Cell(QString::number(row.current), static_cast<double>(row.current), true);
        for (const analysis::OmissionTable& table : tables) {
            const analysis::OmissionRow& own = table.rows[r];
            cells << Cell(QString::number(own.hits), static_cast<double>(own.hits), true);
            cells << Cell(QString::number(own.maximum), static_cast<double>(own.maximum), true);
        }
        m_sideModel->appendRow(cells);
    }
    m_sideTable->sortByColumn(-1, Qt::AscendingOrder);
    m_sideProxy->sort(-1);
    m_sideTable->resizeColumnsToContents();
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
    features::KeepSelection keep(m_skewTable);
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
    m_skewTable->resizeColumnsToContents();
}

std::vector<std::size_t> OmissionWindow::SelectedItems() const
{
    std::vector<std::size_t> items;
    if (m_tabs->currentIndex() == 1) {
        const std::vector<std::size_t>& rows = m_chart->Content().data.rows;
        for (int c : m_chart->SelectedColumns())
            items.push_back(m_tableData.rows[rows[static_cast<std::size_t>(c)]].item);
    } else {
        const bool side = m_tableViews->currentIndex() == 1;
        const QStandardItemModel* model = side ? m_sideModel : m_model;
        for (int row : features::SelectedSourceRows(side ? m_sideTable : m_table))
            items.push_back(static_cast<std::size_t>(model->item(row, 0)->data(kItemRole).toInt()));
    }
    std::sort(items.begin(), items.end());
    return items;
}

std::vector<std::uint32_t> OmissionWindow::SelectedNumbers() const
{
    if (!m_skewMode)
        return m_family.family ? m_family.family->NumbersOf(SelectedItems()) : std::vector<std::uint32_t>{};
    // The skew search's items come from several families: their numbers joined.
    std::vector<std::uint32_t> numbers;
    for (int row : features::SelectedSourceRows(m_skewTable)) {
        const int index = m_skewModel->item(row, 0)->data(kItemRole).toInt();
        if (index < 0 || static_cast<std::size_t>(index) >= m_skew.rows.size())
            continue;
        const analysis::SkewRow& skew = m_skew.rows[static_cast<std::size_t>(index)];
        const std::vector<std::uint32_t> some = m_skewFamilies[skew.family].family->NumbersOf({skew.row.item});
        numbers.insert(numbers.end(), some.begin(), some.end());
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void OmissionWindow::SendSelected()
{
    const std::vector<std::uint32_t> numbers = SelectedNumbers();
    if (numbers.empty() || !sendNumbers)
        return;
    sendNumbers(numbers, m_handOff->Mode());
}

std::string OmissionWindow::SendSelectedAsCondition()
{
    const analysis::Family* family = m_skewMode ? nullptr : m_family.family.get();
    std::vector<std::size_t> items;
    if (m_skewMode) {
        std::optional<std::size_t> source;
        for (const QModelIndex& index : m_skewTable->selectionModel()->selectedRows()) {
            const int row = m_skewModel->item(m_skewProxy->mapToSource(index).row(), 0)->data(kItemRole).toInt();
            const analysis::SkewRow& skew = m_skew.rows[static_cast<std::size_t>(row)];
            if (source && *source != skew.family)
                return "设为条件只能用同一列表的项目：请只选一个列表的项目。";
            source = skew.family;
            items.push_back(skew.row.item);
        }
        if (source)
            family = m_skewFamilies[*source].family.get();
    } else {
        items = SelectedItems();
    }
    if (!family || items.empty())
        return "请先选择项目（在遗漏表里选行，或在分布图里点列头）。";
    std::sort(items.begin(), items.end());
    const filter::Mode mode = m_conditionMode->currentIndex() == 1 ? filter::Mode::Exclude : filter::Mode::Keep;
    const filter::Condition condition = analysis::ItemsCondition(*family, items, mode);
    if (sendConditions)
        sendConditions(analysis::ItemsConditionSetText(condition, ConditionName(*family, items), family->Length()));
    return {};
}

void OmissionWindow::PrintChart()
{
    if (m_skewMode || !m_family.family || m_draws.codes.empty())
        return;
    const std::string title = m_family.family->Name() + " 分布图（最近 " + std::to_string(m_tableData.window) + " 期）";
    const std::string error = omission::PrintChart(*m_chart, title, this);
    if (!error.empty())
        Tell(error);
}

void OmissionWindow::Tell(const std::string& text) const
{
    MessageBoxRequest box;
    box.parent = const_cast<OmissionWindow*>(this);
    box.text = text;
    box.caption = "提示信息";
    box.type = 0x40; // MB_ICONINFORMATION
    Interaction().MessageBox(box);
}

std::string OmissionWindow::ExportText(const std::string& path) const
{
    if (!m_family.family)
        return "no table";
    const FileResult outcome = WriteFileSafely(path, TableText(*m_family.family, m_tableData.rows));
    return outcome.ok ? std::string() : SaveFailedText(path, outcome);
}

std::string OmissionWindow::ExportWorkbook(const std::string& path) const
{
    if (!m_family.family)
        return "no table";
    std::string error;
    const std::string bytes = TableWorkbook(*m_family.family, m_tableData.rows, error);
    if (!error.empty())
        return SaveFailedText(path, FileResult{false, error, 0});
    const FileResult outcome = WriteFileSafely(path, bytes);
    return outcome.ok ? std::string() : SaveFailedText(path, outcome);
}

std::vector<std::string> OmissionWindow::ExportChart(const std::string& path, std::string* error) const
{
    PicturesWritten written = WriteChartPictures(*m_chart, path);
    if (error)
        *error = written.error;
    return std::move(written.paths);
}

void OmissionWindow::AskExport(int kind)
{
    if (m_skewMode || !m_family.family || m_draws.codes.empty())
        return;
    FileDialogRequest request;
    request.open = false;
    request.parent = this;
    const char* extensions[] = {"xls", "tsv", "png"};
    const char* filters[] = {"Excel 工作簿 (*.xls)|*.xls||", "制表符分隔文本 (*.tsv)|*.tsv||",
                             "PNG 图片 (*.png)|*.png||"};
    request.defaultExtension = extensions[kind];
    request.filter = filters[kind];
    request.fileName = m_family.family->Name() + (kind == 2 ? "分布图." : "遗漏表.") + extensions[kind];
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    std::string path = WithDefaultExtension(answer.paths.front(), extensions[kind]);
    if (kind == 2) {
        std::string error;
        const std::vector<std::string> written = ExportChart(path, &error);
        // Said in full: a long history goes to several pictures beside the name given.
        std::string text = written.size() == 1 ? "分布图已导出到 " + written.front()
                                               : "分布图分成 " + std::to_string(written.size()) + " 张图片导出：";
        if (written.size() > 1)
            for (const std::string& picture : written)
                text += "\n" + picture;
        if (!error.empty())
            text = (written.empty() ? std::string() : text + "\n") + "导出失败：" + error;
        Tell(text);
        return;
    }
    if (kind == 1)
        path = features::TablePath(path);
    const std::string error = kind == 0 ? ExportWorkbook(path) : ExportText(path);
    MessageBoxRequest box;
    box.parent = request.parent;
    box.text = error.empty() ? ExportedText(path) : error;
    box.caption = "提示信息";
    box.type = 0x40; // MB_ICONINFORMATION
    Interaction().MessageBox(box);
}

} // namespace vesk::omission
