// The program's own data files: the game database, the defaults written
// when a file is missing, and the state kept between runs.

#include <gtest/gtest.h>

#include "store/default_files.h"
#include "store/definitions.h"
#include "store/game_database.h"
#include "store/state_file.h"
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

TEST(GameDatabase, LoadsAndSavesByteForByteAndTheHeaderCountNeverLosesOrInventsGames) {
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

    // Field changes keep the setting values.
    games->SetField(0, 'G', "Sat  5 Dec 2026");
    games->SetField(0, 'S', "");
    EXPECT_EQ((*games)[0].line,
              "+:A:pacman:+ +:B:Pac-Man (Midway):+  +:G:Sat  5 Dec 2026:+\xA7 +:1:ON:+");

    // A count smaller than the lines: every line is still a game and survives a save.
    WriteBytes(path, "+:GAMES_COUNT:1:+\r\n" + kPacman + "\r\n" + kGalaga + "\r\n\r\n");
    games = LoadGameDatabase(path);
    ASSERT_TRUE(games);
    EXPECT_EQ(games->count(), 2);
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

TEST(DefaultFiles, AreWrittenByteForByte) {
    testing::TempDir temp;
    ASSERT_TRUE(CreateDefaultGameDatabase(temp.File("mamegame.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("mamegame.qvx")), " +:GAMES_COUNT:0:+\xA7\r\n");

    ASSERT_TRUE(CreateDefaultFilters(temp.File("filters.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("filters.qvx")),
              " +:FILTERS_COUNT:3:+\xA7\r\n"
              "+:CODE:1:+ +:FILTER_NAME:Games without roms:+    +:CONDITION:C==NULL:+\r\n"
              "+:CODE:2:+ +:FILTER_NAME:Games with roms:+       +:CONDITION:C!=NULL:+\r\n"
              "+:CODE:3:+ +:FILTER_NAME:Games without samples:+ +:CONDITION:D==NULL:+\r\n");

    ASSERT_TRUE(CreateDefaultSortings(temp.File("sortings.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("sortings.qvx")),
              " +:SORTINGS_COUNT:2:+\xA7\r\n"
              "+:CODE:1:+ +:SORTING_NAME:Descriptions:+    +:CONDITION:A:+\r\n"
              "+:CODE:2:+ +:SORTING_NAME:Raw Names:+       +:CONDITION:B:+\r\n");

    ASSERT_TRUE(CreateDefaultFieldCatalogue(temp.File("mamefld.qvx")));
    const std::string fields = ReadBytes(temp.File("mamefld.qvx"));
    EXPECT_EQ(fields.substr(0, 98),
              " +:FIELDS_COUNT:26:+\xA7\r\n+:CODE:A:+ +:FIELD_NAME:Raw name:+\r\n"
              "+:CODE:B:+ +:FIELD_NAME:Description:+\r\n");
    const auto catalogue = LoadFieldCatalogue(temp.File("mamefld.qvx"));
    ASSERT_EQ(catalogue.size(), 26u);
    std::string order;
    for (const auto& field : catalogue) {
        order += field.code;
    }
    EXPECT_EQ(order, "ABCDLEFGTHISUVZYWXJKMNOPQR");
    EXPECT_EQ(catalogue[4].name, "Need Sample?");
    EXPECT_EQ(catalogue[12].name, "Supported from version..");
    EXPECT_EQ(catalogue[16].name, "Clone's dependencies");

    ASSERT_TRUE(CreateDefaultSettings(temp.File("settings.qvx")));
    const std::string settings = ReadBytes(temp.File("settings.qvx"));
    EXPECT_EQ(settings.rfind(" +:SETTINGS_COUNT:2:+\xA7\r\n+:CODE:1:+  +:NAME:-noscanlines  :+  "
                             "+:TYPE:n:+ ",
                             0),
              0u);
    const auto definitions = LoadSettingDefinitions(temp.File("settings.qvx"));
    ASSERT_EQ(definitions.size(), 2u);
    EXPECT_EQ(definitions[0].name, "-noscanlines  ");
    EXPECT_EQ(definitions[1].name, "-soundcard    ");
    EXPECT_EQ(definitions[1].type,
              "f8=0;Silence=1;Sound Blaster=2;Sound Blaster AWE32=3;Pro Audio Spectrum=4;"
              "Ultrasound Max (CS4231 Codec)=5;Ultrasound=6;Windows Sound System=7;Ensoniq "
              "Soundscape");
    EXPECT_EQ(definitions[1].help,
              "select sound card (if this is not specified, you will be asked interactively)");
    EXPECT_EQ(definitions[0].help,
              "if the default mode doesn't work with your monitor/video card (double "
              "image/picture squashed vertically), use -noscanlines or -vesa.");
}

TEST(StateFile, KeepsTheEmulatorAndWritesTheLastStateInOrder) {
    testing::TempDir temp;
    const std::string path = temp.File("quorvex.qvx");
    ASSERT_TRUE(CreateStateFile(path, "/games/mame/"));
    EXPECT_EQ(ReadBytes(path), " +:MAME_DIR:/games/mame/:+\xA7\r\n");

    StateRecord state = LoadState(path);
    // No converter command line yet: the default one is used.
    EXPECT_EQ(state.lastConvCommandLine, "nconvert -s14 -C2 *.*");
    state.lastSortOrder = "1";
    state.lastGameSelection = "Pac-Man (Midway)";
    state.lastWindowPosition = "10.20";
    state.lastWindowSize = "900.640";
    ASSERT_TRUE(SaveState(path, state));
    EXPECT_EQ(ReadBytes(path),
              " +:MAME_DIR:/games/mame/:+ +:LAST_SORT_ORDER:1:+ +:LAST_WINDOW_POSITION:10.20:+ "
              "+:LAST_WINDOW_SIZE:900.640:+ +:LAST_GAME_SELECTION:Pac-Man (Midway):+ "
              "+:LAST_CONV_COMMAND_LINE:nconvert -s14 "
              "-C2 *.*:+\xA7\r\n");

    // A cleared value loses its token; keys the state record does not know stay.
    WriteBytes(path,
               " +:MAME_DIR:/games/mame/:+ +:MAME_ACTUAL_VERSION:0.37b16:+ "
               "+:LAST_FILTERS:1 1:+ +:LAST_CONV_COMMAND_LINE:   :+\xA7\r\n");
    state = LoadState(path);
    EXPECT_EQ(state.lastFilters, "1 1");
    EXPECT_EQ(state.lastConvCommandLine, "nconvert -s14 -C2 *.*");
    state.lastFilters.clear();
    state.lastConvCommandLine = "convert *.png";
    ASSERT_TRUE(SaveState(path, state));
    EXPECT_EQ(ReadBytes(path),
              " +:MAME_DIR:/games/mame/:+ +:MAME_ACTUAL_VERSION:0.37b16:+  "
              "+:LAST_CONV_COMMAND_LINE:convert *.png:+\xA7\r\n");
}

}  // namespace
}  // namespace quorvex::store
