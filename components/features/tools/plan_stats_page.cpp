#include "components/features/tools/plan_stats_page.h"

#include "components/features/kit/table_actions.h"

#include "components/features/tools/list_files.h"
#include "components/features/tools/tool_widgets.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/number_entry.h"
#include "components/features/kit/feature_table.h"
#include "components/features/kit/table_export.h"

#include "framework/interaction.h"
#include "framework/styles.h"
#include "storage/files/result_file_format.h"
#include "storage/save_report.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <numeric>

namespace vesk::tools {

PlanStatsPage::PlanStatsPage(QWidget* parent)
    : QWidget(parent), m_pasted(new QPlainTextEdit(this)), m_files(new QLabel(this)), m_summary(new QLabel(this)),
      m_minimum(new QSpinBox(this)), m_picked(new QLabel(this)), m_countModel(new QStandardItemModel(this)),
      m_numberModel(new QStandardItemModel(this)), m_countTable(features::MakeFeatureTable(this, QStringLiteral("planCounts"))),
      m_numberTable(features::MakeFeatureTable(this, QStringLiteral("planNumbers")))
{
    setObjectName(QStringLiteral("planStatsPage"));
    m_pasted->setObjectName(QStringLiteral("pastedPlans"));
    m_pasted->setPlaceholderText(QStringLiteral("粘贴方案：每个方案一段号码，方案之间空一行"));
    m_files->setObjectName(QStringLiteral("planFiles"));
    m_summary->setObjectName(QStringLiteral("planSummary"));
    m_minimum->setObjectName(QStringLiteral("minimumPlans"));
    m_minimum->setRange(1, 1);
    m_picked->setObjectName(QStringLiteral("pickedCount"));
    features::MakeSortable(m_countTable, m_countModel);
    features::MakeSortable(m_numberTable, m_numberModel);
    features::AddTableMenu(m_countTable, {"大方案统计", {}, {}, {}});
    features::AddTableMenu(m_numberTable, {"大方案统计-号码",
                                           [this](const std::vector<int>& rows) {
                                               std::vector<std::uint32_t> numbers;
                                               for (int row : rows)
                                                   numbers.push_back(m_shownNumbers[static_cast<std::size_t>(row)]);
                                               return numbers;
                                           },
                                           [this](const std::vector<std::uint32_t>& numbers) {
                                               if (sendNumbers)
                                                   sendNumbers(numbers, features::ChosenHandOffMode(this));
                                           },
                                           {}});

    auto* load = new QPushButton(QStringLiteral("载入方案文件…"), this);
    load->setObjectName(QStringLiteral("loadPlans"));
    auto* clear = new QPushButton(QStringLiteral("清除文件"), this);
    clear->setObjectName(QStringLiteral("clearPlans"));
    auto* tally = new QPushButton(QStringLiteral("统计"), this);
    tally->setObjectName(QStringLiteral("tallyPlans"));
    auto* exportCounts = new QPushButton(QStringLiteral("导出…"), this);
    exportCounts->setObjectName(QStringLiteral("exportCounts"));
    auto* exportNumbers = new QPushButton(QStringLiteral("导出号码…"), this);
    exportNumbers->setObjectName(QStringLiteral("exportNumbers"));
    auto* handOff = new features::HandOffChoice(QStringLiteral("planStatsPage"), this);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    send->setObjectName(QStringLiteral("sendNumbers"));

    auto* inputHead = new QHBoxLayout;
    inputHead->addWidget(load);
    inputHead->addWidget(clear);
    inputHead->addWidget(tally);
    inputHead->addStretch(1);
    auto* input = new QVBoxLayout;
    input->addLayout(inputHead);
    input->addWidget(m_files);
    input->addWidget(m_pasted, 1);

    auto* pick = new QHBoxLayout;
    pick->addWidget(new QLabel(QStringLiteral("至少出现在"), this));
    pick->addWidget(m_minimum);
    pick->addWidget(new QLabel(QStringLiteral("个方案中的号码"), this));
    pick->addWidget(m_picked, 1);
    pick->addWidget(exportNumbers);
    pick->addWidget(handOff);
    pick->addWidget(send);
    auto* countHead = new QHBoxLayout;
    countHead->addWidget(m_summary, 1);
    countHead->addWidget(exportCounts);
    auto* results = new QVBoxLayout;
    results->addLayout(countHead);
    results->addWidget(m_countTable, 1);
    results->addLayout(pick);
    results->addWidget(m_numberTable, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(input, 2);
    layout->addLayout(results, 3);

    m_files->setText(QStringLiteral("未载入方案文件"));
    m_summary->setText(QStringLiteral("尚未统计"));
    connect(load, &QPushButton::clicked, this, [this] { LoadFiles(); });
    connect(clear, &QPushButton::clicked, this, [this] { ClearFiles(); });
    connect(tally, &QPushButton::clicked, this, [this] { Tally(); });
    connect(exportCounts, &QPushButton::clicked, this,
            [this] { features::AskExportModel(this, *m_countModel, "大方案统计"); });
    connect(exportNumbers, &QPushButton::clicked, this, [this] { AskExportPicked(); });
    connect(m_minimum, &QSpinBox::valueChanged, this, [this] { ShowPicked(); });
    connect(send, &QPushButton::clicked, this, [this, handOff] {
        if (sendNumbers)
            sendNumbers(PickedNumbers(), handOff->Mode());
    });
}

void PlanStatsPage::LoadFiles()
{
    FileDialogRequest request;
    request.parent = this;
    request.title = "载入方案文件";
    request.filter = "号码文件 (*.txt;*.flt)|*.txt;*.flt|所有文件 (*.*)|*.*||";
    request.flags = OFN_ALLOWMULTISELECT;
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted)
        return;
    std::vector<std::vector<std::uint32_t>> plans;
    for (const std::string& path : answer.paths) {
        ListFile file = ReadListFile(path, m_length);
        if (!file.Ok()) {
            features::ShowInformation(this, file.error + "，所选文件都未载入。");
            return;
        }
        plans.push_back(std::move(file.codes));
    }
    for (std::size_t i = 0; i < plans.size(); ++i) {
        m_filePlans.push_back(std::move(plans[i]));
        m_fileNames.push_back(std::filesystem::path(answer.paths[i]).filename().string());
    }
    ShowFiles();
}

void PlanStatsPage::ShowFiles()
{
    QStringList names;
    for (const std::string& name : m_fileNames)
        names << Q(name);
    m_files->setText(m_fileNames.empty() ? QStringLiteral("未载入方案文件")
                                         : QStringLiteral("已载入 %1 个文件：%2").arg(m_fileNames.size()).arg(names.join(QStringLiteral("、"))));
}

QVariantMap PlanStatsPage::SaveState() const
{
    QVariantList plans;
    QStringList names;
    for (std::size_t i = 0; i < m_filePlans.size(); ++i) {
        plans << features::CodesValue(m_filePlans[i]);
        names << Q(m_fileNames[i]);
    }
    return {{QStringLiteral("plans"), plans}, {QStringLiteral("names"), names},
            {QStringLiteral("tallied"), m_tally.planCount > 0}, {QStringLiteral("minimum"), m_minimum->value()}};
}

void PlanStatsPage::RestoreState(const QVariantMap& state)
{
    const QVariantList plans = state.value(QStringLiteral("plans")).toList();
    const QStringList names = state.value(QStringLiteral("names")).toStringList();
    if (plans.size() != names.size())
        return;
    m_filePlans.clear();
    m_fileNames.clear();
    for (qsizetype i = 0; i < plans.size(); ++i) {
        m_filePlans.push_back(features::CodesOf(plans[i]));
        m_fileNames.push_back(names[i].toStdString());
    }
    ShowFiles();
    if (state.value(QStringLiteral("tallied")).toBool() && Tally())
        SetMinimumPlans(state.value(QStringLiteral("minimum"), 1).toInt());
}

void PlanStatsPage::ClearFiles()
{
    m_filePlans.clear();
    m_fileNames.clear();
    m_files->setText(QStringLiteral("未载入方案文件"));
}

bool PlanStatsPage::Tally()
{
    std::vector<std::vector<std::uint32_t>> plans = m_filePlans;
    const std::string text = m_pasted->toPlainText().toStdString();
    const std::vector<std::string_view> blocks = analysis::SplitAtBlankLines(text);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        analysis::NumberEntry entry = analysis::ParseNumberEntry(blocks[i], m_length);
        if (!entry.Ok()) {
            features::ShowInformation(this, "粘贴的第 " + std::to_string(i + 1) + " 个方案中 " + entry.error + "，请改正后再统计。");
            return false;
        }
        plans.push_back(std::move(entry.codes));
    }
    if (plans.empty()) {
        features::ShowInformation(this, "没有方案：请载入方案文件或粘贴号码，方案之间空一行。");
        return false;
    }
    m_tally = analysis::TallyPlans(plans, m_length);
    ShowTally();
    return true;
}

