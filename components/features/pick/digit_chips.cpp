#include "components/features/pick/digit_chips.h"

#include <QHBoxLayout>
#include <QLabel>

namespace vesk::pick {

namespace {

QString ChipStyle(const QColor& colour)
{
    return QStringLiteral("QLabel { background: %1; color: white; border-radius: 13px; font-weight: bold; }")
        .arg(colour.name());
}

} // namespace

QColor ClassColour(int c, int count)
{
    // Two-class methods: the picked digits stand out, the rest recede.
    static const QColor kColours[] = {QColor(205, 55, 50), QColor(226, 140, 30), QColor(52, 112, 196), QColor(120, 128, 138)};
    if (count == 2)
        return c == 0 ? kColours[0] : kColours[3];
    return kColours[std::clamp(c, 0, 3)];
}

DigitChips::DigitChips(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("digitChips"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (int d = 0; d < 10; ++d) {
        auto* chip = new QLabel(QString::number(d), this);
        chip->setObjectName(QStringLiteral("digitChip%1").arg(d));
        chip->setAlignment(Qt::AlignCenter);
        chip->setFixedSize(26, 26);
        m_chips[static_cast<std::size_t>(d)] = chip;
        layout->addWidget(chip);
    }
    layout->addSpacing(10);
    m_legend = new QLabel(this);
    m_legend->setObjectName(QStringLiteral("classLegend"));
    m_legend->setTextFormat(Qt::RichText);
    layout->addWidget(m_legend, 1);
}

void DigitChips::Show(const analysis::DigitClasses& classes, const std::array<std::string_view, 4>& classNames)
{
    std::array<QString, 4> members;
    for (int d = 0; d < 10; ++d) {
        const int c = classes.of[static_cast<std::size_t>(d)];
        const QString name = QString::fromUtf8(classNames[static_cast<std::size_t>(c)].data(),
                                               static_cast<qsizetype>(classNames[static_cast<std::size_t>(c)].size()));
        QLabel* chip = m_chips[static_cast<std::size_t>(d)];
        chip->setStyleSheet(ChipStyle(ClassColour(c, classes.count)));
        chip->setToolTip(name);
        chip->setProperty("digitClass", c);
        members[static_cast<std::size_t>(c)] += QString::number(d);
    }
    QStringList parts;
    for (int c = 0; c < classes.count; ++c) {
        const std::string_view name = classNames[static_cast<std::size_t>(c)];
        parts << QStringLiteral("<span style='color:%1'>■</span> %2：%3")
                     .arg(ClassColour(c, classes.count).name(),
                          QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                          members[static_cast<std::size_t>(c)].isEmpty() ? QStringLiteral("—")
                                                                        : members[static_cast<std::size_t>(c)]);
    }
    m_legend->setText(parts.join(QStringLiteral("&nbsp;&nbsp;&nbsp;")));
}

void DigitChips::ShowNone(const QString& reason)
{
    for (QLabel* chip : m_chips) {
        chip->setStyleSheet(ChipStyle(QColor(200, 204, 208)));
        chip->setToolTip({});
        chip->setProperty("digitClass", -1);
    }
    m_legend->setText(reason.toHtmlEscaped());
}

} // namespace vesk::pick
