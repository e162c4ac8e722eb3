#include "components/features/tools/tool_widgets.h"

#include "components/features/tools/list_files.h"
#include "components/features/kit/table_export.h"

#include "framework/interaction.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::tools {

ListInput::ListInput(const QString& title, const QString& name, QWidget* parent)
    : QWidget(parent), m_editor(new QPlainTextEdit(this)), m_take(new QPushButton(QStringLiteral("取缩水结果"), this))
{
    setObjectName(name);
    m_editor->setObjectName(name + QStringLiteral("Text"));
    m_editor->setPlaceholderText(QStringLiteral("输入或粘贴号码，以空格、逗号或换行分隔"));
    auto* load = new QPushButton(QStringLiteral("载入文件…"), this);
    load->setObjectName(name + QStringLiteral("Load"));
    m_take->setObjectName(name + QStringLiteral("TakeResults"));
    m_take->setToolTip(QStringLiteral("取缩水器里“缩水结果”的号码"));
    m_take->hide();
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(title, this), 1);
    head->addWidget(m_take);
    head->addWidget(load);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    layout->addWidget(m_editor, 1);
    connect(load, &QPushButton::clicked, this, [this] { LoadFile(); });
    connect(static_cast<QPushButton*>(m_take), &QPushButton::clicked, this, [this] { TakeWorkbenchResults(); });
}

void ListInput::SetWorkbenchSource(WorkbenchSource source)
{
    m_source = std::move(source);
    m_take->setVisible(static_cast<bool>(m_source));
}

void ListInput::TakeWorkbenchResults()
{
    if (!m_source)
        return;
    const std::optional<std::vector<std::uint32_t>> codes = m_source();
    if (!codes) {
        features::ShowInformation(this, "没有取到缩水器的号码：缩水器还没有打开，请先在“组号缩水”里得到号码，再来取。");
        return;
    }
    if (codes->empty()) {
        features::ShowInformation(this, "缩水器中没有号码。");
        return;
    }
    SetCodes(*codes);
}

analysis::NumberEntry ListInput::Read() const
{
    return analysis::ParseNumberEntry(m_editor->toPlainText().toStdString(), m_length);
}

void ListInput::SetCodes(const std::vector<std::uint32_t>& codes)
{
    m_editor->setPlainText(Q(ListText(codes, m_length)));
}

void ListInput::LoadFile()
{
    FileDialogRequest request;
    request.parent = this;
    request.title = "载入号码文件";
    request.filter = "号码文件 (*.txt;*.flt)|*.txt;*.flt|所有文件 (*.*)|*.*||";
    const FileDialogResult answer = Interaction().FileDialog(request);
    if (!answer.accepted || answer.paths.empty())
        return;
    const ListFile file = ReadListFile(answer.paths.front(), m_length);
    if (!file.Ok()) {
        features::ShowInformation(this, file.error);
        return;
    }
    SetCodes(file.codes);
}

} // namespace vesk::tools
