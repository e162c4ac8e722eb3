#include "components/features/query/query_feature.h"

#include "components/features/query/lookup_window.h"
#include "components/features/query/pattern_window.h"
#include "components/features/query/state_columns.h"
#include "components/features/query/state_window.h"
#include "components/features/query/straight_window.h"

#include "skin/column_arrangement.h"

#include <algorithm>

namespace vesk::query {

QueryFeature::QueryFeature(SiblingRow row) : FeatureBase(features::OpenArguments::CodeModule), m_row(row) {}

QWidget* QueryFeature::MakeWindow(QWidget* parent)
{
    const auto send = [this](const std::vector<std::uint32_t>& numbers, analysis::HandOffMode mode) { SendToWorkbench(numbers, mode); };
    switch (m_row) {
    case SiblingRow::Lookup: {
        auto* window = new LookupWindow(parent);
        window->sendNumbers = send;
        m_frame = window;
        break;
    }
    case SiblingRow::Pattern: {
        auto* window = new PatternWindow(parent);
        window->choiceChanged = [this](std::uint32_t key, std::size_t k) {
            Host().WriteNumber(kPatternTypeOption, key);
            Host().WriteNumber(kPatternLengthOption, static_cast<std::uint32_t>(k));
        };
        m_frame = window;
        break;
    }
    case SiblingRow::Straight:
        m_frame = new StraightWindow(parent);
        break;
    default: {
        auto* window = new StateWindow(parent);
        window->sendNumbers = send;
        window->arrangeColumns = [this] { ArrangeStateColumns(); };
        m_frame = window;
        break;
    }
    }
    m_frame->windowChanged = [this](std::size_t last) { Host().WriteWindow(WindowOption(), last); };
    return m_frame;
}

SlotInt QueryFeature::WindowOption() const
{
    switch (m_row) {
    case SiblingRow::Lookup: return kLookupWindowOption;
    case SiblingRow::Pattern: return kPatternWindowOption;
    case SiblingRow::Straight: return kStraightWindowOption;
    default: return kStateWindowOption;
    }
}

void QueryFeature::Opened()
{
    if (!m_frame)
        return;
    // The remembered choices first, so that the history is searched once.
    if (auto* pattern = dynamic_cast<PatternWindow*>(m_frame.data())) {
        const auto type = Host().ReadNumber(kPatternTypeOption);
        const auto k = Host().ReadNumber(kPatternLengthOption);
        pattern->SetChoice(type ? *type : pattern->Choice().key, k ? *k : pattern->K());
    }
    if (auto* state = dynamic_cast<StateWindow*>(m_frame.data()))
        state->SetColumns(ShownStateColumns(Host().ReadBytes(kStateShownColumnsOption),
                                            Host().ReadBytes(kStateHiddenColumnsOption)));
    m_frame->SetWindowSize(Host().ReadWindow(WindowOption()));
    HistoryChanged();
}

void QueryFeature::HistoryChanged()
{
    if (m_frame)
        m_frame->SetHistory(Host().LoadHistory(), Host().Length(), Host().MissingHistoryText());
}

void QueryFeature::ArrangeStateColumns()
{
    auto* state = dynamic_cast<StateWindow*>(m_frame.data());
    IHostObject* host = Host().Object();
    if (!state || !host)
        return;
    // Both records hold every column of the table, so that the arrangement
    // offers these and adds none of the result page's.
    const std::vector<std::size_t> shown = state->Model().Columns();
    Host().WriteBytes(kStateShownColumnsOption, StateColumnRecords(shown));
    Host().WriteBytes(kStateHiddenColumnsOption, StateColumnRecords(HiddenStateColumns(shown)));
    const ColumnArrangementCall call{
        "状态表列设置", "显示的列（可以拖动改变顺序，也可以拖动到隐藏区域以不显示该列）",
        "隐藏的列，可以拖动到显示区域以显示该列", kStateShownColumnsOption, kStateHiddenColumnsOption};
    if (RunColumnArrangement(*host, reinterpret_cast<WindowHandle>(state), call))
        state->SetColumns(ShownStateColumns(Host().ReadBytes(kStateShownColumnsOption),
                                            Host().ReadBytes(kStateHiddenColumnsOption)));
}

} // namespace vesk::query
