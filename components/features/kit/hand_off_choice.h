#pragma once
// The 替换 / 追加 / 交集 choice beside a feature window's send button, and
// the callback a window hands its numbers to with the chosen mode. The
// choice is remembered per window (by its key) while the program runs.

#include "components/features/analysis/hand_off_plan.h"

#include <QComboBox>

#include <cstdint>
#include <functional>
#include <vector>

namespace vesk::features {

using SendNumbers = std::function<void(const std::vector<std::uint32_t>&, analysis::HandOffMode)>;

class HandOffChoice final : public QComboBox {
public:
    // key: the window's own name; windows with the same key share the choice.
    HandOffChoice(const QString& key, QWidget* parent);

    analysis::HandOffMode Mode() const;

private:
    QString m_key;
};

// The mode chosen beside window's send button, for its other ways of sending
// (a table's 发送到缩水器); 替换 for a window without the choice.
analysis::HandOffMode ChosenHandOffMode(const QWidget* window);

} // namespace vesk::features
