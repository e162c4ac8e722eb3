#include "components/features/pick/position_window.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/pick/pick_method.h"
#include "components/features/analysis/pick/position_pick.h"
#include "components/features/kit/table_export.h"
#include "components/features/kit/window_picker.h"
#include "components/features/pick/method_window.h"
#include "components/features/pick/number_panel.h"
#include "components/features/kit/feature_look.h"
#include "components/features/pick/window_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vesk::pick {

namespace {

QStandardItem* NumberCell(std::int64_t value)
{
    auto* item = new QStandardItem(QString::number(value));
    item->setData(static_cast<double>(value), features::kExportNumberRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

} // namespace

PositionWindow::PositionWindow(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pickPositionWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    auto* bar = new QHBoxLayout;
    m_title = features::MakeFeatureTitle(QStringLiteral("智能选号 · 单选定位"), this);
    bar->addWidget(m_title);
    bar->addStretch();
    bar->addWidget(new QLabel(QStringLiteral("次数统计 近"), this));
    m_window = MakeSpin(this, QStringLiteral("methodWindow"), 1, static_cast<int>(analysis::kMaxPickWindow));
    bar->addWidget(m_window);
    bar->addWidget(new QLabel(QStringLiteral("期"), this));
    bar->addSpacing(12);
    bar->addWidget(new QLabel(QStringLiteral("回测期数"), this));
    m_windowPicker = new features::WindowPicker(this);
    bar->addWidget(m_windowPicker);
    layout->addLayout(bar);

    m_pages = new QStackedWidget(this);
    m_missing = features::MakeMissingHistoryLabel(this);
    m_pages->addWidget(m_missing);
    auto* content = new QWidget(this);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    m_model = new QStandardItemModel(this);
    m_view = MakeTable(content, QStringLiteral("digitTable"));
    m_view->setModel(m_model);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->setToolTip(QStringLiteral("勾选每一位要的数字；当前遗漏：该位上次出现这个数字之后的期数"));
    contentLayout->addWidget(m_view, 1);
    auto* pickBar = new QHBoxLayout;
    auto* clear = new QPushButton(QStringLiteral("清空"), content);
    clear->setObjectName(QStringLiteral("clearPicks"));
    connect(clear, &QPushButton::clicked, this, [this] {
        m_filling = true;
        for (int r = 0; r < m_model->rowCount(); ++r)
            for (int p = 0; p < m_length; ++p)
                m_model->item(r, p * kColumnsPerPosition)->setCheckState(Qt::Unchecked);
        m_filling = false;
        PicksChanged();
    });
    pickBar->addWidget(clear);
    auto* exportButton = new QPushButton(QStringLiteral("导出"), content);
    exportButton->setObjectName(QStringLiteral("exportDigits"));
    connect(exportButton, &QPushButton::clicked, this, [this] { features::AskExportModel(this, *m_model, "smart-pick-position"); });
    pickBar->addWidget(exportButton);
    pickBar->addStretch();
    contentLayout->addLayout(pickBar);
    m_backTest = new QLabel(content);
    m_backTest->setObjectName(QStringLiteral("backTest"));
    m_backTest->setWordWrap(true);
    contentLayout->addWidget(m_backTest);
    m_numbers = new NumberPanel(content);
    m_numbers->List()->setPlaceholderText(QStringLiteral("每一位勾选数字后点“生成号码”"));
    contentLayout->addWidget(m_numbers);
    m_pages->addWidget(content);
    layout->addWidget(m_pages, 1);

    m_numbers->straightNumbers = [this] { return analysis::ProductNumbers(Picked()); };
    m_numbers->straightCount = [this] { return analysis::ProductCount(Picked()); };
    m_numbers->sendNumbers = [this](const std::vector<std::uint32_t>& numbers) {
        if (sendNumbers)
            sendNumbers(numbers);
    };
    m_windowPicker->picked = [this](std::size_t last) {
        m_last = last;
        PicksChanged();
        if (windowChanged)
            windowChanged(m_last);
    };
    connect(m_window, &QSpinBox::valueChanged, this, [this](int value) {
        if (m_filling)
            return;
        m_countWindow = static_cast<std::size_t>(value);
        Recompute();
        if (countWindowChanged)
            countWindowChanged(m_countWindow);
    });
    connect(m_model, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (!m_filling && item->column() % kColumnsPerPosition == 0)
            PicksChanged();
    });
}

void PositionWindow::Show(std::size_t last, std::size_t countWindow)
{
    m_last = last;
    m_countWindow = countWindow;
    m_windowPicker->SetWindow(last);
    m_filling = true;
    m_window->setValue(static_cast<int>(countWindow));
    m_filling = false;
    Recompute();
}

void PositionWindow::SetHistory(features::HistoryDraws draws, int length, std::string missingText)
{
    m_draws = std::move(draws);
    m_missingText = std::move(missingText);
    if (length != m_length) {
        m_length = length;
        m_model->clear();
    }
    m_numbers->SetLength(length);
    Recompute();
}

void PositionWindow::Recompute()
{
    if (m_draws.codes.empty()) {
        m_missing->setText(QString::fromStdString(m_missingText));
        m_pages->setCurrentIndex(0);
        return;
    }
    m_pages->setCurrentIndex(1);
    const analysis::PositionDigits picked = Picked();
    const auto figures = analysis::PositionFigures(m_draws.codes, m_length, m_countWindow);
    m_filling = true;
    m_model->clear();
    QStringList titles;
    for (int p = 0; p < m_length; ++p)
        titles << QString::fromStdString(analysis::PositionName(p, m_length)) << QStringLiteral("当前遗漏")
               << QStringLiteral("近%1期").arg(m_countWindow);
    m_model->setHorizontalHeaderLabels(titles);
    for (int d = 0; d < 10; ++d) {
        QList<QStandardItem*> row;
        for (int p = 0; p < m_length; ++p) {
            auto* digit = new QStandardItem(QString::number(d));
            digit->setCheckable(true);
            digit->setEditable(false);
            const bool on = static_cast<std::size_t>(p) < picked.size() && (picked[static_cast<std::size_t>(p)] & (1u << d));
            digit->setCheckState(on ? Qt::Checked : Qt::Unchecked);
            const analysis::PositionDigitFigures& f = figures[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)];
            row << digit << NumberCell(f.current) << NumberCell(f.count);
        }
        m_model->appendRow(row);
    }
    m_filling = false;
    PicksChanged();
}

