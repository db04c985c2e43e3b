#include "ui/sets/sets_artwork.h"

#include <QPainter>

#include <algorithm>
#include <cstddef>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

const QColor kSkyBlue(0x2e, 0xb8, 0xe6);

void PaintChip(QPainter& painter, qreal s) {
    painter.setPen(QPen(QColor(0xb0, 0xb4, 0xc0), s / 16.0, Qt::SolidLine, Qt::FlatCap));
    for (int pin = 0; pin < 4; ++pin) {
        const qreal y = (0.26 + 0.16 * pin) * s;
        painter.drawLine(QPointF(0.06 * s, y), QPointF(0.94 * s, y));
    }
    painter.setPen(QPen(kInk, s / 28.0));
    painter.setBrush(
        Gradient({0, 0.14 * s}, {0, 0.86 * s}, QColor(0x4a, 0x4e, 0x66), QColor(0x1c, 0x1e, 0x2c)));
    painter.drawRoundedRect(QRectF(0.2 * s, 0.14 * s, 0.6 * s, 0.72 * s), s / 14.0, s / 14.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(0.32 * s, 0.26 * s), s / 22.0, s / 22.0);
    painter.setBrush(QColor(0xe8, 0xea, 0xf4));
    painter.drawRect(QRectF(0.34 * s, 0.5 * s, 0.32 * s, 0.12 * s));
}

void PaintSpeaker(QPainter& painter, qreal s) {
    painter.setPen(RoundPen(kInk, s / 28.0));
    painter.setBrush(
        Gradient({0, 0.14 * s}, {0, 0.86 * s}, QColor(0x6a, 0x70, 0x9a), QColor(0x2a, 0x2c, 0x4a)));
    painter.drawPath(ClosedPath(
        s, {{0.1, 0.36}, {0.28, 0.36}, {0.52, 0.14}, {0.52, 0.86}, {0.28, 0.64}, {0.1, 0.64}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(CapPen(kSkyBlue, s / 14.0));
    for (int wave = 0; wave < 2; ++wave) {
        const qreal radius = (0.16 + 0.16 * wave) * s;
        painter.drawArc(QRectF(0.52 * s - radius, 0.5 * s - radius, 2 * radius, 2 * radius),
                        -50 * 16, 100 * 16);
    }
}

// A zip box with its zipper along the top.
void PaintBox(QPainter& painter, const QRectF& box, const QColor& colour) {
    const qreal line = box.height() / 14.0;
    painter.setPen(QPen(colour.darker(220), std::max<qreal>(1.0, line)));
    painter.setBrush(Gradient({0, box.top()}, {0, box.bottom()}, colour.lighter(135), colour));
    painter.drawRoundedRect(box, line * 1.5, line * 1.5);
    painter.setPen(QPen(colour.darker(180), std::max<qreal>(1.0, line), Qt::DotLine));
    const qreal x = box.center().x();
    painter.drawLine(QPointF(x, box.top() + line), QPointF(x, box.top() + box.height() * 0.45));
}

void PaintMagnifier(QPainter& painter, qreal s) {
    PaintBox(painter, QRectF(0.08 * s, 0.16 * s, 0.56 * s, 0.62 * s), QColor(0xe0, 0x9a, 0x1e));
    painter.setPen(CapPen(kInk, s / 9.0));
    painter.drawLine(QPointF(0.7 * s, 0.7 * s), QPointF(0.92 * s, 0.92 * s));
    painter.setPen(QPen(kInk, s / 16.0));
    painter.setBrush(QColor(0xd8, 0xf4, 0xff, 200));
    painter.drawEllipse(QPointF(0.58 * s, 0.58 * s), 0.2 * s, 0.2 * s);
}

void PaintSelectAll(QPainter& painter, qreal s) {
    for (int row = 0; row < 3; ++row) {
        const qreal y = (0.14 + 0.27 * row) * s;
        painter.setPen(QPen(QColor(0x2a, 0x5c, 0xb8), s / 24.0));
        painter.setBrush(QColor(0x3d, 0x8b, 0xff));
        painter.drawRoundedRect(QRectF(0.06 * s, y, 0.88 * s, 0.2 * s), s / 20.0, s / 20.0);
        painter.setPen(RoundPen(Qt::white, s / 14.0));
        painter.drawPolyline(
            QPolygonF({QPointF(0.14 * s, y + 0.1 * s), QPointF(0.2 * s, y + 0.15 * s),
                       QPointF(0.3 * s, y + 0.04 * s)}));
        painter.drawLine(QPointF(0.42 * s, y + 0.1 * s), QPointF(0.84 * s, y + 0.1 * s));
    }
}

const QColor kOriginal(0xe0, 0x9a, 0x1e);
const QColor kClone(0x2f, 0xb8, 0x5a);

void PaintStandAlone(QPainter& painter, qreal s) {
    PaintBox(painter, QRectF(0.04 * s, 0.3 * s, 0.28 * s, 0.44 * s), kOriginal);
    PaintBox(painter, QRectF(0.36 * s, 0.3 * s, 0.28 * s, 0.44 * s), kClone);
    PaintBox(painter, QRectF(0.68 * s, 0.3 * s, 0.28 * s, 0.44 * s), kClone);
}

void PaintMerged(QPainter& painter, qreal s) {
    PaintBox(painter, QRectF(0.1 * s, 0.14 * s, 0.8 * s, 0.72 * s), kOriginal);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kClone);
    painter.drawEllipse(QPointF(0.34 * s, 0.66 * s), 0.09 * s, 0.09 * s);
    painter.drawEllipse(QPointF(0.66 * s, 0.66 * s), 0.09 * s, 0.09 * s);
}

void PaintSplitted(QPainter& painter, qreal s) {
    PaintBox(painter, QRectF(0.04 * s, 0.14 * s, 0.5 * s, 0.72 * s), kOriginal);
    PaintBox(painter, QRectF(0.62 * s, 0.14 * s, 0.34 * s, 0.32 * s), kClone);
    PaintBox(painter, QRectF(0.62 * s, 0.54 * s, 0.34 * s, 0.32 * s), kClone);
}

}  // namespace

QPixmap SetsPixmap(SetsArtwork which, int edge) {
    // In the order of the enum.
    static constexpr PaintPicture kPictures[] = {PaintChip,      PaintSpeaker,    PaintMagnifier,
                                                 PaintSelectAll, PaintStandAlone, PaintMerged,
                                                 PaintSplitted};
    return SquarePicture(PictureAt(kPictures, which), edge);
}

}  // namespace quorvex::ui
