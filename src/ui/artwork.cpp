#include "ui/artwork.h"

#include <QConicalGradient>
#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>

#include "ui/drawing.h"

namespace quorvex::ui {
namespace {

// Brightness of one marquee light: the lit one and a fading trail behind it.
qreal LightLevel(int light, int frame) {
    if (frame <= 0) {
        return 0.55;
    }
    const int behind = ((frame - 1 - light) % kBusyFrameCount + kBusyFrameCount) % kBusyFrameCount;
    static constexpr qreal kTrail[] = {1.0, 0.7, 0.45, 0.28};
    return behind < 4 ? kTrail[behind] : 0.15;
}

void PaintMarquee(QPainter& painter, int frame) {
    for (int light = 0; light < kBusyFrameCount; ++light) {
        const QPointF centre = OnCircle(40.5, -90.0 + light * 360.0 / kBusyFrameCount);
        const qreal level = LightLevel(light, frame);
        if (level > 0.6) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Glow(centre, 7.0, QColor(255, 230, 150, static_cast<int>(200 * level)),
                                  QColor(255, 200, 80, 0)));
            painter.drawEllipse(centre, 7.0, 7.0);
        }
        QColor colour = kGold;
        if (level > 0.9) {
            colour = QColor(255, 248, 220);
        }
        colour.setAlphaF(static_cast<float>(0.35 + 0.65 * level));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        const qreal radius = 2.2 + 1.4 * level;
        painter.drawEllipse(centre, radius, radius);
    }
}

void PaintStick(QPainter& painter, int frame) {
    // The stick rocks through one full swing per turn of the marquee.
    const qreal tilt =
        frame <= 0 ? 0.0 : 14.0 * std::sin(2.0 * std::numbers::pi * (frame - 1) / kBusyFrameCount);
    const QPointF pivot(11.0, 11.0);
    const QPointF tip = pivot + OnCircle(21.0, 45.0 + tilt);

    painter.setPen(CapPen(kInk, 7.0));
    painter.drawLine(pivot, tip);
    painter.setPen(
        CapPen(Gradient(pivot, tip, QColor(0xb8, 0xbc, 0xd8), QColor(0xf4, 0xf5, 0xff)), 3.6));
    painter.drawLine(pivot, tip);

    painter.setPen(QPen(kGold, 1.4));
    painter.setBrush(kInk);
    painter.drawEllipse(pivot, 4.0, 3.0);

    QRadialGradient ball(tip + QPointF(-2.2, -2.4), 8.0);
    ball.setColorAt(0.0, QColor(0xff, 0xb0, 0xb0));
    ball.setColorAt(0.35, QColor(0xff, 0x3a, 0x4a));
    ball.setColorAt(1.0, QColor(0x8a, 0x00, 0x1c));
    painter.setPen(QPen(QColor(0x4a, 0x00, 0x10), 0.8));
    painter.setBrush(ball);
    painter.drawEllipse(tip, 6.8, 6.8);
}

void PaintFolder(QPainter& painter, qreal s) {
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), s / 24.0));
    painter.setBrush(QColor(0xe0, 0x9a, 0x1e));
    painter.drawPath(ClosedPath(
        s, {{0.08, 0.24}, {0.38, 0.24}, {0.46, 0.32}, {0.92, 0.32}, {0.92, 0.84}, {0.08, 0.84}}));
    painter.setBrush(
        Gradient({0, 0.4 * s}, {0, 0.84 * s}, QColor(0xff, 0xd8, 0x6a), QColor(0xf0, 0xa8, 0x28)));
    painter.drawPath(ClosedPath(s, {{0.16, 0.42}, {0.98, 0.42}, {0.90, 0.84}, {0.08, 0.84}}));
}

