#pragma once
// What the program's pictures share: their colours, pens and gradients, the
// shapes several of them draw, and the rendering of a painting function into
// a pixmap or an icon.

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPointF>
#include <QRadialGradient>
#include <QSize>

#include <cstddef>
#include <functional>
#include <initializer_list>

class QPainter;

namespace quorvex::ui {

// The program's colours: a dark ink for outlines, arcade gold and neon.
inline const QColor kInk(0x1a, 0x18, 0x40);
inline const QColor kGold(0xf5, 0xb8, 0x3d);
inline const QColor kMagenta(0xff, 0x3d, 0x8b);
inline const QColor kGreen(0x2f, 0xb3, 0x4a);
inline const QColor kCyan(0x2e, 0xc8, 0xe6);
inline const QColor kNeonCyan(0x2e, 0xe6, 0xff);
inline const QColor kPaper(0xff, 0xfb, 0xef);

// Paints a picture of edge length s with its top-left corner at the origin.
using PaintPicture = void (*)(QPainter& painter, qreal s);

// The usual line width of a button picture of edge length s.
inline qreal LineWidth(qreal s) {
    return s / 22.0;
}

// A solid pen with round ends, and one with round corners as well.
QPen CapPen(const QBrush& colour, qreal width);
QPen RoundPen(const QBrush& colour, qreal width);

// A gradient from one colour to another along the line from start to end.
QLinearGradient Gradient(const QPointF& start, const QPointF& end, const QColor& from,
                         const QColor& to);
// A gradient from the centre colour to the edge colour.
QRadialGradient Glow(const QPointF& centre, qreal radius, const QColor& inner, const QColor& outer);

// A point at radius and angle (degrees, clockwise from three o'clock on screen).
QPointF OnCircle(qreal radius, qreal degrees);
// The closed polygon through points.
QPainterPath ClosedPath(std::initializer_list<QPointF> points);
// The same through points given in fractions of the edge length s.
QPainterPath ClosedPath(qreal s, std::initializer_list<QPointF> fractions);
// A star or a cog wheel: count points on the outer radius with a notch on the
// inner radius between each two, the first point at startDegrees.
QPainterPath RadialPolygon(const QPointF& centre, qreal outer, qreal inner, int count,
                           qreal startDegrees);

// Renders paint, antialiased, into a pixmap of size device-independent pixels
// filled with background first. ratio is the device pixel ratio of the screen
// it is meant for: the pixmap has size times ratio pixels, so that it stays
// sharp on a scaled screen, and paint draws in device-independent pixels.
QPixmap RenderPicture(const QSize& size, qreal ratio, const QColor& background,
                      const std::function<void(QPainter&)>& paint);
// A square picture of edge device-independent pixels on a transparent ground,
// for a screen of the given device pixel ratio; without paint it stays empty.
QPixmap SquarePicture(PaintPicture paint, int edge, qreal ratio = 1.0);

// The painting function of which in pictures, which stand in the order of
// Which's values; nothing for a value the table does not reach yet.
template <std::size_t Count, typename Which>
PaintPicture PictureAt(const PaintPicture (&pictures)[Count], Which which) {
    const auto index = static_cast<std::size_t>(which);
    return index < Count ? pictures[index] : nullptr;
}

// The edge lengths an icon holds a picture in, for the sizes buttons and labels ask for.
inline constexpr int kIconEdges[] = {16, 24, 32, 48};

// One picture of a set, as pixmap draws it, at every icon edge.
template <typename Which>
QIcon PictureIcon(QPixmap (*pixmap)(Which which, int edge), Which which) {
    QIcon icon;
    for (const int edge : kIconEdges) {
        icon.addPixmap(pixmap(which, edge));
    }
    return icon;
}

}  // namespace quorvex::ui
