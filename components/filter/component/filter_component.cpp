#include "components/filter/component/filter_component.h"

#include "components/filter/component/set_edits.h"
#include "components/filter/engine/condition_set_file.h"
#include "components/filter/engine/digits.h"
#include "components/filter/engine/validate.h"
#include "host/game_length.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace vesk::filter {
namespace {

// A condition set of a few thousand conditions is some hundred kilobytes; a
// state file far beyond that is not ours.
constexpr std::size_t kMaxStateBytes = 16u << 20;

bool ReadWhole(std::FILE* file, std::string& text)
{
    char buffer[16384];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file);
        text.append(buffer, got);
        if (text.size() > kMaxStateBytes)
            return false;
        if (got < sizeof buffer)
            return std::ferror(file) == 0;
    }
}

} // namespace

void CopyMessage(const std::string& text, char* message256)
{
    if (!message256)
        return;
    std::size_t n = std::min<std::size_t>(text.size(), 255);
    // Step back over continuation bytes so no character is cut in half.
    if (n < text.size())
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    std::memcpy(message256, text.data(), n);
    message256[n] = '\0';
}

FilterComponent::FilterComponent() = default;
FilterComponent::~FilterComponent()
{
    if (onGone)
        onGone();
}

SlotInt FilterComponent::Setup(IHostObject* host, IModule*, SlotInt pageKind)
{
    if (!host)
        return 0;
    m_host = host;
    m_kind = pageKind == 1 ? PageKind::Combined : PageKind::Fixed;
    auto* game = static_cast<IGameService*>(host->GetService(kServiceGame));
    const int length = GameNumberLength(game);
    if (length < 1 || length > kMaxLength)
        return 0;
    m_length = length;
    m_set = ConditionSet{};
    m_set.digits = m_length;
    m_analysis = static_cast<IAnalysisService*>(host->GetService(kServiceAnalysis));
    auto* environment = static_cast<IEnvironmentService*>(host->GetService(kServiceEnvironment));
    const char* data = environment ? environment->GetDirectory(kDataDirectory) : nullptr;
    m_history = std::make_unique<DrawHistorySource>(data ? data : "", m_length);
    m_history->Refresh();
    m_compiledFresh = false;
    m_preview.reset();
    return 1;
}

std::size_t FilterComponent::ConditionCount() const
{
    std::size_t count = 0;
    for (const Group& group : m_set.groups)
        count += group.conditions.size();
    return count;
}

SlotInt FilterComponent::CombinedConditionCount()
{
    return static_cast<SlotInt>(ConditionCount());
}

SlotInt FilterComponent::FixedConditionCount(SlotInt)
{
    return static_cast<SlotInt>(ConditionCount());
}

bool FilterComponent::HasHistory()
{
    if (m_history)
        m_history->Refresh();
    return m_history && m_history->History();
}

SlotInt FilterComponent::CheckReady(char* message256)
{
    const bool history = HasHistory();
    if (auto problem = Validate(m_set, m_length, history)) {
        CopyMessage(*problem, message256);
        return 0;
    }
    return 1;
}

const CompiledSet* FilterComponent::Compiled(std::string* error)
{
    const bool history = HasHistory();
    const std::uint64_t version = m_history ? m_history->Version() : 0;
    if (!m_compiledFresh || version != m_compiledHistory) {
        m_compiled.reset();
        m_compileError.clear();
        if (auto problem = CheckCompilable(m_set, m_length, history)) {
            m_compileError = *problem;
        } else {
            try {
                CompileResult result = Compile(m_set, m_length, history ? m_history->History() : nullptr);
                m_compiled = std::move(result.compiled);
                m_compileError = result.error;
            } catch (const std::bad_alloc&) {
                m_compileError = "内存不足，无法编译缩水条件";
            }
        }
        m_compiledFresh = true;
        m_compiledHistory = version;
        m_preview.reset();
    }
    if (error)
        *error = m_compileError;
    return m_compiled.get();
}

SlotInt FilterComponent::BeginRun()
{
    m_run.reset();
    if (const CompiledSet* compiled = Compiled(nullptr)) {
        m_run = std::make_unique<RunCounter>(*compiled);
        m_runSet = m_set;
    }
    return 1;
}

SlotInt FilterComponent::Passes()
{
    if (!m_run || !m_analysis)
        return 1;
    Digits digits{};
    const SlotInt got = m_analysis->GetCurrentNumber(digits.data());
    if (got < m_length)
        return 1;
    for (int i = 0; i < m_length; ++i)
        if (digits[static_cast<std::size_t>(i)] > 9)
            return 1;
    return m_run->Add(CodeOf(digits.data(), m_length)) ? 1 : 0;
}

SlotInt FilterComponent::EndRun()
{
    if (m_run) {
        m_lastReport = m_run->Finish();
        m_lastReport->set = std::move(m_runSet);
        m_run.reset();
    } else {
        m_lastReport.reset();
    }
    if (onRunEnd)
        onRunEnd();
    return 1;
}

SlotInt FilterComponent::LoadState(std::FILE* file, char* message256, SlotInt, SlotInt)
{
    if (!file)
        return 0;
    std::string text;
    std::string problem;
    if (!ReadWhole(file, text)) {
        problem = "条件文件无法读取或过大";
    } else {
        SetReadResult read = ReadConditionSet(text, m_length);
        if (!read.set) {
            problem = read.error;
        } else if (auto refused = CheckSetForPage(*read.set, m_kind)) {
            problem = *refused;
        } else {
            read.set->results.reset();
            SetSet(std::move(*read.set));
            m_stateProblem.clear();
            return 1;
        }
    }
    m_stateProblem = problem;
    CopyMessage(problem, message256);
    return 0;
}

SlotInt FilterComponent::SaveState(std::FILE* file, char* message256, SlotInt)
{
    if (!file)
        return 0;
    ConditionSet saved = m_set;
    saved.results.reset();
    DropImpossibleValues(saved, m_length);
    const std::string text = WriteConditionSet(saved);
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fflush(file) != 0) {
        CopyMessage("条件文件写入失败", message256);
        return 0;
    }
    return 1;
}

void FilterComponent::SetSet(ConditionSet set)
{
    set.digits = m_length;
    m_set = std::move(set);
    m_compiledFresh = false;
    m_preview.reset();
}

const PreviewState& FilterComponent::CurrentPreview()
{
    std::string error;
    const CompiledSet* compiled = Compiled(&error);
    if (!m_preview) {
        PreviewState state;
        if (compiled)
            state.preview = m_judged.empty() ? PreviewSet(m_set, *compiled) : PreviewList(m_set, *compiled, m_judged);
        else
            state.error = error;
        m_preview = std::move(state);
    }
    return *m_preview;
}

void FilterComponent::SetJudgedList(std::vector<std::uint32_t> codes)
{
    m_judged = std::move(codes);
    m_preview.reset();
}

BacktestResult FilterComponent::RunBacktest(std::size_t last)
{
    HasHistory();
    const HistoryIndex* history = m_history ? m_history->History() : nullptr;
    if (!history) {
        BacktestResult none;
        none.error = "没有开奖历史，无法进行历史验证";
        return none;
    }
    return Backtest(m_set, m_length, history->Draws(), last, m_history->Periods());
}

ConditionRecords FilterComponent::RecordConditions(std::size_t last)
{
    HasHistory();
    const HistoryIndex* history = m_history ? m_history->History() : nullptr;
    if (!history) {
        ConditionRecords none;
        none.error = "没有开奖历史，无法查看历史表现";
        return none;
    }
    return filter::RecordConditions(m_set, m_length, history->Draws(), last);
}

} // namespace vesk::filter
