#pragma once
// CountPage: the 号码次数 tab of the left tab container. Shows the number-count
// report that the editor's 统计 button produces, in blue, and sends it on to
// the staging page through the transfer button, which the workbench carries
// out.

#include "pages/text/text_page.h"

namespace vesk {

inline constexpr UINT IDD_COUNT_PAGE = 8358;
inline constexpr UINT IDC_COUNT_TEXT = 8545;
inline constexpr UINT IDC_COUNT_OPEN = 8544;
inline constexpr UINT IDC_COUNT_SAVE = 8543;
inline constexpr UINT IDC_COUNT_CLEAR = 8542;
inline constexpr UINT IDC_COUNT_TO_STAGING = 8541;

inline constexpr COLORREF kCountTextColour = RGB(0, 0, 255);

DialogTemplate CountPageTemplate();

class CountPage : public TextPage {
public:
    // host: borrowed, for the file-name prefix; may be null.
    explicit CountPage(IHostObject* host);

protected:
    // One file; its text replaces the page's.
    void Load() override;
    void OnCleared() override;
    void OnEditColours(CDC* dc) override;
};

} // namespace vesk
