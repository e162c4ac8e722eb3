#include "pages/text/text_page.h"

#include "framework/messages.h"
#include "framework/styles.h"
#include "numbers/block_append.h"
#include "pages/text/text_file_loading.h"

namespace vesk {

CString DefaultFileName(IHostObject* host, const char* name)
{
    CString prefix;
    if (auto* text = host ? static_cast<ITextService*>(host->GetService(kServiceText)) : nullptr) {
        if (const char* given = text->GetFileNamePrefix())
            prefix = given;
    }
    return prefix + name;
}

void EnableControls(std::initializer_list<CWnd*> controls, bool enable)
{
    for (CWnd* control : controls) {
        if (control->GetSafeHwnd())
            control->EnableWindow(enable ? TRUE : FALSE);
    }
}

void AppendBlockTo(CBaseScrollEdit& area, const CString& block, AppendedCaret caret)
{
    const AppendedBlock appended = AppendBlock(static_cast<std::size_t>(area.GetWindowTextLength()), block);
    area.AppendText(appended.tail);
    if (caret == AppendedCaret::AtBlock)
        area.SetSel(static_cast<int>(appended.caret), static_cast<int>(appended.caret));
}

TextPage::TextPage(IHostObject* host, const TextPageIds& ids, const TextPageTexts& texts)
    : SkinnedPage(ids.templateId)
    , m_host(host)
    , m_ids(ids)
    , m_texts(texts)
{
    HandleMessage(WM_SIZE, [this](WPARAM, LPARAM) {
        Layout();
        return LRESULT { 0 };
    });
    HandleCommand(ids.text, EN_CHANGE, [this] { UpdateButtons(); });
    HandleCommand(ids.transfer, BN_CLICKED, [this] { ForwardCurrentMessage(m_workbench); });
    HandleCommand(ids.open, BN_CLICKED, [this] { Load(); });
    HandleCommand(ids.save, BN_CLICKED, [this] { SaveText(); });
    HandleCommand(ids.clear, BN_CLICKED, [this] { Clear(); });
}

TextPage::~TextPage() = default;

BOOL TextPage::Create(CWnd* parent)
{
    return SkinnedPage::Create(m_ids.templateId, parent);
}

BOOL TextPage::OnInitDialog()
{
    SkinnedPage::OnInitDialog();
    CWnd* parent = GetParent();
    CWnd* grandparent = parent ? parent->GetParent() : nullptr;
    m_workbench = grandparent ? grandparent : parent;

    m_skin.LoadFromFile("Skin\\WhiteBtn.bmp");
    m_icon.LoadFromFile(m_texts.icon);
    CreateTextFont(m_font);

    m_text.SubclassDlgItem(m_ids.text, this);
    m_text.SetFont(&m_font);
    m_text.SetLimitText(0xFFFFFF);
    m_text.CreateScrollBars();

    SkinButtons();
    m_transfer.SetIcon(m_icon);
    m_transfer.SetTooltip(m_texts.transferTip);
    m_open.SetTooltip(m_texts.openTip);
    m_save.SetTooltip(m_texts.saveTip);
    m_clear.SetTooltip(m_texts.clearTip);
    UpdateButtons();
    Layout();
    return TRUE;
}

void TextPage::SkinButtons()
{
    const std::pair<CBaseButton*, UINT> buttons[] = { { &m_transfer, m_ids.transfer },
        { &m_open, m_ids.open }, { &m_save, m_ids.save }, { &m_clear, m_ids.clear } };
    for (const auto& [button, id] : buttons) {
        button->SubclassDlgItem(id, this);
        button->SetSkin(m_skin);
    }
}

CBaseButton& TextPage::Button(UINT id)
{
    if (id == m_ids.open)
        return m_open;
    if (id == m_ids.save)
        return m_save;
    if (id == m_ids.clear)
        return m_clear;
    return m_transfer;
}

void TextPage::SetText(const CString& text)
{
    m_text.SetText(text);
    UpdateButtons();
}

void TextPage::AppendBlockText(const CString& block, AppendedCaret caret)
{
    AppendBlockTo(m_text, block, caret);
    UpdateButtons();
}

void TextPage::UpdateButtons()
{
    if (!m_text.GetSafeHwnd())
        return;
    EnableControls({ &m_save, &m_clear, &m_transfer }, m_text.GetWindowTextLength() > 0);
}

void TextPage::ShowLoadedText(const CString& text, int caret)
{
    m_text.SetText(text);
    m_text.SetFocus();
    m_text.SetSel(caret, caret); // scrolls the caret into view
    m_text.Invalidate();
}

void TextPage::Layout()
{
    if (!m_text.GetSafeHwnd())
        return;
    RECT client;
    GetClientRect(&client);
    const TextPageLayout layout = LayoutTextPage(client.right, client.bottom, m_ids.textGap);
    m_text.MoveWindow(layout.text);
    for (std::size_t i = 0; i < layout.buttons.size(); ++i) {
        if (!Button(m_ids.leftToRight[i]).GetSafeHwnd())
            return;
    }
    for (std::size_t i = 0; i < layout.buttons.size(); ++i)
        Button(m_ids.leftToRight[i]).MoveWindow(layout.buttons[i]);
    Invalidate();
}

bool TextPage::SaveText()
{
    if (!m_text.SaveTextAs(DefaultFileName(m_host, m_texts.saveName)))
        return false;
    if (m_saved)
        m_saved();
    return true;
}

void TextPage::Clear()
{
    m_text.SetText(CString {});
    UpdateButtons();
    OnCleared();
}

} // namespace vesk
