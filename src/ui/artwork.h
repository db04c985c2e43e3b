#pragma once
// The program's own pictures, all drawn in code so that nothing depends on
// image files beside the executable.

#include <QIcon>
#include <QPixmap>

#include <QRectF>
#include <QSize>
#include "ui/drawing.h"

class QPainter;

namespace quorvex::ui {

inline constexpr int kBusyFrameCount = 20;

// The emblem in box: frame 0 is the idle picture, 1 to kBusyFrameCount the
// busy animation (the marquee lights chase round and the stick rocks).
void PaintEmblem(QPainter& painter, const QRectF& box, int frame);

// The splash window's picture: emblem, name and version on a night-sky grid.
QPixmap SplashPicture(const QSize& size);

enum class Artwork { Folder, Credits, Statistics, Quit, NewGames, GoneGames };

// A picture for a button or a label, drawn at the given edge length.
QPixmap ArtworkPixmap(Artwork which, int edge);
inline QIcon ArtworkIcon(Artwork which) {
    return PictureIcon(ArtworkPixmap, which);
}

}  // namespace quorvex::ui
