#include "components/features/kit/feature_base.h"

#include "components/features/kit/focus_ring.h"
#include "components/features/kit/kept_state.h"

#include "framework/cwnd.h"
#include "framework/messages.h"
#include "framework/win_structs.h"
#include "host/filter_interfaces.h"
#include "host/module_messages.h"
#include "numbers/list_snapshot.h"

#include <QApplication>
#include <QClipboard>
#include <QTimer>

#include <dlfcn.h>

namespace vesk::features {

namespace {

// The host's named feature that opens the workbench for rows opened without
// the module; opened with kPeekWorkbench it only answers the workbench's
// window when there is one.
constexpr const char* kWorkbenchFeatureName = "Workbench";
constexpr SlotInt kPeekWorkbench = 1;

WindowHandle OpenWorkbench(IModule* module, IHostObject* host)
{
    if (module)
        return module->OpenFeature(1, 0);
    if (host && host->OpenFeatureByName(kWorkbenchFeatureName, 0) == 1)
        return host->GetFeatureWindow(1);
    return 0;
}

// Straight numbers as the packed digits of a hand-off, length bytes each.
std::vector<std::uint8_t> PackDigits(const std::vector<std::uint32_t>& codes, int length)
{
    std::vector<std::uint8_t> digits;
    digits.reserve(codes.size() * static_cast<std::size_t>(length));
    for (std::uint32_t code : codes) {
        std::uint8_t number[8] = {};
        for (int i = length - 1; i >= 0; --i, code /= 10)
            number[i] = static_cast<std::uint8_t>(code % 10);
        digits.insert(digits.end(), number, number + length);
    }
    return digits;
}

// The workbench's result list as codes, in its order; nullopt when it could
// not be copied or holds numbers of another length. An empty list is a list.
std::optional<std::vector<std::uint32_t>> CopyWorkbenchList(HWND workbench, int length)
{
    ListSnapshot snapshot;
    const LRESULT copied = SendMessage(workbench, kMessageCopyResults, 0, reinterpret_cast<LPARAM>(&snapshot));
    const bool empty = snapshot.count == 0;
    if (copied != 1 || snapshot.marker != kSnapshotMarker || (!empty && snapshot.length != length) ||
        (!snapshot.digits && !empty)) {
        ReleaseSnapshot(snapshot);
        return std::nullopt;
    }
    std::vector<std::uint32_t> codes;
    codes.reserve(snapshot.count);
    for (std::uint32_t i = 0; i < snapshot.count; ++i) {
        std::uint32_t code = 0;
        for (int d = 0; d < length; ++d)
            code = code * 10 + snapshot.digits[std::size_t(i) * std::size_t(length) + std::size_t(d)] % 10;
        codes.push_back(code);
    }
    ReleaseSnapshot(snapshot);
    return codes;
}

} // namespace

FeatureBase::~FeatureBase()
{
    // The host releases a feature whenever another opens: what the user did
    // in the window stays in this library until the feature opens again.
    if (m_window && m_restored)
        KeepState(StateKey(), CaptureWindow(m_window.data()));
    delete m_window.data();
    // What the user copied may still point at this library's constant texts
    // (a label, a default entry); the clipboard outlives the library, which
    // the host may unload now, so it keeps a copy of its own.
    if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard && !clipboard->text().isEmpty()) {
        const QString text = clipboard->text();
        clipboard->setText(QString(text.constData(), text.size()));
    }
}

QString FeatureBase::StateKey() const
{
    // The configuration folder names the user (and, in tests, each fresh
    // host), so two hosts of one process never share a window's state.
    return QString::fromStdString(m_featureHost.Directory(kStateDirectory)) + QLatin1Char('|') +
           (m_window ? m_window->objectName() : QString()) + QStringLiteral(":%1:%2").arg(m_code).arg(m_subCode);
}

void FeatureBase::OpenAndRestore()
{
    Opened();
    if (m_restored || !m_window)
        return;
    m_restored = true;
    RestoreWindow(m_window.data(), KeptState(StateKey()));
}

SlotInt FeatureBase::Initialize(IHostObject* host, WindowHandle parent)
{
    m_host = host;
    m_featureHost = FeatureHost(host);
    m_parent = reinterpret_cast<QWidget*>(parent);
    EnsureWindow();
    if (m_openPending) {
        m_openPending = false;
        OpenAndRestore();
    }
    return 1;
}

void FeatureBase::EnsureWindow()
{
    if (m_window) {
        if (m_parent && m_window->parentWidget() != m_parent)
            m_window->setParent(m_parent);
        return;
    }
    m_window = MakeWindow(m_parent);
    if (m_window) {
        ShowFocusRing(m_window.data());
        m_window->hide();
    }
}

SlotInt FeatureBase::Show(SlotInt showCommand)
{
    if (m_window)
        m_window->setVisible(showCommand != 0);
    return 1;
}

WindowHandle FeatureBase::GetWindow()
{
    return reinterpret_cast<WindowHandle>(m_window.data());
}

