#include "components/features/formula/formula_feature.h"

#include "components/features/formula/banker_window.h"
#include "components/features/formula/formula_window.h"

namespace vesk::formula {

FormulaFeature::FormulaFeature(SiblingRow row) : FeatureBase(features::OpenArguments::CodeModule), m_row(row) {}

QWidget* FormulaFeature::MakeWindow(QWidget* parent)
{
    if (m_row == SiblingRow::BankerCheck) {
        auto* window = new BankerWindow(parent);
        window->fixedChanged = [this](std::uint16_t mask) { Host().WriteNumber(kBankerFixedOption, mask); };
        m_frame = window;
    } else {
        auto* window = new FormulaWindow(parent);
        window->topChanged = [this](std::size_t top) {
            Host().WriteNumber(kFormulaTopOption, static_cast<std::uint32_t>(top));
        };
        m_frame = window;
    }
    m_frame->windowChanged = [this](std::size_t last) { Host().WriteWindow(WindowOption(), last); };
    m_frame->useChanged = [this](analysis::GuessUse use) {
        Host().WriteNumber(UseOption(), use == analysis::GuessUse::Kill ? 1 : 0);
    };
    return m_frame;
}

SlotInt FormulaFeature::WindowOption() const
{
    return m_row == SiblingRow::BankerCheck ? kBankerWindowOption : kFormulaWindowOption;
}

SlotInt FormulaFeature::UseOption() const
{
    return m_row == SiblingRow::BankerCheck ? kBankerUseOption : kFormulaUseOption;
}

void FormulaFeature::Opened()
{
    if (!m_frame)
        return;
    // The remembered choices before the history, so that it is worked through once.
    if (auto* banker = dynamic_cast<BankerWindow*>(m_frame.data()))
        banker->SetFixedDigits(static_cast<std::uint16_t>(Host().ReadNumber(kBankerFixedOption).value_or(0)));
    if (auto* formula = dynamic_cast<FormulaWindow*>(m_frame.data()))
        formula->SetTop(Host().ReadNumber(kFormulaTopOption).value_or(analysis::kDefaultFormulaTop));
    m_frame->SetChoices(Host().ReadWindow(WindowOption()),
                        Host().ReadNumber(UseOption()).value_or(0) == 1 ? analysis::GuessUse::Kill
                                                                         : analysis::GuessUse::Banker);
    HistoryChanged();
}

void FormulaFeature::HistoryChanged()
{
    if (m_frame)
        m_frame->SetHistory(Host().LoadHistory(), Host().Length(), Host().MissingHistoryText());
}

} // namespace vesk::formula
