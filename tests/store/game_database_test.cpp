#include <gtest/gtest.h>

#include "store/game_database.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// Records what a save shows of its progress.
class RecordingProgress : public SilentProgress {
public:
    void Open(const std::string& title, bool) override { log += "open " + title + ";"; }
    void SetRange(int lower, int upper) override {
        log += "range " + std::to_string(lower) + "-" + std::to_string(upper) + ";";
    }
    void SetText(const std::string& text) override { log += "text " + text + ";"; }
    void Step() override { log += "step;"; }
    void Close() override { log += "close;"; }
    std::string log;
};

const std::string kPacman = "+:A:pacman:+ +:B:Pac-Man (Midway):+ +:S:0:+\xA7 +:1:ON:+";
const std::string kGalaga = "+:A:galaga:+ +:B:Galaga:+\xA7";

TEST(GameDatabase, LoadsAndSavesByteForByte) {
    testing::TempDir temp;
    const std::string path = temp.File("mamegame.qvx");
    const std::string text = "+:GAMES_COUNT:2:+\r\n" + kPacman + "\r\n" + kGalaga + "\r\n";
    WriteBytes(path, text);
    auto games = LoadGameDatabase(path);
    ASSERT_TRUE(games);
    ASSERT_EQ(games->count(), 2);
    EXPECT_EQ((*games)[0].description, "Pac-Man (Midway)");
    EXPECT_EQ(games->Field(1, 'A'), "galaga");

    RecordingProgress progress;
    ASSERT_TRUE(SaveGameDatabase(*games, path, progress));
    EXPECT_EQ(ReadBytes(path), text);
    EXPECT_EQ(progress.log, "open Please wait!;text Saving data...;range 0-1;step;close;");
}

TEST(GameDatabase, HeaderCountNeverLosesOrInventsGames) {
    testing::TempDir temp;
    const std::string path = temp.File("mamegame.qvx");
    // A count smaller than the lines: every line is still a game and survives a save.
    WriteBytes(path, "+:GAMES_COUNT:1:+\r\n" + kPacman + "\r\n" + kGalaga + "\r\n\r\n");
    auto games = LoadGameDatabase(path);
    ASSERT_TRUE(games);
    EXPECT_EQ(games->count(), 2);
    SilentProgress progress;
    ASSERT_TRUE(SaveGameDatabase(*games, path, progress));
    EXPECT_EQ(ReadBytes(path), "+:GAMES_COUNT:2:+\r\n" + kPacman + "\r\n" + kGalaga + "\r\n");

    // A count larger than the lines does not make empty games.
    WriteBytes(path, "+:GAMES_COUNT:5:+\r\n" + kGalaga + "\r\n");
    EXPECT_EQ(LoadGameDatabase(path)->count(), 1);

    // Blank and nameless lines are no games, wherever they stand.
    WriteBytes(path, "+:GAMES_COUNT:4:+\r\n\r\n+:B:No name:+\xA7\r\n" + kGalaga + "\r\n  \r\n");
    ASSERT_EQ(LoadGameDatabase(path)->count(), 1);
    EXPECT_EQ((*LoadGameDatabase(path))[0].description, "Galaga");

    // A database made from scratch, or an empty file, loads as no games.
    WriteBytes(path, " +:GAMES_COUNT:0:+\xA7\r\n");
    EXPECT_TRUE(LoadGameDatabase(path)->empty());
    WriteBytes(path, "");
    EXPECT_TRUE(LoadGameDatabase(path)->empty());
    EXPECT_FALSE(LoadGameDatabase(temp.File("none.qvx")));
}

TEST(GameDatabase, FindsTheFirstGameOfADescriptionAndTellsUnknownApart) {
    std::vector<GameRecord> records;
    for (const char* description : {"Alpha", "Beta", "Alpha", ""}) {
        GameRecord record;
        record.description = description;
        record.line = std::string("+:B:") + description + ":+";
        records.push_back(record);
    }
    GameDatabase games(records);
    EXPECT_EQ(FindGameByDescription(games, "Alpha"), 0);
    EXPECT_EQ(FindGameByDescription(games, "Beta"), 1);
    EXPECT_EQ(FindGameByDescription(games, ""), 3);
    EXPECT_EQ(FindGameByDescription(games, "alpha"), std::nullopt);
    EXPECT_EQ(FindGameByDescription(games, "Gamma"), std::nullopt);

    // Reordering the games (a sorting) moves the answer with them.
    auto& mutableRecords = games.MutableRecords();
    std::swap(mutableRecords[0], mutableRecords[1]);
    EXPECT_EQ(FindGameByDescription(games, "Beta"), 0);
    EXPECT_EQ(FindGameByDescription(games, "Alpha"), 1);

    // Records replaced through a reference taken before a lookup.
    GameDatabase copy = games;
    auto& held = games.MutableRecords();
    EXPECT_EQ(FindGameByDescription(games, "Beta"), 0);
    held = {records[3], records[2]};
    EXPECT_EQ(FindGameByDescription(games, "Beta"), std::nullopt);
    EXPECT_EQ(FindGameByDescription(games, "Alpha"), 1);
    held.clear();
    EXPECT_EQ(FindGameByDescription(games, "Alpha"), std::nullopt);
    // A copy answers from its own records.
    EXPECT_EQ(FindGameByDescription(copy, "Beta"), 0);
}

TEST(GameDatabase, FieldChangesKeepTheSettingValues) {
    GameRecord record;
    record.line = kPacman;
    GameDatabase games({record});
    games.SetField(0, 'G', "Sat  5 Dec 2026");
    games.SetField(0, 'S', "");
    EXPECT_EQ(games[0].line,
              "+:A:pacman:+ +:B:Pac-Man (Midway):+  +:G:Sat  5 Dec 2026:+\xA7 +:1:ON:+");
}

}  // namespace
}  // namespace quorvex::store
