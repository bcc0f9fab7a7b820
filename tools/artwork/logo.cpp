#include "logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kSize = 128;
constexpr double kCentre = kSize / 2.0;
constexpr double kRadius = 56;
}

QImage logo(int scale)
{
    QImage image(kSize * scale, kSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rendered, not enlarged: the painter anti-aliases at the image's own pixels.
    painter.scale(scale, scale);
    painter.translate(kCentre, kCentre);

    // A deep blue sea, so the globe stands out on the title bar's lighter blue.
    QLinearGradient sea(-kRadius, -kRadius, kRadius, kRadius);
    sea.setColorAt(0, QColor(38, 99, 196));
    sea.setColorAt(1, QColor(24, 64, 140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sea);
    painter.drawEllipse(QPointF(0, 0), kRadius, kRadius);

    // Equator, one parallel pair and the central meridian, faint.
    QPen grid(QColor(255, 255, 255, 110), 4);
    painter.setPen(grid);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kRadius * 0.42, kRadius);
    painter.drawLine(QPointF(-kRadius, 0), QPointF(kRadius, 0));
    painter.drawLine(QPointF(-kRadius * 0.87, -kRadius * 0.5), QPointF(kRadius * 0.87, -kRadius * 0.5));
    painter.drawLine(QPointF(-kRadius * 0.87, kRadius * 0.5), QPointF(kRadius * 0.87, kRadius * 0.5));

    // The rim.
    painter.setPen(QPen(Qt::white, 7));
    painter.drawEllipse(QPointF(0, 0), kRadius, kRadius);

    // A great circle seen at an angle is an ellipse around the globe's
    // centre; the route is the part of it between the two points.
    painter.save();
    painter.rotate(-28);
    const QRectF greatCircle(-kRadius, -kRadius * 0.55, 2 * kRadius, 2 * kRadius * 0.55);
    QPainterPath route;
    route.arcMoveTo(greatCircle, 200);
    route.arcTo(greatCircle, 200, 135);
    const QPointF from = route.pointAtPercent(0);
    const QPointF to = route.pointAtPercent(1);
    const QColor routeColour(255, 176, 46);
    painter.setPen(QPen(routeColour, 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(route);
    painter.setPen(QPen(Qt::white, 4));
    painter.setBrush(routeColour);
    painter.drawEllipse(from, 10, 10);
    painter.drawEllipse(to, 10, 10);
    painter.restore();

    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
