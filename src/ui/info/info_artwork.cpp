#include "ui/info/info_artwork.h"

#include <QConicalGradient>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

const QColor kTrack(0xd9, 0xdc, 0xe6);

constexpr int kBands = 11;
constexpr qreal kPi = 3.14159265358979;

// The gauge runs from red (band 1) over amber to green (band 11).
QColor BandColour(int band) {
    const qreal hue = 0.0 + 0.33 * static_cast<qreal>(std::clamp(band, 1, kBands) - 1) /
                                static_cast<qreal>(kBands - 1);
    return QColor::fromHsvF(static_cast<float>(hue), 0.85f, 0.92f);
}

QPointF OnArc(QPointF centre, qreal radius, qreal degrees) {
    const qreal radians = degrees * kPi / 180.0;
    return {centre.x() + radius * std::cos(radians), centre.y() - radius * std::sin(radians)};
}

QPainterPath StarPath(QPointF centre, qreal outer, qreal inner) {
    QPainterPath star;
    for (int point = 0; point < 10; ++point) {
        const qreal radius = point % 2 == 0 ? outer : inner;
        const QPointF at = OnArc(centre, radius, 90.0 + 36.0 * point);
        if (point == 0) {
            star.moveTo(at);
        } else {
            star.lineTo(at);
        }
    }
    star.closeSubpath();
    return star;
}

QPixmap Canvas(QSize size) {
    QPixmap pixmap(size * 2);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A semicircular meter: a grey track of eleven segments, the segments up to
// the band lit in their colours, a needle on the band and the band's mark.
void PaintGauge(QPainter& painter, int band) {
    const QSizeF size = kRatingPictureSize;
    const QPointF centre(size.width() / 2.0, size.height() - 21.0);
    const qreal outer = std::min(size.width() / 2.0 - 3.0, size.height() - 24.0);
    const qreal width = 11.0;
    const qreal gap = 2.2;
    const qreal step = 180.0 / kBands;

    // The dial's face.
    QRadialGradient face(centre, outer + 2.0);
    face.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    face.setColorAt(1.0, QColor(0xee, 0xf0, 0xf6));
    painter.setPen(QPen(QColor(0xb8, 0xbd, 0xcc), 1.0));
    painter.setBrush(face);
    QPainterPath dial;
    dial.moveTo(centre.x() - outer - 2.0, centre.y());
    dial.arcTo(QRectF(centre.x() - outer - 2.0, centre.y() - outer - 2.0, 2 * outer + 4.0,
                      2 * outer + 4.0),
               180.0, -180.0);
    dial.closeSubpath();
    painter.drawPath(dial);

    const qreal radius = outer - width / 2.0 - 2.0;
    const QRectF ring(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    for (int segment = 1; segment <= kBands; ++segment) {
        const qreal start = 180.0 - (segment - 1) * step - gap / 2.0;
        const bool lit = segment <= band;
        QColor colour = lit ? BandColour(segment) : kTrack;
        if (lit && segment == band) {
            colour = colour.lighter(112);
        }
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(ring, static_cast<int>(start * 16), static_cast<int>(-(step - gap) * 16));
    }

    if (band <= 0) {
        // No rating: a dimmed dial with a question mark where the needle would be.
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(17);
        painter.setFont(font);
        painter.setPen(QColor(0x8a, 0x90, 0xa4));
        painter.drawText(QRectF(centre.x() - 30, centre.y() - 30, 60, 28),
                         Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("?"));
        font.setPixelSize(9);
        painter.setFont(font);
        painter.drawText(QRectF(0, centre.y() + 4, size.width(), 14), Qt::AlignCenter,
                         QStringLiteral("NOT RATED"));
        return;
    }

    // The needle points at the middle of the band's segment.
    const qreal angle = 180.0 - (band - 0.5) * step;
    const QPointF tip = OnArc(centre, radius + width / 2.0 - 1.0, angle);
    const QPointF left = OnArc(centre, 3.2, angle + 90.0);
    const QPointF right = OnArc(centre, 3.2, angle - 90.0);
    QPainterPath needle;
    needle.moveTo(left);
    needle.lineTo(tip);
    needle.lineTo(right);
    needle.closeSubpath();
    painter.setPen(QPen(kInk, 0.8));
    painter.setBrush(kInk);
    painter.drawPath(needle);
    QRadialGradient hub(centre - QPointF(1, 1), 5.0);
    hub.setColorAt(0.0, BandColour(band).lighter(140));
    hub.setColorAt(1.0, BandColour(band).darker(130));
    painter.setBrush(hub);
    painter.drawEllipse(centre, 4.6, 4.6);

    // Five stars under the dial, filled in step with the band.
    const int stars = 5;
    const qreal starSize = 5.4;
    const qreal spacing = 14.0;
    const qreal left0 = centre.x() - spacing * (stars - 1) / 2.0;
    for (int star = 0; star < stars; ++star) {
        const QPointF at(left0 + spacing * star, centre.y() + 13.5);
        const QPainterPath path = StarPath(at, starSize, starSize * 0.45);
        painter.setPen(QPen(kInk.lighter(170), 0.6));
        painter.setBrush(kTrack);
        painter.drawPath(path);
        const qreal amount = std::clamp(static_cast<qreal>(band) / 2.2 - star, 0.0, 1.0);
        if (amount > 0.0) {
            painter.save();
            painter.setClipRect(
                QRectF(at.x() - starSize, at.y() - starSize, 2 * starSize * amount, 2 * starSize));
            painter.setPen(Qt::NoPen);
            painter.setBrush(kGold);
            painter.drawPath(path);
            painter.restore();
        }
    }
}

void PaintRibbon(QPainter& painter, const QSizeF& size, const QColor& left, const QColor& right) {
    const qreal middle = size.width() / 2.0;
    for (int side = 0; side < 2; ++side) {
        const qreal sign = side == 0 ? -1.0 : 1.0;
        QPainterPath ribbon;
        ribbon.moveTo(middle + sign * 2.0, 2.0);
        ribbon.lineTo(middle + sign * 14.0, 2.0);
        ribbon.lineTo(middle + sign * 8.0, 34.0);
        ribbon.lineTo(middle - sign * 4.0, 34.0);
        ribbon.closeSubpath();
        painter.setPen(QPen(kInk, 0.8));
        painter.setBrush(side == 0 ? left : right);
        painter.drawPath(ribbon);
    }
}

void PaintMedal(QPainter& painter, const QSizeF& size, const QColor& metal, bool gold) {
    const QPointF centre(size.width() / 2.0, size.height() - 20.0);
    const qreal radius = 17.0;
    if (gold) {
        // A burst of rays behind the gold medal.
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xff, 0xe0, 0x8a, 150));
        for (int ray = 0; ray < 12; ++ray) {
            QPainterPath path;
            path.moveTo(centre);
            path.lineTo(OnArc(centre, radius + 5.0, ray * 30.0 - 5.0));
            path.lineTo(OnArc(centre, radius + 5.0, ray * 30.0 + 5.0));
            path.closeSubpath();
            painter.drawPath(path);
        }
    }
    QRadialGradient disc(centre - QPointF(5, 6), radius * 1.4);
    disc.setColorAt(0.0, metal.lighter(150));
    disc.setColorAt(0.6, metal);
    disc.setColorAt(1.0, metal.darker(150));
    painter.setPen(QPen(metal.darker(190), 1.2));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(metal.darker(130), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 3.5, radius - 3.5);
    painter.setPen(QPen(metal.darker(200), 0.8));
    painter.setBrush(gold ? QColor(0xff, 0xf4, 0xc2) : QColor(0xfa, 0xfb, 0xff));
    painter.drawPath(StarPath(centre, radius - 6.0, (radius - 6.0) * 0.45));
}

