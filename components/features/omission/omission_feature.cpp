#include "components/features/omission/omission_feature.h"

#include "components/features/omission/custom_items_dialog.h"
#include "components/features/omission/family_source.h"
#include "components/features/omission/omission_window.h"

#include <cmath>

namespace vesk::omission {

QWidget* OmissionFeature::MakeWindow(QWidget* parent)
{
    auto* window = new OmissionWindow(parent);
    window->windowChanged = [this](std::size_t last) { Host().WriteWindow(WindowOption(), last); };
    window->thresholdsChanged = [this](double minRatio, double minShare) {
        Host().WriteNumber(kSkewMinRatioOption, static_cast<std::uint32_t>(std::llround(minRatio * 100)));
        Host().WriteNumber(kSkewMinShareOption, static_cast<std::uint32_t>(std::llround(minShare * 100)));
    };
    window->sendNumbers = [this](const std::vector<std::uint32_t>& numbers, analysis::HandOffMode mode) { SendToWorkbench(numbers, mode); };
    window->sendConditions = [this](const std::string& setText) { SendConditionsToWorkbench(setText); };
    window->editCustomItems = [this] {
        CustomItemsDialog dialog(analysis::CustomItemsPath(Host().Directory(kStateDirectory), Host().Length()), Host().Length(),
                                 View());
        if (dialog.exec() == QDialog::Accepted)
            ShowCurrent(0, false);
    };
    window->openFamily = [this](std::uint32_t subCode, std::size_t item) {
        // Within this window: the host keeps the skew search as the open feature.
        // The item opens at the skew search's own window, so that its figures
        // are the ones the search showed.
        m_shownCode = kOmissionListsCode;
        m_shownSubCode = subCode;
        ShowCurrent(item, true);
    };
    return window;
}

OmissionWindow* OmissionFeature::View() const
{
    return static_cast<OmissionWindow*>(Window());
}

void OmissionFeature::Opened()
{
    m_shownCode = Code();
    m_shownSubCode = SubCode();
    HistoryChanged();
    if (m_shownCode == kSkewSearchCode)
        View()->SetSkewThresholds(Host().ReadNumber(kSkewMinRatioOption).value_or(200) / 100.0,
                                  Host().ReadNumber(kSkewMinShareOption).value_or(100) / 100.0);
    View()->SetWindowSize(Host().ReadWindow(WindowOption()));
    ShowCurrent(0, false);
}

void OmissionFeature::HistoryChanged()
{
    View()->SetHistory(Host().LoadHistory(), Host().MissingHistoryText());
}

void OmissionFeature::ShowCurrent(std::size_t selected, bool keepSelected)
{
    const FamilySource source(Module(), Host().Length(), Host().Directory(kStateDirectory));
    if (m_shownCode == kSkewSearchCode) {
        View()->ShowSkew(source.SkewFamilies());
        return;
    }
    SourcedFamily family = source.FamilyOf(m_shownSubCode);
    if (keepSelected)
        family.selected = selected;
    View()->ShowFamily(std::move(family));
}

SlotInt OmissionFeature::WindowOption() const
{
    return m_shownCode == kSkewSearchCode ? kSkewWindowOption : kListsWindowOption;
}

} // namespace vesk::omission
