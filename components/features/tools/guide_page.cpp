#include "components/features/tools/guide_page.h"

#include "components/features/tools/guide_text.h"
#include "components/features/tools/list_files.h"
#include "components/features/tools/tool_widgets.h"
#include "components/features/analysis/family_builders.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace vesk::tools {
namespace {

using analysis::BetPlay;

QString PlayName(BetPlay play)
{
    switch (play) {
    case BetPlay::StraightPositions:
        return QStringLiteral("直选复式");
    case BetPlay::StraightSet:
        return QStringLiteral("直选");
    case BetPlay::Group3:
        return QStringLiteral("组选三");
    case BetPlay::Group6:
        return QStringLiteral("组选六");
    case BetPlay::StraightSum:
        return QStringLiteral("直选和值");
    case BetPlay::GroupSum:
        return QStringLiteral("组选和值");
    case BetPlay::StraightSpan:
        return QStringLiteral("直选跨度");
    case BetPlay::GroupSpan:
        return QStringLiteral("组选跨度");
    case BetPlay::GroupBankerDrag:
        return QStringLiteral("组选胆拖");
    }
    return {};
}

QString CountLine(BetPlay play, std::uint64_t bets, int multiple)
{
    const QString times = multiple > 1 ? QStringLiteral("（%1 倍）").arg(multiple) : QString();
    return QStringLiteral("%1：%2 注，%3 元%4")
        .arg(PlayName(play))
        .arg(bets)
        .arg(analysis::BetCost(bets, static_cast<std::uint32_t>(multiple)))
        .arg(times);
}

} // namespace

