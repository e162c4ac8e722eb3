#pragma once
// Internal to the framework: the colours a control asks of its parent before
// it paints (WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC), as the system's controls do.
// The parent's answer sets the control's text colour and background: the
// brush it returns fills the background (a hollow brush leaves it
// transparent); no brush keeps the control's own background.

class QWidget;

namespace vesk::detail {

// Asks control's parent for its colours as control is about to paint on
// surface (the control itself, or its viewport) and applies them: the text
// colour and background go into the control's palette, and a background
// brush is painted on surface at once. Does nothing for controls that do not
// ask (push buttons, owner-drawn buttons, windows that are not controls).
void AskControlColors(QWidget* control, QWidget* surface);

} // namespace vesk::detail
