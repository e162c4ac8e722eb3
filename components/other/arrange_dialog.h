#pragma once
// The column arrangement dialog: the caption and the two area captions the
// caller gives, the shown area above the hidden one, OK and Cancel. It is a
// framework dialog, so it starts through the interaction provider like every
// modal dialog (tests drive it from there). OK keeps the edited arrangement
// for the caller to read; Cancel drops it.

#include "components/other/arrange_board.h"
#include "framework/cdialog.h"
#include "framework/module_context.h"

#include <memory>
#include <string>

namespace vesk::other {

class ArrangeArea;

inline constexpr UINT kArrangeDialogId = 7900;
inline constexpr int kShownCaptionId = 1001;
inline constexpr int kHiddenCaptionId = 1002;
inline constexpr int kKeyHelpId = 1003;

struct ArrangeTexts {
    std::string caption;
    std::string shownCaption;
    std::string hiddenCaption;
};

class ArrangeDialog final : public CDialog {
public:
    ArrangeDialog(const Arrangement& arrangement, ItemImages images, ArrangeTexts texts, CWnd* parent);
    ~ArrangeDialog() override;

    // The arrangement as the dialog holds it now.
    const Arrangement& Current() const { return m_board.Current(); }
    ArrangeArea* AreaWidget(Area area) const { return m_areas[static_cast<int>(area)]; }

    BOOL OnInitDialog() override;

private:
    ArrangeBoard m_board;
    ArrangeTexts m_texts;
    ArrangeArea* m_areas[2] = {nullptr, nullptr};
};

// The component's resource context, holding the dialog's template.
ModuleContext& OtherResources();

} // namespace vesk::other