void PaintCredits(QPainter& painter, qreal s) {
    painter.setPen(RoundPen(QColor(0x9a, 0x5c, 0x00), s / 28.0));
    painter.setBrush(
        Gradient({0, 0.1 * s}, {0, 0.9 * s}, QColor(0xff, 0xe6, 0x8a), QColor(0xe0, 0x8c, 0x10)));
    painter.drawPath(RadialPolygon(QPointF(0.44 * s, 0.56 * s), 0.40 * s, 0.17 * s, 5, -90.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNeonCyan);
    painter.drawPath(RadialPolygon(QPointF(0.84 * s, 0.18 * s), 0.14 * s, 0.04 * s, 4, -90.0));
    painter.setBrush(kMagenta);
    painter.drawPath(RadialPolygon(QPointF(0.86 * s, 0.62 * s), 0.09 * s, 0.03 * s, 4, -90.0));
}

void PaintStatistics(QPainter& painter, qreal s) {
    const struct {
        qreal left;
        qreal top;
        QColor colour;
    } bars[] = {{0.12, 0.52, QColor(0x3d, 0x8b, 0xff)},
                {0.40, 0.22, QColor(0x2f, 0xb8, 0x5a)},
                {0.68, 0.38, QColor(0xff, 0x9a, 0x1e)}};
    for (const auto& bar : bars) {
        const QRectF area(bar.left * s, bar.top * s, 0.22 * s, (0.86 - bar.top) * s);
        painter.setPen(QPen(bar.colour.darker(170), s / 32.0));
        painter.setBrush(Gradient(area.topLeft(), area.topRight(), bar.colour.lighter(130),
                                  bar.colour.darker(115)));
        painter.drawRoundedRect(area, s / 24.0, s / 24.0);
    }
    painter.setPen(CapPen(QColor(0x40, 0x40, 0x50), s / 16.0));
    painter.drawLine(QPointF(0.06 * s, 0.88 * s), QPointF(0.94 * s, 0.88 * s));
}

void PaintQuit(QPainter& painter, qreal s) {
    const QPointF centre(0.5 * s, 0.54 * s);
    const qreal radius = 0.34 * s;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(CapPen(QColor(0xd0, 0x1c, 0x3a), 0.13 * s));
    // An arc open at the top, with the switch's bar standing in the gap.
    painter.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                    120 * 16, 300 * 16);
    painter.drawLine(QPointF(0.5 * s, 0.10 * s), QPointF(0.5 * s, 0.50 * s));
}

void PaintBadge(QPainter& painter, qreal s, const QColor& colour, bool plus) {
    painter.setPen(QPen(colour.darker(160), s / 24.0));
    painter.setBrush(
        Glow(QPointF(0.38 * s, 0.32 * s), 0.7 * s, colour.lighter(150), colour.darker(120)));
    painter.drawEllipse(QPointF(0.5 * s, 0.5 * s), 0.44 * s, 0.44 * s);
    painter.setPen(CapPen(Qt::white, 0.13 * s));
    painter.drawLine(QPointF(0.28 * s, 0.5 * s), QPointF(0.72 * s, 0.5 * s));
    if (plus) {
        painter.drawLine(QPointF(0.5 * s, 0.28 * s), QPointF(0.5 * s, 0.72 * s));
    }
}

void PaintNewGames(QPainter& painter, qreal s) {
    PaintBadge(painter, s, QColor(39, 94, 36).lighter(140), true);
}

void PaintGoneGames(QPainter& painter, qreal s) {
    PaintBadge(painter, s, QColor(200, 0, 55), false);
}

void PaintStars(QPainter& painter, const QSize& size, int bottom) {
    // A fixed sequence, so the sky is the same at every start.
    std::uint32_t seed = 20260601u;
    const auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const qreal x = next() % static_cast<std::uint32_t>(size.width());
        const qreal y = next() % static_cast<std::uint32_t>(std::max(1, bottom));
        const int alpha = 60 + static_cast<int>(next() % 160);
        const qreal radius = (next() % 3 == 0) ? 1.2 : 0.7;
        painter.setBrush(QColor(255, 255, 255, alpha));
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
}

void PaintGrid(QPainter& painter, const QSize& size, qreal horizon) {
    const qreal width = size.width();
    const qreal height = size.height();
    painter.fillRect(
        QRectF(0, horizon, width, height - horizon),
        Gradient({0, horizon}, {0, height}, QColor(0x2a, 0x08, 0x40), QColor(0x0a, 0x02, 0x18)));

    // A flattened glow where the sun has just set.
    const qreal reach = width * 0.6;
    QRadialGradient glow(QPointF(0, 0), reach);
    glow.setColorAt(0.0, QColor(255, 90, 150, 150));
    glow.setColorAt(0.5, QColor(255, 60, 140, 40));
    glow.setColorAt(1.0, QColor(255, 60, 140, 0));
    painter.save();
    painter.translate(width / 2, horizon);
    painter.scale(1.0, 0.3);
    painter.fillRect(QRectF(-reach, -reach, 2 * reach, 2 * reach), glow);
    painter.restore();

    painter.setPen(QPen(QColor(255, 61, 139, 150), 1.0));
    for (int row = 1; row <= 8; ++row) {
        const qreal t = row / 8.0;
        const qreal y = horizon + (height - horizon) * t * t;
        painter.drawLine(QPointF(0, y), QPointF(width, y));
    }
    const QPointF vanishing(width / 2, horizon);
    for (int column = -10; column <= 10; ++column) {
        painter.drawLine(vanishing, QPointF(width / 2 + column * width / 7.0, height));
    }
    painter.setPen(QPen(QColor(255, 160, 200, 200), 1.5));
    painter.drawLine(QPointF(0, horizon), QPointF(width, horizon));
}

