#pragma once
// Our IRyxFilter: one condition set, compiled on demand for the game and the
// host's draw history. What the slots mean here, beyond their names:
//
// - Slot 2 Setup(host, catalogue, kind): kind 0 serves the fixed page, 1 the
//   combined page; the game length comes from game service slot 11 (1), the
//   draw history from draws.txt in directory 2. Returns 1; 0 without a host.
// - Slots 13 and 18: how many conditions the set holds, enabled or not.
// - Slot 23: Validate's message (UTF-8, cut to 255 bytes on a character
//   boundary) and 0, or 1 when the set can run.
// - Slots 25 to 27: a run. Slot 26 reads the current number from analysis
//   service slot 26; a number it cannot read, or a run begun without a
//   compilable set, passes (a run never loses numbers it cannot judge).
//   Slot 27 keeps the run's report and tells the window.
// - Slot 31 LoadState(file, message, 0, -1): reads the whole file as a
//   condition-set file (condition_set_file.h). A damaged or foreign file
//   changes nothing, returns 0 with the reason in message and is remembered
//   as StateProblem() for the window to tell once.
// - Slot 32 SaveState(file, message, -1): writes the set (without result
//   numbers) and returns 1 only when every byte reached the file.

#include "components/filter/component/draw_history_source.h"
#include "components/filter/component/page_kind.h"
#include "components/filter/component/run_counter.h"
#include "components/filter/engine/backtest.h"
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_record.h"
#include "components/filter/engine/preview.h"
#include "host/filter_interfaces.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vesk::filter {

struct PreviewState {
    std::string error; // why the set cannot be compiled now; empty when it can
    Preview preview;   // valid when error is empty
};

class FilterComponent final : public IRyxFilter {
public:
    FilterComponent();
    ~FilterComponent();

    SlotInt Setup(IHostObject* host, IModule* catalogue, SlotInt pageKind) override;
    SlotInt CombinedConditionCount() override;
    SlotInt FixedConditionCount(SlotInt which) override;
    SlotInt CheckReady(char* message256) override;
    SlotInt BeginRun() override;
    SlotInt Passes() override;
    SlotInt EndRun() override;
    SlotInt LoadState(std::FILE* file, char* message256, SlotInt a, SlotInt b) override;
    SlotInt SaveState(std::FILE* file, char* message256, SlotInt a) override;

    // What the condition window works with.
    PageKind Kind() const { return m_kind; }
    int Length() const { return m_length; }
    IHostObject* Host() const { return m_host; }
    const ConditionSet& Set() const { return m_set; }
    // Replaces the set the window edited; the preview follows.
    void SetSet(ConditionSet set);
    // The preview of the current set against the current history.
    const PreviewState& CurrentPreview();
    bool HasHistory();
    BacktestResult RunBacktest(std::size_t last);
    // Each condition's own record over the same draws (历史表现).
    ConditionRecords RecordConditions(std::size_t last);
    const std::optional<RunReport>& LastReport() const { return m_lastReport; }
    // Why the last state could not be restored; empty when it was (or none was there).
    const std::string& StateProblem() const { return m_stateProblem; }
    void ClearStateProblem() { m_stateProblem.clear(); }
    // Called at the end of every run (slot 27).
    std::function<void()> onRunEnd;
    // Called when the engine is released, before it goes.
    std::function<void()> onGone;

private:
    std::size_t ConditionCount() const;
    // The compiled set for the current set and history, or null with the reason.
    const CompiledSet* Compiled(std::string* error);

    IHostObject* m_host = nullptr;
    IAnalysisService* m_analysis = nullptr;
    PageKind m_kind = PageKind::Fixed;
    int m_length = 3;
    ConditionSet m_set;
    std::unique_ptr<DrawHistorySource> m_history;

    std::unique_ptr<CompiledSet> m_compiled;
    std::string m_compileError;
    bool m_compiledFresh = false;
    std::uint64_t m_compiledHistory = 0;
    std::optional<PreviewState> m_preview;

    std::unique_ptr<RunCounter> m_run;
    ConditionSet m_runSet; // the set the current run counts
    std::optional<RunReport> m_lastReport;
    std::string m_stateProblem;
};

// Copies text into a 256-byte message buffer, cut to 255 bytes without
// splitting a UTF-8 character; nothing for a null buffer.
void CopyMessage(const std::string& text, char* message256);

} // namespace vesk::filter
