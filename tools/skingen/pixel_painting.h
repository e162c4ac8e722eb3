#pragma once
// Small pixel-exact drawing helpers shared by the skin families. Skins are
// drawn without antialiasing where a colour key or a 1-pixel line must stay exact.

#include <QColor>
#include <QImage>

namespace skingen {

inline const QColor kMagentaKey(255, 0, 255);
inline const QColor kPageBackground(250, 252, 254);

// Linear mix of two colours; t = 0 gives a, t = 1 gives b.
QColor mix(const QColor& a, const QColor& b, double t);

// Colour of row y of n rows running from top to bottom.
QColor gradientAt(const QColor& top, const QColor& bottom, int y, int n);

// The image mirrored along its main diagonal: what runs down a vertical
// skin runs across the horizontal one.
QImage transposed(const QImage& image);

QImage filledImage(int width, int height, const QColor& colour);

// Paints a text glyph (digits, marks) centred in the rectangle with a
// bold sans-serif face of the given pixel size.
void drawCentredText(QImage& image, const QRect& rect, const QString& text, int pixelSize,
                     const QColor& colour);

} // namespace skingen
