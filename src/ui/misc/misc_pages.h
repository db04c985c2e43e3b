#pragma once
// Puts the Misc page (cheats and replays) and the Snaps page into the main
// window.

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::ui {

class GameLauncher;
class MainWindow;
class MiscPage;
class SnapshotsPage;

struct MiscPages {
    MiscPage* misc = nullptr;
    SnapshotsPage* snapshots = nullptr;
};

// The window owns the pages; session must outlive it. The Misc page's
// messages and questions go through feedback, or, when it is null, through
// message boxes captioned "Quorvex Windows" over the window. Replays play
// through launcher; without one they are only listed and deleted.
MiscPages InstallMiscPages(MainWindow& window, store::Session& session, GameLauncher* launcher,
                           store::UserFeedback* feedback = nullptr);

}  // namespace quorvex::ui
