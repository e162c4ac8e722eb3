// Template 8357: the editor's text area, the column setting and six buttons,
// in dialog units (the page lays them out again whenever it is sized).

#include "framework/styles.h"
#include "pages/editor/editor_page.h"

namespace vesk {

DialogTemplate EditorPageTemplate()
{
    DialogTemplate page;
    page.id = IDD_EDITOR_PAGE;
    page.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    page.cx = 220;
    page.cy = 200;
    page.controls = {
        PageControl(IDC_EDITOR_TEXT, "Edit", "", 0, 0, 220, 160,
            ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP),
        PageControl(IDC_EDITOR_COLUMNS_LABEL, "Static", "编辑器显示列数:", 6, 170, 66, 9, SS_LEFT),
        PageControl(IDC_EDITOR_ONE_PER_LINE, "Button", "1", 73, 169, 18, 10, BS_RADIOBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_CUSTOM_COLUMNS, "Button", "", 93, 169, 11, 10, BS_RADIOBUTTON),
        PageControl(IDC_EDITOR_COLUMN_COUNT, "ComboBox", "", 106, 167, 40, 90,
            CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP),
        PageControl(IDC_EDITOR_NO_COLUMNS, "Button", "不分列", 150, 169, 38, 10, BS_RADIOBUTTON),
        PageControl(IDC_EDITOR_OPEN, "Button", "打开", 2, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_SAVE, "Button", "保存", 38, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_CLEAR, "Button", "清空", 74, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_PRINT, "Button", "打印", 110, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_COUNT, "Button", "统计", 146, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_EDITOR_TRANSFER, "Button", "", 182, 186, 35, 14, BS_PUSHBUTTON | WS_TABSTOP),
    };
    page.controls.front().exStyle = WS_EX_CLIENTEDGE;
    return page;
}

} // namespace vesk
