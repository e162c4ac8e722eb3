#include "components/features/omission/omission_window.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/omission/due_check.h"

#include "components/features/omission/table_text.h"
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
    Bar()->addWidget(m_skewControls);
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
    m_handOff = new features::HandOffChoice(QStringLiteral("omissionWindow"), m_listControls);
    listBar->addWidget(m_handOff);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), m_listControls);
    send->setObjectName(QStringLiteral("sendNumbers"));
    send->setToolTip(QStringLiteral("把满足任一选中项目的号码交给组号缩水的结果列表"));
    connect(send, &QPushButton::clicked, this, [this] { SendSelected(); });
    listBar->addWidget(send);
    listBar->addStretch();
    // A row of its own: beside the title and the picker it would not fit the
    // host's first size.
    AddRow(m_listControls);

    m_views = new QStackedWidget(this);
    m_tabs = new QTabWidget(m_views);
    m_table = features::MakeFeatureTable(m_tabs, QStringLiteral("omissionTable"));
    m_model = new QStandardItemModel(this);
    m_proxy = features::MakeSortable(m_table, m_model);
    m_tabs->addTab(m_table, QStringLiteral("遗漏表"));
    m_chart = new TrendView(m_tabs);
    m_tabs->addTab(m_chart, QStringLiteral("分布图"));
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
    for (int row : features::SelectedSourceRows(m_table))
        items.push_back(static_cast<std::size_t>(m_model->item(row, 0)->data(kItemRole).toInt()));
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

std::string OmissionWindow::ExportChart(const std::string& path) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage image = m_chart->Render();
    if (!image.save(&buffer, "PNG")) // written whole, then renamed in
        return SaveFailedText(path, FileResult{false, "图片未能生成", 0});
    const FileResult outcome = WriteFileSafely(path, bytes.toStdString());
    return outcome.ok ? std::string() : SaveFailedText(path, outcome);
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
    if (kind == 1)
        path = features::TablePath(path);
    const std::string error = kind == 0 ? ExportWorkbook(path) : kind == 1 ? ExportText(path) : ExportChart(path);
    MessageBoxRequest box;
    box.parent = request.parent;
    box.text = error.empty() ? ExportedText(path) : error;
    box.caption = "提示信息";
    box.type = 0x40; // MB_ICONINFORMATION
    Interaction().MessageBox(box);
}

} // namespace vesk::omission
