#include "components/features/query/query_frame.h"

#include "components/features/kit/feature_look.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::query {

QueryFrame::QueryFrame(const QString& objectName, const QString& title, QWidget* parent) : QWidget(parent)
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
    m_picker->picked = [this](std::size_t last) {
        if (windowChanged)
            windowChanged(last);
        Refill();
    };
    m_bar->addWidget(m_picker);
    layout->addLayout(m_bar);

    m_pages = new QStackedWidget(this);
    m_missing = features::MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_missing);
    layout->addWidget(m_pages, 1);
}

void QueryFrame::SetContent(QWidget* content)
{
    m_pages->addWidget(content);
}

QPushButton* QueryFrame::AddExportButton(const QString& text, const QString& name, const QAbstractItemModel* model,
                                         const std::string& fileName)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, model, fileName] {
        if (HasDraws())
            features::AskExportModel(this, *model, fileName);
    });
    m_bar->addWidget(button);
    return button;
}

void QueryFrame::SetHistory(features::HistoryDraws draws, int length, const std::string& missingText)
{
    m_draws = std::move(draws);
    m_length = length;
    features::ShowDataEnd(this, m_draws);
    m_missing->setText(QString::fromStdString(missingText));
    ShowContent();
}

void QueryFrame::SetWindowSize(std::size_t last)
{
    m_picker->SetWindow(last);
    ShowContent();
}

std::size_t QueryFrame::Last() const
{
    return m_picker->Window();
}

void QueryFrame::ShowContent()
{
    if (!HasDraws())
        m_pages->setCurrentWidget(m_missing);
    else if (m_pages->count() > 1)
        m_pages->setCurrentIndex(1);
    // Without draws too: what the content held of the old history must go,
    // or a button on the bar would act on draws that are no longer there.
    Refill();
}

} // namespace vesk::query
