#include "components/filter/window/condition_window.h"

#include "components/filter/component/live_engines.h"
#include "components/filter/window/condition_panel.h"
#include "framework/cwnd.h"

namespace vesk::filter {

ConditionWindow::ConditionWindow() = default;

ConditionWindow::~ConditionWindow()
{
    Unbind();
    delete m_panel.data();
}

void ConditionWindow::Unbind()
{
    if (m_engine) {
        m_engine->onRunEnd = nullptr;
        m_engine->onGone = nullptr;
    }
    m_engine = nullptr;
}

ConditionPanel* ConditionWindow::Panel() const
{
    return m_panel.data();
}

SlotInt ConditionWindow::Create(IHostObject*, WindowHandle parent)
{
    QWidget* widget = FromWindowHandle(parent);
    if (!widget || m_parent)
        return 0;
    m_parent = widget;
    m_geometry = QRect(QPoint(0, 0), widget->size());
    return 1;
}

SlotInt ConditionWindow::SetJudgedNumbers(const std::uint8_t* digits, SlotInt count, SlotInt length)
{
    if (!m_engine || length != m_engine->Length() || count < 0 || (count > 0 && !digits))
        return 0;
    std::vector<std::uint32_t> codes;
    codes.reserve(static_cast<std::size_t>(count));
    const std::uint8_t* number = digits;
    for (SlotInt i = 0; i < count; ++i, number += length) {
        std::uint32_t code = 0;
        for (SlotInt d = 0; d < length; ++d) {
            if (number[d] > 9)
                return 0;
            code = code * 10 + number[d];
        }
        codes.push_back(code);
    }
    m_engine->SetJudgedList(std::move(codes));
    if (m_panel)
        m_panel->Refresh();
    return 1;
}

SlotInt ConditionWindow::Bind(IRyxFilter* filter, IModule*)
{
    Unbind();
    m_engine = LiveEngine(filter);
    if (!m_engine)
        return 0;
    m_engine->onRunEnd = [this] {
        if (m_panel)
            m_panel->ShowRunReport();
    };
    // Pages release the engine before the window; the panel must not reach it after.
    m_engine->onGone = [this] {
        if (m_panel)
            m_panel->Detach();
        m_engine = nullptr;
    };
    return 1;
}

SlotInt ConditionWindow::Place(SlotInt placement, const Rect* rect, SlotInt, void* workbench)
{
    if (!m_parent || !m_engine)
        return 0;
    PageKind kind = m_engine->Kind();
    if (placement == 4)
        kind = PageKind::Fixed;
    else if (placement == 2)
        kind = PageKind::Combined;
    if (rect && rect->right > rect->left && rect->bottom > rect->top)
        m_geometry = QRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
    const auto* window = static_cast<CWnd*>(workbench);
    delete m_panel.data();
    m_panel = new ConditionPanel(*m_engine, kind, window ? window->m_hWnd : nullptr, m_parent);
    m_panel->setGeometry(m_geometry);
    m_panel->show();
    m_panel->AnnounceStateProblem();
    return 1;
}

SlotInt ConditionWindow::Resize(const Rect* rect)
{
    if (!rect)
        return 0;
    m_geometry = QRect(rect->left, rect->top, std::max<SlotInt>(0, rect->right - rect->left),
                       std::max<SlotInt>(0, rect->bottom - rect->top));
    if (m_panel)
        m_panel->setGeometry(m_geometry);
    return 1;
}

SlotInt ConditionWindow::Commit()
{
    if (!m_panel)
        return 0;
    m_panel->Commit();
    return 1;
}

} // namespace vesk::filter
