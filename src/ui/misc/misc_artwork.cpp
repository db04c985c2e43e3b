#include "ui/misc/misc_artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

QPen InkPen(qreal s, qreal factor = 1.0) {
    return QPen(kInk, LineWidth(s) * factor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintModify(QPainter& painter, qreal s) {
    const QRectF sheet(0.14 * s, 0.10 * s, 0.54 * s, 0.76 * s);
    painter.setPen(InkPen(s));
    painter.setBrush(kPaper);
    painter.drawRect(sheet);
    painter.setPen(QPen(kInk.lighter(260), LineWidth(s) * 0.8));
    for (int line = 0; line < 4; ++line) {
        const qreal y = sheet.top() + sheet.height() * (0.22 + 0.18 * line);
        painter.drawLine(QPointF(sheet.left() + 0.08 * s, y), QPointF(sheet.right() - 0.08 * s, y));
    }
    // The pencil, lying from the top right down to the sheet.
    painter.save();
    painter.translate(0.62 * s, 0.56 * s);
    painter.rotate(-45.0);
    const qreal w = 0.13 * s;
    painter.setPen(InkPen(s, 0.9));
    painter.setBrush(kGold);
    painter.drawRect(QRectF(-0.02 * s, -w / 2, 0.40 * s, w));
    painter.setBrush(kMagenta);
    painter.drawRect(QRectF(0.38 * s, -w / 2, 0.08 * s, w));
    QPainterPath tip;
    tip.moveTo(-0.02 * s, -w / 2);
    tip.lineTo(-0.16 * s, 0);
    tip.lineTo(-0.02 * s, w / 2);
    tip.closeSubpath();
    painter.setBrush(QColor(0xf3, 0xd9, 0xb1));
    painter.drawPath(tip);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(-0.13 * s, 0), 0.025 * s, 0.025 * s);
    painter.restore();
}

void PaintPlayMark(QPainter& painter, const QPointF& centre, qreal r, const QColor& colour) {
    QPainterPath mark;
    mark.moveTo(centre + QPointF(-0.45 * r, -0.6 * r));
    mark.lineTo(centre + QPointF(0.65 * r, 0));
    mark.lineTo(centre + QPointF(-0.45 * r, 0.6 * r));
    mark.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(mark);
}

void PaintReplay(QPainter& painter, qreal s) {
    // A cassette: body, label and two reels, with a play badge.
    const QRectF body(0.08 * s, 0.20 * s, 0.84 * s, 0.56 * s);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, QColor(0x45, 0x42, 0x7a));
    fill.setColorAt(1.0, kInk);
    painter.setPen(InkPen(s));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, 0.06 * s, 0.06 * s);
    painter.setBrush(kPaper);
    painter.drawRect(QRectF(0.18 * s, 0.27 * s, 0.64 * s, 0.26 * s));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(0.34 * s, 0.40 * s), 0.07 * s, 0.07 * s);
    painter.drawEllipse(QPointF(0.66 * s, 0.40 * s), 0.07 * s, 0.07 * s);
    const QPointF badge(0.70 * s, 0.72 * s);
    painter.setPen(QPen(kGreen.darker(200), LineWidth(s)));
    painter.setBrush(kGreen);
    painter.drawEllipse(badge, 0.2 * s, 0.2 * s);
    PaintPlayMark(painter, badge + QPointF(0.02 * s, 0), 0.16 * s, Qt::white);
}

void PaintFrame(QPainter& painter, qreal s) {
    const QRectF frame(0.10 * s, 0.16 * s, 0.80 * s, 0.62 * s);
    painter.setPen(InkPen(s));
    painter.setBrush(kGold);
    painter.drawRoundedRect(frame, 0.04 * s, 0.04 * s);
    const QRectF picture = frame.adjusted(0.07 * s, 0.07 * s, -0.07 * s, -0.07 * s);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0.0, kCyan.lighter(130));
    sky.setColorAt(1.0, kCyan.darker(120));
    painter.setBrush(sky);
    painter.drawRect(picture);
    QPainterPath hills;
    hills.moveTo(picture.bottomLeft());
    hills.lineTo(picture.left() + picture.width() * 0.35, picture.top() + picture.height() * 0.45);
    hills.lineTo(picture.left() + picture.width() * 0.55, picture.top() + picture.height() * 0.70);
    hills.lineTo(picture.left() + picture.width() * 0.75, picture.top() + picture.height() * 0.50);
    hills.lineTo(picture.bottomRight());
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGreen);
    painter.drawPath(hills);
}

