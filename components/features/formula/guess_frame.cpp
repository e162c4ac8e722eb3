#include "components/features/formula/guess_frame.h"

#include "components/features/kit/feature_look.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::formula {

GuessFrame::GuessFrame(const QString& objectName, const QString& title, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    features::PaintFeatureBackground(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    m_bar = new QHBoxLayout;
    m_bar->addLayout(features::TitleLine(features::MakeFeatureTitle(title, this), this));
    m_bar->addSpacing(12);
    m_bar->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    m_picker = new features::WindowPicker(this);
    m_bar->addWidget(m_picker);
    m_use = new QComboBox(this);
    m_use->setObjectName(QStringLiteral("guessUse"));
    m_use->addItem(QStringLiteral("作胆码"), static_cast<int>(analysis::GuessUse::Banker));
    m_use->addItem(QStringLiteral("作杀码"), static_cast<int>(analysis::GuessUse::Kill));
    m_use->setToolTip(QStringLiteral("胆码：下期应开出其中的数字；杀码：下期不应开出"));
    m_bar->addWidget(m_use);
    layout->addLayout(m_bar);

    m_pages = new QStackedWidget(this);
    m_reason = features::MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_reason);
    layout->addWidget(m_pages, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("featureStatus"));
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_picker->picked = [this](std::size_t last) {
        FillIfDrawn();
        if (windowChanged)
            windowChanged(last);
    };
    connect(m_use, &QComboBox::activated, this, [this](int) {
        FillIfDrawn();
        if (useChanged)
            useChanged(Use());
    });
}

void GuessFrame::SetContent(QWidget* content)
{
    m_pages->addWidget(content);
}

void GuessFrame::AddFooter(QWidget* footer)
{
    // Outside the stacked pages, whose size hints ignore a wrapped label's height.
    static_cast<QVBoxLayout*>(layout())->insertWidget(2, footer);
    m_footer = footer;
    m_footer->setVisible(m_pages->currentIndex() == 1);
}

void GuessFrame::ShowContent()
{
    m_pages->setCurrentIndex(1);
    if (m_footer)
        m_footer->show();
}

void GuessFrame::ShowReason(const QString& text)
{
    m_reason->setText(text);
    m_pages->setCurrentIndex(0);
    if (m_footer)
        m_footer->hide();
}

void GuessFrame::SetStatus(const QString& text, bool warning)
{
    m_status->setText(text);
    m_status->setStyleSheet(warning ? QStringLiteral("color: #b00020;") : QString());
}

QString GuessFrame::StatusText() const
{
    return m_status->text();
}

void GuessFrame::SetHistory(features::HistoryDraws draws, int length, const std::string& missingText)
{
    m_draws = std::move(draws);
    m_length = length;
    m_missingText = missingText;
    features::ShowDataEnd(this, m_draws);
    FillIfDrawn();
}

void GuessFrame::SetChoices(std::size_t last, analysis::GuessUse use)
{
    m_picker->SetWindow(last);
    m_use->setCurrentIndex(use == analysis::GuessUse::Kill ? 1 : 0);
    FillIfDrawn();
}

std::size_t GuessFrame::Last() const
{
    return m_picker->Window();
}

analysis::GuessUse GuessFrame::Use() const
{
    return m_use->currentIndex() == 1 ? analysis::GuessUse::Kill : analysis::GuessUse::Banker;
}

void GuessFrame::FillIfDrawn()
{
    if (m_draws.codes.empty()) {
        ShowReason(QString::fromStdString(m_missingText));
        SetStatus({});
        return;
    }
    Refill();
}

QStandardItem* TableCell(const QString& text, const QVariant& exact)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    if (exact.isValid())
        item->setData(exact, features::kExportNumberRole);
    return item;
}

QStandardItemModel* MakeTableModel(QObject* parent, std::span<const char* const> titles)
{
    auto* model = new QStandardItemModel(parent);
    QStringList labels;
    for (const char* title : titles)
        labels << QString::fromUtf8(title);
    model->setHorizontalHeaderLabels(labels);
    return model;
}

QString PercentText(const analysis::Figure& figure)
{
    return QString::fromStdString(analysis::FormatFigure(figure, 1, 100)) + QLatin1Char('%');
}

} // namespace vesk::formula