SlotInt FeatureBase::FilterMessage(void* message)
{
    // F5 reads the draw history again, as the host's refresh after an import
    // does; the key is used up here, so the tree does not also act on it.
    constexpr WPARAM kF5 = VK_F1 + 4;
    const auto* msg = static_cast<const MSG*>(message);
    if (!msg || !m_window || !m_window->isVisible() || msg->message != WM_KEYDOWN || msg->wParam != kF5)
        return 0;
    HistoryChanged();
    return 1;
}

SlotInt FeatureBase::Open(SlotInt a, SlotInt b, SlotInt c, SlotInt)
{
    m_code = static_cast<std::uint32_t>(a);
    switch (m_arguments) {
    case OpenArguments::CodeOnly:
        break;
    case OpenArguments::CodeModule:
        m_module = reinterpret_cast<IModule*>(b);
        break;
    case OpenArguments::CodeSubCodeModule:
        m_subCode = static_cast<std::uint32_t>(b);
        m_module = reinterpret_cast<IModule*>(c);
        break;
    }
    // Rows opened with the code alone are initialised after the open call;
    // they show what was opened once the host and the parent are known.
    if (!m_host) {
        m_openPending = true;
        return 1;
    }
    EnsureWindow();
    OpenAndRestore();
    return 1;
}

SlotInt FeatureBase::Refresh()
{
    if (!m_window)
        return 0;
    HistoryChanged();
    return 1;
}

void FeatureBase::SendToWorkbench(const std::vector<std::uint32_t>& codes, analysis::HandOffMode mode) const
{
    if (codes.empty())
        return;
    // Opening the workbench closes this feature and releases this object, so
    // the hand-off runs after the click has returned; the library stays
    // mapped (PinThisLibrary).
    QTimer::singleShot(0, qApp, [module = m_module, host = m_host, length = m_featureHost.Length(), codes, mode] {
        const WindowHandle workbench = OpenWorkbench(module, host);
        if (workbench == 0 || workbench == static_cast<WindowHandle>(-1))
            return;
        const HWND target = FromWindowHandle(workbench);
        const auto tell = [target](const std::string& text) {
            if (HWND area = target->parentWidget())
                SendMessage(area, kMessageShowStatus, 0, reinterpret_cast<LPARAM>(text.c_str()));
        };
        std::vector<std::uint32_t> current;
        if (mode != analysis::HandOffMode::Replace) {
            // Appending to or intersecting with a list that could not be read
            // would lose its numbers.
            auto read = CopyWorkbenchList(target, length);
            if (!read) {
                tell("未能读取缩水器的结果列表，号码没有发送");
                return;
            }
            current = std::move(*read);
        }
        const analysis::HandOffPlan plan = analysis::PlanHandOff(mode, current, codes);
        if (plan.numbers.empty()) { // only an intersection ends so; the message hands in no empty list
            tell(analysis::EmptyIntersectionStatus(current.size()));
            return;
        }
        const std::vector<std::uint8_t> digits = PackDigits(plan.numbers, length);
        PackedDigitsRecord record{nullptr, digits.data(), static_cast<std::int32_t>(digits.size()),
                                  static_cast<std::int32_t>(digits.size()), 0};
        SendMessage(target, kMessageTransferNumbers, kTransferPackedDigits, reinterpret_cast<LPARAM>(&record));
        const auto now = CopyWorkbenchList(target, length);
        tell(analysis::HandOffStatus(mode, plan.added, now ? now->size() : plan.numbers.size()));
    });
}

void FeatureBase::SendConditionsToWorkbench(std::string setText) const
{
    if (setText.empty())
        return;
    const int length = m_featureHost.Length();
    QTimer::singleShot(0, qApp, [module = m_module, host = m_host, length, text = std::move(setText)] {
        const WindowHandle workbench = OpenWorkbench(module, host);
        if (workbench == 0 || workbench == static_cast<WindowHandle>(-1))
            return;
        ConditionAddRecord record{sizeof(ConditionAddRecord), length, text.c_str(), {}};
        SendMessage(FromWindowHandle(workbench), kMessageAddConditions, 0, reinterpret_cast<LPARAM>(&record));
    });
}

std::optional<std::vector<std::uint32_t>> FeatureBase::WorkbenchResults() const
{
    if (!m_host || m_host->OpenFeatureByName(kWorkbenchFeatureName, kPeekWorkbench) != 1)
        return std::nullopt;
    const WindowHandle workbench = m_host->GetFeatureWindow(1);
    if (workbench == 0 || workbench == static_cast<WindowHandle>(-1))
        return std::nullopt;
    return CopyWorkbenchList(FromWindowHandle(workbench), m_featureHost.Length());
}

bool PinThisLibrary()
{
    static const bool pinned = [] {
        Dl_info info{};
        return ::dladdr(reinterpret_cast<void*>(&PinThisLibrary), &info) != 0 && info.dli_fname &&
               ::dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE) != nullptr;
    }();
    return pinned;
}

} // namespace vesk::features
