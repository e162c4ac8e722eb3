#pragma once
// 直落统计: per position and digit the omission figures over the history
// window, and the falls between consecutive draws per position (直落, 斜连,
// other) with counts, shares, current runs and a uniform digit's baseline.

#include "components/features/analysis/family.h"
#include "components/features/query/query_frame.h"

#include <QStandardItemModel>

#include <memory>

class QLabel;
class QTableView;

namespace vesk::query {

class StraightWindow final : public QueryFrame {
public:
    explicit StraightWindow(QWidget* parent = nullptr);

    QTableView* Digits() const { return m_digitTable; }
    QTableView* Falls() const { return m_fallTable; }

protected:
    void Refill() override;

private:
    QStandardItemModel m_digits;
    QStandardItemModel m_falls;
    QTableView* m_digitTable = nullptr;
    QTableView* m_fallTable = nullptr;
    QLabel* m_scored = nullptr;
    std::unique_ptr<analysis::Family> m_positions; // 单选单码 of the current length
};

// The falls table's kind names, indexed by analysis::FallKind.
QString FallKindName(std::size_t kind);

} // namespace vesk::query
