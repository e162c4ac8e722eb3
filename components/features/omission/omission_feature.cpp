#include "components/features/omission/omission_feature.h"

#include "components/features/omission/custom_items_dialog.h"
#include "components/features/omission/family_source.h"
#include "components/features/omission/omission_window.h"

#include "numbers/draw_history.h"
#include "pages/files/file_access.h"

#include "framework/cwnd.h"
#include "host/module_interface.h"
#include "host/module_messages.h"
#include "numbers/number_length.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace vesk::omission {

OmissionFeature::OmissionFeature() = default;

OmissionFeature::~OmissionFeature()
{
    delete m_window.data();
}

SlotInt OmissionFeature::Initialize(IHostObject* host, WindowHandle parent)
{
    m_host = host;
    m_parent = reinterpret_cast<QWidget*>(parent);
    EnsureWindow();
    return 1;
}

void OmissionFeature::EnsureWindow()
{
    if (m_window) {
        if (m_parent && m_window->parentWidget() != m_parent)
            m_window->setParent(m_parent);
        return;
    }
    m_window = new OmissionWindow(m_parent);
    m_window->hide();
    m_window->windowChanged = [this](std::size_t last) { StoreWindow(last); };
    m_window->sendNumbers = [this](const std::vector<std::uint32_t>& numbers) { SendToWorkbench(numbers); };
    m_window->editCustomItems = [this] {
        CustomItemsDialog dialog(analysis::CustomItemsPath(Directory(6), Length()), Length(), m_window);
        if (dialog.exec() == QDialog::Accepted)
            ShowCurrent(0, false);
    };
    m_window->openFamily = [this](std::uint32_t subCode, std::size_t item) {
        // Within this window: the host keeps the skew search as the open feature.
        m_code = kOmissionListsCode;
        m_subCode = subCode;
        m_window->SetWindowSize(StoredWindow());
        ShowCurrent(item, true);
    };
}

SlotInt OmissionFeature::Show(SlotInt showCommand)
{
    if (m_window)
        m_window->setVisible(showCommand != 0);
    return 1;
}

WindowHandle OmissionFeature::GetWindow()
{
    return reinterpret_cast<WindowHandle>(m_window.data());
}

SlotInt OmissionFeature::FilterMessage(void*)
{
    return 0;
}

SlotInt OmissionFeature::Open(SlotInt a, SlotInt b, SlotInt c, SlotInt)
{
    EnsureWindow();
    m_code = static_cast<std::uint32_t>(a);
    m_subCode = static_cast<std::uint32_t>(b);
    m_module = reinterpret_cast<void*>(c);
    LoadHistory();
    m_window->SetWindowSize(StoredWindow());
    ShowCurrent(0, false);
    return 1;
}

SlotInt OmissionFeature::Refresh()
{
    if (!m_window)
        return 0;
    LoadHistory();
    return 1;
}

int OmissionFeature::Length() const
{
    auto* game = m_host ? static_cast<IGameService*>(m_host->GetService(2)) : nullptr;
    const SlotInt length = game ? game->GetNumberLength(1) : 3;
    return length >= 1 && length <= 8 ? static_cast<int>(length) : 3;
}

std::string OmissionFeature::Directory(SlotInt n) const
{
    auto* environment = m_host ? static_cast<IEnvironmentService*>(m_host->GetService(1)) : nullptr;
    const char* folder = environment ? environment->GetDirectory(n) : nullptr;
    return folder ? folder : "";
}

void OmissionFeature::LoadHistory()
{
    HistoryDraws draws;
    const std::string folder = Directory(2);
    const std::string missing = "没有开奖数据：请先导入开奖号码（数据文件 " + folder + kDrawHistoryFileName + "，每行一期）。";
    if (!folder.empty()) {
        const files::FileBytes bytes = files::ReadFileBytes(folder + kDrawHistoryFileName);
        if (bytes.ok) {
            const DrawHistory history =
                DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(bytes.bytes.data()), bytes.bytes.size()}, Length());
            for (const Draw& draw : history.Draws()) {
                draws.codes.push_back(draw.code);
                draws.periods.push_back(draw.period ? std::to_string(*draw.period) : std::string());
            }
        }
    }
    m_window->SetHistory(std::move(draws), missing);
}

void OmissionFeature::ShowCurrent(std::size_t selected, bool keepSelected)
{
    const FamilySource source(static_cast<IModule*>(m_module), Length(), Directory(6));
    if (m_code == kSkewSearchCode) {
        m_window->ShowSkew(source.SkewFamilies());
        return;
    }
    SourcedFamily family = source.FamilyOf(m_subCode);
    if (keepSelected)
        family.selected = selected;
    m_window->ShowFamily(std::move(family));
}

void OmissionFeature::SendToWorkbench(const std::vector<std::uint32_t>& numbers)
{
    auto* module = static_cast<IModule*>(m_module);
    if (!module || numbers.empty())
        return;
    const int length = Length();
    std::vector<std::uint8_t> digits;
    digits.reserve(numbers.size() * static_cast<std::size_t>(length));
    for (std::uint32_t code : numbers)
        for (int i = length - 1; i >= 0; --i)
            digits.push_back(static_cast<std::uint8_t>(code / PowerOfTen(i) % 10));
    // Opening the workbench closes this feature and releases this object, so
    // the hand-off runs after the click has returned; the library stays
    // mapped (see exports.cpp).
    QTimer::singleShot(0, qApp, [module, digits = std::move(digits)] {
        const WindowHandle workbench = module->OpenFeature(1, 0);
        if (workbench == 0 || workbench == static_cast<WindowHandle>(-1))
            return;
        PackedDigitsRecord record{nullptr, digits.data(), static_cast<std::int32_t>(digits.size()),
                                  static_cast<std::int32_t>(digits.size()), 0};
        SendMessage(FromWindowHandle(workbench), kMessageTransferNumbers, kTransferPackedDigits,
                    reinterpret_cast<LPARAM>(&record));
    });
}

SlotInt OmissionFeature::WindowOption() const
{
    return m_code == kSkewSearchCode ? kSkewWindowOption : kListsWindowOption;
}

std::size_t OmissionFeature::StoredWindow() const
{
    auto* environment = m_host ? static_cast<IEnvironmentService*>(m_host->GetService(1)) : nullptr;
    if (!environment || environment->ReadOption(WindowOption(), nullptr) != 4)
        return analysis::kDefaultWindow;
    std::uint8_t bytes[4] = {};
    environment->ReadOption(WindowOption(), bytes);
    const std::uint32_t value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | std::uint32_t(bytes[3]) << 24;
    for (std::size_t choice : analysis::kWindowChoices)
        if (choice == value)
            return choice;
    return analysis::kDefaultWindow;
}

void OmissionFeature::StoreWindow(std::size_t last)
{
    auto* environment = m_host ? static_cast<IEnvironmentService*>(m_host->GetService(1)) : nullptr;
    if (!environment)
        return;
    const auto value = static_cast<std::uint32_t>(last);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                   static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    environment->WriteOption(WindowOption(), 4, bytes);
}

} // namespace vesk::omission