GuidePage::GuidePage(QWidget* parent)
    : QWidget(parent), m_byPosition(new QRadioButton(QStringLiteral("按位选号（直选复式）"), this)),
      m_bySet(new QRadioButton(QStringLiteral("选一组数字"), this)), m_positionsBox(new QWidget(this)),
      m_set(new QLineEdit(this)), m_bySum(new QRadioButton(QStringLiteral("和值"), this)),
      m_sums(new QLineEdit(this)), m_bySpan(new QRadioButton(QStringLiteral("跨度"), this)), m_spans(new QLineEdit(this)),
      m_byBankers(new QRadioButton(QStringLiteral("胆拖（组选）"), this)), m_bankers(new QLineEdit(this)),
      m_drags(new QLineEdit(this)), m_multiple(new QSpinBox(this)), m_counts(new QLabel(this)), m_play(new QComboBox(this)),
      m_numbersText(new QPlainTextEdit(this)), m_numbersCount(new QLabel(this))
{
    setObjectName(QStringLiteral("guidePage"));
    auto* guide = new QTextBrowser(this);
    guide->setObjectName(QStringLiteral("guideText"));
    guide->setHtml(Q(GuideText()));

    m_byPosition->setObjectName(QStringLiteral("byPosition"));
    m_bySet->setObjectName(QStringLiteral("bySet"));
    m_set->setObjectName(QStringLiteral("digitSet"));
    m_set->setPlaceholderText(QStringLiteral("如 1 3 5 7"));
    m_bySum->setObjectName(QStringLiteral("bySum"));
    m_sums->setObjectName(QStringLiteral("sumValues"));
    m_sums->setPlaceholderText(QStringLiteral("和值，如 10 11 12"));
    m_bySpan->setObjectName(QStringLiteral("bySpan"));
    m_spans->setObjectName(QStringLiteral("spanValues"));
    m_spans->setPlaceholderText(QStringLiteral("跨度，如 3 4"));
    m_byBankers->setObjectName(QStringLiteral("byBankers"));
    m_bankers->setObjectName(QStringLiteral("bankerDigits"));
    m_bankers->setPlaceholderText(QStringLiteral("胆码"));
    m_bankers->setToolTip(QStringLiteral("1 到 2 个胆码：每注都含有全部胆码，其余数字取自拖码；组三、组六都算，豹子不算"));
    m_drags->setObjectName(QStringLiteral("dragDigits"));
    m_drags->setPlaceholderText(QStringLiteral("拖码"));
    m_multiple->setObjectName(QStringLiteral("multiple"));
    m_multiple->setRange(1, 99);
    m_multiple->setSuffix(QStringLiteral(" 倍"));
    m_multiple->setToolTip(QStringLiteral("每注买几倍：金额按注数 × 2 元 × 倍数"));
    m_counts->setObjectName(QStringLiteral("betCounts"));
    m_counts->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_play->setObjectName(QStringLiteral("numbersPlay"));
    m_numbersText->setObjectName(QStringLiteral("betNumbers"));
    m_numbersText->setReadOnly(true);
    m_numbersCount->setObjectName(QStringLiteral("betNumbersCount"));
    m_byPosition->setChecked(true);

    auto* show = new QPushButton(QStringLiteral("列出号码"), this);
    show->setObjectName(QStringLiteral("showNumbers"));
    auto* handOff = new features::HandOffChoice(QStringLiteral("guidePage"), this);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    send->setObjectName(QStringLiteral("sendNumbers"));

    auto* calculator = new QGroupBox(QStringLiteral("投注计算器（每注 2 元）"), this);
    auto* form = new QFormLayout;
    form->addRow(m_byPosition, m_positionsBox);
    form->addRow(m_bySet, m_set);
    form->addRow(m_bySum, m_sums);
    form->addRow(m_bySpan, m_spans);
    auto* bankerRow = new QHBoxLayout;
    bankerRow->addWidget(m_bankers);
    bankerRow->addWidget(m_drags);
    form->addRow(m_byBankers, bankerRow);
    form->addRow(new QLabel(QStringLiteral("倍数"), this), m_multiple);
    auto* numbersRow = new QHBoxLayout;
    numbersRow->addWidget(new QLabel(QStringLiteral("玩法"), this));
    numbersRow->addWidget(m_play);
    numbersRow->addWidget(show);
    numbersRow->addStretch(1);
    numbersRow->addWidget(handOff);
    numbersRow->addWidget(send);
    auto* calcLayout = new QVBoxLayout(calculator);
    calcLayout->addLayout(form);
    calcLayout->addWidget(m_counts);
    calcLayout->addLayout(numbersRow);
    calcLayout->addWidget(m_numbersCount);
    calcLayout->addWidget(m_numbersText, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(guide, 1);
    layout->addWidget(calculator, 1);

    BuildPositions();
    connect(m_byPosition, &QRadioButton::toggled, this, [this] { EntriesChanged(); });
    const auto follow = [this](QLineEdit* edit, QRadioButton* mode) {
        connect(edit, &QLineEdit::textChanged, this, [this, mode] {
            mode->setChecked(true);
            EntriesChanged();
        });
        connect(mode, &QRadioButton::toggled, this, [this] { EntriesChanged(); });
    };
    follow(m_set, m_bySet);
    follow(m_sums, m_bySum);
    follow(m_spans, m_bySpan);
    follow(m_bankers, m_byBankers);
    follow(m_drags, m_byBankers);
    connect(m_multiple, &QSpinBox::valueChanged, this, [this] { Recount(); });
    connect(show, &QPushButton::clicked, this, [this] { ShowNumbers(); });
    connect(send, &QPushButton::clicked, this, [this, handOff] {
        if (sendNumbers)
            sendNumbers(m_numbers, handOff->Mode());
    });
    Recount();
}

void GuidePage::SetLength(int length)
{
    if (length == m_length)
        return;
    m_length = length;
    BuildPositions();
    Recount();
}

void GuidePage::BuildPositions()
{
    delete m_positionsBox->layout();
    for (QLineEdit* edit : m_positions)
        delete edit;
    m_positions.clear();
    auto* row = new QHBoxLayout(m_positionsBox);
    row->setContentsMargins(0, 0, 0, 0);
    for (int p = 0; p < m_length; ++p) {
        auto* edit = new QLineEdit(m_positionsBox);
        edit->setObjectName(QStringLiteral("position%1").arg(p));
        edit->setPlaceholderText(Q(analysis::PositionName(p, m_length)));
        row->addWidget(edit);
        m_positions.push_back(edit);
        connect(edit, &QLineEdit::textChanged, this, [this] {
            m_byPosition->setChecked(true);
            EntriesChanged();
        });
    }
}

void GuidePage::EntriesChanged()
{
    // Numbers listed for other entries must not be handed off.
    m_numbers.clear();
    m_numbersText->clear();
    m_numbersCount->clear();
    Recount();
}

bool GuidePage::Recount()
{
    analysis::BetPick pick;
    QString error;
    const auto digits = [&](QLineEdit* edit, const QString& where) -> std::uint16_t {
        const analysis::DigitSetEntry entry = analysis::ParseDigitSet(edit->text().toStdString());
        if (!entry.Ok() && error.isEmpty())
            error = where + QStringLiteral("：") + Q(entry.error);
        return entry.mask;
    };
    const auto values = [&](QLineEdit* edit, const QString& where, int most) {
        const analysis::ValueSetEntry entry = analysis::ParseValueSet(edit->text().toStdString(), most);
        if (!entry.Ok() && error.isEmpty())
            error = where + QStringLiteral("：") + Q(entry.error);
        pick.values = entry.mask;
    };
    std::vector<BetPlay> plays;
    if (m_byPosition->isChecked()) {
        for (int p = 0; p < m_length; ++p)
            pick.digits.push_back(digits(m_positions[static_cast<std::size_t>(p)], Q(analysis::PositionName(p, m_length))));
        plays = {BetPlay::StraightPositions};
    } else if (m_bySet->isChecked()) {
        pick.digits.push_back(digits(m_set, QStringLiteral("数字")));
        plays = {BetPlay::StraightSet, BetPlay::Group3, BetPlay::Group6};
    } else if (m_bySum->isChecked()) {
        values(m_sums, QStringLiteral("和值"), std::min(9 * m_length, 31));
        plays = {BetPlay::StraightSum, BetPlay::GroupSum};
    } else if (m_bySpan->isChecked()) {
        values(m_spans, QStringLiteral("跨度"), 9);
        plays = {BetPlay::StraightSpan, BetPlay::GroupSpan};
    } else {
        pick.bankers = digits(m_bankers, QStringLiteral("胆码"));
        pick.drags = digits(m_drags, QStringLiteral("拖码"));
        const bool typed = !m_bankers->text().trimmed().isEmpty() || !m_drags->text().trimmed().isEmpty();
        if (error.isEmpty() && typed) {
            const std::string refused = analysis::BankerDragError(pick.bankers, pick.drags);
            if (!refused.empty())
                error = QStringLiteral("胆拖：") + Q(refused);
        }
        plays = {BetPlay::GroupBankerDrag};
    }
    // The group plays are the 3-digit game's.
    if (m_length != 3)
        std::erase_if(plays, [](BetPlay play) { return analysis::IsGroupPlay(play); });

    if (!error.isEmpty()) {
        m_pick = {};
        m_counts->setText(error);
        return false;
    }
    // The play picked stays picked while the digits are edited.
    const QString kept = m_play->currentText();
    m_play->clear();
    m_pick = pick;
    QStringList lines;
    for (BetPlay play : plays) {
        lines << CountLine(play, analysis::CountBets(play, m_pick, m_length), m_multiple->value());
        m_play->addItem(PlayName(play), static_cast<int>(play));
    }
    if (plays.empty())
        lines << QStringLiteral("组选玩法只用于三位数");
    if (const int at = m_play->findText(kept); at >= 0)
        m_play->setCurrentIndex(at);
    m_counts->setText(lines.join(QLatin1Char('\n')));
    return true;
}

analysis::BetPlay GuidePage::PickedPlay() const
{
    return static_cast<BetPlay>(m_play->currentData().toInt());
}

void GuidePage::ShowNumbers()
{
    if (!Recount() || m_play->count() == 0)
        return;
    const BetPlay play = PickedPlay();
    // Beyond this a list is no help to read and its text would take too much memory.
    constexpr std::uint64_t kMostListed = 1000000;
    if (analysis::CountBets(play, m_pick, m_length) > kMostListed) {
        m_numbers.clear();
        m_numbersText->clear();
        m_numbersCount->setText(QStringLiteral("注数超过 %1，不逐一列出").arg(kMostListed));
        return;
    }
    m_numbers = analysis::BetNumbers(play, m_pick, m_length);
    const bool groups = analysis::IsGroupPlay(play);
    m_numbersCount->setText(QStringLiteral("%1 %2 注%3")
                                .arg(PlayName(play))
                                .arg(m_numbers.size())
                                .arg(groups ? QStringLiteral("（组选号码，数字由小到大）") : QString()));
    m_numbersText->setPlainText(Q(ListText(m_numbers, m_length)));
}

QVariantMap GuidePage::SaveState() const
{
    return {{QStringLiteral("listed"), !m_numbers.empty()}, {QStringLiteral("play"), m_play->currentText()}};
}

void GuidePage::RestoreState(const QVariantMap& state)
{
    if (const int at = m_play->findText(state.value(QStringLiteral("play")).toString()); at >= 0)
        m_play->setCurrentIndex(at);
    if (state.value(QStringLiteral("listed")).toBool())
        ShowNumbers();
}

} // namespace vesk::tools
