#include "ui/browse/browse_artwork.h"

#include <QPainter>

#include <cstddef>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

void PaintPlay(QPainter& painter, qreal s) {
    painter.setPen(QPen(kGreen.darker(220), LineWidth(s)));
    painter.setBrush(
        Glow(QPointF(0.38 * s, 0.34 * s), 0.6 * s, QColor(0x8c, 0xf0, 0x9a), kGreen.darker(130)));
    painter.drawEllipse(QPointF(0.5 * s, 0.5 * s), 0.44 * s, 0.44 * s);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(ClosedPath(s, {{0.40, 0.28}, {0.74, 0.50}, {0.40, 0.72}}));
}

void PaintDie(QPainter& painter, const QRectF& box, int pips, const QColor& face) {
    painter.setPen(QPen(kInk, box.width() / 16.0));
    painter.setBrush(face);
    painter.drawRoundedRect(box, box.width() * 0.2, box.width() * 0.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    const qreal r = box.width() * 0.09;
    auto pip = [&](qreal x, qreal y) {
        painter.drawEllipse(QPointF(box.left() + x * box.width(), box.top() + y * box.height()), r,
                            r);
    };
    if (pips == 5) {
        pip(0.27, 0.27);
        pip(0.73, 0.27);
        pip(0.5, 0.5);
        pip(0.27, 0.73);
        pip(0.73, 0.73);
    } else {
        pip(0.27, 0.27);
        pip(0.5, 0.5);
        pip(0.73, 0.73);
    }
}

void PaintRandomPlay(QPainter& painter, qreal s) {
    painter.save();
    painter.translate(0.34 * s, 0.40 * s);
    painter.rotate(-14);
    PaintDie(painter, QRectF(-0.26 * s, -0.26 * s, 0.52 * s, 0.52 * s), 5,
             QColor(0xff, 0xf6, 0xe0));
    painter.restore();
    painter.save();
    painter.translate(0.68 * s, 0.66 * s);
    painter.rotate(18);
    PaintDie(painter, QRectF(-0.22 * s, -0.22 * s, 0.44 * s, 0.44 * s), 3, kGold);
    painter.restore();
}

void PaintTree(QPainter& painter, qreal s, const QColor& colour) {
    const QPointF root(0.5 * s, 0.2 * s);
    const QPointF children[] = {{0.18 * s, 0.74 * s}, {0.5 * s, 0.74 * s}, {0.82 * s, 0.74 * s}};
    painter.setPen(RoundPen(kInk, LineWidth(s) * 1.6));
    painter.setBrush(Qt::NoBrush);
    const qreal joint = 0.47 * s;
    painter.drawLine(root, QPointF(root.x(), joint));
    painter.drawLine(QPointF(children[0].x(), joint), QPointF(children[2].x(), joint));
    for (const QPointF& child : children) {
        painter.drawLine(QPointF(child.x(), joint), child);
    }
    painter.setPen(QPen(kInk, LineWidth(s)));
    painter.setBrush(kGold);
    painter.drawEllipse(root, 0.14 * s, 0.14 * s);
    painter.setBrush(colour);
    for (const QPointF& child : children) {
        painter.drawEllipse(child, 0.11 * s, 0.11 * s);
    }
}

void PaintFamilyShown(QPainter& painter, qreal s) {
    painter.setOpacity(0.45);
    PaintTree(painter, s, kCyan);
    painter.setOpacity(1.0);
    // A round arrow: back to the whole list.
    QPainterPath arc;
    const QRectF ring(0.22 * s, 0.22 * s, 0.56 * s, 0.56 * s);
    arc.arcMoveTo(ring, 200);
    arc.arcTo(ring, 200, -250);
    painter.setPen(CapPen(kMagenta, LineWidth(s) * 2.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arc);
    const QPointF end = arc.currentPosition();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMagenta);
    painter.drawPath(
        ClosedPath({end + QPointF(-0.16 * s, -0.02 * s), end + QPointF(0.06 * s, -0.12 * s),
                    end + QPointF(0.06 * s, 0.12 * s)}));
}

void PaintVenn(QPainter& painter, qreal s, bool both) {
    const QPointF left(0.36 * s, 0.5 * s);
    const QPointF right(0.64 * s, 0.5 * s);
    const qreal r = 0.27 * s;
    QPainterPath a;
    a.addEllipse(left, r, r);
    QPainterPath b;
    b.addEllipse(right, r, r);
    painter.setPen(Qt::NoPen);
    if (both) {
        painter.setBrush(kCyan);
        painter.drawPath(a.united(b));
    } else {
        painter.setBrush(kCyan);
        painter.drawPath(a.intersected(b));
    }
    painter.setPen(QPen(kInk, LineWidth(s) * 1.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(a);
    painter.drawPath(b);
}

void PaintOrder(QPainter& painter, qreal s, bool ascending) {
    const qreal heights[] = {0.22, 0.40, 0.58};
    for (int i = 0; i < 3; ++i) {
        const qreal h = heights[ascending ? i : 2 - i] * s;
        const QRectF bar(0.1 * s + i * 0.18 * s, 0.86 * s - h, 0.13 * s, h);
        painter.setPen(QPen(kInk, LineWidth(s) * 0.8));
        painter.setBrush(
            Gradient(bar.topLeft(), bar.bottomLeft(), kGold.lighter(120), kGold.darker(120)));
        painter.drawRect(bar);
    }
    const qreal x = 0.8 * s;
    const qreal top = 0.14 * s;
    const qreal bottom = 0.86 * s;
    const QColor& arrow = ascending ? kGreen : kMagenta;
    painter.setPen(CapPen(arrow, LineWidth(s) * 2.2));
    painter.drawLine(QPointF(x, top + 0.1 * s), QPointF(x, bottom - 0.1 * s));
    const qreal tipY = ascending ? top : bottom;
    const qreal baseY = ascending ? top + 0.2 * s : bottom - 0.2 * s;
    painter.setPen(Qt::NoPen);
    painter.setBrush(arrow);
    painter.drawPath(ClosedPath({{x, tipY}, {x - 0.12 * s, baseY}, {x + 0.12 * s, baseY}}));
}

void PaintFamily(QPainter& painter, qreal s) {
    PaintTree(painter, s, kCyan);
}

void PaintAnd(QPainter& painter, qreal s) {
    PaintVenn(painter, s, false);
}

void PaintOr(QPainter& painter, qreal s) {
    PaintVenn(painter, s, true);
}

void PaintAscending(QPainter& painter, qreal s) {
    PaintOrder(painter, s, true);
}

void PaintDescending(QPainter& painter, qreal s) {
    PaintOrder(painter, s, false);
}

}  // namespace

QPixmap BrowsePixmap(BrowseArtwork which, int edge) {
    // In the order of the enum.
    static constexpr PaintPicture kPictures[] = {PaintPlay,        PaintRandomPlay, PaintFamily,
                                                 PaintFamilyShown, PaintAnd,        PaintOr,
                                                 PaintAscending,   PaintDescending};
    return SquarePicture(PictureAt(kPictures, which), edge);
}

}  // namespace quorvex::ui
