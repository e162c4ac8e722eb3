#include "components/filter/window/text_views.h"

#include "components/filter/component/report_text.h"
#include "components/filter/engine/backtest.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vesk::filter {
namespace {

QPlainTextEdit* MakeText(QWidget* parent)
{
    auto* text = new QPlainTextEdit(parent);
    text->setReadOnly(true);
    return text;
}

} // namespace

ReportView::ReportView(QWidget* owner) : QWidget(owner, Qt::Tool), m_text(MakeText(this))
{
    setWindowTitle(QStringLiteral("缩水报告"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_text);
    resize(360, 320);
}

void ReportView::Show(const QString& text)
{
    m_text->setPlainText(text);
    show();
    raise();
}

QString ReportView::Text() const
{
    return m_text->toPlainText();
}

BacktestView::BacktestView(FilterComponent& engine, QWidget* owner)
    : QWidget(owner, Qt::Tool)
    , m_engine(engine)
    , m_draws(new QSpinBox(this))
    , m_text(MakeText(this))
{
    setWindowTitle(QStringLiteral("历史验证"));
    auto* column = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(QStringLiteral("验证最近"), this));
    m_draws->setRange(1, 100000);
    m_draws->setValue(static_cast<int>(kDefaultBacktestDraws));
    m_draws->setSuffix(QStringLiteral(" 期"));
    line->addWidget(m_draws);
    auto* run = new QPushButton(QStringLiteral("验证"), this);
    run->setDefault(true);
    line->addWidget(run);
    line->addStretch(1);
    column->addLayout(line);
    column->addWidget(m_text);
    QObject::connect(run, &QPushButton::clicked, this, [this] { Run(); });
    QObject::connect(m_draws, &QSpinBox::editingFinished, this, [this] { Run(); });
    resize(380, 340);
}

void BacktestView::Run()
{
    const BacktestResult result = m_engine.RunBacktest(static_cast<std::size_t>(m_draws->value()));
    m_text->setPlainText(QString::fromStdString(BacktestText(m_engine.Set(), result, m_engine.Length())));
}

QString BacktestView::Text() const
{
    return m_text->toPlainText();
}

} // namespace vesk::filter
