#include "sets/links.h"

#include <vector>

#include "platform/file_system.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

constexpr const char* kReleaseRomsQuestion = "Are you sure you want to release this roms link?";
constexpr const char* kReleaseSamplesQuestion =
    "Are you sure you want to release this samples link?";

ViewRefresh GameAndStatusLine() {
    ViewRefresh refresh;
    refresh.currentGame = true;
    refresh.statusLine = true;
    return refresh;
}

std::string SelectionMessage(const store::GameDatabase& games, int game, NeededFileKind theme,
                             bool valid) {
    const bool roms = theme == NeededFileKind::Roms;
    if (!valid) {
        return roms ? "Something went wrong!\nThe roms set found is not valid!\nTry again!"
                    : "Something went wrong!\nThe samples set found is not valid!\nTry again!";
    }
    if (!roms)
        return "Operation accomplished successfully!\nThe samples set found is valid!\n";
    std::string text = "Operation accomplished successfully!\nThe roms set found is valid!\n";
    if (games.Field(game, 'F').empty())
        return text;
    const std::string format = games.Field(game, 'W');
    if (store::EqualsNoCase(format, kSplittedFormat))
        text += "The file was a SPLITTED file zip!\n";
    else if (store::EqualsNoCase(format, kMergedFormat))
        text += "The file was a MERGED file zip!\n";
    else
        text += "The file was a STAND ALONE file zip!\n";
    return text;
}

void ClearRomLink(store::GameDatabase& games, int game) {
    games.SetField(game, 'C', "");
    games.SetField(game, 'W', "");
}

bool DeleteAfterConfirmation(const std::string& question, const std::string& path,
                             store::UserFeedback& feedback) {
    if (!feedback.AskYesNo(question))
        return false;
    platform::RemoveFile(path);
    return true;
}

}  // namespace

LinkCommandResult SelectSetFile(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                                std::string_view description, const std::string& chosenZip,
                                NeededFileKind theme, const catalogue::NeededFileCache* cache,
                                store::UserFeedback& feedback, catalogue::MessagePump* pump) {
    LinkCommandResult result;
    result.refresh = GameAndStatusLine();
    const std::optional<int> game = store::FindGameByDescription(games, description);
    if (!game || chosenZip.empty())
        return result;
    const std::string before = games[*game].line;
    SetScanner scanner(games, emulator, pump);
    scanner.UseNeededFileCache(cache);
    const int links = scanner.AccurateScanAt(*game, chosenZip, theme);
    result.changed = links > 0 || games[*game].line != before;
    feedback.ShowMessage(scanner.UnstorablePaths().empty()
                             ? SelectionMessage(games, *game, theme, links >= 1)
                             : UnstorablePathsMessage(scanner.UnstorablePaths()),
                         store::MessageIcon::Exclamation);
    return result;
}

LinkCommandResult ReleaseRomsLink(store::GameDatabase& games, std::string_view description,
                                  store::UserFeedback& feedback) {
    LinkCommandResult result;
    const std::optional<int> game = store::FindGameByDescription(games, description);
    if (!game)
        return result;
    result.refresh = GameAndStatusLine();
    if (!games.Field(*game, 'F').empty()) {
        if (feedback.AskYesNo(kReleaseRomsQuestion)) {
            ClearRomLink(games, *game);
            result.changed = true;
        }
        return result;
    }

    // The clones that lose their set with the original's zip: SPLITTED ones
    // need it beside their own, MERGED ones live in it.
    const std::string rawName = games.Field(*game, 'A');
    std::vector<int> dependent;
    std::string names;
    for (int i = 0; i < games.count(); ++i) {
        if (i == *game || rawName.empty() || !store::EqualsNoCase(games.Field(i, 'F'), rawName))
            continue;
        const std::string format = games.Field(i, 'W');
        if (format.empty())
            continue;
        dependent.push_back(i);
        names += games[i].description;
        names += store::EqualsNoCase(format, kMergedFormat) ? " (Merged)\n" : " (Splitted)\n";
    }
    const std::string question =
        dependent.empty()
            ? std::string(kReleaseRomsQuestion)
            : "Warning!\nBy releasing the roms link of ' " + games[*game].description +
                  " '\nQVX have to release also the roms link of his clones\nbecause their roms "
                  "set are splitted or merged!\nThe following clones will lose their roms "
                  "link:\n" +
                  names + "Are you sure you want to continue?";
    if (!feedback.AskYesNo(question))
        return result;
    ClearRomLink(games, *game);
    for (int clone : dependent)
        ClearRomLink(games, clone);
    result.changed = true;
    return result;
}

LinkCommandResult ReleaseSamplesLink(store::GameDatabase& games, std::string_view description,
                                     store::UserFeedback& feedback) {
    LinkCommandResult result;
    const std::optional<int> game = store::FindGameByDescription(games, description);
    if (!game || !feedback.AskYesNo(kReleaseSamplesQuestion))
        return result;
    games.SetField(*game, 'D', "");
    result.changed = true;
    result.refresh = GameAndStatusLine();
    return result;
}

bool ResetHighScoreTable(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                         std::string_view description, store::UserFeedback& feedback) {
    const std::optional<int> game = store::FindGameByDescription(games, description);
    return game &&
           DeleteAfterConfirmation(
               "Are you sure you want to delete the current\nhigh score table of this game?",
               emulator.hi + games.Field(*game, 'A') + ".hi", feedback);
}

bool ResetDipSwitchSettings(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                            std::string_view description, store::UserFeedback& feedback) {
    const std::optional<int> game = store::FindGameByDescription(games, description);
    return game && DeleteAfterConfirmation(
                       "Are you sure you want to delete the current\n"
                       "configuration of the dip swith settings for this game?",
                       emulator.cfg + games.Field(*game, 'A') + ".cfg", feedback);
}

}  // namespace quorvex::sets
