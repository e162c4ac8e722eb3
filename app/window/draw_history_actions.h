#pragma once
// The settings menu's draw history items: importing files (through the
// interaction provider's file dialog, so tests can script it) with a report
// dialog, and entering one draw. Every change goes to the data folder's
// history file; the window is then told the new history to apply.

#include "app/services/draw_keeping.h"
#include "app/services/host_object.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QWidget;

namespace vesk::app {

class DrawEntryDialog;
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

    DrawReportDialog* Report() const;
    DrawEntryDialog* Entry() const;

private:
    void Apply(const DrawChange& change, const QString& status);

    HostObject& m_host;
    QWidget* m_window;
    Changed m_changed;
    QPointer<DrawReportDialog> m_report;
    QPointer<DrawEntryDialog> m_entry;
};

} // namespace vesk::app
