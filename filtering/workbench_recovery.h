#pragma once
// WorkbenchRecovery: keeps the recovery copy of the workbench's unsaved work
// (result list, recycle list, staging text) in the data folder, so that an
// unclean end of the program loses none of it. After a change the copy is
// written within a second, never more often than once a second, from the
// event loop: a filter run is not slowed by it. Only an end the user chose
// removes it (Discard); an end the user did not choose keeps it.

#include "pages/history/recovery_copy.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace vesk {

class WorkbenchRecovery {
public:
    // The bytes of the work as it stands (history::RecoveryBytes); nothing
    // while the work cannot be read (its pages are being taken down), and
    // the copy then stays as it is.
    using Source = std::function<std::optional<std::string>()>;

    WorkbenchRecovery(std::string path, Source source);
    ~WorkbenchRecovery();
    WorkbenchRecovery(const WorkbenchRecovery&) = delete;
    WorkbenchRecovery& operator=(const WorkbenchRecovery&) = delete;

    const std::string& Path() const { return m_path; }

    // The copy an unclean end left behind. A damaged copy is set aside under
    // the same name with ".damaged" added, and nothing is returned.
    std::optional<history::RecoveredWork> Leftover() const;

    // The work changed: the copy follows within a second.
    void MarkChanged();
    // Writes the copy now; false when it could not be written.
    bool WriteNow();
    // Writes the copy now if a change is waiting for it.
    void WriteIfPending();
    // The user chose to end: the copy goes, and no later write brings it back.
    void Discard();

private:
    std::string m_path;
    Source m_source;
    std::unique_ptr<QTimer> m_timer;
    QElapsedTimer m_sinceWrite;
    bool m_discarded = false;
};

} // namespace vesk