void PaintSplash(QPainter& painter, const QSize& size) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal width = size.width();
    const qreal height = size.height();
    const qreal horizon = height * 0.78;

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(0x06, 0x09, 0x22));
    sky.setColorAt(0.6, QColor(0x1e, 0x0f, 0x48));
    sky.setColorAt(1.0, QColor(0x4a, 0x12, 0x58));
    painter.fillRect(QRectF(0, 0, width, horizon), sky);
    PaintStars(painter, size, static_cast<int>(horizon * 0.8));
    PaintGrid(painter, size, horizon);

    const qreal emblemSide = height * 0.44;
    PaintEmblem(painter, QRectF((width - emblemSide) / 2, height * 0.07, emblemSide, emblemSide),
                0);

    QFont title(painter.font());
    title.setPixelSize(static_cast<int>(height * 0.105));
    title.setBold(true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, height * 0.018);
    painter.setFont(title);
    const QRectF titleBox(0, height * 0.54, width, height * 0.13);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(titleBox.translated(2, 2), Qt::AlignCenter, QStringLiteral("QUORVEX"));
    QLinearGradient gold(0, titleBox.top(), 0, titleBox.bottom());
    gold.setColorAt(0.0, QColor(0xff, 0xf0, 0xb0));
    gold.setColorAt(0.55, kGold);
    gold.setColorAt(1.0, QColor(0xd0, 0x70, 0x10));
    painter.setPen(QPen(QBrush(gold), 1));
    painter.drawText(titleBox, Qt::AlignCenter, QStringLiteral("QUORVEX"));

    QFont subtitle(painter.font());
    subtitle.setPixelSize(static_cast<int>(height * 0.045));
    subtitle.setBold(false);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xc8, 0xd8, 0xff));
    painter.drawText(QRectF(0, height * 0.665, width, height * 0.07), Qt::AlignCenter,
                     QStringLiteral("arcade front-end  \u00b7  version 1.2"));
}

}  // namespace

void PaintEmblem(QPainter& painter, const QRectF& box, int frame) {
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(side / 100.0, side / 100.0);

    painter.setPen(QPen(kGold, 2.4));
    painter.setBrush(
        Glow(QPointF(-12, -16), 64, QColor(0x4a, 0x3d, 0x8f), QColor(0x12, 0x10, 0x32)));
    painter.drawEllipse(QPointF(0, 0), 47.5, 47.5);

    PaintMarquee(painter, frame);

    painter.setPen(QPen(QColor(0x7a, 0x6c, 0xff, 160), 1.2));
    painter.setBrush(
        Glow(QPointF(-8, -10), 40, QColor(0x2c, 0x31, 0x80), QColor(0x0b, 0x0b, 0x24)));
    painter.drawEllipse(QPointF(0, 0), 34.0, 34.0);

    // The ring of the letter, open where the stick crosses it.
    QConicalGradient ring(QPointF(0, 0), 90.0);
    ring.setColorAt(0.0, kNeonCyan);
    ring.setColorAt(0.5, kMagenta);
    ring.setColorAt(1.0, kNeonCyan);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QBrush(ring), 8.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(-20, -20, 40, 40), -20 * 16, 310 * 16);

    PaintStick(painter, frame);
    painter.restore();
}

QPixmap SplashPicture(const QSize& size) {
    // Every pixel is painted, so the ground colour never shows.
    return RenderPicture(size, 1.0, Qt::black,
                         [&size](QPainter& painter) { PaintSplash(painter, size); });
}

QPixmap ArtworkPixmap(Artwork which, int edge) {
    // In the order of the enum.
    static constexpr PaintPicture kPictures[] = {PaintFolder, PaintCredits,  PaintStatistics,
                                                 PaintQuit,   PaintNewGames, PaintGoneGames};
    return SquarePicture(PictureAt(kPictures, which), edge);
}

}  // namespace quorvex::ui
