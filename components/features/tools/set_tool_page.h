#pragma once
// 集合工具: lists A and B (typed or loaded from result files), one of the
// five set operations straight or as groups, the result with its count,
// saved through the result-file layer or handed to the workbench. A refused
// entry is named and the result shown before stays as it was.

#include "components/features/analysis/tools/set_operations.h"
#include "components/features/kit/hand_off_choice.h"
#include "components/features/kit/feature_host.h"
#include "components/features/kit/kept_state.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace vesk::tools {

class ListInput;

// Option records of the picked operation (4 bytes, its place in the list of
// operations) and of 按组选 (4 bytes, 0 or 1).
inline constexpr SlotInt kSetOperationOption = 4363;
inline constexpr SlotInt kSetGroupsOption = 4364;

class SetToolPage final : public QWidget, public features::KeepsState {
public:
    // Whether the operation was run: it is run again when the page comes back.
    QVariantMap SaveState() const override;
    void RestoreState(const QVariantMap& state) override;

    // host: borrowed, outlives the page (the feature's own).
    explicit SetToolPage(const features::FeatureHost* host, QWidget* parent = nullptr);

    features::SendNumbers sendNumbers; // with the 替换/追加/交集 chosen beside the button

    // The game's length and the remembered operation, on every opening.
    void Reload();
    ListInput* InputA() const { return m_a; }
    ListInput* InputB() const { return m_b; }
    void SetOperation(analysis::SetOperation operation, bool asGroups);
    // Runs the picked operation; false (message shown, result kept) when an
    // entry is refused.
    bool Calculate();
    // Asks for a file and saves the result (.txt or .flt).
    void SaveResult();
    const std::vector<std::uint32_t>& Result() const { return m_result; }

private:
    const features::FeatureHost* m_host;
    int m_length = 3;
    ListInput* m_a;
    ListInput* m_b;
    QComboBox* m_operation;
    QCheckBox* m_groups;
    QLabel* m_count;
    QPlainTextEdit* m_resultText;
    std::vector<std::uint32_t> m_result;
};

} // namespace vesk::tools
