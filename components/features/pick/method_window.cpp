#include "components/features/pick/method_window.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/pick/digit_ranking.h"
#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"
#include "components/features/pick/digit_chips.h"
#include "components/features/pick/number_panel.h"
#include "components/features/kit/feature_look.h"
#include "components/features/pick/window_parts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::pick {

namespace {

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Percent(const analysis::Figure& figure)
{
    return Q(analysis::FormatFigure(figure, 1, 100)) + QLatin1Char('%');
}

QStandardItem* NumberCell(const QString& text, double exact)
{
    auto* item = new QStandardItem(text);
    item->setData(exact, features::kExportNumberRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

// Short enough for the row to fit an 800-pixel window; sums are taken mod 10.
constexpr const char* kFormulaTitles[analysis::kMagicFormulaCount] = {
    "a+b", "b+c", "a+c", "a+b+c", "|a−b|", "|b−c|", "|a−c|"};

// The classes as the window names them: the pyramid's layers in words.
std::array<std::string_view, 4> ShownClassNames(analysis::PickMethod method)
{
    if (method == analysis::PickMethod::Pyramid)
        return {"第1层", "第2层", "第3层", "第4层"};
    return analysis::InfoOf(method).classNames;
}

} // namespace

QString WindowText(std::size_t last, std::size_t window)
{
    return last == 0 ? QStringLiteral("全部 %1 期").arg(window) : QStringLiteral("近%1期").arg(last);
}

MethodWindow::MethodWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pickMethodWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);

    auto* bar = new QHBoxLayout;
    m_title = features::MakeFeatureTitle({}, this);
    bar->addWidget(m_title);
    bar->addStretch();
    m_windowControls = new QWidget(this);
    auto* windowBar = new QHBoxLayout(m_windowControls);
    windowBar->setContentsMargins(0, 0, 0, 0);
    windowBar->addWidget(new QLabel(QStringLiteral("分类依据 近"), m_windowControls));
    m_window = MakeSpin(m_windowControls, QStringLiteral("methodWindow"), 1, static_cast<int>(analysis::kMaxPickWindow));
    windowBar->addWidget(m_window);
    windowBar->addWidget(new QLabel(QStringLiteral("期"), m_windowControls));
    bar->addWidget(m_windowControls);
    m_topControls = new QWidget(this);
    auto* topBar = new QHBoxLayout(m_topControls);
    topBar->setContentsMargins(0, 0, 0, 0);
    topBar->addWidget(new QLabel(QStringLiteral("跟随码 前"), m_topControls));
    m_top = MakeSpin(m_topControls, QStringLiteral("followTop"), 1, analysis::kMaxPickTop);
    topBar->addWidget(m_top);
    topBar->addWidget(new QLabel(QStringLiteral("个"), m_topControls));
    bar->addWidget(m_topControls);
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    m_windowPicker = new features::WindowPicker(this);
    bar->addWidget(m_windowPicker);
    layout->addLayout(bar);

