#include "components/features/omission/omission_feature.h"

#include "components/features/omission/custom_items_dialog.h"
#include "components/features/omission/family_source.h"
#include "components/features/omission/omission_window.h"

namespace vesk::omission {

QWidget* OmissionFeature::MakeWindow(QWidget* parent)
{
    auto* window = new OmissionWindow(parent);
    window->windowChanged = [this](std::size_t last) { Host().WriteWindow(WindowOption(), last); };
    window->sendNumbers = [this](const std::vector<std::uint32_t>& numbers) { SendToWorkbench(numbers); };
    window->editCustomItems = [this] {
        CustomItemsDialog dialog(analysis::CustomItemsPath(Host().Directory(kStateDirectory), Host().Length()), Host().Length(),
                                 View());
        if (dialog.exec() == QDialog::Accepted)
            ShowCurrent(0, false);
    };
    window->openFamily = [this](std::uint32_t subCode, std::size_t item) {
        // Within this window: the host keeps the skew search as the open feature.
        m_shownCode = kOmissionListsCode;
        m_shownSubCode = subCode;
        View()->SetWindowSize(Host().ReadWindow(WindowOption()));
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
