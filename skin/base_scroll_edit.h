#pragma once
// CBaseScrollEdit: a multi-line edit whose scroll bars are two skinned
// CBaseScrollBar windows laid over its own (siblings of the edit, ids 100
// and 101), kept in step with the edit's scrolling and range. The edit's own
// bars are cut away by its window region so the skinned ones show instead.

#include "framework/cedit.h"
#include "skin/base_scroll_bar.h"
#include "skin/geometry/scroll_edit_layout.h"

namespace vesk {

class CBaseScrollEdit : public CEdit {
public:
    static constexpr UINT kVerticalBarId = 100;
    static constexpr UINT kHorizontalBarId = 101;

    // Creates the two bars once, as siblings owned by the edit, and lays
    // them over the edit's own. The owning page calls it while initialising.
    void CreateScrollBars();

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void SetText(const CString& text);
    // Asks for a ".txt" path and writes the whole text there. Returns true
    // when the file was written; a cancelled dialog or a failed write leaves
    // everything as it was and returns false.
    bool SaveTextAs(const CString& defaultName);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CBaseScrollBar& VerticalBar() { return m_vertical; }
    CBaseScrollBar& HorizontalBar() { return m_horizontal; }
    bool IsVerticalShown() const { return m_verticalShown != 0; }
    bool IsHorizontalShown() const { return m_horizontalShown != 0; }
    const skin::BorderWidths& Borders() const { return m_borders; }

private:
    void LayoutBars();
    void UpdateRegion();
    void SyncRanges();
    void SyncBar(CBaseScrollBar& bar, int which, int& lastUnits);
    void SyncPositions(bool horizontalToo);
    CRect ClientInScreen() const;

    CBaseScrollBar m_vertical;
    CBaseScrollBar m_horizontal;
    int m_verticalShown = 0;
    int m_horizontalShown = 0;
    int m_lastVerticalUnits = -1;
    int m_lastHorizontalUnits = -1;
    skin::BorderWidths m_borders;
};

} // namespace vesk
