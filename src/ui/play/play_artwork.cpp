#include "ui/play/play_artwork.h"

#include <QPainter>

#include <cstddef>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

QPen InkPen(qreal s, qreal factor = 1.0) {
    return RoundPen(kInk, LineWidth(s) * factor);
}

void PaintFloppy(QPainter& painter, qreal s) {
    const QRectF body(0.14 * s, 0.14 * s, 0.72 * s, 0.72 * s);
    painter.setPen(InkPen(s));
    painter.setBrush(
        Gradient(body.topLeft(), body.bottomRight(), kCyan.lighter(115), kCyan.darker(140)));
    painter.drawPath(ClosedPath({body.topLeft(),
                                 {body.right() - 0.14 * s, body.top()},
                                 {body.right(), body.top() + 0.14 * s},
                                 body.bottomRight(),
                                 body.bottomLeft()}));
    // The shutter and the label.
    painter.setBrush(QColor(0xd8, 0xde, 0xe8));
    painter.drawRect(QRectF(0.30 * s, 0.14 * s, 0.34 * s, 0.22 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRect(QRectF(0.50 * s, 0.18 * s, 0.08 * s, 0.14 * s));
    painter.setPen(InkPen(s));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(0.26 * s, 0.50 * s, 0.48 * s, 0.30 * s));
    painter.setPen(QPen(kMagenta, LineWidth(s)));
    painter.drawLine(QPointF(0.32 * s, 0.60 * s), QPointF(0.68 * s, 0.60 * s));
    painter.drawLine(QPointF(0.32 * s, 0.70 * s), QPointF(0.60 * s, 0.70 * s));
}

void PaintSheet(QPainter& painter, const QRectF& sheet, qreal s) {
    const qreal fold = sheet.width() * 0.3;
    painter.setPen(InkPen(s));
    painter.setBrush(kPaper);
    painter.drawPath(ClosedPath({sheet.topLeft(),
                                 {sheet.right() - fold, sheet.top()},
                                 {sheet.right(), sheet.top() + fold},
                                 sheet.bottomRight(),
                                 sheet.bottomLeft()}));
    painter.setPen(QPen(kInk.lighter(260), LineWidth(s) * 0.8));
    for (int line = 0; line < 3; ++line) {
        const qreal y = sheet.top() + sheet.height() * (0.42 + 0.17 * line);
        painter.drawLine(QPointF(sheet.left() + sheet.width() * 0.18, y),
                         QPointF(sheet.right() - sheet.width() * 0.18, y));
    }
}

void PaintBadge(QPainter& painter, const QPointF& centre, qreal radius, const QColor& colour) {
    painter.setPen(QPen(colour.darker(200), radius / 6.0));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void PaintNew(QPainter& painter, qreal s) {
    PaintSheet(painter, QRectF(0.16 * s, 0.10 * s, 0.56 * s, 0.74 * s), s);
    const QPointF centre(0.70 * s, 0.72 * s);
    PaintBadge(painter, centre, 0.2 * s, kGreen);
    painter.setPen(CapPen(Qt::white, LineWidth(s) * 2.2));
    painter.drawLine(centre - QPointF(0.1 * s, 0), centre + QPointF(0.1 * s, 0));
    painter.drawLine(centre - QPointF(0, 0.1 * s), centre + QPointF(0, 0.1 * s));
}

void PaintDelete(QPainter& painter, qreal s) {
    PaintSheet(painter, QRectF(0.16 * s, 0.10 * s, 0.56 * s, 0.74 * s), s);
    const QPointF centre(0.70 * s, 0.72 * s);
    PaintBadge(painter, centre, 0.2 * s, kMagenta);
    painter.setPen(CapPen(Qt::white, LineWidth(s) * 2.2));
    const qreal d = 0.075 * s;
    painter.drawLine(centre + QPointF(-d, -d), centre + QPointF(d, d));
    painter.drawLine(centre + QPointF(-d, d), centre + QPointF(d, -d));
}

void PaintCancel(QPainter& painter, qreal s) {
    // A bent arrow back: leave what was typed and return.
    QPainterPath arrow;
    arrow.moveTo(0.78 * s, 0.80 * s);
    arrow.lineTo(0.78 * s, 0.56 * s);
    arrow.cubicTo(0.78 * s, 0.40 * s, 0.66 * s, 0.36 * s, 0.50 * s, 0.36 * s);
    arrow.lineTo(0.34 * s, 0.36 * s);
    painter.setPen(RoundPen(kMagenta, LineWidth(s) * 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    painter.setPen(RoundPen(kMagenta.darker(150), LineWidth(s) * 0.8));
    painter.setBrush(kMagenta);
    painter.drawPath(ClosedPath(s, {{0.14, 0.36}, {0.38, 0.18}, {0.38, 0.54}}));
}

// A small games list: rows, the chosen ones lit.
void PaintRows(QPainter& painter, const QRectF& box, qreal s, int rows, int litMask,
               const QColor& lit) {
    const qreal gap = box.height() * 0.08;
    const qreal height = (box.height() - gap * (rows - 1)) / rows;
    for (int row = 0; row < rows; ++row) {
        const QRectF bar(box.left(), box.top() + row * (height + gap), box.width(), height);
        painter.setPen(InkPen(s, 0.8));
        painter.setBrush((litMask & (1 << row)) != 0 ? lit : kPaper);
        painter.drawRoundedRect(bar, height * 0.25, height * 0.25);
    }
}

void PaintArrowRight(QPainter& painter, const QPointF& from, qreal length, qreal s,
                     const QColor& colour) {
    painter.setPen(CapPen(colour, LineWidth(s) * 2.4));
    painter.drawLine(from, from + QPointF(length - 0.1 * s, 0));
    const QPointF tip = from + QPointF(length, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(
        ClosedPath({tip, tip + QPointF(-0.16 * s, -0.11 * s), tip + QPointF(-0.16 * s, 0.11 * s)}));
}

void PaintGear(QPainter& painter, const QPointF& centre, qreal radius, qreal s) {
    const QPainterPath gear = RadialPolygon(centre, radius, radius * 0.74, 8, 0.0);
    QPainterPath hole;
    hole.addEllipse(centre, radius * 0.32, radius * 0.32);
    painter.setPen(InkPen(s, 0.9));
    painter.setBrush(kGold);
    painter.drawPath(gear.subtracted(hole));
}

void PaintApply(QPainter& painter, qreal s, bool all) {
    if (all) {
        PaintGear(painter, QPointF(0.24 * s, 0.28 * s), 0.22 * s, s);
        PaintGear(painter, QPointF(0.24 * s, 0.72 * s), 0.22 * s, s);
    } else {
        PaintGear(painter, QPointF(0.26 * s, 0.50 * s), 0.25 * s, s);
    }
    PaintArrowRight(painter, QPointF(0.46 * s, 0.50 * s), 0.22 * s, s, kGreen);
    PaintRows(painter, QRectF(0.72 * s, 0.14 * s, 0.22 * s, 0.72 * s), s, 3, 0b101, kCyan);
}

void PaintWithEqual(QPainter& painter, qreal s) {
    PaintRows(painter, QRectF(0.10 * s, 0.12 * s, 0.50 * s, 0.76 * s), s, 4, 0b1010, kCyan);
    const QPointF centre(0.72 * s, 0.50 * s);
    PaintBadge(painter, centre, 0.2 * s, kGold);
    painter.setPen(CapPen(kInk, LineWidth(s) * 1.8));
    painter.drawLine(centre + QPointF(-0.09 * s, -0.05 * s), centre + QPointF(0.09 * s, -0.05 * s));
    painter.drawLine(centre + QPointF(-0.09 * s, 0.05 * s), centre + QPointF(0.09 * s, 0.05 * s));
}

void PaintSelectAll(QPainter& painter, qreal s) {
    PaintRows(painter, QRectF(0.10 * s, 0.12 * s, 0.50 * s, 0.76 * s), s, 4, 0b1111, kCyan);
    const QPointF centre(0.72 * s, 0.50 * s);
    PaintBadge(painter, centre, 0.2 * s, kGreen);
    painter.setPen(RoundPen(Qt::white, LineWidth(s) * 2.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        QPolygonF({centre + QPointF(-0.10 * s, 0.0), centre + QPointF(-0.03 * s, 0.08 * s),
                   centre + QPointF(0.10 * s, -0.08 * s)}));
}

}  // namespace

QPixmap PlayPixmap(PlayArtwork which, int edge) {
    // In the order of the enum.
    static constexpr PaintPicture kPictures[] = {
        PaintFloppy,
        PaintNew,
        PaintDelete,
        PaintCancel,
        [](QPainter& painter, qreal s) { PaintApply(painter, s, false); },
        [](QPainter& painter, qreal s) { PaintApply(painter, s, true); },
        PaintWithEqual,
        PaintSelectAll};
    return SquarePicture(PictureAt(kPictures, which), edge);
}

}  // namespace quorvex::ui
