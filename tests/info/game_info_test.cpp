#include "info/game_info.h"

#include <gtest/gtest.h>

#include "platform/paths.h"
#include "store/record_line.h"
#include "store/text_utils.h"
#include "test_support.h"

namespace quorvex::info {
namespace {

store::GameDatabase OneGame(const std::string& tokens) {
    const std::string line = "+:A:game:+ +:B:A Game:+ " + tokens + " \xA7+:1:ON:+";
    return store::GameDatabase({{line, "", "A Game"}});
}

// Every line of the page, top to bottom, one per text line.
std::string Texts(const GameInfo& info) {
    std::string text;
    for (const InfoLine* line :
         {&info.roms, &info.samples, &info.lastPlayed, &info.launch, &info.cpu, &info.sound,
          &info.version, &info.insertDate, &info.clone, &info.company, &info.year, &info.status,
          &info.frameRate, &info.description}) {
        text += line->text + "\n";
    }
    return text;
}

TEST(GameInfo, FullyKnownGameShowsEveryLine) {
    const GameInfo info = ComposeGameInfo(
        OneGame("+:C:game.zip:+ +:D:game.zip:+ +:L:yes:+ +:G:Sat  5 Dec 2026:+ +:T:1:+ "
                "+:H:3725:+ +:M:Z80:+ +:O:M6809:+ +:P:AY8910:+ +:Q:DAC:+ +:U:0.37b7:+ "
                "+:V:Fri  4 Dec 2026:+ +:X:Namco:+ +:J:1980:+ +:K:59.94:+ +:S: 85 :+ +:E:1:+ "
                "+:Y:Maze:+ +:Z:mame36:+"),
        0);
    EXPECT_EQ(Texts(info),
              "Roms: game.zip\nSamples: game.zip\nLast played on Sat  5 Dec 2026\n"
              "Launched 1 time, played for 1 hour, 2 minutes, 5 seconds\nCpu: z80 m6809\n"
              "Sound: ay8910 dac\nSupported from 0.37b7\nInserted on Fri  4 Dec 2026\n"
              "Original game!\nMade by: Namco\n(1980)\n\nAverage frame rate: 59.94\n"
              "A Game (game)\n");
    EXPECT_EQ(info.description.colour, InfoColour::Green);
    EXPECT_EQ(info.rating, "85%");
    EXPECT_EQ(info.ratingBand, 9);
    EXPECT_EQ(info.executable, "mame36");
    EXPECT_EQ(info.category, "Maze");
    EXPECT_TRUE(info.favourite);
    EXPECT_TRUE(info.romButtons.breakEnabled);
    EXPECT_EQ(info.romButtons.otherText, "Change");
    EXPECT_TRUE(info.sampleButtons.breakEnabled);
    EXPECT_EQ(info.sampleButtons.otherText, "Change");
}

TEST(GameInfo, EmptyGameShowsWhatIsMissingInRed) {
    const GameInfo info = ComposeGameInfo(OneGame(""), 0);
    EXPECT_EQ(Texts(info),
              "Roms: You don't have the roms set!\n"
              "Samples: This games doesn't need the samples set!\nNever played at all!\n"
              "Never played at all!\nCpu: \nNo sound emulated yet!\nSupported from \n"
              "Inserted on \nOriginal game!\nMade by: Unknown!\n(??]\n\n"
              "Average frame rate: not available!\nA Game (game)\n");
    EXPECT_EQ(info.roms.colour, InfoColour::Red);
    EXPECT_EQ(info.launch.colour, InfoColour::Red);
    EXPECT_EQ(info.sound.colour, InfoColour::Red);
    EXPECT_EQ(info.description.colour, InfoColour::Red);
    EXPECT_EQ(info.rating, "NP");
    EXPECT_EQ(info.ratingBand, 0);
    EXPECT_EQ(info.executable, "Last");
    EXPECT_FALSE(info.favourite);
    EXPECT_FALSE(info.romButtons.breakEnabled);
    EXPECT_EQ(info.romButtons.otherText, "Select");
    EXPECT_FALSE(info.sampleButtons.breakEnabled);
    EXPECT_FALSE(info.sampleButtons.otherEnabled);
}

TEST(GameInfo, CloneNeoGeoSetFormatsAndMissingSamples) {
    const GameInfo standAlone = ComposeGameInfo(OneGame("+:F:parent:+ +:C:game.zip:+"), 0);
    EXPECT_EQ(standAlone.clone.text, "Clone of 'parent'");
    EXPECT_EQ(standAlone.clone.colour, InfoColour::LightBlue);
    EXPECT_EQ(standAlone.status.text, "Stand alone!");
    EXPECT_EQ(standAlone.status.colour, InfoColour::Green);

    const GameInfo merged = ComposeGameInfo(OneGame("+:F:p:+ +:C:p.zip:+ +:W:total:+"), 0);
    EXPECT_EQ(merged.status.text, "Merged!");
    EXPECT_EQ(merged.status.colour, InfoColour::Red);
    const GameInfo splitted = ComposeGameInfo(OneGame("+:F:p:+ +:C:g.zip:+ +:W:Partial:+"), 0);
    EXPECT_EQ(splitted.status.text, "Splitted!");
    EXPECT_EQ(splitted.status.colour, InfoColour::Yellow);

    const GameInfo neoGeo = ComposeGameInfo(OneGame("+:I:neogeo:+"), 0);
    EXPECT_EQ(neoGeo.clone.text, "Original game(Neogeo)!");
    EXPECT_EQ(neoGeo.clone.colour, InfoColour::Green);

    // Missing samples turn the description yellow.
    const GameInfo info = ComposeGameInfo(OneGame("+:C:game.zip:+ +:L:yes:+"), 0);
    EXPECT_EQ(info.samples.text, "Samples: You don't have the samples set!");
    EXPECT_EQ(info.samples.colour, InfoColour::Red);
    EXPECT_EQ(info.description.colour, InfoColour::Yellow);
    EXPECT_FALSE(info.sampleButtons.breakEnabled);
    EXPECT_EQ(info.sampleButtons.otherText, "Select");
    EXPECT_TRUE(info.sampleButtons.otherEnabled);
}

TEST(GameInfo, RatingIsStoredWithinOneToHundredOrAsNoRating) {
    store::GameDatabase games = OneGame("");
    EXPECT_EQ(StoreRating(games, 0, "85 %"), "85%");
    EXPECT_EQ(games.Field(0, 'S'), "85");
    EXPECT_EQ(StoreRating(games, 0, "0"), "NP");
    EXPECT_EQ(games.Field(0, 'S'), "NP");
    EXPECT_EQ(StoreRating(games, 0, "250"), "100%");
    EXPECT_EQ(games.Field(0, 'S'), "100");
    EXPECT_EQ(StoreRating(games, 0, "great"), "NP");
}

TEST(GameInfo, RatingBandsAndAwards) {
    const std::pair<const char*, int> bands[] = {
        {"NP", 0}, {"1", 1},  {"10", 1}, {"11", 2},  {"40", 4},  {"41", 5},  {"49", 5},  {"50", 6},
        {"59", 6}, {"60", 7}, {"89", 9}, {"90", 10}, {"94", 10}, {"95", 11}, {"100", 11}};
    for (const auto& [rating, band] : bands) {
        EXPECT_EQ(RatingBand(rating), band) << rating;
    }
    EXPECT_EQ(RatingAward(9), Award::None);
    EXPECT_EQ(RatingAward(10), Award::Smaller);
    EXPECT_EQ(RatingAward(11), Award::GoldMedal);
}

TEST(GameInfo, FavouriteAndCategoryAreStoredOrRemoved) {
    store::GameDatabase games = OneGame("");
    StoreFavourite(games, 0, true);
    EXPECT_EQ(games.Field(0, 'E'), "1");
    StoreFavourite(games, 0, false);
    EXPECT_EQ(store::FindText("+:E:", games[0].line), 0u);

    EXPECT_TRUE(StoreCategory(games, 0, "Maze games"));
    EXPECT_EQ(games.Field(0, 'Y'), "Maze games");
    EXPECT_FALSE(StoreCategory(games, 0, "broken :+ token"));
    EXPECT_EQ(games.Field(0, 'Y'), "Maze games");
    EXPECT_TRUE(StoreCategory(games, 0, ""));
    EXPECT_EQ(store::FindText("+:Y:", games[0].line), 0u);
}

TEST(GameInfo, ExecutableMustBeInTheOldmameFolder) {
    testing::TempDir dir;
    const store::EmulatorPaths paths = store::MakeEmulatorPaths(dir.File("emu/"));
    testing::WriteBytes(paths.oldmame + platform::ExecutableFileName("mame36"), "program");
    store::GameDatabase games = OneGame("");

    EXPECT_EQ(StoreExecutable(games, 0, paths, "mame36"), ExecutableChoice::Stored);
    EXPECT_EQ(games.Field(0, 'Z'), "mame36");
    EXPECT_EQ(StoreExecutable(games, 0, paths, "LAST"), ExecutableChoice::Kept);
    EXPECT_EQ(games.Field(0, 'Z'), "mame36");
    EXPECT_EQ(StoreExecutable(games, 0, paths, "mame99"), ExecutableChoice::Missing);
    EXPECT_EQ(games.Field(0, 'Z'), "");
    StoreExecutable(games, 0, paths, "mame36");
    EXPECT_EQ(StoreExecutable(games, 0, paths, ""), ExecutableChoice::Removed);
    EXPECT_EQ(games.Field(0, 'Z'), "");

    const std::string file = platform::ExecutableFileName("mame99");
    EXPECT_EQ(MissingExecutableWarning("mame99", paths),
              "Warning!\nYou have chosen to use another version of mame!\nBut to accomplish "
              "this, a file called '" +
                  file + "' must reside in the directory:\n" + paths.directory +
                  "oldmame!\nSo you have to copy in this directory the old '" +
                  platform::EmulatorExecutableName() + "' and\nto rename it to '" + file + "'");
}

}  // namespace
}  // namespace quorvex::info
