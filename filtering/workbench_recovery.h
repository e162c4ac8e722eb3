#pragma once
// WorkbenchRecovery: keeps the recovery copy of the workbench's unsaved work
// (result list, recycle list, staging text) in the data folder, so that an
// unclean end of the program loses none of it. After a change the copy is
// written within a second, never more often than once a second, from the
// event loop: a filter run is not slowed by it. A clean end removes it.

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
    // The bytes of the work as it stands (history::RecoveryBytes).
    using Source = std::function<std::string()>;

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
    // A clean end: the copy goes, and no pending write brings it back.
    void Discard();

private:
    std::string m_path;
    Source m_source;
    std::unique_ptr<QTimer> m_timer;
    QElapsedTimer m_sinceWrite;
};

} // namespace vesk
