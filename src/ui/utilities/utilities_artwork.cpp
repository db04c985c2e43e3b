#include "ui/utilities/utilities_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quorvex::ui {
namespace {

const QColor kOutline(0x1a, 0x18, 0x40);
const QColor kGold(0xf5, 0xb8, 0x3d);
const QColor kCyan(0x2e, 0xb8, 0xe6);

QPen Outline(qreal s) {
    return QPen(kOutline, s / 28.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintFloppy(QPainter& painter, qreal s) {
    QLinearGradient body(0, 0.1 * s, 0, 0.9 * s);
    body.setColorAt(0.0, QColor(0x4a, 0x5a, 0x9a));
    body.setColorAt(1.0, QColor(0x22, 0x28, 0x52));
    painter.setPen(Outline(s));
    painter.setBrush(body);
    QPainterPath disk;
    disk.moveTo(0.1 * s, 0.1 * s);
    disk.lineTo(0.78 * s, 0.1 * s);
    disk.lineTo(0.9 * s, 0.22 * s);
    disk.lineTo(0.9 * s, 0.9 * s);
    disk.lineTo(0.1 * s, 0.9 * s);
    disk.closeSubpath();
    painter.drawPath(disk);
    painter.setBrush(QColor(0xc8, 0xcc, 0xd8));
    painter.drawRect(QRectF(0.28 * s, 0.1 * s, 0.4 * s, 0.24 * s));
    painter.setBrush(QColor(0xf4, 0xf4, 0xfa));
    painter.drawRect(QRectF(0.2 * s, 0.5 * s, 0.6 * s, 0.34 * s));
    painter.setPen(QPen(kCyan, s / 20.0));
    painter.drawLine(QPointF(0.28 * s, 0.62 * s), QPointF(0.72 * s, 0.62 * s));
    painter.drawLine(QPointF(0.28 * s, 0.73 * s), QPointF(0.6 * s, 0.73 * s));
}

void PaintPicture(QPainter& painter, qreal s) {
    painter.setPen(Outline(s));
    painter.setBrush(QColor(0xc0, 0x8a, 0x3a));
    painter.drawRoundedRect(QRectF(0.06 * s, 0.14 * s, 0.88 * s, 0.72 * s), s / 16.0, s / 16.0);
    QLinearGradient sky(0, 0.22 * s, 0, 0.78 * s);
    sky.setColorAt(0.0, QColor(0x2a, 0x30, 0x70));
    sky.setColorAt(1.0, QColor(0x8a, 0x4a, 0xa0));
    painter.setBrush(sky);
    painter.drawRect(QRectF(0.14 * s, 0.22 * s, 0.72 * s, 0.56 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(0.66 * s, 0.38 * s), 0.07 * s, 0.07 * s);
    painter.setBrush(QColor(0x2f, 0xb8, 0x5a));
    painter.drawPolygon(QPolygonF({QPointF(0.14 * s, 0.78 * s), QPointF(0.36 * s, 0.46 * s),
                                   QPointF(0.52 * s, 0.64 * s), QPointF(0.62 * s, 0.54 * s),
                                   QPointF(0.86 * s, 0.78 * s)}));
}

void PaintTag(QPainter& painter, qreal s) {
    QPainterPath tag;
    tag.moveTo(0.08 * s, 0.3 * s);
    tag.lineTo(0.64 * s, 0.3 * s);
    tag.lineTo(0.92 * s, 0.5 * s);
    tag.lineTo(0.64 * s, 0.7 * s);
    tag.lineTo(0.08 * s, 0.7 * s);
    tag.closeSubpath();
    painter.setPen(Outline(s));
    painter.setBrush(kGold);
    painter.drawPath(tag);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0.7 * s, 0.5 * s), 0.05 * s, 0.05 * s);
    painter.setPen(QPen(kOutline, s / 16.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.18 * s, 0.42 * s), QPointF(0.26 * s, 0.58 * s));
    painter.drawLine(QPointF(0.26 * s, 0.58 * s), QPointF(0.34 * s, 0.42 * s));
    painter.drawPoint(QPointF(0.42 * s, 0.58 * s));
    painter.drawLine(QPointF(0.5 * s, 0.42 * s), QPointF(0.5 * s, 0.58 * s));
}

void PaintKey(QPainter& painter, qreal s) {
    painter.setPen(QPen(kOutline, s / 9.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.44 * s, 0.5 * s), QPointF(0.92 * s, 0.5 * s));
    painter.drawLine(QPointF(0.76 * s, 0.5 * s), QPointF(0.76 * s, 0.66 * s));
    painter.drawLine(QPointF(0.88 * s, 0.5 * s), QPointF(0.88 * s, 0.62 * s));
    painter.setPen(QPen(kGold.darker(160), s / 10.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0.44 * s, 0.5 * s), QPointF(0.9 * s, 0.5 * s));
    painter.setPen(Outline(s));
    painter.setBrush(kGold);
    painter.drawEllipse(QPointF(0.28 * s, 0.5 * s), 0.2 * s, 0.2 * s);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0.24 * s, 0.5 * s), 0.06 * s, 0.06 * s);
}

void PaintSheet(QPainter& painter, const QRectF& sheet, qreal s) {
    painter.setPen(Outline(s));
    painter.setBrush(QColor(0xf4, 0xf4, 0xfa));
    painter.drawRect(sheet);
    painter.setPen(QPen(QColor(0x9a, 0xa0, 0xb8), s / 24.0));
    for (int line = 1; line <= 3; ++line) {
        const qreal y = sheet.top() + sheet.height() * line / 4.5;
        painter.drawLine(QPointF(sheet.left() + 0.06 * s, y), QPointF(sheet.right() - 0.06 * s, y));
    }
}

void PaintArrow(QPainter& painter, qreal s) {
    painter.setPen(QPen(QColor(0x2f, 0xb8, 0x5a).darker(140), s / 9.0, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.drawLine(QPointF(0.42 * s, 0.5 * s), QPointF(0.9 * s, 0.5 * s));
    painter.drawPolyline(QPolygonF(
        {QPointF(0.74 * s, 0.34 * s), QPointF(0.9 * s, 0.5 * s), QPointF(0.74 * s, 0.66 * s)}));
}

}  // namespace

QPixmap UtilitiesPixmap(UtilitiesArtwork which, int edge) {
    QPixmap picture(edge, edge);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = edge;
    switch (which) {
        case UtilitiesArtwork::OldData:
            PaintFloppy(painter, s);
            break;
        case UtilitiesArtwork::OldPictures:
            PaintPicture(painter, s);
            break;
        case UtilitiesArtwork::Versions:
            PaintTag(painter, s);
            break;
        case UtilitiesArtwork::Cheats:
            PaintKey(painter, s);
            break;
        case UtilitiesArtwork::Move:
            PaintSheet(painter, QRectF(0.06 * s, 0.16 * s, 0.4 * s, 0.68 * s), s);
            PaintArrow(painter, s);
            break;
        case UtilitiesArtwork::Copy:
            PaintSheet(painter, QRectF(0.1 * s, 0.08 * s, 0.5 * s, 0.64 * s), s);
            PaintSheet(painter, QRectF(0.4 * s, 0.28 * s, 0.5 * s, 0.64 * s), s);
            break;
    }
    return picture;
}

QIcon UtilitiesIcon(UtilitiesArtwork which) {
    QIcon icon;
    for (const int edge : {16, 24, 32, 48}) {
        icon.addPixmap(UtilitiesPixmap(which, edge));
    }
    return icon;
}

}  // namespace quorvex::ui
