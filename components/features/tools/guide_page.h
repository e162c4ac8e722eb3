#pragma once
// 投注指南: the plays in words beside the bet calculator. Digits per
// position (直选复式), one digit set (直选, 组选三, 组选六), sums (直选和值,
// 组选和值), spans (直选跨度, 组选跨度) or 胆 and 拖 digits (组选胆拖) give
// the bets and their cost at the 倍数 picked, live; the numbers of a play
// are listed on request and can be handed to the workbench.

#include "components/features/analysis/tools/bet_calculator.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/kept_state.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace vesk::tools {

class GuidePage final : public QWidget, public features::KeepsState {
public:
    // Which play's numbers were listed.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    explicit GuidePage(QWidget* parent = nullptr);

    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    void SetLength(int length);
    // Recounts from the entries; false with the message shown when an entry
    // is refused.
    bool Recount();
    // Lists the numbers of the play picked for the numbers.
    void ShowNumbers();
    const std::vector<std::uint32_t>& Numbers() const { return m_numbers; }

private:
    void BuildPositions();
    void EntriesChanged();
    analysis::BetPlay PickedPlay() const;

    int m_length = 3;
    QRadioButton* m_byPosition;
    QRadioButton* m_bySet;
    QWidget* m_positionsBox;
    std::vector<QLineEdit*> m_positions;
    QLineEdit* m_set;
    QRadioButton* m_bySum;
    QLineEdit* m_sums;
    QRadioButton* m_bySpan;
    QLineEdit* m_spans;
    QRadioButton* m_byBankers;
    QLineEdit* m_bankers;
    QLineEdit* m_drags;
    QSpinBox* m_multiple;
    QLabel* m_counts;
    QComboBox* m_play;
    QPlainTextEdit* m_numbersText;
    QLabel* m_numbersCount;
    analysis::BetPick m_pick; // the entries last counted
    std::vector<std::uint32_t> m_numbers;
};

} // namespace vesk::tools
