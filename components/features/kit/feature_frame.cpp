#include "components/features/kit/feature_frame.h"

#include "components/features/kit/feature_look.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace vesk::features {

FeatureFrame::FeatureFrame(const QString& objectName, const QString& title, QWidget* parent, const FrameLook& look)
    : QWidget(parent)
{
    setObjectName(objectName);
    PaintFeatureBackground(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* bar = new QHBoxLayout;
    m_title = MakeFeatureTitle(title, this);
    bar->addWidget(m_title);
    bar->addSpacing(12);
    m_lead = new QHBoxLayout;
    bar->addLayout(m_lead);
    if (look.pickerRight)
        bar->addStretch();
    else
        bar->addSpacing(8);
    auto* pickerLabel = new QLabel(look.pickerLabel, this);
    bar->addWidget(pickerLabel);
    m_picker = new WindowPicker(this);
    pickerLabel->setBuddy(m_picker);
    bar->addWidget(m_picker);
    m_bar = new QHBoxLayout;
    bar->addLayout(m_bar);
    if (!look.pickerRight)
        bar->addStretch();
    layout->addLayout(bar);

    m_pages = new QStackedWidget(this);
    m_missing = MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_missing);
    layout->addWidget(m_pages, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("featureStatus"));
    m_status->setWordWrap(true);
    m_status->hide();
    layout->addWidget(m_status);

    m_picker->picked = [this](std::size_t last) {
        WindowPicked(last);
        if (windowChanged)
            windowChanged(last);
    };
}

void FeatureFrame::SetTitle(const QString& title)
{
    m_title->setText(title);
}

QString FeatureFrame::Title() const
{
    return m_title->text();
}

std::size_t FeatureFrame::Last() const
{
    return m_picker->Window();
}

void FeatureFrame::ShowLast(std::size_t last)
{
    m_picker->SetWindow(last);
}

void FeatureFrame::SetStatus(const QString& text, bool warning)
{
    m_status->setText(text);
    m_status->setStyleSheet(warning ? QStringLiteral("color: #b00020;") : QString());
    m_status->setVisible(!text.isEmpty());
}

QString FeatureFrame::StatusText() const
{
    return m_status->text();
}

void FeatureFrame::AddRow(QWidget* row)
{
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, row);
}

void FeatureFrame::SetContent(QWidget* content)
{
    if (m_content)
        return;
    m_content = content;
    m_pages->addWidget(content);
}

void FeatureFrame::AddFooter(QWidget* footer)
{
    // Outside the stacked pages, whose size hints ignore a wrapped label's height.
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->insertWidget(box->indexOf(m_pages) + 1, footer);
    m_footer = footer;
    m_footer->setVisible(ContentShown());
}

void FeatureFrame::ShowContent()
{
    if (m_content)
        m_pages->setCurrentWidget(m_content);
    if (m_footer)
        m_footer->show();
}

void FeatureFrame::ShowMissing(const QString& text)
{
    m_missing->setText(text);
    m_pages->setCurrentWidget(m_missing);
    if (m_footer)
        m_footer->hide();
}

bool FeatureFrame::ContentShown() const
{
    return m_content && m_pages->currentWidget() == m_content;
}

QPushButton* FeatureFrame::AddExportButton(const QString& text, const QString& name, const QAbstractItemModel* model,
                                           const std::string& fileName)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, model, fileName] {
        if (ContentShown())
            AskExportModel(this, *model, fileName);
    });
    m_bar->addWidget(button);
    return button;
}

} // namespace vesk::features
