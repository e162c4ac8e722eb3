#pragma once
// 胆杀验证's window: every rule's hits, rate and baseline over the picked
// window with its prediction for the next draw, and the hit/miss trend of
// all rules draw by draw. The user's own digits are one more rule.

#include "components/features/formula/guess_frame.h"

#include "components/features/analysis/formula/banker_rules.h"

#include <cstdint>
#include <vector>

class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace vesk::formula {

class TrendModel;

class BankerWindow final : public GuessFrame {
public:
    explicit BankerWindow(QWidget* parent = nullptr);

    // The user's own digits were changed (mask, 0 for none).
    std::function<void(std::uint16_t)> fixedChanged;

    void SetFixedDigits(std::uint16_t mask);
    std::uint16_t FixedDigits() const { return m_fixed; }

    QTableView* Table() const { return m_table; }
    QTableView* Trend() const { return m_trend; }
    QTabWidget* Tabs() const { return m_tabs; }
    QLineEdit* FixedEdit() const { return m_fixedEdit; }
    const std::vector<analysis::RuleCheck>& Checks() const { return m_checks; }

private:
    void Refill() override;
    void TakeFixedDigits();

    QLineEdit* m_fixedEdit = nullptr;
    QPushButton* m_export = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableView* m_table = nullptr;
    QStandardItemModel* m_model = nullptr;
    QTableView* m_trend = nullptr;
    TrendModel* m_trendModel = nullptr;
    std::uint16_t m_fixed = 0;
    bool m_trendToBottom = false;
    std::vector<analysis::RuleCheck> m_checks;
};

} // namespace vesk::formula