void PositionWindow::SetPicked(int position, int digit, bool picked)
{
    if (position < 0 || position >= m_length || digit < 0 || digit > 9 || m_model->rowCount() != 10)
        return;
    m_model->item(digit, position * kColumnsPerPosition)->setCheckState(picked ? Qt::Checked : Qt::Unchecked);
}

analysis::PositionDigits PositionWindow::Picked() const
{
    analysis::PositionDigits digits(static_cast<std::size_t>(m_length), 0);
    if (m_model->rowCount() != 10 || m_model->columnCount() != m_length * kColumnsPerPosition)
        return digits;
    for (int p = 0; p < m_length; ++p)
        for (int d = 0; d < 10; ++d)
            if (m_model->item(d, p * kColumnsPerPosition)->checkState() == Qt::Checked)
                digits[static_cast<std::size_t>(p)] = static_cast<std::uint16_t>(digits[static_cast<std::size_t>(p)] | (1u << d));
    return digits;
}

void PositionWindow::PicksChanged()
{
    const analysis::PositionDigits digits = Picked();
    QStringList factors;
    for (std::uint16_t mask : digits)
        factors << QString::number(std::popcount(static_cast<unsigned>(mask)));
    m_numbers->SetCountPrefix(QStringLiteral("复式 %1").arg(factors.join(QStringLiteral("×"))));
    m_numbers->PicksChanged();
    if (analysis::ProductCount(digits) == 0) {
        m_backTest->setText(QStringLiteral("每一位至少勾选一个数字，这里显示这个复式在回测期内的命中与随机基准的对比。"));
        return;
    }
    // The digits are picked by looking at the window's figures, so only the
    // draws before it can judge the product.
    const analysis::ProductBackTest in = analysis::BackTestProduct(digits, m_draws.codes, m_last);
    const analysis::ProductBackTest out = analysis::HeldOutProduct(digits, m_draws.codes, m_last);
    const QString inText = QString::fromStdString(
        analysis::InSampleText(WindowText(m_last, in.scored).toStdString(), in.hits, in.scored, in.baseline));
    const QString outText =
        out.scored == 0 ? QStringLiteral("检验：全部期数已用于挑选，没有可检验的期")
                        : QString::fromStdString(analysis::BackTestText("检验", "之前" + std::to_string(out.scored) + "期",
                                                                        out.hits, out.scored, out.baseline));
    m_backTest->setText(inText + QLatin1Char('\n') + outText);
}

} // namespace vesk::pick
