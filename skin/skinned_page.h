#pragma once
// SkinnedPage: base of the workbench's child pages and panels. Fills its
// background with the workbench colour, answers its controls' colour requests
// with a transparent text background on that colour (edits keep the
// framework's colours unless the page changes them), and forwards commands
// unchanged to the window that carries them out.

#include "framework/cdialog.h"
#include "framework/gdi_objects.h"

namespace vesk {

// One control of a page's template (dialog units), shown, without extended style.
DialogControl PageControl(
    UINT id, const char* windowClass, const char* text, int x, int y, int cx, int cy, DWORD style);

class SkinnedPage : public CDialog {
public:
    explicit SkinnedPage(UINT templateId);
    ~SkinnedPage() override;

    HBRUSH BackgroundBrush() const { return m_brush; }

protected:
    // Creates the brush; derived pages call it first.
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Called for an edit's colour request after the default answer; the
    // count page sets its blue text here.
    virtual void OnEditColours(CDC* dc);

    // Sends the message being handled (a button's WM_COMMAND) to target as
    // it came: same message, wParam and lParam. Nothing without a target.
    void ForwardCurrentMessage(CWnd* target);

    // "宋体" of height 14, normal weight: the font of the pages' text areas.
    static void CreateTextFont(CFont& font);

private:
    CBrush m_brush;
};

} // namespace vesk
