#pragma once
// Row 1's sibling feature module ("VeskOmit.dll", "IVeskOmission"): the
// omission lists (code 0x80000002, the leaf's feature code as sub-code) and
// 偏态搜索 (code 4). It reads the shared draw history from the host's data
// folder on every opening and refresh, keeps the picked window in the host's
// option records (one per feature) and the user's items in the state folder.

#include "host/feature_module_interface.h"

#include <QPointer>

#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace vesk::omission {

class OmissionWindow;

// Host option records of the picked window: 4 bytes, little-endian N (0: 全部).
inline constexpr SlotInt kListsWindowOption = 4301;
inline constexpr SlotInt kSkewWindowOption = 4302;

inline constexpr std::uint32_t kSkewSearchCode = 4;
inline constexpr std::uint32_t kOmissionListsCode = 0x80000002u;

class OmissionFeature final : public IFeatureModule {
public:
    OmissionFeature();
    ~OmissionFeature();
    OmissionFeature(const OmissionFeature&) = delete;
    OmissionFeature& operator=(const OmissionFeature&) = delete;

    SlotInt Initialize(IHostObject* host, WindowHandle parent) override;
    SlotInt Show(SlotInt showCommand) override;
    WindowHandle GetWindow() override;
    SlotInt FilterMessage(void* message) override;
    SlotInt Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d) override;
    SlotInt Refresh() override;

private:
    void EnsureWindow();
    void LoadHistory();
    void ShowCurrent(std::size_t selected, bool keepSelected);
    void SendToWorkbench(const std::vector<std::uint32_t>& numbers);
    SlotInt WindowOption() const;
    std::size_t StoredWindow() const;
    void StoreWindow(std::size_t last);
    int Length() const;
    std::string Directory(SlotInt n) const;

    IHostObject* m_host = nullptr;
    QWidget* m_parent = nullptr;
    QPointer<OmissionWindow> m_window;
    std::uint32_t m_code = 0;
    std::uint32_t m_subCode = 0;
    void* m_module = nullptr;
};

} // namespace vesk::omission
