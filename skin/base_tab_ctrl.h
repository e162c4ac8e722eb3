#pragma once
// CBaseTabCtrl: tab heads painted from "Skin\TabHead.bmp" (selected cell at
// x 0, others at x 7), a rounded frame round the page area and a light
// background. Standard tab behaviour otherwise.

#include "framework/ctabctrl.h"
#include "framework/gdi_objects.h"

namespace vesk {

class CBaseTabCtrl : public CTabCtrl {
public:
    // Loads the head image; without it the heads stay undrawn.
    CBaseTabCtrl();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;


private:
    void Paint();
    void DrawPageFrame(CDC* dc, const RECT& client, const RECT& selectedItem);
    void DrawHead(CDC* dc, CDC* heads, int index, bool selected);

    CBitmap m_heads;
};

} // namespace vesk
