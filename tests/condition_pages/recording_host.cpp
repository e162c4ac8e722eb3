#include "tests/condition_pages/recording_host.h"

#include <algorithm>
#include <string_view>

namespace vesk::test {

class RecordingHost::FilterRecorder final : public IRyxFilter {
public:
    FilterRecorder(IRyxFilter* inner, CallLog& log) : inner(inner), log(log) {}
    SlotInt Setup(IHostObject* host, IModule* catalogue, SlotInt kind) override
    {
        log.push_back("filter 2 kind " + std::to_string(kind));
        return inner->Setup(host, catalogue, kind);
    }
    SlotInt CombinedConditionCount() override { return Logged("filter 13", inner->CombinedConditionCount()); }
    SlotInt FixedConditionCount(SlotInt which) override
    {
        return Logged("filter 18 (" + std::to_string(which) + ")", inner->FixedConditionCount(which));
    }
    SlotInt CheckReady(char* message) override { return Logged("filter 23", inner->CheckReady(message)); }
    SlotInt BeginRun() override { return Logged("filter 25", inner->BeginRun()); }
    SlotInt Passes() override { return Logged("filter 26", inner->Passes()); }
    SlotInt EndRun() override { return Logged("filter 27", inner->EndRun()); }
    SlotInt LoadState(std::FILE* file, char* message, SlotInt a, SlotInt b) override
    {
        log.push_back("filter 31 (" + std::to_string(a) + ", " + std::to_string(b) + ")");
        return inner->LoadState(file, message, a, b);
    }
    SlotInt SaveState(std::FILE* file, char* message, SlotInt a) override
    {
        log.push_back("filter 32 (" + std::to_string(a) + ")");
        return inner->SaveState(file, message, a);
    }

    IRyxFilter* inner;
    CallLog& log;

private:
    SlotInt Logged(const std::string& call, SlotInt result)
    {
        log.push_back(call);
        return result;
    }
};

class RecordingHost::WindowRecorder final : public IRyxConWnd {
public:
    WindowRecorder(IRyxConWnd* inner, CallLog& log, RecordingHost& host) : inner(inner), log(log), host(host) {}
    SlotInt Create(IHostObject* h, WindowHandle parent) override
    {
        log.push_back("window 2");
        return inner->Create(h, parent);
    }
    SlotInt SetJudgedNumbers(const std::uint8_t* digits, SlotInt count, SlotInt length) override
    {
        log.push_back("window 3 (" + std::to_string(count) + ")");
        return inner->SetJudgedNumbers(digits, count, length);
    }
    SlotInt Bind(IRyxFilter* filter, IModule* catalogue) override
    {
        log.push_back("window 7");
        IRyxFilter* own = host.InnerFilter(filter);
        return inner->Bind(own ? own : filter, catalogue);
    }
    SlotInt Place(SlotInt placement, const Rect* rect, SlotInt flag, void* workbench) override
    {
        const bool zero = rect && rect->left == 0 && rect->top == 0 && rect->right == 0 && rect->bottom == 0;
        log.push_back("window 8 (" + std::to_string(placement) + (zero ? ", zero" : ", rect") + ", " +
                      std::to_string(flag) + ")");
        return inner->Place(placement, rect, flag, workbench);
    }
    SlotInt Resize(const Rect* rect) override
    {
        log.push_back("window 9 (" + std::to_string(rect->right) + " x " + std::to_string(rect->bottom) + ")");
        return inner->Resize(rect);
    }
    SlotInt Commit() override
    {
        log.push_back("window 10");
        return inner->Commit();
    }

