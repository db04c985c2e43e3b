#pragma once
// The pictures of the Setup page's buttons, drawn in code like the rest of
// the program's artwork.

#include <QIcon>
#include <QPixmap>

#include "ui/drawing.h"

namespace quorvex::ui {

enum class SetsArtwork {
    Roms,        // the theme button in the ROMs theme: a chip
    Samples,     // in the samples theme: a loudspeaker
    Scan,        // a magnifier over a zip
    SelectAll,   // a list with every row marked
    StandAlone,  // one box per game
    Merged,      // one big box
    Splitted,    // a big box and small ones beside it
};

QPixmap SetsPixmap(SetsArtwork which, int edge);
inline QIcon SetsIcon(SetsArtwork which) {
    return PictureIcon(SetsPixmap, which);
}

}  // namespace quorvex::ui
