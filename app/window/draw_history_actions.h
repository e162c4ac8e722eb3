#pragma once
// The settings menu's draw history items: importing files (through the
// interaction provider's file dialog, so tests can script it) with a report
// dialog, entering one draw, checking the history file, and the online
// update from a web address (imported as a file, with the same report). Every change goes to the data folder's
// history file; the window is then told the new history to apply.

#include "app/services/draw_download.h"
#include "app/services/draw_keeping.h"
#include "app/services/host_object.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace vesk::app {

class DrawCheckDialog;
class DrawEntryDialog;
class DrawFetchDialog;
class DrawReportDialog;

class DrawHistoryActions final : public QObject {
public:
    // Called after the history file changed, with the history it now holds
    // and a line for the status bar.
    using Changed = std::function<void(std::optional<DrawHistory> history, const QString& status)>;

    DrawHistoryActions(HostObject& host, QWidget* window, Changed changed);

    // Asks for files, merges them and shows the report (not waiting for it).
    void Import();
    // Shows the entry dialog (not waiting for it).
    void Enter();
    // Checks the history file and lists the findings (not waiting).
    void Check();
    // Shows the online update's dialog with the address last used for the game.
    void Fetch();

    DrawReportDialog* Report() const;
    DrawEntryDialog* Entry() const;
    DrawCheckDialog* CheckWindow() const;
    DrawFetchDialog* FetchWindow() const;
    // The online update's limits; tests shorten the wait.
    DownloadLimits& FetchLimits() { return m_limits; }

private:
    void Apply(const DrawChange& change, const QString& status);
    void ShowReport(const DrawChange& change, const QString& title);
    void ImportDownloaded(const std::string& address, const std::vector<std::uint8_t>& bytes);

    HostObject& m_host;
    QWidget* m_window;
    Changed m_changed;
    QPointer<DrawReportDialog> m_report;
    QPointer<DrawEntryDialog> m_entry;
    QPointer<DrawCheckDialog> m_check;
    QPointer<DrawFetchDialog> m_fetch;
    DownloadLimits m_limits;
};

} // namespace vesk::app