    m_formulaControls = new QWidget(this);
    auto* formulaBar = new QHBoxLayout(m_formulaControls);
    formulaBar->setContentsMargins(0, 0, 0, 0);
    auto* formulaTitle = new QLabel(QStringLiteral("魔数公式："), m_formulaControls);
    m_formulaControls->setToolTip(QStringLiteral("a b c 为上期号码的百、十、个位；和取个位数"));
    formulaBar->addWidget(formulaTitle);
    for (int f = 0; f < analysis::kMagicFormulaCount; ++f) {
        auto* box = new QCheckBox(QString::fromUtf8(kFormulaTitles[f]), m_formulaControls);
        box->setObjectName(QStringLiteral("formula%1").arg(f));
        m_formulas[static_cast<std::size_t>(f)] = box;
        formulaBar->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { ReadParameterControls(); });
    }
    formulaBar->addStretch();
    layout->addWidget(m_formulaControls);

    m_pages = new QStackedWidget(this);
    m_missing = features::MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_missing);

    auto* content = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    auto* classBar = new QHBoxLayout;
    classBar->addWidget(new QLabel(QStringLiteral("下期分类"), content));
    m_chips = new DigitChips(content);
    classBar->addWidget(m_chips, 1);
    contentLayout->addLayout(classBar);

    m_model = new QStandardItemModel(this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("形态"), QStringLiteral("出现次数"), QStringLiteral("出现率"),
                                        QStringLiteral("随机基准"), QStringLiteral("下期占比"), QStringLiteral("下期注数")});
    m_scored = new QLabel(content);
    m_scored->setObjectName(QStringLiteral("scoredLine"));
    contentLayout->addWidget(m_scored);
    m_view = MakeTable(content, QStringLiteral("patternTable"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    m_view->setToolTip(QStringLiteral("出现率：统计期内每期按它之前的开奖分类后出现该形态的比例；"
                                      "随机基准：该形态在各期自己的分类下占全部号码的平均比例"));
    contentLayout->addWidget(m_view, 1);

    auto* pickBar = new QHBoxLayout;
    // 按规则挑选 ticks the patterns that beat their baseline; its record is
    // walked forward, so that no draw grades a pick it helped make.
    const std::pair<const char*, int> buttons[] = {{"全选", 0}, {"清空", 1}, {"导出", 2}, {"按规则挑选", 3}};
    for (const auto& [text, kind] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(text), content);
        button->setObjectName(QStringLiteral("pickButton%1").arg(kind));
        if (kind == 3)
            button->setToolTip(QStringLiteral("勾选统计期内出现率高于随机基准的形态；下面逐期回测这条规则："
                                              "每期只用它之前的统计期数挑选，再看那一期中没中"));
        connect(button, &QPushButton::clicked, this, [this, kind = kind] {
            if (kind == 2) {
                features::AskExportModel(this, *m_model, "smart-pick-" + std::string(analysis::InfoOf(m_method).name));
                return;
            }
            if (kind == 3) {
                PickByRule();
                return;
            }
            ForgetRule();
            m_filling = true;
            for (int r = 0; r < m_model->rowCount(); ++r)
                m_model->item(r, kPatternLabel)->setCheckState(kind == 0 ? Qt::Checked : Qt::Unchecked);
            m_filling = false;
            PicksChanged();
        });
        pickBar->addWidget(button);
    }
    pickBar->addStretch();
    contentLayout->addLayout(pickBar);
    m_backTest = new QLabel(content);
    m_backTest->setObjectName(QStringLiteral("backTest"));
    m_backTest->setWordWrap(true);
    contentLayout->addWidget(m_backTest);
    m_ruleRecord = new QLabel(content);
    m_ruleRecord->setObjectName(QStringLiteral("ruleRecord"));
    m_ruleRecord->setWordWrap(true);
    m_ruleRecord->hide();
    contentLayout->addWidget(m_ruleRecord);
    m_numbers = new NumberPanel(content);
    contentLayout->addWidget(m_numbers);
    m_pages->addWidget(content);
    layout->addWidget(m_pages, 1);

    m_numbers->straightNumbers = [this] { return StraightNumbers(); };
    m_numbers->straightCount = [this] {
        std::uint64_t count = 0;
        const std::vector<bool> picked = Picked();
        for (std::size_t p = 0; m_space && m_table.next && p < picked.size(); ++p)
            count += picked[p] ? m_space->SpaceCount(p, *m_table.next) : 0;
        return count;
    };
    m_numbers->sendNumbers = [this](const std::vector<std::uint32_t>& numbers) {
        if (sendNumbers)
            sendNumbers(numbers);
    };
    m_windowPicker->picked = [this](std::size_t last) {
        m_last = last;
        Recompute();
        if (windowChanged)
            windowChanged(m_last);
    };
    connect(m_window, &QSpinBox::valueChanged, this, [this] { ReadParameterControls(); });
    connect(m_top, &QSpinBox::valueChanged, this, [this] { ReadParameterControls(); });
    connect(m_model, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!m_filling && item->column() == kPatternLabel) {
            ForgetRule();
            PicksChanged();
        }
    });
}

MethodWindow::~MethodWindow() = default;

void MethodWindow::ShowMethod(analysis::PickMethod method, const analysis::PickParameters& parameters, std::size_t last)
{
    const bool same = m_space && method == m_method;
    m_method = method;
    m_parameters = parameters;
    m_last = last;
    if (!same)
        m_space.reset();
    m_title->setText(QStringLiteral("智能选号 · ") + Q(analysis::InfoOf(method).title));
    m_windowPicker->SetWindow(last);
    ShowParameterControls();
    if (!same) {
        // Another method's patterns mean nothing here.
        m_filling = true;
        m_model->removeRows(0, m_model->rowCount());
        m_filling = false;
    }
    Recompute();
}

void MethodWindow::SetHistory(features::HistoryDraws draws, int length, std::string missingText)
{
    m_draws = std::move(draws);
    m_missingText = std::move(missingText);
    if (length != m_length)
        m_space.reset();
    m_length = length;
    m_numbers->SetLength(length);
    Recompute();
}

