#include "components/features/pick/number_panel.h"

#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/kit/feature_look.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::pick {

namespace {

constexpr int kNumbersPerLine = 10;

} // namespace

NumberPanel::NumberPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("numberPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("pickCount"));
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);
    bar->addWidget(m_count, 1);
    m_group = new QCheckBox(QStringLiteral("组选"), this);
    m_group->setObjectName(QStringLiteral("groupBox"));
    m_group->setToolTip(QStringLiteral("每组数字只保留一注，数字从小到大"));
    bar->addWidget(m_group);
    m_generate = new QPushButton(QStringLiteral("生成号码"), this);
    m_generate->setObjectName(QStringLiteral("generateNumbers"));
    bar->addWidget(m_generate);
    m_handOff = new features::HandOffChoice(QStringLiteral("pickNumbers"), this);
    bar->addWidget(m_handOff);
    m_send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    m_send->setObjectName(QStringLiteral("sendNumbers"));
    m_send->setToolTip(QStringLiteral("把这些号码交给组号缩水的结果列表"));
    bar->addWidget(m_send);
    layout->addLayout(bar);
    m_list = new QPlainTextEdit(this);
    m_list->setObjectName(QStringLiteral("numberList"));
    m_list->setReadOnly(true);
    m_list->setPlaceholderText(QStringLiteral("勾选形态后点“生成号码”"));
    m_list->setMaximumHeight(m_list->fontMetrics().height() * 6);
    layout->addWidget(m_list);

    // The same picks as groups (or back): a generated list is converted, not dropped.
    connect(m_group, &QCheckBox::toggled, this, [this] {
        const bool generated = m_generated;
        PicksChanged();
        if (generated)
            Generate();
    });
    connect(m_generate, &QPushButton::clicked, this, [this] { Generate(); });
    connect(m_send, &QPushButton::clicked, this, [this] { Send(); });
}

bool NumberPanel::Grouped() const
{
    return m_group->isChecked();
}

std::vector<std::uint32_t> NumberPanel::Numbers() const
{
    if (!straightNumbers)
        return {};
    const std::vector<std::uint32_t> straight = straightNumbers();
    return Grouped() ? analysis::GroupsOf(straight, m_length) : straight;
}

void NumberPanel::SetCountPrefix(const QString& prefix)
{
    m_prefix = prefix;
}

void NumberPanel::SetAvailable(bool available)
{
    m_generate->setEnabled(available);
    m_send->setEnabled(available);
    m_group->setEnabled(available);
}

void NumberPanel::PicksChanged()
{
    const std::uint64_t count = !Grouped() && straightCount ? straightCount() : Numbers().size();
    QString text = m_prefix.isEmpty() ? QString() : m_prefix + QStringLiteral(" · ");
    text += QStringLiteral("共 %1 %2 · 金额 %3 元")
                .arg(count)
                .arg(Grouped() ? QStringLiteral("组") : QStringLiteral("注"))
                .arg(count * kPricePerNumber);
    if (Grouped())
        text += QStringLiteral(" · 以组选号码（数字从小到大）交给缩水器");
    m_count->setText(text);
    m_list->clear();
    m_generated = false;
}

void NumberPanel::Generate()
{
    const std::vector<std::uint32_t> numbers = Numbers();
    QString text;
    text.reserve(static_cast<qsizetype>(numbers.size()) * (m_length + 1));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += i % kNumbersPerLine == 0 ? QLatin1Char('\n') : QLatin1Char(' ');
        text += features::NumberText(numbers[i], m_length);
    }
    m_list->setPlainText(text.isEmpty() ? QStringLiteral("（没有号码：请先勾选）") : text);
    m_generated = !text.isEmpty();
}

void NumberPanel::Send()
{
    const std::vector<std::uint32_t> numbers = Numbers();
    if (numbers.empty()) {
        m_list->setPlainText(QStringLiteral("（没有号码可发送：请先勾选）"));
        return;
    }
    if (sendNumbers)
        sendNumbers(numbers, m_handOff->Mode());
}

} // namespace vesk::pick
