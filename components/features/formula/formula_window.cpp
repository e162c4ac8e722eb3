#include "components/features/formula/formula_window.h"

#include "components/features/kit/feature_table.h"

#include "components/features/analysis/chance_verdict.h"

#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableView>

namespace vesk::formula {

namespace {

constexpr int kMaxTop = 1000;

const char* const kTitles[] = {"排名", "公式", "命中", "验证期数", "命中率", "随机基准", "比随机", "比洗牌最高", "最长连错", "下期"};

} // namespace

QString FormulaText(const analysis::Formula& f)
{
    return QStringLiteral("(%1a+%2b+%3c+%4) mod 10").arg(f.x).arg(f.y).arg(f.z).arg(f.k);
}

FormulaWindow::FormulaWindow(QWidget* parent) : GuessFrame(QStringLiteral("formulaWindow"), QStringLiteral("公式搜索"), parent)
{
    Bar()->addWidget(new QLabel(QStringLiteral("列出前"), this));
    m_top = new QSpinBox(this);
    m_top->setObjectName(QStringLiteral("topCount"));
    m_top->setRange(1, kMaxTop);
    m_top->setValue(static_cast<int>(analysis::kDefaultFormulaTop));
    m_top->setSuffix(QStringLiteral(" 个"));
    Bar()->addWidget(m_top);
    Bar()->addStretch();
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("searchProgress"));
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(160);
    m_progress->hide();
    Bar()->addWidget(m_progress);
    m_stop = new QPushButton(QStringLiteral("停止"), this);
    m_stop->setObjectName(QStringLiteral("stopSearch"));
    m_stop->hide();
    Bar()->addWidget(m_stop);
    m_export = new QPushButton(QStringLiteral("导出"), this);
    m_export->setObjectName(QStringLiteral("exportTable"));
    Bar()->addWidget(m_export);

    m_table = features::MakeFeatureTable(this, QStringLiteral("formulaTable"));
    m_model = MakeTableModel(this, kTitles);
    m_table->setModel(m_model);
    SetContent(m_table);
    m_shuffle = new QLabel(this);
    m_shuffle->setObjectName(QStringLiteral("shuffleSummary"));
    m_shuffle->setWordWrap(true);
    m_shuffle->setTextFormat(Qt::PlainText);
    m_shuffle->setStyleSheet(QStringLiteral("QLabel { background: #fff8e1; border: 1px solid #e0c068; padding: 6px; }"));
    AddFooter(m_shuffle);

    m_runner.progressed = [this](double done, qint64 elapsed) { ShowProgress(done, elapsed); };
    m_runner.finished = [this](const analysis::FormulaSearchResult& result) { Show(result); };
    connect(m_stop, &QPushButton::clicked, this, [this] { StopSearch(); });
    connect(m_top, &QSpinBox::editingFinished, this, [this] {
        if (static_cast<std::size_t>(m_top->value()) == m_result.top.size() && !Searching())
            return;
        Refill();
        if (topChanged)
            topChanged(Top());
    });
    connect(m_export, &QPushButton::clicked, this, [this] { features::AskExportModel(this, *m_model, "公式搜索", ExportNotes()); });
}

void FormulaWindow::SetTop(std::size_t top)
{
    m_top->setValue(static_cast<int>(std::clamp<std::size_t>(top, 1, kMaxTop)));
}

std::size_t FormulaWindow::Top() const
{
    return static_cast<std::size_t>(m_top->value());
}

void FormulaWindow::Refill()
{
    m_runner.Stop();
    if (Length() != analysis::kFormulaLength) {
        ShowReason(QStringLiteral("公式搜索只用于三位数的开奖号码。"));
        SetStatus({});
        return;
    }
    if (Draws().codes.size() < 2) {
        ShowReason(QStringLiteral("只有 1 期开奖号码：公式用上一期预测下一期，至少需要 2 期。"));
        SetStatus({});
        return;
    }
    ShowContent();
    // The last result stays in view, greyed, until the new one replaces it.
    m_table->setEnabled(false);
    m_shuffle->setEnabled(false);
    m_export->setEnabled(false);
    SetStatus(QStringLiteral("正在搜索一万个公式…"));
    m_runner.Start(std::make_unique<analysis::FormulaSearch>(Draws().codes, Last(), Use(), Top(), true));
}

