#pragma once
// The history window picker every feature shows ("统计期数": 30, 50, 100,
// 200, 500, 1000 or 全部).

#include <QComboBox>

#include <cstddef>
#include <functional>

namespace vesk::features {

class WindowPicker final : public QComboBox {
public:
    explicit WindowPicker(QWidget* parent = nullptr);

    // Called when the user picks a window (N, 0 for 全部).
    std::function<void(std::size_t)> picked;

    std::size_t Window() const;
    // Shows last without calling picked; a value that is not a choice keeps
    // the current one.
    void SetWindow(std::size_t last);
};

// "100期" or "全部".
QString WindowLabel(std::size_t last);

} // namespace vesk::features
