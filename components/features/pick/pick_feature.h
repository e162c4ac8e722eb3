#pragma once
// The smart-pick sibling feature module ("VeskPick.dll"): the seven methods
// of 智能选号 (codes 0x30-0x36, "IVeskSmartPick") and their list (code 55,
// "IVeskPickHelp"). Both rows are opened with the code alone, before the
// host initialises the feature. The draw history is read on every opening
// and refresh; the settings live in the host's option records.

#include "components/features/analysis/pick/pick_method.h"
#include "components/features/kit/feature_base.h"

#include <cstdint>

class QStackedWidget;

namespace vesk::pick {

class MethodList;
class MethodWindow;
class PositionWindow;

inline constexpr std::uint32_t kMethodListCode = 55;

class PickFeature final : public features::FeatureBase {
public:
    PickFeature() : FeatureBase(features::OpenArguments::CodeOnly) {}

private:
    QWidget* MakeWindow(QWidget* parent) override;
    void Opened() override;
    void HistoryChanged() override;

    void ShowMethod(analysis::PickMethod method);

    QStackedWidget* m_pages = nullptr;
    MethodList* m_list = nullptr;
    MethodWindow* m_method = nullptr;
    PositionWindow* m_position = nullptr;
};

} // namespace vesk::pick