void FormulaWindow::StopSearch()
{
    if (!Searching())
        return;
    m_runner.Stop();
    m_progress->hide();
    m_stop->hide();
    m_table->setEnabled(true);
    m_shuffle->setEnabled(true);
    m_export->setEnabled(m_model->rowCount() > 0);
    SetStatus(m_model->rowCount() > 0
                  ? QStringLiteral("搜索已停止；表中仍是上一次（%1）的结果。改变统计期数或条件会重新搜索。").arg(m_resultChoices)
                  : QStringLiteral("搜索已停止。改变统计期数或条件会重新搜索。"),
              true);
}

void FormulaWindow::ShowProgress(double done, qint64 elapsed)
{
    if (elapsed < m_progressDelay)
        return;
    m_progress->setValue(static_cast<int>(done * 100));
    m_progress->show();
    m_stop->show();
}

void FormulaWindow::Show(const analysis::FormulaSearchResult& result)
{
    m_progress->hide();
    m_stop->hide();
    m_table->setEnabled(true);
    m_shuffle->setEnabled(true);
    m_result = result;
    m_model->removeRows(0, m_model->rowCount());
    const bool kill = Use() == analysis::GuessUse::Kill;
    m_resultChoices = features::WindowLabel(Last()) + QStringLiteral("，") +
                      (kill ? QStringLiteral("杀码") : QStringLiteral("胆码"));
    for (std::size_t r = 0; r < result.top.size(); ++r) {
        const analysis::FormulaRow& row = result.top[r];
        const bool above = row.rate.Compare(row.baseline) > 0;
        QList<QStandardItem*> cells = {
            TableCell(QString::number(r + 1), static_cast<qulonglong>(r + 1)),
            TableCell(FormulaText(row.formula)),
            TableCell(QString::number(row.hits), static_cast<qlonglong>(row.hits)),
            TableCell(QString::number(result.scored), static_cast<qlonglong>(result.scored)),
            TableCell(PercentText(row.rate), row.rate.Value()),
            TableCell(PercentText(row.baseline), row.baseline.Value()),
            TableCell(QString::fromStdString(analysis::FormatAboveBaseline(row.rate, row.baseline))),
            // What the search reaches on shuffled draws is the fair yardstick
            // for the best of ten thousand formulas.
            TableCell(result.shuffles.empty() ? QStringLiteral("-")
                                              : QString::fromStdString(analysis::FormatAboveBaseline(row.rate, result.shuffledMax))),
            TableCell(QString::number(row.longestMiss), static_cast<qlonglong>(row.longestMiss)),
            TableCell(QString::number(row.next), row.next),
        };
        cells[6]->setForeground(above ? QColor(0, 120, 60) : QColor(150, 150, 150));
        const bool aboveShuffles = !result.shuffles.empty() && row.rate.Compare(result.shuffledMax) > 0;
        cells[7]->setForeground(aboveShuffles ? QColor(0, 120, 60) : QColor(150, 150, 150));
        m_model->appendRow(cells);
    }
    m_table->resizeColumnsToContents();
    m_shuffle->setText(ShuffleText());
    m_export->setEnabled(true);
    SetStatus(QStringLiteral("%1：每期用上一期开奖号码的百、十、个位 a b c 算出一个数字，共验证 %2 期；"
                             "命中数相同时 x、y、z、k 小的在前。%3")
                  .arg(kill ? QStringLiteral("杀码（下期不出为中）") : QStringLiteral("胆码（下期出现为中）"))
                  .arg(result.scored)
                  .arg(result.scored > 0 && static_cast<std::size_t>(result.scored) < analysis::kFewScored
                           ? QString::fromUtf8(analysis::kFewScoredNote)
                           : QString()));
}

features::ExportNotes FormulaWindow::ExportNotes() const
{
    features::ExportNotes notes;
    notes.push_back("统计期数与方式：" + m_resultChoices.toStdString());
    for (const QString& line : ShuffleText().split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        notes.push_back(line.toStdString());
    return notes;
}

QString FormulaWindow::ShuffleText() const
{
    if (m_result.shuffles.empty())
        return {};
    const QString best = m_result.top.empty() ? QStringLiteral("-") : PercentText(m_result.top.front().rate);
    return QStringLiteral("在一万个公式里挑出最好的，单凭运气也会挑到看上去很准的公式。\n对照：把这 %1 期开奖号码的顺序随机打乱 %2 "
                          "次，同样搜索，最佳命中率平均 %3，最高 %4；上表最佳 %5。")
        .arg(m_result.window)
        .arg(m_result.shuffles.size())
        .arg(PercentText(m_result.shuffledMean), PercentText(m_result.shuffledMax), best);
}

} // namespace vesk::formula