struct BannerLook {
    QColor top;
    QColor bottom;
    QColor text;
    const char* title;
};

BannerLook LookOf(info::Board board) {
    switch (board) {
        case info::Board::HallOfFame:
            return {QColor(0xff, 0xd7, 0x6a), QColor(0xd9, 0x8a, 0x12), kInk, "Hall of Fame"};
        case info::Board::HallOfShame:
            return {QColor(0x6a, 0x5d, 0x8c), QColor(0x2b, 0x24, 0x45), QColor(0xf2, 0xee, 0xff),
                    "Hall of Shame"};
        case info::Board::GlobalHall:
            break;
    }
    return {QColor(0x5f, 0xd4, 0xf0), QColor(0x1b, 0x6f, 0xa8), Qt::white, "Global Hall"};
}

// The board's emblem in a square: a cup, a broken cup, a globe.
void PaintBoardEmblem(QPainter& painter, info::Board board, const QRectF& box) {
    const qreal s = box.width();
    painter.save();
    painter.translate(box.topLeft());
    painter.setPen(QPen(kInk, s / 22.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (board == info::Board::GlobalHall) {
        QRadialGradient sea(QPointF(0.4 * s, 0.38 * s), 0.5 * s);
        sea.setColorAt(0.0, kCyan.lighter(140));
        sea.setColorAt(1.0, kCyan.darker(150));
        painter.setBrush(sea);
        painter.drawEllipse(QRectF(0.1 * s, 0.1 * s, 0.8 * s, 0.8 * s));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(0.32 * s, 0.1 * s, 0.36 * s, 0.8 * s));
        painter.drawLine(QPointF(0.1 * s, 0.5 * s), QPointF(0.9 * s, 0.5 * s));
        painter.drawLine(QPointF(0.18 * s, 0.3 * s), QPointF(0.82 * s, 0.3 * s));
        painter.drawLine(QPointF(0.18 * s, 0.7 * s), QPointF(0.82 * s, 0.7 * s));
    } else {
        const bool shame = board == info::Board::HallOfShame;
        const QColor metal = shame ? QColor(0x9c, 0x94, 0xb4) : kGold;
        QPainterPath cup;
        cup.moveTo(0.24 * s, 0.14 * s);
        cup.lineTo(0.76 * s, 0.14 * s);
        cup.cubicTo(0.76 * s, 0.50 * s, 0.62 * s, 0.58 * s, 0.5 * s, 0.58 * s);
        cup.cubicTo(0.38 * s, 0.58 * s, 0.24 * s, 0.50 * s, 0.24 * s, 0.14 * s);
        QLinearGradient shine(0, 0, s, 0);
        shine.setColorAt(0.0, metal.lighter(130));
        shine.setColorAt(1.0, metal.darker(130));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(0.08 * s, 0.18 * s, 0.24 * s, 0.22 * s), 90 * 16, 180 * 16);
        painter.drawArc(QRectF(0.68 * s, 0.18 * s, 0.24 * s, 0.22 * s), 90 * 16, -180 * 16);
        painter.setBrush(shine);
        painter.drawPath(cup);
        painter.drawRect(QRectF(0.44 * s, 0.58 * s, 0.12 * s, 0.16 * s));
        painter.drawRoundedRect(QRectF(0.28 * s, 0.74 * s, 0.44 * s, 0.12 * s), 0.03 * s, 0.03 * s);
        if (shame) {
            // A crack down the cup.
            painter.setPen(QPen(kMagenta, s / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath crack;
            crack.moveTo(0.52 * s, 0.16 * s);
            crack.lineTo(0.44 * s, 0.28 * s);
            crack.lineTo(0.56 * s, 0.36 * s);
            crack.lineTo(0.47 * s, 0.5 * s);
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(crack);
        } else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0xff, 0xf4, 0xc2));
            painter.drawPath(StarPath(QPointF(0.5 * s, 0.33 * s), 0.12 * s, 0.055 * s));
        }
    }
    painter.restore();
}

}  // namespace

