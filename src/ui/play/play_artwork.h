#pragma once
// The pictures of the settings pages' buttons, drawn in code like the rest
// of the program's artwork.

#include <QIcon>
#include <QPixmap>

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
QIcon PlayIcon(PlayArtwork which);

}  // namespace quorvex::ui
