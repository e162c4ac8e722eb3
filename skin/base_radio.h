#pragma once
// CBaseRadio: a two-cell image (off, on) with left-aligned text. Clicking it
// changes nothing by itself: the parent sets the states of the whole group.

#include "framework/cbutton.h"
#include "skin/two_cell_item.h"

namespace vesk {

class CBaseRadio : public CButton {
public:
    // Borrows the image; cell width 0 for a null bitmap.
    void SetImage(HBITMAP bitmap);
    // Stores and repaints only when the value changes.
    void SetCheck(int check);
    int GetCheck() const { return m_checked; }

    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_checked = 0;
    skin::TwoCellImage m_image;
};

} // namespace vesk
