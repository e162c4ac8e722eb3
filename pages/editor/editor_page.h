#pragma once
// EditorPage: the 编辑器 tab of the left tab container, a free text area for
// lottery numbers with a row of buttons below it. It loads, saves, clears and
// prints on its own; 统计 and the transfer button go unchanged to the
// workbench, which counts the text or moves it to the result list or the
// staging page. The page also owns the column setting (option record 4202):
// how many numbers per line the workbench writes whenever it makes text.

#include "framework/gdi_objects.h"
#include "host/host_services.h"
#include "numbers/uint_array.h"
#include "pages/editor/column_setting.h"
#include "pages/text/text_page.h"
#include "skin/base_button.h"
#include "skin/base_combo_box.h"
#include "skin/base_radio.h"
#include "skin/base_scroll_edit.h"
#include "skin/skinned_page.h"

#include <array>
#include <cstdint>

namespace vesk {

inline constexpr UINT IDD_EDITOR_PAGE = 8357;
inline constexpr UINT IDC_EDITOR_TEXT = 8540;
inline constexpr UINT IDC_EDITOR_OPEN = 7551;
inline constexpr UINT IDC_EDITOR_SAVE = 7552;
inline constexpr UINT IDC_EDITOR_CLEAR = 7553;
inline constexpr UINT IDC_EDITOR_PRINT = 8128;
inline constexpr UINT IDC_EDITOR_COUNT = 8127;
inline constexpr UINT IDC_EDITOR_TRANSFER = 8353;
inline constexpr UINT IDC_EDITOR_COLUMNS_LABEL = 3413;
inline constexpr UINT IDC_EDITOR_ONE_PER_LINE = 9272;
inline constexpr UINT IDC_EDITOR_CUSTOM_COLUMNS = 8834;
inline constexpr UINT IDC_EDITOR_COLUMN_COUNT = 7556;
inline constexpr UINT IDC_EDITOR_NO_COLUMNS = 1025;

DialogTemplate EditorPageTemplate();

class EditorPage : public SkinnedPage {
public:
    // host: borrowed; its option records, file-name prefix and print component.
    explicit EditorPage(IHostObject* host);
    ~EditorPage() override;

    // Creates the page from template 8357 as a child of parent. The workbench
    // is parent's parent (parent itself when it has none).
    BOOL Create(CWnd* parent);
    CWnd* Workbench() const { return m_workbench; }

    CBaseScrollEdit& TextArea() { return m_text; }
    CString Text() const { return m_text.GetWindowText(); }
    // Replaces the text, then refreshes the buttons.
    void SetText(const CString& text);
    // Adds block at the end (after a blank line when there is text), then
    // refreshes the buttons.
    void AppendBlockText(const CString& block, AppendedCaret caret);
    // 保存, 清空, 打印, 统计 and the transfer button: enabled exactly when
    // there is text.
    void UpdateButtons();

    // The stored column setting and what it means for a text about to be
    // written (1, the count, or defaultCount when it sets none).
    const ColumnSetting& Columns() const { return m_columns; }
    std::int64_t PerLineCount(std::int64_t defaultCount) const
    {
        return vesk::PerLineCount(m_columns, defaultCount);
    }

    // The presence array of the text's complete digit triples. False only
    // when the array cannot be sized.
    bool GetEditorNumbers(C3DUIntArray& target) const;

    // The transfer button's tooltip names where the text goes: the staging
    // area while its tab is in front, else the result list.
    void ShowTransferTarget(bool toStaging);

    CBaseButton& Button(UINT id);
    CBaseRadio& Radio(UINT id);
    CBaseComboBox& ColumnCountBox() { return m_columnCount; }

protected:
    BOOL OnInitDialog() override;

private:
    void SetUpButtons();
    void SetUpColumnControls();
    void Layout();
    void Load();
    void Save();
    void Clear();
    void Print();
    void ChooseColumns(ColumnChoice choice);
    void SaveColumns();

    IHostObject* m_host;
    CWnd* m_workbench = nullptr;
    CFont m_font;
    CBitmap m_whiteButton;
    CBitmap m_radioImage;
    std::array<CBitmap, 5> m_icons; // EditOpen, EditSave, EditClr, EditStat, EditFlt
    CBaseScrollEdit m_text;
    std::array<CBaseButton, 6> m_buttons; // 打开, 保存, 清空, 打印, 统计, transfer
    CBaseRadio m_onePerLine;
    CBaseRadio m_custom;
    CBaseRadio m_noColumns;
    CBaseComboBox m_columnCount;
    ColumnSetting m_columns;
};

} // namespace vesk