QPixmap RatingPicture(int band) {
    QPixmap pixmap = Canvas(kRatingPictureSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintGauge(painter, std::clamp(band, 0, kBands));
    return pixmap;
}

QPixmap AwardPicture(info::Award award) {
    if (award == info::Award::None) {
        return {};
    }
    QPixmap pixmap = Canvas(kAwardPictureSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = kAwardPictureSize;
    if (award == info::Award::GoldMedal) {
        PaintRibbon(painter, size, QColor(0xd6, 0x2f, 0x4b), QColor(0x2f, 0x5f, 0xd6));
        PaintMedal(painter, size, QColor(0xf0, 0xb4, 0x26), true);
    } else {
        PaintRibbon(painter, size, kCyan, kCyan.darker(130));
        PaintMedal(painter, size, QColor(0xb8, 0xc0, 0xcc), false);
    }
    return pixmap;
}

QPixmap BoardBanner(info::Board board) {
    const BannerLook look = LookOf(board);
    QPixmap pixmap = Canvas(kBannerSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(1, 1, kBannerSize.width() - 2, kBannerSize.height() - 2);
    QLinearGradient fill(area.topLeft(), area.bottomLeft());
    fill.setColorAt(0.0, look.top);
    fill.setColorAt(1.0, look.bottom);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(fill);
    painter.drawRoundedRect(area, 10, 10);
    // A band of light across the top, as on a lit sign.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawRoundedRect(QRectF(6, 4, area.width() - 10, area.height() / 2.6), 8, 8);

    PaintBoardEmblem(painter, board, QRectF(14, 6, 48, 48));
    PaintBoardEmblem(painter, board, QRectF(kBannerSize.width() - 62, 6, 48, 48));

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(30);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(font);
    const QRectF text(70, 0, kBannerSize.width() - 140, kBannerSize.height());
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(text.translated(2, 2), Qt::AlignCenter, QString::fromLatin1(look.title));
    painter.setPen(look.text);
    painter.drawText(text, Qt::AlignCenter, QString::fromLatin1(look.title));
    return pixmap;
}

QIcon BoardIcon(info::Board board) {
    QIcon icon;
    for (const int edge : {16, 24, 32, 48}) {
        QPixmap pixmap(edge * 2, edge * 2);
        pixmap.setDevicePixelRatio(2.0);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintBoardEmblem(painter, board, QRectF(0, 0, edge, edge));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace quorvex::ui
