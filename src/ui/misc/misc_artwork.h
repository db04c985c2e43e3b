#pragma once
// The pictures of the Misc and Snaps pages' buttons and the picture shown
// when a game has no snapshot, drawn in code like the rest of the artwork.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace quorvex::ui {

enum class MiscArtwork {
    Modify,          // a pencil over a sheet
    Replay,          // a tape with a play mark
    StartSlideshow,  // a picture frame with a play mark
    StopSlideshow,   // the frame with a stop mark
    Previous,
    Next,
};

QPixmap MiscPixmap(MiscArtwork which, int edge);
QIcon MiscIcon(MiscArtwork which);

// A dark arcade screen with a camera and the hint to take snapshots.
QPixmap NoSnapshotPicture(const QSize& size);

}  // namespace quorvex::ui
