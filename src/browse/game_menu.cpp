#include "browse/game_menu.h"

#include "store/record_file.h"
#include "store/record_line.h"

namespace quorvex::browse {

namespace {

// The captions of a menu that nothing has adjusted yet.
GameMenu BaseMenu() {
    GameMenu menu;
    constexpr std::array<const char*, kGameMenuItemCount> captions = {
        "Play",
        "Release Roms link",
        "Release Samples link",
        "Select Roms file....",
        "Select Samples file....",
        "Try to create Stand Alone zip files for all his family!",
        "Try to create Splitted zip files for all his family!",
        "Try to create one big Merged file for all his family!",
        "Reset High Score table",
        "Reset Dip-Switch Settings",
        "Cancel"};
    for (std::size_t i = 0; i < kGameMenuItemCount; ++i) {
        menu[i].caption = captions[i];
    }
    return menu;
}

GameMenuItemState& Entry(GameMenu& menu, GameMenuItem item) {
    return menu[static_cast<std::size_t>(item)];
}

}  // namespace

GameFiles FindGameFiles(const store::EmulatorPaths& paths, std::string_view rawName) {
    GameFiles files;
    if (rawName.empty()) {
        return files;
    }
    const std::string name(rawName);
    files.highScores = store::FileExists(paths.hi + name + ".hi");
    files.dipSwitches = store::FileExists(paths.cfg + name + ".cfg");
    return files;
}

GameMenu GameMenuFor(std::string_view gameLine, std::string_view description,
                     const GameFiles& files) {
    GameMenu menu = BaseMenu();
    Entry(menu, GameMenuItem::Play).caption = "Play '" + std::string(description) + "' !";

    const bool hasRoms = !store::RecordValueView(gameLine, "C").empty();
    Entry(menu, GameMenuItem::Play).enabled = hasRoms || files.needsNoRoms;
    Entry(menu, GameMenuItem::ReleaseRomsLink).enabled = hasRoms;
    Entry(menu, GameMenuItem::SelectRomsFile).caption =
        hasRoms ? "Change Roms file ..." : "Select Roms file ...";

    const bool hasSamples = !store::RecordValueView(gameLine, "D").empty();
    const bool needsSamples = !store::RecordValueView(gameLine, "L").empty();
    GameMenuItemState& release = Entry(menu, GameMenuItem::ReleaseSamplesLink);
    GameMenuItemState& select = Entry(menu, GameMenuItem::SelectSamplesFile);
    if (hasSamples) {
        select.caption = "Change Samples file ...";
    } else if (needsSamples) {
        release.enabled = false;
        select.caption = "Select Samples file ...";
    } else {
        release.enabled = false;
        select.enabled = false;
    }

    Entry(menu, GameMenuItem::ResetHighScores).enabled = files.highScores;
    Entry(menu, GameMenuItem::ResetDipSwitches).enabled = files.dipSwitches;
    return menu;
}

GameMenu GameMenuWithoutGame() {
    GameMenu menu = BaseMenu();
    for (GameMenuItemState& entry : menu) {
        entry.enabled = false;
    }
    Entry(menu, GameMenuItem::Cancel).enabled = true;
    return menu;
}

}  // namespace quorvex::browse
