#include "tools/app_icon/app_icon_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace app_icon {

std::vector<int> IconSizes() { return {16, 22, 24, 32, 48, 64, 128, 256}; }

QImage PaintAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size, size); // draw in a unit square

    QLinearGradient tile(0, 0, 0, 1);
    tile.setColorAt(0, QColor(222, 64, 52));
    tile.setColorAt(1, QColor(150, 28, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.04, 0.04, 0.92, 0.92), 0.18, 0.18);

    QPainterPath funnel;
    funnel.moveTo(0.20, 0.55);
    funnel.lineTo(0.80, 0.55);
    funnel.lineTo(0.57, 0.75);
    funnel.lineTo(0.57, 0.88);
    funnel.lineTo(0.43, 0.88);
    funnel.lineTo(0.43, 0.75);
    funnel.closeSubpath();
    painter.setBrush(QColor(247, 200, 70));
    painter.drawPath(funnel);

    constexpr double kRadius = 0.135;
    constexpr std::array<double, 3> kCentres{0.235, 0.5, 0.765};
    constexpr std::array<const char*, 3> kDigits{"3", "0", "7"};
    for (std::size_t i = 0; i < kCentres.size(); ++i) {
        const QPointF centre(kCentres[i], 0.33);
        QRadialGradient ball(centre - QPointF(0.04, 0.04), kRadius * 1.4);
        ball.setColorAt(0, Qt::white);
        ball.setColorAt(1, QColor(222, 226, 232));
        painter.setBrush(ball);
        painter.drawEllipse(centre, kRadius, kRadius);
        if (size < 32)
            continue;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(qMax(1, int(size * kRadius * 1.35)));
        painter.save();
        painter.resetTransform();
        painter.setFont(font);
        painter.setPen(QColor(160, 30, 26));
        const QRectF box((centre.x() - kRadius) * size, (centre.y() - kRadius) * size, 2 * kRadius * size,
                         2 * kRadius * size);
        painter.drawText(box, Qt::AlignCenter, QString::fromLatin1(kDigits[i]));
        painter.restore();
    }
    return image;
}

} // namespace app_icon
