#include "pages/text/count_page.h"

#include "framework/cdc.h"
#include "pages/text/text_file_loading.h"
#include "pages/text/text_page_template.h"

namespace vesk {

namespace {

constexpr TextPageIds kIds { .templateId = IDD_COUNT_PAGE,
    .text = IDC_COUNT_TEXT,
    .transfer = IDC_COUNT_TO_STAGING,
    .open = IDC_COUNT_OPEN,
    .save = IDC_COUNT_SAVE,
    .clear = IDC_COUNT_CLEAR,
    .leftToRight = { IDC_COUNT_OPEN, IDC_COUNT_SAVE, IDC_COUNT_CLEAR, IDC_COUNT_TO_STAGING },
    .textGap = 30 };

constexpr TextPageTexts kTexts { .icon = "Skin\\EditFlt.bmp",
    .transferTip = "将号码次数中的内容转至暂存区",
    .openTip = "加载文件中的内容到号码次数",
    .saveTip = "将号码次数中的内容保存到文件",
    .clearTip = "清空号码次数的内容",
    .saveName = "号码统计文本" };

} // namespace

DialogTemplate CountPageTemplate()
{
    return TextPageTemplate(kIds, { "打开", "保存", "清空", "" });
}

CountPage::CountPage(IHostObject* host)
    : TextPage(host, kIds, kTexts)
{
}

void CountPage::Load()
{
    const LoadedTexts loaded = AskForTextFiles(this, FileChoice::One);
    if (!loaded.files.empty()) {
        ShowLoadedText(loaded.files.front(), 0);
    }
    ReportUnreadable(this, loaded.unreadable);
    UpdateButtons();
}

void CountPage::OnCleared()
{
    TextArea().SetFocus();
}

void CountPage::OnEditColours(CDC* dc)
{
    if (dc)
        dc->SetTextColor(kCountTextColour);
}

} // namespace vesk
