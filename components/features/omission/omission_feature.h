#pragma once
// Row 1's sibling feature module ("VeskOmit.dll", "IVeskOmission"): the
// omission lists (code 0x80000002, the leaf's feature code as sub-code) and
// 偏态搜索 (code 4). It reads the shared draw history from the host's data
// folder on every opening and refresh, keeps the picked window in the host's
// option records (one per feature) and the user's items in the state folder.

#include "components/features/kit/feature_base.h"

#include <cstdint>

namespace vesk::omission {

class OmissionWindow;

// Host option records of the picked window: 4 bytes, little-endian N (0: 全部).
inline constexpr SlotInt kListsWindowOption = 4301;
inline constexpr SlotInt kSkewWindowOption = 4302;
// The skew search's thresholds in hundredths: 欲出几率, 当前/最大遗漏.
inline constexpr SlotInt kSkewMinRatioOption = 4306;
inline constexpr SlotInt kSkewMinShareOption = 4307;

inline constexpr std::uint32_t kSkewSearchCode = 4;
inline constexpr std::uint32_t kOmissionListsCode = 0x80000002u;

class OmissionFeature final : public features::FeatureBase {
public:
    OmissionFeature() : FeatureBase(features::OpenArguments::CodeSubCodeModule) {}

private:
    QWidget* MakeWindow(QWidget* parent) override;
    void Opened() override;
    void HistoryChanged() override;

    OmissionWindow* View() const;
    void ShowCurrent(std::size_t selected, bool keepSelected);
    SlotInt WindowOption() const;

    // What the window shows: the host's code, or a family the skew search
    // opened within the window.
    std::uint32_t m_shownCode = 0;
    std::uint32_t m_shownSubCode = 0;
};

} // namespace vesk::omission