void PaintSlideshow(QPainter& painter, qreal s, bool start) {
    PaintFrame(painter, s);
    const QPointF badge(0.72 * s, 0.74 * s);
    const QColor colour = start ? kGreen : kMagenta;
    painter.setPen(QPen(colour.darker(200), LineWidth(s)));
    painter.setBrush(colour);
    painter.drawEllipse(badge, 0.2 * s, 0.2 * s);
    if (start) {
        PaintPlayMark(painter, badge + QPointF(0.02 * s, 0), 0.16 * s, Qt::white);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(badge.x() - 0.08 * s, badge.y() - 0.08 * s, 0.16 * s, 0.16 * s));
    }
}

void PaintStep(QPainter& painter, qreal s, bool forward) {
    if (!forward) {
        painter.translate(s, 0);
        painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(0.14 * s, 0.38 * s);
    arrow.lineTo(0.52 * s, 0.38 * s);
    arrow.lineTo(0.52 * s, 0.20 * s);
    arrow.lineTo(0.88 * s, 0.50 * s);
    arrow.lineTo(0.52 * s, 0.80 * s);
    arrow.lineTo(0.52 * s, 0.62 * s);
    arrow.lineTo(0.14 * s, 0.62 * s);
    arrow.closeSubpath();
    QLinearGradient fill(0, 0.2 * s, 0, 0.8 * s);
    fill.setColorAt(0.0, kCyan.lighter(120));
    fill.setColorAt(1.0, kCyan.darker(150));
    painter.setPen(InkPen(s));
    painter.setBrush(fill);
    painter.drawPath(arrow);
}

}  // namespace

QPixmap MiscPixmap(MiscArtwork which, int edge) {
    QPixmap pixmap(edge, edge);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = edge;
    switch (which) {
        case MiscArtwork::Modify:
            PaintModify(painter, s);
            break;
        case MiscArtwork::Replay:
            PaintReplay(painter, s);
            break;
        case MiscArtwork::StartSlideshow:
            PaintSlideshow(painter, s, true);
            break;
        case MiscArtwork::StopSlideshow:
            PaintSlideshow(painter, s, false);
            break;
        case MiscArtwork::Previous:
            PaintStep(painter, s, false);
            break;
        case MiscArtwork::Next:
            PaintStep(painter, s, true);
            break;
    }
    return pixmap;
}

QIcon MiscIcon(MiscArtwork which) {
    QIcon icon;
    for (const int edge : {16, 24, 32, 48}) {
        icon.addPixmap(MiscPixmap(which, edge));
    }
    return icon;
}

QPixmap NoSnapshotPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal u = std::min(w / 4.0, h / 3.0);  // a 4:3 screen
    const QRectF screen((w - 4 * u) / 2, (h - 3 * u) / 2, 4 * u, 3 * u);

    QRadialGradient glow(screen.center(), screen.width() * 0.7);
    glow.setColorAt(0.0, QColor(0x2a, 0x26, 0x5c));
    glow.setColorAt(1.0, QColor(0x0b, 0x0a, 0x1e));
    painter.setPen(QPen(kInk, u * 0.06));
    painter.setBrush(glow);
    painter.drawRoundedRect(screen, u * 0.25, u * 0.25);

    // Scan lines, as an arcade monitor shows them.
    painter.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (qreal y = screen.top() + 3; y < screen.bottom() - 3; y += 4) {
        painter.drawLine(QPointF(screen.left() + u * 0.1, y), QPointF(screen.right() - u * 0.1, y));
    }

    // A camera in the middle.
    const QPointF centre = screen.center() - QPointF(0, u * 0.35);
    const QRectF body(centre.x() - u * 0.8, centre.y() - u * 0.45, u * 1.6, u * 1.0);
    painter.setPen(QPen(kCyan, u * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(body, u * 0.15, u * 0.15);
    painter.drawRect(QRectF(centre.x() - u * 0.3, body.top() - u * 0.2, u * 0.6, u * 0.2));
    painter.drawEllipse(body.center(), u * 0.3, u * 0.3);
    painter.setBrush(kMagenta);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(body.right() - u * 0.2, body.top() + u * 0.2), u * 0.07, u * 0.07);

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, static_cast<int>(u * 0.32)));
    painter.setFont(font);
    painter.setPen(kGold);
    const QRectF text(screen.left(), body.bottom() + u * 0.15, screen.width(), u * 0.5);
    painter.drawText(text, Qt::AlignCenter, QStringLiteral("NO SNAPSHOT YET"));
    font.setBold(false);
    font.setPixelSize(std::max(7, static_cast<int>(u * 0.2)));
    painter.setFont(font);
    painter.setPen(kCyan.lighter(130));
    painter.drawText(text.translated(0, u * 0.45), Qt::AlignCenter,
                     QStringLiteral("press F12 while playing"));
    return pixmap;
}

}  // namespace quorvex::ui
