#pragma once
// CBaseDialog: base of the module's pop-up dialogs. Replaces the system
// caption and border with a skinned non-client area: a 29-pixel title band
// from "Skin\FmTitle.bmp" with the caption in bold white, skinned system
// buttons (close only, or minimise / maximise-restore / close), a 5-pixel
// border in five blues, rounded top corners, its own maximise that leaves the
// task bar visible, and a light background brush for itself and its controls.
// Derived dialogs call OnInitDialog first and pass unhandled messages here.

#include "framework/cdialog.h"
#include "framework/gdi_objects.h"
#include "skin/geometry/frame_layout.h"

namespace vesk {

class CBaseDialog : public CDialog {
public:
    explicit CBaseDialog(UINT templateId, CWnd* parent = nullptr);
    ~CBaseDialog() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Frame state, window coordinates.
    const skin::FrameLayout& Frame() const { return m_frame; }
    bool IsCloseOnly() const { return m_closeOnly != 0; }
    bool IsMaximised() const { return m_maximised != 0; }
    bool IsButtonHot(skin::FrameButton button) const;
    bool IsButtonPressed(skin::FrameButton button) const;
    HBRUSH BackgroundBrush() const { return m_brush; }

private:
    void LoadImages();
    void UpdateFrame();
    void UpdateRegion();
    void PaintFrame();
    void DrawButtons(CDC* dc);
    skin::Point FramePoint(LPARAM screenPoint) const;
    void OnNcMouseMove(skin::Point at);
    bool OnNcLButtonDown(skin::Point at);
    bool OnNcLButtonUp(skin::Point at);
    void ToggleMaximise();
    struct ButtonFlags {
        int hot = 0;
        int pressed = 0;
    };
    // Null for FrameButton::None.
    ButtonFlags* FlagsOf(skin::FrameButton button);
    const ButtonFlags* FlagsOf(skin::FrameButton button) const;
    bool AnyHot() const { return m_closeFlags.hot || m_minimiseFlags.hot || m_maximiseFlags.hot; }

    skin::FrameLayout m_frame;
    int m_maximised = 0;
    RECT m_restore{};
    int m_titleX = 10;
    int m_titleY = 8;
    int m_closeOnly = 1;
    CBitmap m_title;
    CBitmap m_close;
    CBitmap m_buttonBackground;
    CBitmap m_maximise;
    CBitmap m_minimise;
    CBitmap m_restoreImage;
    ButtonFlags m_closeFlags;
    ButtonFlags m_minimiseFlags;
    ButtonFlags m_maximiseFlags;
    CBrush m_brush;
};

} // namespace vesk
