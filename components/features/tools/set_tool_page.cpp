#include "components/features/tools/set_tool_page.h"

#include "components/features/tools/list_files.h"
#include "components/features/tools/tool_widgets.h"
#include "components/features/kit/table_export.h"

#include "framework/interaction.h"
#include "framework/styles.h"
#include "storage/save_report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace vesk::tools {

SetToolPage::SetToolPage(const features::FeatureHost* host, QWidget* parent)
    : QWidget(parent), m_host(host), m_a(new ListInput(QStringLiteral("号码 A"), QStringLiteral("listA"), this)),
      m_b(new ListInput(QStringLiteral("号码 B"), QStringLiteral("listB"), this)), m_operation(new QComboBox(this)),
      m_groups(new QCheckBox(QStringLiteral("按组选（数字由小到大）"), this)), m_count(new QLabel(this)),
      m_resultText(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("setToolPage"));
    m_operation->setObjectName(QStringLiteral("setOperation"));
    for (analysis::SetOperation operation : analysis::kSetOperations)
        m_operation->addItem(Q(std::string(analysis::SetOperationName(operation))), static_cast<int>(operation));
    m_groups->setObjectName(QStringLiteral("asGroups"));
    m_count->setObjectName(QStringLiteral("setCount"));
    m_resultText->setObjectName(QStringLiteral("setResult"));
    m_resultText->setReadOnly(true);

    auto* calculate = new QPushButton(QStringLiteral("计算"), this);
    calculate->setObjectName(QStringLiteral("calculate"));
    auto* save = new QPushButton(QStringLiteral("保存结果…"), this);
    save->setObjectName(QStringLiteral("saveResult"));
    auto* handOff = new features::HandOffChoice(QStringLiteral("setToolPage"), this);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    send->setObjectName(QStringLiteral("sendNumbers"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("运算"), this));
    controls->addWidget(m_operation);
    controls->addWidget(m_groups);
    controls->addWidget(calculate);
    controls->addStretch(1);
    controls->addWidget(save);
    controls->addWidget(handOff);
    controls->addWidget(send);

    auto* result = new QVBoxLayout;
    result->addWidget(m_count);
    result->addWidget(m_resultText, 1);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_a, 1);
    lists->addWidget(m_b, 1);
    lists->addLayout(result, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(lists, 1);
    m_count->setText(QStringLiteral("结果：0 注"));

    connect(m_operation, &QComboBox::activated, this,
            [this](int index) { m_host->WriteNumber(kSetOperationOption, static_cast<std::uint32_t>(index)); });
    connect(m_groups, &QCheckBox::clicked, this, [this](bool on) { m_host->WriteNumber(kSetGroupsOption, on ? 1 : 0); });
    connect(calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(save, &QPushButton::clicked, this, [this] { SaveResult(); });
    connect(send, &QPushButton::clicked, this, [this, handOff] {
        if (sendNumbers)
            sendNumbers(m_result, handOff->Mode());
    });
}

void SetToolPage::Reload()
{
    m_length = m_host->Length();
    m_a->SetLength(m_length);
    m_b->SetLength(m_length);
    const auto operation = m_host->ReadNumber(kSetOperationOption);
    if (operation && *operation < std::size(analysis::kSetOperations))
        m_operation->setCurrentIndex(static_cast<int>(*operation));
    m_groups->setChecked(m_host->ReadNumber(kSetGroupsOption).value_or(0) == 1);
}

void SetToolPage::SetOperation(analysis::SetOperation operation, bool asGroups)
{
    m_operation->setCurrentIndex(m_operation->findData(static_cast<int>(operation)));
    m_groups->setChecked(asGroups);
}

bool SetToolPage::Calculate()
{
    const analysis::NumberEntry a = m_a->Read();
    const analysis::NumberEntry b = m_b->Read();
    if (!a.Ok() || !b.Ok()) {
        features::ShowInformation(this, (a.Ok() ? "号码 B 中 " + b.error : "号码 A 中 " + a.error) + "，请改正后再计算。");
        return false;
    }
    const auto operation = static_cast<analysis::SetOperation>(m_operation->currentData().toInt());
    const analysis::SetResult result =
        analysis::ApplySetOperation({a.codes, m_length}, {b.codes, m_length}, operation, m_groups->isChecked());
    if (!result.Ok()) {
        features::ShowInformation(this, result.error);
        return false;
    }
    m_result = result.codes;
    m_count->setText(QStringLiteral("%1%2：%3 注")
                         .arg(m_operation->currentText(), m_groups->isChecked() ? QStringLiteral("（组选）") : QString())
                         .arg(m_result.size()));
    m_resultText->setPlainText(Q(ListText(m_result, m_length)));
    return true;
}

void SetToolPage::SaveResult()
{
    FileDialogRequest request;
    request.open = false;
    request.parent = this;
    request.title = "保存结果";
    request.defaultExtension = "txt";
    request.filter = "文本文件 (*.txt)|*.txt|缩水结果 (*.flt)|*.flt||";
    request.fileName = "集合运算结果.txt";
    request.flags = OFN_OVERWRITEPROMPT;
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    const std::string path = WithDefaultExtension(answer.paths.front(), answer.filterIndex == 2 ? "flt" : "txt");
    const std::string error = SaveListFile(path, m_result, m_length);
    features::ShowInformation(this, error.empty() ? ExportedText(path) : error);
}

QVariantMap SetToolPage::SaveState() const
{
    return {{QStringLiteral("ran"), !m_result.empty()}};
}

void SetToolPage::RestoreState(const QVariantMap& state)
{
    if (state.value(QStringLiteral("ran")).toBool() && m_a->Read().Ok() && m_b->Read().Ok())
        Calculate();
}

} // namespace vesk::tools
