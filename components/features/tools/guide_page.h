#pragma once
// 投注指南: the plays in words beside the bet calculator. Digits per
// position (直选复式) or one digit set (直选, 组选三, 组选六) give the bets
// and their cost live; the numbers of a play are listed on request and can
// be handed to the workbench.

#include "components/features/analysis/tools/bet_calculator.h"
#include "components/features/kit/hand_off_choice.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vesk::tools {

class GuidePage final : public QWidget {
public:
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
    QLabel* m_counts;
    QComboBox* m_play;
    QPlainTextEdit* m_numbersText;
    QLabel* m_numbersCount;
    std::vector<std::uint16_t> m_masks; // the entries last counted
    std::vector<std::uint32_t> m_numbers;
};

} // namespace vesk::tools
