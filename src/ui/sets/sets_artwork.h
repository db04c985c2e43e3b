#pragma once
// The pictures of the Setup page's buttons, drawn in code like the rest of
// the program's artwork.

#include <QIcon>
#include <QPixmap>

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
QIcon SetsIcon(SetsArtwork which);

}  // namespace quorvex::ui
