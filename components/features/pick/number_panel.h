#pragma once
// The lower part of every smart-pick window: how many numbers the current
// picks give and what they cost, the 组选 box, 生成号码 with the list it
// fills, and 发送到缩水器.

#include "components/features/kit/hand_off_choice.h"
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vesk::pick {

// Cost of one number, in 元.
inline constexpr int kPricePerNumber = 2;

class NumberPanel final : public QWidget {
public:
    explicit NumberPanel(QWidget* parent = nullptr);

    // The straight numbers of the current picks, ascending (set by the window).
    std::function<std::vector<std::uint32_t>()> straightNumbers;
    // How many straight numbers there are, without listing them (a 7-digit
    // space is large); the list's size when not set.
    std::function<std::uint64_t()> straightCount;
    // Called by 发送到缩水器 with what Numbers() gives.
    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    void SetLength(int length) { m_length = length; }
    // Recounts after the picks changed; the generated list is cleared, as it
    // no longer shows the picks. Ticking 组选 converts the list instead.
    void PicksChanged();
    // A line shown before the count ("复式 2×3×2"), "" for none.
    void SetCountPrefix(const QString& prefix);
    void SetAvailable(bool available);

    bool Grouped() const;
    // The straight numbers, or their groups with the 组选 box ticked.
    std::vector<std::uint32_t> Numbers() const;
    void Generate();
    void Send();

    QLabel* CountLabel() const { return m_count; }
    QPlainTextEdit* List() const { return m_list; }

private:
    int m_length = 3;
    QString m_prefix;
    QLabel* m_count;
    QCheckBox* m_group;
    QPushButton* m_generate;
    features::HandOffChoice* m_handOff;
    QPushButton* m_send;
    QPlainTextEdit* m_list;
    bool m_generated = false; // the list shows the numbers of the current picks
};

} // namespace vesk::pick
