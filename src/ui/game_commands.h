#pragma once
// The commands of the games list's context menu, which act on the selected
// game (the one in LAST_GAME_SELECTION).

#include <QMetaType>

#include <functional>
#include <span>

#include "browse/game_menu.h"

class QMenu;

namespace quorvex::ui {

// The menu's entries are the core's, which also decides their enabled states.
using GameCommand = browse::GameMenuItem;

struct GameMenuEntry {
    GameCommand command;
    const char* text;
    bool separatorAfter;
};

// The menu's entries in their order, with the separators that follow them.
std::span<const GameMenuEntry> GameMenuEntries();

// Fills menu with every entry; choosing one calls chosen with its command.
void PopulateGameMenu(QMenu& menu, const std::function<void(GameCommand)>& chosen);

}  // namespace quorvex::ui

Q_DECLARE_METATYPE(quorvex::ui::GameCommand)