void MethodWindow::ShowParameterControls()
{
    const analysis::PickMethodInfo& info = analysis::InfoOf(m_method);
    m_filling = true;
    m_windowControls->setVisible(info.defaultWindow > 0);
    m_window->setValue(static_cast<int>(m_parameters.window));
    m_topControls->setVisible(info.defaultTop > 0);
    m_top->setValue(m_parameters.top);
    m_formulaControls->setVisible(info.formulas);
    for (int f = 0; f < analysis::kMagicFormulaCount; ++f)
        m_formulas[static_cast<std::size_t>(f)]->setChecked((m_parameters.formulas & (1u << f)) != 0);
    m_filling = false;
}

void MethodWindow::ReadParameterControls()
{
    if (m_filling)
        return;
    const analysis::PickMethodInfo& info = analysis::InfoOf(m_method);
    if (info.defaultWindow > 0)
        m_parameters.window = static_cast<std::size_t>(m_window->value());
    if (info.defaultTop > 0)
        m_parameters.top = m_top->value();
    if (info.formulas) {
        std::uint8_t formulas = 0;
        for (int f = 0; f < analysis::kMagicFormulaCount; ++f) {
            if (m_formulas[static_cast<std::size_t>(f)]->isChecked())
                formulas = static_cast<std::uint8_t>(formulas | (1u << f));
        }
        m_parameters.formulas = formulas;
    }
    Recompute();
    if (parametersChanged)
        parametersChanged(m_parameters);
}

void MethodWindow::Recompute()
{
    std::vector<std::string> keep;
    const std::vector<bool> picked = Picked();
    for (std::size_t p = 0; m_space && p < picked.size(); ++p) {
        if (picked[p])
            keep.push_back(m_space->Label(p));
    }
    if (m_draws.codes.empty()) {
        m_missing->setText(QString::fromStdString(m_missingText));
        m_pages->setCurrentIndex(0);
        return;
    }
    const std::string error = analysis::ParameterError(m_method, m_parameters, m_length);
    if (!error.empty()) {
        m_missing->setText(QString::fromStdString(error));
        m_pages->setCurrentIndex(0);
        return;
    }
    m_pages->setCurrentIndex(1);
    if (!m_space)
        m_space = std::make_unique<analysis::PatternSpace>(m_method, m_length);
    m_table = analysis::ComputePickTable(m_method, m_parameters, *m_space, m_draws.codes, m_last);
    m_heldOut = analysis::HeldOutTable(m_method, m_parameters, *m_space, m_draws.codes, m_last);
    if (m_table.next) {
        m_chips->Show(*m_table.next, ShownClassNames(m_method));
    } else {
        m_chips->ShowNone(QStringLiteral("开奖不足：%1 需要至少 %2 期开奖")
                              .arg(Q(analysis::InfoOf(m_method).title))
                              .arg(analysis::InfoOf(m_method).drawsNeeded));
    }
    m_numbers->SetAvailable(m_table.next.has_value());
    m_scored->setText(QStringLiteral("%1：计分 %2 期（每期只按它之前的开奖分类%3）")
                          .arg(WindowText(m_last, m_table.window))
                          .arg(m_table.scored)
                          .arg(m_table.scored < m_table.window ? QStringLiteral("；开奖不足的期不计") : QString()) +
                      (m_table.scored < analysis::kFewScored ? QString::fromUtf8(analysis::kFewScoredNote) : QString()));
    if (m_ruleApplied) {
        // The rule picks again from the window now on screen.
        const std::vector<bool> rule = analysis::RulePicks(m_table);
        keep.clear();
        for (std::size_t p = 0; p < rule.size(); ++p) {
            if (rule[p])
                keep.push_back(m_space->Label(p));
        }
    }
    FillTable(keep);
    ShowRuleRecord();
}

void MethodWindow::PickByRule()
{
    if (!m_space || m_pages->currentIndex() != 1)
        return;
    const std::vector<bool> rule = analysis::RulePicks(m_table);
    m_filling = true;
    for (int r = 0; r < m_model->rowCount() && static_cast<std::size_t>(r) < rule.size(); ++r)
        m_model->item(r, kPatternLabel)->setCheckState(rule[static_cast<std::size_t>(r)] ? Qt::Checked : Qt::Unchecked);
    m_filling = false;
    m_ruleApplied = true;
    PicksChanged();
    ShowRuleRecord();
}

void MethodWindow::ForgetRule()
{
    // Ticks by hand are the user's own choice, which the rule's record says nothing about.
    m_ruleApplied = false;
    m_ruleRecord->hide();
}

