#include "components/features/kit/feature_look.h"

#include <QLabel>
#include <QPalette>
#include <QVBoxLayout>
#include <QWidget>

namespace vesk::features {

void PaintFeatureBackground(QWidget* window)
{
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(250, 252, 254));
    window->setPalette(palette);
}

QLabel* MakeFeatureTitle(const QString& text, QWidget* parent)
{
    auto* title = new QLabel(text, parent);
    title->setObjectName(QStringLiteral("featureTitle"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 3);
    font.setBold(true);
    title->setFont(font);
    return title;
}

QBoxLayout* TitleLine(QLabel* title, QWidget* parent)
{
    auto* line = new QVBoxLayout;
    line->setSpacing(0);
    line->addWidget(title);
    auto* label = new QLabel(QStringLiteral("没有开奖数据"), parent);
    label->setObjectName(QStringLiteral("dataEnd"));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(90, 96, 110));
    label->setPalette(palette);
    line->addWidget(label);
    return line;
}

void ShowDataEnd(QWidget* window, const HistoryDraws& draws)
{
    for (QLabel* label : window->findChildren<QLabel*>(QStringLiteral("dataEnd")))
        label->setText(QString::fromStdString(draws.dataEnd));
}

QLabel* MakeMissingHistoryLabel(QWidget* parent)
{
    auto* missing = new QLabel(parent);
    missing->setObjectName(QStringLiteral("missingHistory"));
    missing->setAlignment(Qt::AlignCenter);
    missing->setWordWrap(true);
    return missing;
}

QString PeriodText(const HistoryDraws& draws, std::size_t i)
{
    if (i < draws.periods.size() && !draws.periods[i].empty())
        return QString::fromStdString(draws.periods[i]);
    return QStringLiteral("第%1期").arg(i + 1);
}

QString NumberText(std::uint32_t code, int length)
{
    return QStringLiteral("%1").arg(code, length, 10, QLatin1Char('0'));
}

} // namespace vesk::features
