#include "app/window/draw_report_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vesk::app {
namespace {

// A wrong file can refuse every one of a million lines; the first ones say enough.
constexpr std::size_t kListedLines = 1000;

QString RefusedLine(const RefusedDrawLine& line)
{
    // A downloaded file is named by its whole address, a local one by its name.
    const QString whole = QString::fromStdString(line.source);
    const bool web = whole.startsWith(QLatin1String("http://")) || whole.startsWith(QLatin1String("https://"));
    const QString source = web ? whole : QFileInfo(whole).fileName();
    const QString reason = QString::fromStdString(line.reason);
    if (line.line == 0)
        return QStringLiteral("%1：%2").arg(source, reason);
    return QStringLiteral("%1 第 %2 行：%3").arg(source).arg(line.line).arg(reason);
}

} // namespace

QString DrawText(const Draw& draw, int length)
{
    const QString number = QStringLiteral("%1").arg(draw.code, length, 10, QLatin1Char('0'));
    return draw.period ? QStringLiteral("第 %1 期 %2").arg(*draw.period).arg(number) : number;
}

QString HistoryText(const DrawHistory& history)
{
    if (history.Empty())
        return QStringLiteral("没有开奖号码");
    return QStringLiteral("开奖号码共 %1 期，最近一期：%2")
        .arg(history.Size())
        .arg(DrawText(history.Draws().back(), history.Length()));
}

DrawReportDialog::DrawReportDialog(const DrawChange& change, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("导入开奖号码"));
    setObjectName(QStringLiteral("drawReport"));
    auto* layout = new QVBoxLayout(this);

    QString summary = QString::fromStdString(change.report.Summary());
    if (!change.error.empty())
        summary = QStringLiteral("开奖号码没有改动：%1").arg(QString::fromStdString(change.error));
    else if (!change.written)
        summary += QStringLiteral("。开奖号码没有改动");
    m_summary = new QLabel(summary + QStringLiteral("\n") + HistoryText(change.history), this);
    m_summary->setObjectName(QStringLiteral("drawReportSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);

    const auto& refused = change.report.refused;
    if (!refused.empty()) {
        layout->addWidget(new QLabel(QStringLiteral("拒绝的行："), this));
        QStringList lines;
        for (std::size_t i = 0; i < refused.size() && i < kListedLines; ++i)
            lines << RefusedLine(refused[i]);
        if (refused.size() > kListedLines)
            lines << QStringLiteral("……另有 %1 行").arg(refused.size() - kListedLines);
        m_refused = new QPlainTextEdit(lines.join(QLatin1Char('\n')), this);
        m_refused->setObjectName(QStringLiteral("drawReportRefused"));
        m_refused->setReadOnly(true);
        m_refused->setLineWrapMode(QPlainTextEdit::NoWrap);
        layout->addWidget(m_refused, 1);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(refused.empty() ? QSize(420, 120) : QSize(480, 320));
}

QString DrawReportDialog::SummaryText() const { return m_summary->text(); }

QString DrawReportDialog::RefusedText() const { return m_refused ? m_refused->toPlainText() : QString(); }

} // namespace vesk::app
