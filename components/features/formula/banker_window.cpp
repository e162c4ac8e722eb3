#include "components/features/formula/banker_window.h"

#include "components/features/kit/feature_table.h"

#include "components/features/formula/trend_model.h"

#include "components/features/analysis/tools/bet_calculator.h"
#include "components/features/analysis/chance_verdict.h"
#include "components/filter/engine/binomial.h"
#include "components/features/kit/table_export.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

namespace vesk::formula {

namespace {

const char* const kTitles[] = {"规则", "下期", "命中", "验证期数", "命中率", "随机基准", "比随机", "单侧p", "判断"};

} // namespace

BankerWindow::BankerWindow(QWidget* parent) : GuessFrame(QStringLiteral("bankerWindow"), QStringLiteral("胆杀验证"), parent)
{
    Bar()->addWidget(new QLabel(QStringLiteral("固定码"), this));
    m_fixedEdit = new QLineEdit(this);
    m_fixedEdit->setObjectName(QStringLiteral("fixedDigits"));
    m_fixedEdit->setPlaceholderText(QStringLiteral("如 0 5 8"));
    m_fixedEdit->setToolTip(QStringLiteral("自己定的数字，作为一条规则一起验证；留空则不验证"));
    m_fixedEdit->setMaximumWidth(110);
    Bar()->addWidget(m_fixedEdit);
    Bar()->addStretch();
    m_export = new QPushButton(QStringLiteral("导出"), this);
    m_export->setObjectName(QStringLiteral("exportTable"));
    Bar()->addWidget(m_export);

    m_tabs = new QTabWidget(this);
    m_table = features::MakeFeatureTable(m_tabs, QStringLiteral("ruleTable"));
    m_model = MakeTableModel(this, kTitles);
    m_table->setModel(m_model);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_tabs->addTab(m_table, QStringLiteral("验证结果"));
    m_trend = features::MakeFeatureTable(m_tabs, QStringLiteral("ruleTrend"));
    m_trendModel = new TrendModel(this);
    m_trend->setModel(m_trendModel);
    m_trend->horizontalHeader()->setDefaultSectionSize(70);
    m_tabs->addTab(m_trend, QStringLiteral("命中走势"));
    SetContent(m_tabs);

    // The newest draws in view once the trend is shown (a hidden view cannot scroll).
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == 1 && m_trendToBottom) {
            m_trendToBottom = false;
            m_trendToBottom = !m_trend->isVisible();
    m_trend->scrollToBottom();
        }
    });
    connect(m_fixedEdit, &QLineEdit::editingFinished, this, [this] { TakeFixedDigits(); });
    connect(m_export, &QPushButton::clicked, this, [this] {
        if (m_tabs->currentIndex() == 1)
            features::AskExportModel(this, *m_trendModel, "胆杀走势");
        else
            features::AskExportModel(this, *m_model, "胆杀验证");
    });
}

void BankerWindow::SetFixedDigits(std::uint16_t mask)
{
    m_fixed = static_cast<std::uint16_t>(mask & 0x3ff);
    m_fixedEdit->setText(QString::fromStdString(analysis::DigitsText(m_fixed)));
    if (!Draws().codes.empty())
        Refill();
}

void BankerWindow::TakeFixedDigits()
{
    const analysis::DigitSetEntry entry = analysis::ParseDigitSet(m_fixedEdit->text().toStdString());
    if (!entry.Ok()) {
        // The rules stay as they were; the text stays for the user to fix.
        SetStatus(QStringLiteral("固定码有误：%1。规则未改变。").arg(QString::fromStdString(entry.error)), true);
        return;
    }
    if (entry.mask == m_fixed) {
        m_fixedEdit->setText(QString::fromStdString(analysis::DigitsText(m_fixed)));
        return;
    }
    SetFixedDigits(entry.mask);
    if (fixedChanged)
        fixedChanged(m_fixed);
}

void BankerWindow::Refill()
{
    ShowContent();
    const std::vector<analysis::DigitRule> rules = analysis::StandardRules(Length(), m_fixed);
    m_checks = analysis::CheckRules(rules, Draws().codes, Length(), Last(), Use());
    m_model->removeRows(0, m_model->rowCount());
    for (const analysis::RuleCheck& check : m_checks) {
        const bool above = check.scored > 0 && check.rate.Compare(check.baseline) > 0;
        QList<QStandardItem*> cells = {
            TableCell(QString::fromStdString(analysis::RuleLabel(check.rule, Length()))),
            TableCell(check.next ? QString::fromStdString(analysis::DigitsText(*check.next)) : QStringLiteral("-")),
            TableCell(QString::number(check.hits), static_cast<qlonglong>(check.hits)),
            TableCell(QString::number(check.scored), static_cast<qlonglong>(check.scored)),
            TableCell(check.scored ? PercentText(check.rate) : QStringLiteral("-"), check.rate.Value()),
            TableCell(PercentText(check.baseline), check.baseline.Value()),
            TableCell(check.scored ? QString::fromStdString(analysis::FormatAboveBaseline(check.rate, check.baseline))
                              : QStringLiteral("-")),
        };
        cells[6]->setForeground(above ? QColor(0, 120, 60) : QColor(150, 150, 150));
        // Many rules are checked at once, so a rate above the baseline is
        // called higher only when chance gives it less than once in a hundred.
        const analysis::ChanceTest test = analysis::JudgeAgainstChance(check.hits, static_cast<std::size_t>(check.scored), check.baseline);
        cells << TableCell(check.scored ? QString::fromStdString(filter::PValueText(test.p)) : QStringLiteral("-"), test.p)
              << TableCell(QString::fromStdString(analysis::VerdictWord(test.verdict) +
                                                  (check.scored > 0 && static_cast<std::size_t>(check.scored) < analysis::kFewScored
                                                       ? analysis::kFewScoredNote
                                                       : "")));
        if (test.verdict == analysis::ChanceVerdict::Higher)
            cells[8]->setForeground(QColor(0, 120, 60));
        m_model->appendRow(cells);
    }
    m_trendModel->SetChecks(m_checks, Draws(), Length());
    m_trendToBottom = !m_trend->isVisible();
    m_trend->scrollToBottom();
    const bool kill = Use() == analysis::GuessUse::Kill;
    SetStatus(QStringLiteral("%1：每条规则用前几期开奖号码说出下期的数字，%2。随机基准是随便选同样多个数字的命中率；"
                             "比随机为命中率高出它的百分点；单侧p是随机命中至少这么多期的机会，小于 0.01 才算高于随机。")
                  .arg(kill ? QStringLiteral("杀码") : QStringLiteral("胆码"),
                       kill ? QStringLiteral("下期一个也不出为中") : QStringLiteral("下期出其中任一个为中")));
}

} // namespace vesk::formula
