#pragma once
// 单选定位: per position the ten digits, each with its 当前遗漏 and its count
// in the last W draws and a check box; the digits ticked per position give a
// 复式 whose count and cost show before the numbers are generated, and whose
// back-test over the history window stands beside the chance of its share
// of the space.

#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/kit/feature_frame.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/kept_state.h"
#include "components/features/kit/history_draws.h"

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QSpinBox;
class QStackedWidget;
class QStandardItemModel;
class QTableView;

namespace vesk::pick {

class NumberPanel;

class PositionWindow final : public features::FeatureFrame, public features::KeepsState {
public:
    // The ticked digits and whether their numbers were generated.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    explicit PositionWindow(QWidget* parent = nullptr);

    std::function<void(std::size_t)> countWindowChanged; // W
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    void Show(std::size_t last, std::size_t countWindow);
    void SetHistory(features::HistoryDraws draws, int length, std::string missingText);

    // Ticks digit at position (0: the most significant).
    void SetPicked(int position, int digit, bool picked);
    analysis::PositionDigits Picked() const;

    QTableView* DigitTable() const { return m_view; }
    NumberPanel* Numbers() const { return m_numbers; }

    // Columns per position: the digit with its box, 当前遗漏, count.
    static constexpr int kColumnsPerPosition = 3;

private:
    void WindowPicked(std::size_t last) override;
    void Recompute();
    void PicksChanged();

    std::size_t m_last = 100;
    std::size_t m_countWindow = 30;
    int m_length = 3;
    features::HistoryDraws m_draws;
    std::string m_missingText;
    bool m_filling = false;

    QSpinBox* m_window;
    QStandardItemModel* m_model;
    QTableView* m_view;
    QLabel* m_backTest;
    NumberPanel* m_numbers;
};

} // namespace vesk::pick
