#pragma once
// StagingPage: the 暂存区 tab of the right tab container, a free text area
// where the user parks numbers or any text. Text arrives from the editor, the
// number-count page and text files, and leaves for the editor through the
// transfer button, which the workbench carries out.

#include "pages/text/text_page.h"

namespace vesk {

inline constexpr UINT IDD_STAGING_PAGE = 8361;
inline constexpr UINT IDC_STAGING_TEXT = 8548;
inline constexpr UINT IDC_STAGING_TO_EDITOR = 8552;
inline constexpr UINT IDC_STAGING_OPEN = 8551;
inline constexpr UINT IDC_STAGING_SAVE = 8550;
inline constexpr UINT IDC_STAGING_CLEAR = 8549;

DialogTemplate StagingPageTemplate();

class StagingPage : public TextPage {
public:
    // host: borrowed, for the file-name prefix; may be null.
    explicit StagingPage(IHostObject* host);

protected:
    // Appends the chosen files' texts, each followed by a blank line, after a
    // blank line that separates them from text already there.
    void Load() override;
    void SkinButtons() override;
};

} // namespace vesk
