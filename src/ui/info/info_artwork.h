#pragma once
// The pictures of the information page and the Statistics window: the
// rating meter (a gauge for each of the eleven bands and one without a
// rating), the two awards, the boards' banners and button pictures, all
// drawn in code like the rest of the program's artwork.

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include "info/game_info.h"
#include "info/statistics.h"

namespace quorvex::ui {

// The gauge for band 1 to 11, or the no-rating gauge for 0.
inline constexpr QSize kRatingPictureSize(116, 80);
QPixmap RatingPicture(int band);

// The rosette for the tenth band and the gold medal for the eleventh; a null
// pixmap for Award::None.
inline constexpr QSize kAwardPictureSize(46, 68);
QPixmap AwardPicture(info::Award award);

// The 400 by 60 banner with the board's name shown above its list.
inline constexpr QSize kBannerSize(400, 60);
QPixmap BoardBanner(info::Board board);
QIcon BoardIcon(info::Board board);

}  // namespace quorvex::ui
