#pragma once
// CBaseGroupBox: a rounded grey frame with a blue caption. Its window region
// is the band its frame and caption are drawn in (the caption's height at the
// top, kGroupBorderBand pixels on the other sides, enough for the rounded
// corners), so everything inside (clicks and painting) belongs to the parent
// and the controls placed there.

#include "framework/cbutton.h"

namespace vesk {

class CBaseGroupBox : public CButton {
public:
    static constexpr int kGroupBorderBand = 3;

    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    COLORREF CaptionColour() const { return m_captionColour; }
    COLORREF FrameColour() const { return m_frameColour; }

private:
    void DrawFrame(CDC* dc);
    void UpdateRegion();

    COLORREF m_captionColour = RGB(0, 70, 213);
    COLORREF m_frameColour = RGB(204, 204, 204);
};

} // namespace vesk
