#include "tools/skingen/pixel_painting.h"

#include <QFont>
#include <QPainter>
#include <QTransform>

namespace skingen {

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto channel = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor gradientAt(const QColor& top, const QColor& bottom, int y, int n)
{
    return mix(top, bottom, n > 1 ? static_cast<double>(y) / (n - 1) : 0.0);
}

QImage transposed(const QImage& image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

QImage filledImage(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void drawCentredText(QImage& image, const QRect& rect, const QString& text, int pixelSize,
                     const QColor& colour)
{
    QPainter painter(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace skingen