void PlanStatsPage::ShowTally()
{
    m_countModel->clear();
    m_countModel->setHorizontalHeaderLabels({QStringLiteral("方案数"), QStringLiteral("号码个数"), QStringLiteral("至少在这么多方案中")});
    for (std::size_t c = m_tally.planCount + 1; c-- > 0;) {
        m_countModel->appendRow({NumberCell(QString::number(c), static_cast<double>(c)),
                                 NumberCell(QString::number(m_tally.byCount[c]), static_cast<double>(m_tally.byCount[c])),
                                 NumberCell(QString::number(analysis::AtLeastCount(m_tally, c)),
                                            static_cast<double>(analysis::AtLeastCount(m_tally, c)))});
    }
    m_countTable->resizeColumnsToContents();

    // Most plans first; ties by number, as the core lists them.
    std::vector<std::size_t> order(m_tally.numbers.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) { return m_tally.plans[a] > m_tally.plans[b]; });
    m_numberModel->clear();
    m_shownNumbers.clear();
    m_numberModel->setHorizontalHeaderLabels({QStringLiteral("号码"), QStringLiteral("方案数")});
    for (std::size_t i : order) {
        m_numberModel->appendRow({TextCell(Q(analysis::DigitsText(m_tally.numbers[i], m_length))), NumberCell(QString::number(m_tally.plans[i]), m_tally.plans[i])});
        m_shownNumbers.push_back(m_tally.numbers[i]);
    }

    m_summary->setText(QStringLiteral("共 %1 个方案，%2 个号码至少在一个方案中").arg(m_tally.planCount).arg(m_tally.numbers.size()));
    m_minimum->setRange(1, static_cast<int>(std::max<std::size_t>(m_tally.planCount, 1)));
    ShowPicked();
}

