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
#include <QTextBrowser>
#include <QVBoxLayout>

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
    }
    return {};
}

QString CountLine(BetPlay play, std::uint64_t bets)
{
    return QStringLiteral("%1：%2 注，%3 元").arg(PlayName(play)).arg(bets).arg(bets * analysis::kPricePerBet);
}

} // namespace

GuidePage::GuidePage(QWidget* parent)
    : QWidget(parent), m_byPosition(new QRadioButton(QStringLiteral("按位选号（直选复式）"), this)),
      m_bySet(new QRadioButton(QStringLiteral("选一组数字"), this)), m_positionsBox(new QWidget(this)),
      m_set(new QLineEdit(this)), m_counts(new QLabel(this)), m_play(new QComboBox(this)),
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
    connect(m_set, &QLineEdit::textChanged, this, [this] {
        m_bySet->setChecked(true);
        EntriesChanged();
    });
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
    const bool byPosition = m_byPosition->isChecked();
    std::vector<std::uint16_t> masks;
    QString error;
    const auto read = [&](QLineEdit* edit, const QString& where) {
        const analysis::DigitSetEntry entry = analysis::ParseDigitSet(edit->text().toStdString());
        if (!entry.Ok() && error.isEmpty())
            error = where + QStringLiteral("：") + Q(entry.error);
        masks.push_back(entry.mask);
    };
    if (byPosition)
        for (int p = 0; p < m_length; ++p)
            read(m_positions[static_cast<std::size_t>(p)], Q(analysis::PositionName(p, m_length)));
    else
        read(m_set, QStringLiteral("数字"));

    if (!error.isEmpty()) {
        m_masks.clear();
        m_counts->setText(error);
        return false;
    }
    // The play picked stays picked while the digits are edited.
    const QString kept = m_play->currentText();
    m_play->clear();
    m_masks = masks;
    QStringList lines;
    std::vector<BetPlay> plays;
    if (byPosition)
        plays = {BetPlay::StraightPositions};
    else if (m_length == 3)
        plays = {BetPlay::StraightSet, BetPlay::Group3, BetPlay::Group6};
    else
        plays = {BetPlay::StraightSet};
    for (BetPlay play : plays) {
        lines << CountLine(play, analysis::CountBets(play, m_masks, m_length));
        m_play->addItem(PlayName(play), static_cast<int>(play));
    }
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
    if (analysis::CountBets(play, m_masks, m_length) > kMostListed) {
        m_numbers.clear();
        m_numbersText->clear();
        m_numbersCount->setText(QStringLiteral("注数超过 %1，不逐一列出").arg(kMostListed));
        return;
    }
    m_numbers = analysis::BetNumbers(play, m_masks, m_length);
    const bool groups = play == BetPlay::Group3 || play == BetPlay::Group6;
    m_numbersCount->setText(QStringLiteral("%1 %2 注%3")
                                .arg(PlayName(play))
                                .arg(m_numbers.size())
                                .arg(groups ? QStringLiteral("（组选号码，数字由小到大）") : QString()));
    m_numbersText->setPlainText(Q(ListText(m_numbers, m_length)));
}

} // namespace vesk::tools
