#include "ui/play/play_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quorvex::ui {
namespace {

const QColor kInk(0x1a, 0x18, 0x40);
const QColor kGold(0xf5, 0xb8, 0x3d);
const QColor kCyan(0x2e, 0xc8, 0xe6);
const QColor kMagenta(0xff, 0x3d, 0x8b);
const QColor kGreen(0x2f, 0xb3, 0x4a);
const QColor kPaper(0xff, 0xfb, 0xef);

qreal Line(qreal s) {
    return s / 22.0;
}

QPen InkPen(qreal s, qreal factor = 1.0) {
    return QPen(kInk, Line(s) * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintFloppy(QPainter& painter, qreal s) {
    const QRectF body(0.14 * s, 0.14 * s, 0.72 * s, 0.72 * s);
    QPainterPath outline;
    outline.moveTo(body.topLeft());
    outline.lineTo(body.right() - 0.14 * s, body.top());
    outline.lineTo(body.right(), body.top() + 0.14 * s);
    outline.lineTo(body.bottomRight());
    outline.lineTo(body.bottomLeft());
    outline.closeSubpath();
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0.0, kCyan.lighter(115));
    fill.setColorAt(1.0, kCyan.darker(140));
    painter.setPen(InkPen(s));
    painter.setBrush(fill);
    painter.drawPath(outline);
    // The shutter and the label.
    painter.setBrush(QColor(0xd8, 0xde, 0xe8));
    painter.drawRect(QRectF(0.30 * s, 0.14 * s, 0.34 * s, 0.22 * s));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRect(QRectF(0.50 * s, 0.18 * s, 0.08 * s, 0.14 * s));
    painter.setPen(InkPen(s));
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(0.26 * s, 0.50 * s, 0.48 * s, 0.30 * s));
    painter.setPen(QPen(kMagenta, Line(s)));
    painter.drawLine(QPointF(0.32 * s, 0.60 * s), QPointF(0.68 * s, 0.60 * s));
    painter.drawLine(QPointF(0.32 * s, 0.70 * s), QPointF(0.60 * s, 0.70 * s));
}

void PaintSheet(QPainter& painter, const QRectF& sheet, qreal s) {
    QPainterPath outline;
    const qreal fold = sheet.width() * 0.3;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    painter.setPen(InkPen(s));
    painter.setBrush(kPaper);
    painter.drawPath(outline);
    painter.setPen(QPen(kInk.lighter(260), Line(s) * 0.8));
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
    painter.setPen(QPen(Qt::white, Line(s) * 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre - QPointF(0.1 * s, 0), centre + QPointF(0.1 * s, 0));
    painter.drawLine(centre - QPointF(0, 0.1 * s), centre + QPointF(0, 0.1 * s));
}

void PaintDelete(QPainter& painter, qreal s) {
    PaintSheet(painter, QRectF(0.16 * s, 0.10 * s, 0.56 * s, 0.74 * s), s);
    const QPointF centre(0.70 * s, 0.72 * s);
    PaintBadge(painter, centre, 0.2 * s, kMagenta);
    painter.setPen(QPen(Qt::white, Line(s) * 2.2, Qt::SolidLine, Qt::RoundCap));
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
    painter.setPen(QPen(kMagenta, Line(s) * 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(arrow);
    QPainterPath head;
    head.moveTo(0.14 * s, 0.36 * s);
    head.lineTo(0.38 * s, 0.18 * s);
    head.lineTo(0.38 * s, 0.54 * s);
    head.closeSubpath();
    painter.setPen(
        QPen(kMagenta.darker(150), Line(s) * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kMagenta);
    painter.drawPath(head);
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
    painter.setPen(QPen(colour, Line(s) * 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, from + QPointF(length - 0.1 * s, 0));
    QPainterPath head;
    const QPointF tip = from + QPointF(length, 0);
    head.moveTo(tip);
    head.lineTo(tip + QPointF(-0.16 * s, -0.11 * s));
    head.lineTo(tip + QPointF(-0.16 * s, 0.11 * s));
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(head);
}

void PaintGear(QPainter& painter, const QPointF& centre, qreal radius, qreal s) {
    QPainterPath gear;
    constexpr int kTeeth = 8;
    for (int tooth = 0; tooth < kTeeth * 2; ++tooth) {
        const qreal angle = tooth * 3.14159265 / kTeeth;
        const qreal r = (tooth % 2 == 0) ? radius : radius * 0.74;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (tooth == 0) {
            gear.moveTo(point);
        } else {
            gear.lineTo(point);
        }
    }
    gear.closeSubpath();
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
    painter.setPen(QPen(kInk, Line(s) * 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-0.09 * s, -0.05 * s), centre + QPointF(0.09 * s, -0.05 * s));
    painter.drawLine(centre + QPointF(-0.09 * s, 0.05 * s), centre + QPointF(0.09 * s, 0.05 * s));
}

void PaintSelectAll(QPainter& painter, qreal s) {
    PaintRows(painter, QRectF(0.10 * s, 0.12 * s, 0.50 * s, 0.76 * s), s, 4, 0b1111, kCyan);
    const QPointF centre(0.72 * s, 0.50 * s);
    PaintBadge(painter, centre, 0.2 * s, kGreen);
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-0.10 * s, 0.0));
    tick.lineTo(centre + QPointF(-0.03 * s, 0.08 * s));
    tick.lineTo(centre + QPointF(0.10 * s, -0.08 * s));
    painter.setPen(QPen(Qt::white, Line(s) * 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

}  // namespace

QPixmap PlayPixmap(PlayArtwork which, int edge) {
    QPixmap pixmap(edge, edge);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = edge;
    switch (which) {
        case PlayArtwork::Save:
            PaintFloppy(painter, s);
            break;
        case PlayArtwork::New:
            PaintNew(painter, s);
            break;
        case PlayArtwork::Delete:
            PaintDelete(painter, s);
            break;
        case PlayArtwork::Cancel:
            PaintCancel(painter, s);
            break;
        case PlayArtwork::ApplySingle:
            PaintApply(painter, s, false);
            break;
        case PlayArtwork::ApplyAll:
            PaintApply(painter, s, true);
            break;
        case PlayArtwork::WithEqual:
            PaintWithEqual(painter, s);
            break;
        case PlayArtwork::SelectAll:
            PaintSelectAll(painter, s);
            break;
    }
    return pixmap;
}

QIcon PlayIcon(PlayArtwork which) {
    QIcon icon;
    for (const int edge : {16, 24, 32, 48}) {
        icon.addPixmap(PlayPixmap(which, edge));
    }
    return icon;
}

}  // namespace quorvex::ui
