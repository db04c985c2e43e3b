#pragma once
// The pictures of the browsing pages' buttons, drawn in code like the rest
// of the program's artwork.

#include <QIcon>
#include <QPixmap>

#include "ui/drawing.h"

namespace quorvex::ui {

enum class BrowseArtwork {
    Play,
    RandomPlay,
    Family,       // Family! while the whole list is shown
    FamilyShown,  // Family! while a family is shown: the way back
    And,
    Or,
    Ascending,
    Descending,
};

QPixmap BrowsePixmap(BrowseArtwork which, int edge);
inline QIcon BrowseIcon(BrowseArtwork which) {
    return PictureIcon(BrowsePixmap, which);
}

}  // namespace quorvex::ui
