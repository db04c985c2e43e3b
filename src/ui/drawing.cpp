#include "ui/drawing.h"

#include <QPainter>

#include <cmath>
#include <numbers>

namespace quorvex::ui {

QPen CapPen(const QBrush& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap);
}

QPen RoundPen(const QBrush& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient Gradient(const QPointF& start, const QPointF& end, const QColor& from,
                         const QColor& to) {
    QLinearGradient gradient(start, end);
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    return gradient;
}

QRadialGradient Glow(const QPointF& centre, qreal radius, const QColor& inner,
                     const QColor& outer) {
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, inner);
    gradient.setColorAt(1.0, outer);
    return gradient;
}

QPointF OnCircle(qreal radius, qreal degrees) {
    const qreal radians = degrees * std::numbers::pi / 180.0;
    return {radius * std::cos(radians), radius * std::sin(radians)};
}

namespace {

// Starts the path at point, or draws a line to it.
void Through(QPainterPath& path, const QPointF& point) {
    if (path.elementCount() == 0) {
        path.moveTo(point);
    } else {
        path.lineTo(point);
    }
}

}  // namespace

QPainterPath ClosedPath(std::initializer_list<QPointF> points) {
    QPainterPath path;
    for (const QPointF& point : points) {
        Through(path, point);
    }
    path.closeSubpath();
    return path;
}

QPainterPath ClosedPath(qreal s, std::initializer_list<QPointF> fractions) {
    QPainterPath path;
    for (const QPointF& fraction : fractions) {
        Through(path, QPointF(fraction.x() * s, fraction.y() * s));
    }
    path.closeSubpath();
    return path;
}

QPainterPath RadialPolygon(const QPointF& centre, qreal outer, qreal inner, int count,
                           qreal startDegrees) {
    QPainterPath path;
    for (int i = 0; i < count * 2; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        Through(path, centre + OnCircle(radius, startDegrees + i * 180.0 / count));
    }
    path.closeSubpath();
    return path;
}

QPixmap RenderPicture(const QSize& size, qreal ratio, const QColor& background,
                      const std::function<void(QPainter&)>& paint) {
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return picture;
}

QPixmap SquarePicture(PaintPicture paint, int edge, qreal ratio) {
    return RenderPicture(QSize(edge, edge), ratio, Qt::transparent,
                         [paint, edge](QPainter& painter) {
                             if (paint != nullptr) {
                                 paint(painter, edge);
                             }
                         });
}

}  // namespace quorvex::ui
