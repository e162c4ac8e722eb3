#include "pages/result/result_templates.h"

#include "framework/styles.h"
#include "pages/result/result_ids.h"

namespace vesk::result {

DialogTemplate ResultPageTemplate()
{
    DialogTemplate page;
    page.id = kResultPageTemplate;
    page.style = WS_CHILD;
    page.cx = 240;
    page.cy = 200;
    constexpr DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
    // Rectangles are placeholders: WM_SIZE places every control.
    page.controls = {
        {int(kStatusResult), "Static", "缩水结果:1000注", 0, 150, 56, 12, SS_LEFT},
        {int(kOverwrite), "Button", "覆盖", 58, 150, 27, 12, BS_AUTOCHECKBOX | WS_TABSTOP},
        {int(kGroupToSingle), "Button", "组变单", 86, 150, 44, 12, push},
        {int(kSingleToGroup), "Button", "单变组", 132, 150, 44, 12, push},
        {int(kAdd), "Button", "添加", 0, 166, 44, 12, push},
        {int(kDelete), "Button", "删除", 46, 166, 44, 12, push},
        {int(kClear), "Button", "清空", 92, 166, 44, 12, push},
        {int(kUndo), "Button", "撤消", 138, 166, 44, 12, push},
        {int(kRedo), "Button", "恢复", 184, 166, 44, 12, push},
        {int(kResultToEditor), "Button", "", 0, 182, 36, 12, push},
        {int(kOpen), "Button", "打开", 38, 182, 36, 12, push},
        {int(kSave), "Button", "保存", 76, 182, 36, 12, push},
        {int(kPrint), "Button", "打印", 114, 182, 36, 12, push},
        {int(kOptions), "Button", "设置", 152, 182, 36, 12, push},
        {int(kToChart), "Button", "转图表", 190, 182, 36, 12, push},
        {int(kStatusRecycle), "Static", "缩水结果:1000注", 60, 182, 60, 12, SS_LEFT},
        {int(kRecycleToEditor), "Button", "", 0, 182, 44, 12, push},
    };
    return page;
}

DialogTemplate NumberInputTemplate()
{
    DialogTemplate dialog;
    dialog.id = kNumberInputTemplate;
    dialog.caption = "修改号码";
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.cx = 150;
    dialog.cy = 62;
    dialog.controls = {
        {-1, "Static", "请输入号码：", 10, 12, 50, 10, SS_LEFT},
        {int(kNumberEdit), "Edit", "", 62, 10, 78, 13, ES_CENTER | ES_NUMBER | WS_TABSTOP},
        {1, "Button", "确定", 24, 36, 46, 15, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED},
        {2, "Button", "取消", 80, 36, 46, 15, BS_PUSHBUTTON | WS_TABSTOP},
    };
    return dialog;
}

} // namespace vesk::result
