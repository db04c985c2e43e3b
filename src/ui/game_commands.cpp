#include "ui/game_commands.h"

#include <QAction>
#include <QMenu>

#include <array>

namespace quorvex::ui {
namespace {

constexpr std::array<GameMenuEntry, 11> kEntries{{
    {GameCommand::Play, "Play", true},
    {GameCommand::ReleaseRomsLink, "Release Roms link", false},
    {GameCommand::ReleaseSamplesLink, "Release Samples link", true},
    {GameCommand::SelectRomsFile, "Select Roms file....", false},
    {GameCommand::SelectSamplesFile, "Select Samples file....", true},
    {GameCommand::CreateStandAloneFamily, "Try to create Stand Alone zip files for all his family!",
     false},
    {GameCommand::CreateSplittedFamily, "Try to create Splitted zip files for all his family!",
     false},
    {GameCommand::CreateMergedFamily, "Try to create one big Merged file for all his family!",
     true},
    {GameCommand::ResetHighScores, "Reset High Score table", false},
    {GameCommand::ResetDipSwitches, "Reset Dip-Switch Settings", true},
    {GameCommand::Cancel, "Cancel", false},
}};

}  // namespace

std::span<const GameMenuEntry> GameMenuEntries() {
    return kEntries;
}

void PopulateGameMenu(QMenu& menu, const std::function<void(GameCommand)>& chosen) {
    for (const GameMenuEntry& entry : kEntries) {
        const GameCommand command = entry.command;
        QAction* action = menu.addAction(QString::fromLatin1(entry.text));
        QObject::connect(action, &QAction::triggered, &menu, [chosen, command]() {
            if (chosen) {
                chosen(command);
            }
        });
        if (entry.separatorAfter) {
            menu.addSeparator();
        }
    }
}

}  // namespace quorvex::ui
