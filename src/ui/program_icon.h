#pragma once
// The program's icon: the emblem of the main window, for the window frames and
// for the desktop menu.

#include <QIcon>
#include <QImage>

namespace quorvex::ui {

// The idle emblem on a transparent square of edge pixels.
QImage EmblemImage(int edge);

// The emblem at the sizes window frames and task bars ask for.
QIcon ProgramIcon();

}  // namespace quorvex::ui