void PlanStatsPage::SetMinimumPlans(int k)
{
    m_minimum->setValue(k);
    ShowPicked();
}

std::vector<std::uint32_t> PlanStatsPage::PickedNumbers() const
{
    return analysis::NumbersInAtLeast(m_tally, static_cast<std::size_t>(m_minimum->value()));
}

std::string PlanStatsPage::ExportPicked(const std::string& path) const
{
    const std::vector<std::uint32_t> picked = PickedNumbers();
    if (files::FormatOfPath(path) != files::ResultFileFormat::Spreadsheet)
        return SaveListFile(path, picked, m_length);
    // The workbook carries each number's plan count beside it.
    QStandardItemModel model(0, 2);
    model.setHorizontalHeaderLabels({QStringLiteral("号码"), QStringLiteral("方案数")});
    for (std::size_t i = 0; i < m_tally.numbers.size(); ++i) {
        if (!std::binary_search(picked.begin(), picked.end(), m_tally.numbers[i]))
            continue;
        model.appendRow({TextCell(Q(analysis::DigitsText(m_tally.numbers[i], m_length))),
                         NumberCell(QString::number(m_tally.plans[i]), m_tally.plans[i])});
    }
    return features::ExportModel(model, "大方案统计-号码", path);
}

void PlanStatsPage::AskExportPicked()
{
    FileDialogRequest request;
    request.open = false;
    request.parent = this;
    request.title = "导出号码";
    request.defaultExtension = "txt";
    request.filter = "号码文件 (*.txt)|*.txt|缩水数据文件 (*.flt)|*.flt|Excel 工作簿 (*.xls)|*.xls||";
    request.fileName = "大方案统计-号码.txt";
    request.flags = OFN_OVERWRITEPROMPT;
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    const char* extensions[] = {"txt", "flt", "xls"};
    const int index = answer.filterIndex >= 1 && answer.filterIndex <= 3 ? answer.filterIndex - 1 : 0;
    const std::string path = WithDefaultExtension(answer.paths.front(), extensions[index]);
    const std::string error = ExportPicked(path);
    features::ShowInformation(this, error.empty() ? ExportedText(path) : error);
}

void PlanStatsPage::ShowPicked()
{
    m_picked->setText(QStringLiteral("共 %1 注").arg(analysis::AtLeastCount(m_tally, static_cast<std::size_t>(m_minimum->value()))));
}

} // namespace vesk::tools