    IRyxConWnd* inner;
    CallLog& log;
    RecordingHost& host;
};

class RecordingHost::AnalysisRecorder final : public IAnalysisService {
public:
    AnalysisRecorder(IAnalysisService* inner, CallLog& log) : inner(inner), log(log) {}
    SlotInt GetAttribute(SlotInt selector) override { return inner->GetAttribute(selector); }
    SlotInt SetCurrentNumber(const std::uint8_t* digits) override
    {
        log.push_back("analysis 5 " + std::string{char('0' + digits[0]), char('0' + digits[1]), char('0' + digits[2])});
        return inner->SetCurrentNumber(digits);
    }
    SlotInt GetCurrentNumber(std::uint8_t* digits) override { return inner->GetCurrentNumber(digits); }
    SlotInt GetAttribute17(SlotInt flag) override { return inner->GetAttribute17(flag); }
    SlotInt GetAttribute18(SlotInt flag) override { return inner->GetAttribute18(flag); }
    SlotInt GetAttribute28(SlotInt flag) override { return inner->GetAttribute28(flag); }
    SlotInt ToGroupCodes(const std::uint32_t* codes, SlotInt count, std::uint32_t* out) override
    {
        return inner->ToGroupCodes(codes, count, out);
    }

    IAnalysisService* inner;
    CallLog& log;
};

RecordingHost::RecordingHost(app::HostObject& real)
    : m_real(real)
    , m_analysis(std::make_unique<AnalysisRecorder>(static_cast<IAnalysisService*>(real.GetService(kServiceAnalysis)), m_log))
{
}

RecordingHost::~RecordingHost() = default;

void* RecordingHost::GetService(SlotInt index)
{
    if (index == kServiceAnalysis)
        return static_cast<IAnalysisService*>(m_analysis.get());
    return m_real.GetService(index);
}

SlotInt RecordingHost::LoadComponent(const ModuleNameRecord* name, void* holder)
{
    void* inner = nullptr;
    const SlotInt loaded = m_real.LoadComponent(name, &inner);
    const std::string_view interfaceName(name->interfaceName);
    m_log.push_back("load " + std::string(interfaceName));
    void* handed = nullptr;
    if (inner && interfaceName == "IRyxFilter") {
        m_filters.push_back(std::make_unique<FilterRecorder>(static_cast<IRyxFilter*>(inner), m_log));
        handed = static_cast<IRyxFilter*>(m_filters.back().get());
    } else if (inner && interfaceName == "IRyxConWnd") {
        m_windows.push_back(std::make_unique<WindowRecorder>(static_cast<IRyxConWnd*>(inner), m_log, *this));
        handed = static_cast<IRyxConWnd*>(m_windows.back().get());
    } else {
        handed = inner;
    }
    *static_cast<void**>(holder) = handed;
    return loaded;
}

SlotInt RecordingHost::ReleaseComponent(void* holder)
{
    void* handed = *static_cast<void**>(holder);
    for (auto it = m_filters.begin(); it != m_filters.end(); ++it) {
        if (static_cast<void*>(static_cast<IRyxFilter*>(it->get())) == handed) {
            m_log.push_back("release IRyxFilter");
            void* inner = (*it)->inner;
            m_filters.erase(it);
            *static_cast<void**>(holder) = nullptr;
            return m_real.ReleaseComponent(&inner);
        }
    }
    for (auto it = m_windows.begin(); it != m_windows.end(); ++it) {
        if (static_cast<void*>(static_cast<IRyxConWnd*>(it->get())) == handed) {
            m_log.push_back("release IRyxConWnd");
            void* inner = (*it)->inner;
            m_windows.erase(it);
            *static_cast<void**>(holder) = nullptr;
            return m_real.ReleaseComponent(&inner);
        }
    }
    return m_real.ReleaseComponent(holder);
}

IRyxFilter* RecordingHost::InnerFilter(IRyxFilter* recorder) const
{
    for (const auto& filter : m_filters)
        if (static_cast<IRyxFilter*>(filter.get()) == recorder)
            return filter->inner;
    return nullptr;
}

CallLog RecordingHost::Take()
{
    CallLog taken;
    taken.swap(m_log);
    return taken;
}

} // namespace vesk::test
