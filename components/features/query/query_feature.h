#pragma once
// The sibling feature module of rows 2-5 ("VeskQuery.dll"): 号码查询 (code
// 6), 特征串查询 (7), 直落统计 (5) and 状态表 (9), one window per instance,
// chosen by the interface name the host loaded. Each reads the shared draw
// history on every opening and refresh and keeps its picked window (and the
// pattern's type and length, the state table's columns) in the host's
// option records.

#include "components/features/kit/feature_base.h"

#include "host/sibling_modules.h"

#include <QPointer>

namespace vesk::query {

class QueryFrame;

// Option records: 4 bytes, little-endian.
inline constexpr SlotInt kLookupWindowOption = 4310;
inline constexpr SlotInt kPatternWindowOption = 4311;
inline constexpr SlotInt kStraightWindowOption = 4312;
inline constexpr SlotInt kStateWindowOption = 4313;
inline constexpr SlotInt kPatternTypeOption = 4314;   // the value type's key
inline constexpr SlotInt kPatternLengthOption = 4315; // K

class QueryFeature final : public features::FeatureBase {
public:
    // row: Lookup, Pattern, Straight or StateTable.
    explicit QueryFeature(SiblingRow row);

protected:
    QWidget* MakeWindow(QWidget* parent) override;
    void Opened() override;
    void HistoryChanged() override;

private:
    SlotInt WindowOption() const;
    void ArrangeStateColumns();

    SiblingRow m_row;
    QPointer<QueryFrame> m_frame;
};

} // namespace vesk::query
