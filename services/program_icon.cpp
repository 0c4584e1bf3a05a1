#include "program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int IconSize = 32;
constexpr double Pi = 3.14159265358979323846;

QPolygonF Pentagon(QPointF centre, double radius, double turn) {
    QPolygonF polygon;
    for (int k = 0; k < 5; ++k) {
        const double angle = turn + k * 2 * Pi / 5 - Pi / 2;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

}  // namespace

QImage ProgramIconImage(int size) {
    // Drawn at 32 pixels; other sizes are smooth scalings of it.
    QImage image(IconSize, IconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(16, 16);
    const double radius = 15;
    QRadialGradient shade(QPointF(12, 11), 20);
    shade.setColorAt(0, QColor(255, 255, 255));
    shade.setColorAt(0.6, QColor(215, 215, 215));
    shade.setColorAt(1, QColor(120, 120, 120));
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius - 0.5, radius - 0.5);
    painter.setClipPath(disc);
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    painter.setBrush(QColor(20, 20, 20));
    painter.drawPolygon(Pentagon(centre, 5.5, 0));
    // The patches around the rim, half hidden by the ball's curve.
    for (int k = 0; k < 5; ++k) {
        const double angle = k * 2 * Pi / 5 - Pi / 2;
        const QPointF at = centre + QPointF(15 * std::cos(angle), 15 * std::sin(angle));
        painter.drawPolygon(Pentagon(at, 5, Pi / 5));
        painter.drawLine(centre + QPointF(5.5 * std::cos(angle), 5.5 * std::sin(angle)),
                         centre + QPointF(10.5 * std::cos(angle), 10.5 * std::sin(angle)));
    }
    painter.end();
    if (size == IconSize) return image;
    return image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ProgramIconImage(32)));
    icon.addPixmap(QPixmap::fromImage(ProgramIconImage(16)));
    return icon;
}
