#include "app/window/draw_check_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vesk::app {
namespace {

QString Period(const std::optional<std::uint64_t>& period)
{
    return period ? QString::number(*period) : QStringLiteral("-");
}

QString Number(std::uint32_t code, int length) { return QString::fromStdString(DrawNumberText(code, length)); }

QString Date(const std::optional<DrawDate>& date)
{
    return date ? QString::fromStdString(FormatDrawDate(*date)) : QString();
}

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

QString FindingKindText(DrawFindingKind kind)
{
    switch (kind) {
    case DrawFindingKind::Gap:
        return QStringLiteral("缺期");
    case DrawFindingKind::Duplicate:
        return QStringLiteral("重复");
    case DrawFindingKind::Conflict:
        return QStringLiteral("冲突");
    case DrawFindingKind::Order:
        return QStringLiteral("期号倒序");
    case DrawFindingKind::DateOrder:
        return QStringLiteral("日期倒序");
    case DrawFindingKind::Length:
        return QStringLiteral("位数不符");
    case DrawFindingKind::Refused:
        return QStringLiteral("无法读取");
    }
    return {};
}

QString FindingDetailText(const DrawFinding& finding, int length)
{
    switch (finding.kind) {
    case DrawFindingKind::Gap:
        return QStringLiteral("第 %1 行第 %2 期与第 %3 行第 %4 期之间缺少这一期")
            .arg(finding.otherLine)
            .arg(Period(finding.otherPeriod))
            .arg(finding.line)
            .arg(Period(finding.nextPeriod));
    case DrawFindingKind::Duplicate:
        return QStringLiteral("与第 %1 行重复，号码都是 %2").arg(finding.otherLine).arg(Number(finding.code, length));
    case DrawFindingKind::Conflict:
        return QStringLiteral("第 %1 行是 %2，这一行是 %3")
            .arg(finding.otherLine)
            .arg(Number(finding.otherCode, length), Number(finding.code, length));
    case DrawFindingKind::Order:
        return QStringLiteral("排在第 %1 期（第 %2 行）之后").arg(Period(finding.otherPeriod)).arg(finding.otherLine);
    case DrawFindingKind::DateOrder:
        return QStringLiteral("日期 %1 早于上一期（第 %2 行）的 %3")
            .arg(Date(finding.date))
            .arg(finding.otherLine)
            .arg(Date(finding.otherDate));
    case DrawFindingKind::Length:
        return QStringLiteral("号码不是 %1 位：%2").arg(length).arg(QString::fromStdString(finding.text));
    case DrawFindingKind::Refused:
        return QString::fromStdString(finding.text);
    }
    return {};
}

DrawCheckDialog::DrawCheckDialog(const std::string& path, const std::vector<DrawFinding>& findings, int length,
                                 const std::string& error, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("检查开奖数据"));
    setObjectName(QStringLiteral("drawCheck"));
    auto* layout = new QVBoxLayout(this);
    const QString file = QString::fromStdString(path);
    QString summary;
    if (!error.empty())
        summary = QString::fromStdString(error);
    else if (findings.empty())
        summary = QStringLiteral("%1：没有发现问题").arg(file);
    else
        summary = QStringLiteral("%1：发现 %2 处问题（按文件中的行排列，文件没有改动）").arg(file).arg(findings.size());
    m_summary = new QLabel(summary, this);
    m_summary->setObjectName(QStringLiteral("drawCheckSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_summary);

    m_table = new QTableWidget(static_cast<int>(findings.size()), 4, this);
    m_table->setObjectName(QStringLiteral("drawCheckFindings"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("行"), QStringLiteral("问题"), QStringLiteral("期号"), QStringLiteral("说明")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const DrawFinding& finding = findings[i];
        const int row = static_cast<int>(i);
        m_table->setItem(row, 0, Cell(QString::number(finding.line)));
        m_table->setItem(row, 1, Cell(FindingKindText(finding.kind)));
        m_table->setItem(row, 2, Cell(Period(finding.period)));
        m_table->setItem(row, 3, Cell(FindingDetailText(finding, length)));
    }
    m_table->resizeColumnsToContents();
    m_table->setVisible(!findings.empty());
    layout->addWidget(m_table, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(findings.empty() ? QSize(460, 120) : QSize(720, 420));
}

QString DrawCheckDialog::SummaryText() const { return m_summary->text(); }

} // namespace vesk::app
