#pragma once
// The pictures of the Utilities page's buttons, drawn in code like the rest
// of the program's artwork.

#include <QIcon>
#include <QPixmap>

namespace quorvex::ui {

enum class UtilitiesArtwork {
    OldData,      // a floppy disk of the old front-end
    OldPictures,  // a framed picture
    Versions,     // a label tag
    Cheats,       // a key
    Move,         // an arrow leaving a sheet behind nothing
    Copy,         // two sheets
};

QPixmap UtilitiesPixmap(UtilitiesArtwork which, int edge);
QIcon UtilitiesIcon(UtilitiesArtwork which);

}  // namespace quorvex::ui
