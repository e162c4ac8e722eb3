#pragma once
// The part of a sibling feature module that every analysis feature shares:
// the host's calls (initialize, show, window, open, refresh) kept apart from
// what the feature shows. A feature derives, makes its window and shows what
// the host opened; the base keeps the window, the host and the open call's
// arguments, hands numbers to the workbench, and keeps what the user did in
// the window (kept_state.h) from one opening of the feature to the next.

#include "components/features/analysis/hand_off_plan.h"
#include "components/features/kit/feature_host.h"

#include "host/feature_module_interface.h"
#include "host/module_interface.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk::features {

// How the open call's arguments are laid out for the rows a library serves.
enum class OpenArguments {
    CodeOnly,          // rows 6-8: (code)
    CodeModule,        // rows 2-5, 9, 10: (code, module, analysis)
    CodeSubCodeModule, // row 1: (code, sub-code, module, analysis)
};

class FeatureBase : public IFeatureModule {
public:
    explicit FeatureBase(OpenArguments arguments) : m_arguments(arguments) {}
    virtual ~FeatureBase();
    FeatureBase(const FeatureBase&) = delete;
    FeatureBase& operator=(const FeatureBase&) = delete;

    SlotInt Initialize(IHostObject* host, WindowHandle parent) final;
    SlotInt Show(SlotInt showCommand) final;
    WindowHandle GetWindow() final;
    // Consumes F5 and reads the history again.
    SlotInt FilterMessage(void* message) final;
    SlotInt Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d) final;
    SlotInt Refresh() final;

protected:
    // The feature's window, a child of parent (null before the host gives
    // one); the base owns it from then on.
    virtual QWidget* MakeWindow(QWidget* parent) = 0;
    // The host opened Code() (and SubCode()): show it. Called once the
    // window exists and the host is known, on every opening.
    virtual void Opened() = 0;
    // The draw history may have changed (an import): read it again.
    virtual void HistoryChanged() = 0;

    const FeatureHost& Host() const { return m_featureHost; }
    std::uint32_t Code() const { return m_code; }
    std::uint32_t SubCode() const { return m_subCode; }
    IModule* Module() const { return m_module; }
    QWidget* Window() const { return m_window.data(); }

    // Hands straight numbers (codes of the game's length) to the workbench's
    // result list and opens the workbench, after the current event: opening
    // it closes this feature. Append and intersect are worked out here from
    // the workbench's list, which then receives the whole new list at once
    // (one undo step); the host's status bar says what happened. Nothing
    // happens for an empty list.
    void SendToWorkbench(const std::vector<std::uint32_t>& codes,
                         analysis::HandOffMode mode = analysis::HandOffMode::Replace) const;
    // The numbers of the workbench's result list (codes of the game's
    // length, in the list's order), read without opening the workbench;
    // nullopt when the workbench has not been opened yet or its list could
    // not be copied.
    std::optional<std::vector<std::uint32_t>> WorkbenchResults() const;

private:
    void EnsureWindow();
    void OpenWhenReady();
    // Opened(), then, on the window's first opening, what the user left in
    // it the last time this feature was open.
    void OpenAndRestore();
    QString StateKey() const;

    OpenArguments m_arguments;
    IHostObject* m_host = nullptr;
    FeatureHost m_featureHost;
    QWidget* m_parent = nullptr;
    QPointer<QWidget> m_window;
    std::uint32_t m_code = 0;
    std::uint32_t m_subCode = 0;
    IModule* m_module = nullptr;
    bool m_openPending = false; // rows 6-8 are opened before they are initialised
    bool m_restored = false;    // the kept state was given back to the window
};

// Pins the shared library this code is linked into: a hand-off to the
// workbench finishes after the host released (and would unload) it.
bool PinThisLibrary();

} // namespace vesk::features
