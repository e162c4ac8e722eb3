#include "components/features/formula/guess_frame.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace vesk::formula {

GuessFrame::GuessFrame(const QString& objectName, const QString& title, QWidget* parent)
    : FeatureFrame(objectName, title, parent)
{
    m_use = new QComboBox(this);
    m_use->setObjectName(QStringLiteral("guessUse"));
    m_use->addItem(QStringLiteral("作胆码"), static_cast<int>(analysis::GuessUse::Banker));
    m_use->addItem(QStringLiteral("作杀码"), static_cast<int>(analysis::GuessUse::Kill));
    m_use->setToolTip(QStringLiteral("胆码：下期应开出其中的数字；杀码：下期不应开出"));
    Bar()->addWidget(m_use);
    connect(m_use, &QComboBox::activated, this, [this](int) {
        FillIfDrawn();
        if (useChanged)
            useChanged(Use());
    });
}

void GuessFrame::SetHistory(features::HistoryDraws draws, int length, const std::string& missingText)
{
    m_draws = std::move(draws);
    m_length = length;
    m_missingText = missingText;
    FillIfDrawn();
}

void GuessFrame::SetChoices(std::size_t last, analysis::GuessUse use)
{
    ShowLast(last);
    m_use->setCurrentIndex(use == analysis::GuessUse::Kill ? 1 : 0);
    FillIfDrawn();
}

analysis::GuessUse GuessFrame::Use() const
{
    return m_use->currentIndex() == 1 ? analysis::GuessUse::Kill : analysis::GuessUse::Banker;
}

void GuessFrame::FillIfDrawn()
{
    if (m_draws.codes.empty()) {
        ShowMissing(QString::fromStdString(m_missingText));
        SetStatus({});
        return;
    }
    Refill();
}

QStandardItem* TableCell(const QString& text, const QVariant& exact)
{
    return exact.isValid() ? features::NumberCell(text, exact.toDouble()) : features::TextCell(text);
}

} // namespace vesk::formula