void MethodWindow::ShowRuleRecord()
{
    m_ruleRecord->setVisible(m_ruleApplied);
    if (!m_ruleApplied)
        return;
    if (m_last == 0) {
        m_ruleRecord->setText(QStringLiteral("按规则逐期回测：统计期数为全部时，没有更早的开奖可供逐期挑选；"
                                             "选一个较短的统计期数再看这条规则的记录。"));
        return;
    }
    const analysis::PickBackTest walk =
        analysis::WalkForwardRule(m_method, m_parameters, *m_space, m_draws.codes, m_last, kRuleWalkDraws);
    const std::size_t walked = std::min(kRuleWalkDraws, m_draws.codes.size() > m_last ? m_draws.codes.size() - m_last : 0);
    m_ruleRecord->setText(
        QString::fromStdString(analysis::BackTestText("按规则逐期回测", "近" + std::to_string(walked) + "期",
                                                      walk.hits, walk.scored, walk.baseline)) +
        QStringLiteral("（每期只按它之前的 %1 期挑选形态，再看这一期）").arg(m_last));
}

void MethodWindow::FillTable(const std::vector<std::string>& keep)
{
    m_filling = true;
    m_model->removeRows(0, m_model->rowCount());
    for (std::size_t p = 0; p < m_space->Size(); ++p) {
        const analysis::PickPatternRow& row = m_table.rows[p];
        auto* label = new QStandardItem(QString::fromStdString(m_space->Label(p)));
        label->setCheckable(true);
        label->setEditable(false);
        label->setCheckState(std::find(keep.begin(), keep.end(), m_space->Label(p)) != keep.end() ? Qt::Checked
                                                                                                 : Qt::Unchecked);
        const std::uint64_t nextCount = m_table.next ? m_space->SpaceCount(p, *m_table.next) : 0;
        m_model->appendRow({label, NumberCell(QString::number(row.count), static_cast<double>(row.count)),
                            NumberCell(Percent(row.share), row.share.Value()),
                            NumberCell(Percent(row.baseline), row.baseline.Value()),
                            NumberCell(m_table.next ? Percent(row.spaceShare) : QStringLiteral("—"), row.spaceShare.Value()),
                            NumberCell(QString::number(nextCount), static_cast<double>(nextCount))});
    }
    m_filling = false;
    PicksChanged();
}

bool MethodWindow::SetPicked(const std::string& label, bool picked)
{
    const auto found = m_space ? m_space->IndexOfLabel(label) : std::nullopt;
    if (!found || static_cast<int>(*found) >= m_model->rowCount())
        return false;
    m_model->item(static_cast<int>(*found), kPatternLabel)->setCheckState(picked ? Qt::Checked : Qt::Unchecked);
    return true;
}

std::vector<bool> MethodWindow::Picked() const
{
    std::vector<bool> picked(static_cast<std::size_t>(m_model->rowCount()), false);
    for (int r = 0; r < m_model->rowCount(); ++r)
        picked[static_cast<std::size_t>(r)] = m_model->item(r, kPatternLabel)->checkState() == Qt::Checked;
    return picked;
}

std::vector<std::uint32_t> MethodWindow::StraightNumbers() const
{
    if (!m_space || !m_table.next)
        return {};
    return analysis::PickedNumbers(*m_space, *m_table.next, Picked());
}

void MethodWindow::PicksChanged()
{
    const std::vector<bool> picked = Picked();
    const auto ticked = std::count(picked.begin(), picked.end(), true);
    m_numbers->SetCountPrefix(QStringLiteral("已选 %1 种形态").arg(ticked));
    m_numbers->PicksChanged();
    if (ticked == 0) {
        m_backTest->setText(QStringLiteral("勾选形态后，这里显示它们在统计期内（挑选所用）和在那之前同样多期"
                                           "（检验，挑选时没看过）的命中与随机基准的对比。"));
        return;
    }
    const analysis::PickBackTest in = analysis::BackTestPicked(m_table, *m_space, picked);
    const analysis::PickBackTest out = analysis::BackTestPicked(m_heldOut, *m_space, picked);
    const QString inText = QString::fromStdString(
        analysis::InSampleText(WindowText(m_last, m_table.window).toStdString(), in.hits, in.scored, in.baseline));
    QString outText;
    if (m_heldOut.window == 0) {
        outText = QStringLiteral("检验：全部期数已用于挑选，没有可检验的期");
    } else {
        outText = QString::fromStdString(analysis::BackTestText(
            "检验", "之前" + std::to_string(m_heldOut.window) + "期", out.hits, out.scored, out.baseline));
    }
    m_backTest->setText(inText + QLatin1Char('\n') + outText);
}

} // namespace vesk::pick
