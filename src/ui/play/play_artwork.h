#pragma once
// The pictures of the settings pages' buttons, drawn in code like the rest
// of the program's artwork.

#include <QIcon>
#include <QPixmap>

#include "ui/drawing.h"

namespace quorvex::ui {

enum class PlayArtwork {
    Save,
    New,
    Delete,
    Cancel,
    ApplySingle,  // one setting to the selected games
    ApplyAll,     // every setting to the selected games
    WithEqual,    // select the games with equal settings
    SelectAll,
};

QPixmap PlayPixmap(PlayArtwork which, int edge);
inline QIcon PlayIcon(PlayArtwork which) {
    return PictureIcon(PlayPixmap, which);
}

}  // namespace quorvex::ui
