#include "app/window/draw_history_actions.h"

#include "application/option_ids.h"
#include "app/window/draw_check_dialog.h"
#include "app/window/draw_entry_dialog.h"
#include "app/window/draw_fetch_dialog.h"
#include "app/window/draw_report_dialog.h"
#include "framework/interaction.h"
#include "framework/styles.h"

namespace vesk::app {

DrawHistoryActions::DrawHistoryActions(HostObject& host, QWidget* window, Changed changed)
    : QObject(window), m_host(host), m_window(window), m_changed(std::move(changed))
{
}

DrawReportDialog* DrawHistoryActions::Report() const { return m_report.data(); }

DrawEntryDialog* DrawHistoryActions::Entry() const { return m_entry.data(); }

DrawCheckDialog* DrawHistoryActions::CheckWindow() const { return m_check.data(); }

DrawFetchDialog* DrawHistoryActions::FetchWindow() const { return m_fetch.data(); }

void DrawHistoryActions::Apply(const DrawChange& change, const QString& status)
{
    if (!change.written)
        return;
    std::optional<DrawHistory> history;
    if (!change.history.Empty())
        history = change.history;
    m_changed(std::move(history), status);
}

void DrawHistoryActions::Import()
{
    FileDialogRequest request;
    request.open = true;
    request.parent = m_window;
    request.title = "导入开奖号码";
    request.filter = "文本和 CSV 文件|*.txt;*.csv|所有文件|*.*||";
    request.flags = OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    const FileDialogResult chosen = Interaction().FileDialog(request);
    if (!chosen.accepted || chosen.paths.empty())
        return;

    const DrawChange change = ImportDrawFiles(m_host.DrawHistoryPath(), chosen.paths);
    Apply(change, QStringLiteral("导入开奖号码：%1").arg(QString::fromStdString(change.report.Summary())));
    ShowReport(change, QStringLiteral("导入开奖号码"));
}

void DrawHistoryActions::ShowReport(const DrawChange& change, const QString& title)
{
    delete m_report.data();
    m_report = new DrawReportDialog(change, m_window);
    m_report->setWindowTitle(title);
    m_report->setAttribute(Qt::WA_DeleteOnClose);
    m_report->open();
}

void DrawHistoryActions::Check()
{
    delete m_check.data();
    const std::string path = m_host.DrawHistoryPath();
    std::vector<DrawFinding> findings;
    std::string error;
    const HistoryBytes read = ReadHistoryBytes(path);
    if (read.error.empty())
        findings = CheckDrawHistory(read.bytes, kDefaultDrawLength);
    else
        error = read.error;
    m_check = new DrawCheckDialog(path, findings, kDefaultDrawLength, error, m_window);
    m_check->setAttribute(Qt::WA_DeleteOnClose);
    m_check->open();
}

void DrawHistoryActions::Fetch()
{
    if (m_fetch) {
        m_fetch->raise();
        return;
    }
    const std::int32_t option = DrawAddressOption(kThreeDigitGame);
    const std::optional<Bytes> remembered = m_host.Environment().Options().Read(option);
    const std::string address = remembered ? std::string(remembered->begin(), remembered->end()) : std::string();
    auto remember = [this, option](const std::string& text) {
        const FileResult written = m_host.Environment().Options().Write(
            option, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        (void)written; // a lost address costs only typing it again
    };
    m_fetch = new DrawFetchDialog(
        address, m_limits,
        [this](const std::string& url, const std::vector<std::uint8_t>& bytes) { ImportDownloaded(url, bytes); },
        remember, m_window);
    m_fetch->setAttribute(Qt::WA_DeleteOnClose);
    m_fetch->open();
}

void DrawHistoryActions::ImportDownloaded(const std::string& address, const std::vector<std::uint8_t>& bytes)
{
    const DrawChange change = ImportDrawText(m_host.DrawHistoryPath(), address, bytes);
    Apply(change, QStringLiteral("在线更新开奖号码：%1").arg(QString::fromStdString(change.report.Summary())));
    ShowReport(change, QStringLiteral("在线更新开奖号码"));
}

void DrawHistoryActions::Enter()
{
    if (m_entry) {
        m_entry->raise();
        return;
    }
    const std::string path = m_host.DrawHistoryPath();
    const HistoryForChange current = ReadHistoryForChange(path);
    auto submit = [this, path](const std::string& period, const std::string& number) -> std::string {
        const DrawChange change = EnterDraw(path, period, number);
        if (!change.error.empty())
            return change.error;
        if (!change.report.refused.empty())
            return change.report.refused.front().reason;
        if (change.report.skipped > 0)
            return "第 " + period + " 期已是这个号码，不必再录入";
        const QString entered = period.empty() ? QString::fromStdString(number)
                                               : QStringLiteral("第 %1 期 %2").arg(QString::fromStdString(period),
                                                                                  QString::fromStdString(number));
        Apply(change, QStringLiteral("已录入开奖号码：%1").arg(entered));
        return {};
    };
    m_entry = new DrawEntryDialog(current.history, m_host.Pad(), submit, m_window);
    m_entry->setAttribute(Qt::WA_DeleteOnClose);
    m_entry->open();
}

} // namespace vesk::app
