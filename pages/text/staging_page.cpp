#include "pages/text/staging_page.h"

#include "pages/text/text_file_loading.h"
#include "pages/text/text_page_template.h"

namespace vesk {

namespace {

constexpr TextPageIds kIds { .templateId = IDD_STAGING_PAGE,
    .text = IDC_STAGING_TEXT,
    .transfer = IDC_STAGING_TO_EDITOR,
    .open = IDC_STAGING_OPEN,
    .save = IDC_STAGING_SAVE,
    .clear = IDC_STAGING_CLEAR,
    .leftToRight = { IDC_STAGING_TO_EDITOR, IDC_STAGING_OPEN, IDC_STAGING_SAVE, IDC_STAGING_CLEAR },
    .textGap = 27 };

constexpr TextPageTexts kTexts { .icon = "Skin\\FltEdit.bmp",
    .transferTip = "将暂存区中的内容转至编辑器",
    .openTip = "加载文件中的内容到暂存区",
    .saveTip = "将暂存区中的内容保存到文件",
    .clearTip = "清空暂存区中的内容",
    .saveName = "暂存区文本" };

} // namespace

DialogTemplate StagingPageTemplate()
{
    return TextPageTemplate(kIds, { "", "打开", "保存", "清空" });
}

StagingPage::StagingPage(IHostObject* host)
    : TextPage(host, kIds, kTexts)
{
}

void StagingPage::SkinButtons()
{
    TextPage::SkinButtons();
    for (const UINT id : { IDC_STAGING_OPEN, IDC_STAGING_SAVE, IDC_STAGING_CLEAR })
        Button(id).SetFont(GetFont());
}

void StagingPage::Load()
{
    const LoadedTexts loaded = AskForTextFiles(this, FileChoice::Several);
    if (!loaded.files.empty()) {
        AppendBlockTo(TextArea(), FollowedByBlankLines(loaded.files), AppendedCaret::AtBlock);
        TextArea().SetFocus();
        TextArea().Invalidate();
    }
    ReportUnreadable(this, loaded.unreadable);
    UpdateButtons();
}

} // namespace vesk
