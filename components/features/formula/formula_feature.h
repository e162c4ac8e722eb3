#pragma once
// The sibling feature module of rows 9 and 10 ("VeskFormula.dll"): 胆杀验证
// (code 96, "IVeskBankerChk") and 公式搜索 (code 97, "IVeskFormula"), one
// window per instance, chosen by the interface name the host loaded. Each
// reads the shared draw history on every opening and refresh and keeps its
// choices in the host's option records.

#include "components/features/kit/feature_base.h"

#include "host/sibling_modules.h"

#include <QPointer>


namespace vesk::formula {

class GuessFrame;

// Option records: 4 bytes, little-endian.
inline constexpr SlotInt kBankerWindowOption = 4390; // N, 0 for 全部
inline constexpr SlotInt kBankerUseOption = 4391;    // 0 胆, 1 杀
inline constexpr SlotInt kBankerFixedOption = 4392;  // digit mask
inline constexpr SlotInt kFormulaWindowOption = 4395;
inline constexpr SlotInt kFormulaUseOption = 4396;
inline constexpr SlotInt kFormulaTopOption = 4397; // K

class FormulaFeature final : public features::FeatureBase {
public:
    // row: BankerCheck or Formula.
    explicit FormulaFeature(SiblingRow row);

protected:
    QWidget* MakeWindow(QWidget* parent) override;
    void Opened() override;
    void HistoryChanged() override;

private:
    SlotInt WindowOption() const;
    SlotInt UseOption() const;

    SiblingRow m_row;
    QPointer<GuessFrame> m_frame;
};

} // namespace vesk::formula
