#pragma once
// Our IRyxConWnd: the condition window, a plain Qt widget (ConditionPanel)
// that is a child of the page it is given. What the slots mean here:
//
// - Slot 2 Create(host, parent): remembers the page; 1, or 0 when parent is
//   no window.
// - Slot 3 SetJudgedNumbers(digits, count, length): the engine's preview
//   counts over these numbers from now on (count 0: the whole space) and the
//   panel shows it; 0 without an engine, for another length or a digit
//   above 9, and nothing changes then.
// - Slot 7 Bind(filter, catalogue): the engine to edit; 1 when it is a live
//   engine of this library, else 0 (the window then stays empty).
// - Slot 8 Place(placement, rect, flag, workbench): builds and shows the
//   panel, the fixed form for placement 4 and the groups for placement 2
//   (any other code: what the engine's page kind says); workbench is the
//   FilterWorkbench window object (a CWnd) that keeps the result list, or
//   null. A state the engine could not restore is told once, after the
//   page is up.
// - Slot 9 Resize(rect): the panel takes the rectangle.
// - Slot 10 Commit(): typed texts (values, names, numbers) go to the engine.
//
// Every slot returns 1 when it did its work and 0 otherwise.

#include "components/filter/component/filter_component.h"
#include "framework/win_types.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

namespace vesk::filter {

class ConditionPanel;

class ConditionWindow final : public IRyxConWnd {
public:
    ConditionWindow();
    ~ConditionWindow();

    SlotInt Create(IHostObject* host, WindowHandle parent) override;
    SlotInt SetJudgedNumbers(const std::uint8_t* digits, SlotInt count, SlotInt length) override;
    SlotInt Bind(IRyxFilter* filter, IModule* catalogue) override;
    SlotInt Place(SlotInt placement, const Rect* rect, SlotInt flag, void* workbench) override;
    SlotInt Resize(const Rect* rect) override;
    SlotInt Commit() override;

    ConditionPanel* Panel() const;

private:
    void Unbind();

    QPointer<QWidget> m_parent;
    FilterComponent* m_engine = nullptr;
    QPointer<ConditionPanel> m_panel;
    QRect m_geometry;
};

} // namespace vesk::filter
