#pragma once
// TextPage: what the staging page and the number-count page share. A text
// area the page never interprets, four skinned buttons below it (open, save,
// clear, and a transfer that the workbench carries out), the workbench
// background and the layout of the pair. The workbench reads and replaces
// the text; the page keeps its buttons in step with it.

#include "framework/gdi_objects.h"
#include "host/host_services.h"
#include "pages/text/text_page_layout.h"
#include "skin/base_button.h"
#include "skin/base_scroll_edit.h"
#include "skin/skinned_page.h"

#include <array>
#include <functional>

namespace vesk {

enum class AppendedCaret {
    Keep, // caret, selection and view stay
    AtBlock, // caret at the start of the block, scrolled into view
};

// Appends block to the area's text, after "\r\n\r\n" when the area holds
// text, reading only the area's length.
void AppendBlockTo(CBaseScrollEdit& area, const CString& block, AppendedCaret caret);

struct TextPageIds {
    UINT templateId = 0;
    UINT text = 0;
    UINT transfer = 0;
    UINT open = 0;
    UINT save = 0;
    UINT clear = 0;
    std::array<UINT, 4> leftToRight {}; // the buttons in layout order
    int textGap = 0; // height under the text area
};

struct TextPageTexts {
    const char* icon = nullptr; // the transfer button's icon file
    const char* transferTip = nullptr;
    const char* openTip = nullptr;
    const char* saveTip = nullptr;
    const char* clearTip = nullptr;
    const char* saveName = nullptr; // appended to the host's file-name prefix
};

class TextPage : public SkinnedPage {
public:
    ~TextPage() override;

    // Creates the page from its template as a child of parent. The workbench
    // is parent's parent (parent itself when it has none).
    BOOL Create(CWnd* parent);

    CBaseScrollEdit& TextArea() { return m_text; }
    CString Text() const { return m_text.GetWindowText(); }
    // Replaces the text, then refreshes the buttons.
    void SetText(const CString& text);
    // Adds block at the end (after a blank line when there is text), then
    // refreshes the buttons.
    void AppendBlockText(const CString& block, AppendedCaret caret);
    // 保存, 清空 and the transfer button: enabled exactly when there is text.
    void UpdateButtons();
    // 保存: asks for a file and writes the text; true when it was written.
    bool SaveText();
    // Told when the text was saved. (Loading adds files to the text, which
    // keeps whatever was typed before unsaved.)
    void SetSavedListener(std::function<void()> listener) { m_saved = std::move(listener); }

    CWnd* Workbench() const { return m_workbench; }
    CBaseButton& Button(UINT id);

protected:
    TextPage(IHostObject* host, const TextPageIds& ids, const TextPageTexts& texts);

    BOOL OnInitDialog() override;
    // 打开: each page loads in its own way.
    virtual void Load() = 0;
    virtual void OnCleared() { }
    // The staging page gives its open, save and clear buttons the dialog font.
    virtual void SkinButtons();

    // Puts text into the area, focuses it and shows the caret at offset.
    void ShowLoadedText(const CString& text, int caret);

    IHostObject* Host() const { return m_host; }
    const TextPageIds& Ids() const { return m_ids; }

private:
    void Layout();
    void Clear();

    IHostObject* m_host;
    TextPageIds m_ids;
    TextPageTexts m_texts;
    CWnd* m_workbench = nullptr;
    std::function<void()> m_saved;
    CFont m_font;
    CBitmap m_skin;
    CBitmap m_icon;
    CBaseScrollEdit m_text;
    CBaseButton m_transfer;
    CBaseButton m_open;
    CBaseButton m_save;
    CBaseButton m_clear;
};

// The host's file-name prefix (service 4, slot 13) followed by name.
CString DefaultFileName(IHostObject* host, const char* name);

// Enables or disables every control in the list.
void EnableControls(std::initializer_list<CWnd*> controls, bool enable);

} // namespace vesk
