#include "components/other/arrange_dialog.h"

#include "components/other/arrange_area.h"
#include "framework/module_context.h"
#include "framework/styles.h"

namespace vesk::other {
namespace {

// Dialog units; the areas fill the rectangles between the captions.
constexpr int kDialogWidth = 420;
constexpr int kAreaHeight = 40;
constexpr int kShownAreaTop = 20;
constexpr int kHiddenAreaTop = 80;

DialogTemplate ArrangeTemplate()
{
    DialogTemplate t;
    t.id = kArrangeDialogId;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = kDialogWidth;
    t.cy = 154;
    const int inner = kDialogWidth - 14;
    t.controls = {
        {kShownCaptionId, "Static", "", 7, 7, inner, 10, SS_LEFT},
        {kHiddenCaptionId, "Static", "", 7, 67, inner, 10, SS_LEFT},
        {kKeyHelpId, "Static", "键盘：←→ 选择表头，Ctrl+←→ 移动位置，空格 移到另一区域，Tab 切换区域", 7, 126, inner, 10,
         SS_LEFT},
        {IDOK, "Button", "确定", kDialogWidth - 122, 136, 54, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {IDCANCEL, "Button", "取消", kDialogWidth - 61, 136, 54, 14, BS_PUSHBUTTON | WS_TABSTOP},
    };
    return t;
}

} // namespace

ModuleContext& OtherResources()
{
    static ModuleContext context = [] {
        ModuleContext c("RyxOther");
        c.Templates().Register(ArrangeTemplate());
        return c;
    }();
    return context;
}

ArrangeDialog::ArrangeDialog(const Arrangement& arrangement, ItemImages images, ArrangeTexts texts, CWnd* parent)
    : CDialog(kArrangeDialogId, parent), m_board(arrangement, std::move(images)), m_texts(std::move(texts))
{
}

ArrangeDialog::~ArrangeDialog() = default;

BOOL ArrangeDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(m_texts.caption);
    SetDlgItemText(kShownCaptionId, m_texts.shownCaption);
    SetDlgItemText(kHiddenCaptionId, m_texts.hiddenCaption);
    for (const auto& [area, top] : {std::pair{Area::Shown, kShownAreaTop}, std::pair{Area::Hidden, kHiddenAreaTop}}) {
        CRect box(7, top, kDialogWidth - 7, top + kAreaHeight);
        MapDialogRect(&box);
        auto* widget = new ArrangeArea(m_board, area, ClientWidget());
        widget->setObjectName(area == Area::Shown ? QStringLiteral("shownArea") : QStringLiteral("hiddenArea"));
        widget->setGeometry(box.left, box.top, box.Width(), box.Height());
        widget->show();
        m_areas[static_cast<int>(area)] = widget;
    }
    m_areas[0]->setFocus(Qt::OtherFocusReason);
    return FALSE;
}

} // namespace vesk::other
