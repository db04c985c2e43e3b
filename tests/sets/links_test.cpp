// The manual link commands: a zip chosen by hand, releasing links with the
// warning about dependent clones, deleting high score and dip switch files.

#include "sets/links.h"

#include <gtest/gtest.h>

#include <string>

#include "scan_fixture.h"

namespace quorvex::sets {
namespace {

using testing::WriteBytes;

class Links : public ScanFixture {
protected:
    Links() {
        Install(
            "pacman\tPac-Man\t\tZ80\tWSG\t1980\tNamco\tpm.6e,pm.6f\n"
            "pacmanf\tPac-Man (fast)\tpacman\tZ80\tWSG\t1980\tNamco\tpm.6e,pmf.6f\n"
            "puckman\tPuckman\tpacman\tZ80\tWSG\t1980\tNamco\tpm.6e\n"
            "pacplus\tPac-Man Plus\tpacman\tZ80\tWSG\t1982\tNamco\tpp.1\n"
            "invaders\tSpace Invaders\t\t8080\tSamples\t1978\tTaito\tinv.1\t1.wav\n"
            "invaddlx\tSpace Invaders Deluxe\tinvaders\t8080\tSamples\t1980\tMidway\t"
            "dlx.1\t1.wav\n");
        const std::string roms = session.emulator.roms;
        session.games = GamesFromLines({
            "+:A:pacman:+ +:B:Pac-Man:+ +:C:" + roms + "pacman.zip:+",
            "+:A:pacmanf:+ +:B:Pac-Man (fast):+ +:F:pacman:+ +:C:" + roms +
                "pacmanf.zip:+ +:W:Partial:+",
            "+:A:puckman:+ +:B:Puckman:+ +:F:pacman:+ +:C:" + roms + "pacman.zip:+ +:W:Total:+",
            "+:A:pacplus:+ +:B:Pac-Man Plus:+ +:F:pacman:+ +:C:" + roms + "pacplus.zip:+",
            "+:A:invaders:+ +:B:Space Invaders:+ +:L:Yes:+ +:D:" + session.emulator.samples +
                "invaders.zip:+",
            "+:A:invaddlx:+ +:B:Space Invaders Deluxe:+ +:F:invaders:+ +:L:Yes:+",
        });
        Zip(roms + "pacman.zip", {"pm.6e", "pm.6f"});
    }

    LinkCommandResult Select(const std::string& description, const std::string& zip,
                             NeededFileKind kind = NeededFileKind::Roms) {
        return SelectSetFile(session.games, session.emulator, description, zip, kind, nullptr,
                             feedback);
    }
};

TEST_F(Links, ReleasingAnOriginalNamesAndReleasesItsSplittedAndMergedClones) {
    const std::string warning =
        "Warning!\nBy releasing the roms link of ' Pac-Man '\nQVX have to release also the roms "
        "link of his clones\nbecause their roms set are splitted or merged!\nThe following "
        "clones will lose their roms link:\nPac-Man (fast) (Splitted)\nPuckman (Merged)\nAre you "
        "sure you want to continue?";
    feedback.answers = {false};
    const std::string before = session.games[1].line;
    EXPECT_FALSE(ReleaseRomsLink(session.games, "Pac-Man", feedback).changed);
    EXPECT_EQ(session.games[1].line, before);

    const LinkCommandResult released = ReleaseRomsLink(session.games, "Pac-Man", feedback);
    EXPECT_TRUE(released.changed);
    EXPECT_TRUE(released.refresh.currentGame && released.refresh.statusLine);
    EXPECT_EQ(feedback.questions, (std::vector<std::string>{warning, warning}));
    for (const char* game : {"Pac-Man", "Pac-Man (fast)", "Puckman"})
        EXPECT_EQ(Link(game), "|") << game;
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), session.emulator.roms + "pacplus.zip");
}

TEST_F(Links, ReleasingACloneOrALoneOriginalAsksPlainlyAndTouchesNoOtherGame) {
    ReleaseRomsLink(session.games, "Puckman", feedback);
    EXPECT_EQ(Link("Puckman"), "|");
    EXPECT_EQ(Field("Pac-Man", 'C'), session.emulator.roms + "pacman.zip");
    EXPECT_EQ(Field("Pac-Man (fast)", 'W'), "Partial");

    ReleaseSamplesLink(session.games, "Space Invaders", feedback);
    EXPECT_EQ(Field("Space Invaders", 'D'), "");
    EXPECT_EQ(feedback.questions,
              (std::vector<std::string>{"Are you sure you want to release this roms link?",
                                        "Are you sure you want to release this samples link?"}));
}

TEST_F(Links, AChosenZipIsLinkedWhenItHoldsTheSetAndTheMessageSaysHowItWasFound) {
    Zip(dir.File("chosen.zip"), {"pm.6e", "pm.6f"});
    Zip(dir.File("part.zip"), {"pmf.6f"});
    session.games.SetField(0, 'C', "");
    Select("Pac-Man", dir.File("chosen.zip"));
    EXPECT_EQ(Field("Pac-Man", 'C'), dir.File("chosen.zip"));

    Select("Pac-Man (fast)", dir.File("part.zip"));
    EXPECT_EQ(Field("Pac-Man (fast)", 'C'), dir.File("part.zip"));
    Select("Puckman", dir.File("chosen.zip"));
    EXPECT_EQ(Field("Puckman", 'W'), "");

    EXPECT_FALSE(Select("Pac-Man Plus", dir.File("chosen.zip")).changed);
    EXPECT_EQ(Field("Pac-Man Plus", 'C'), session.emulator.roms + "pacplus.zip");

    // The original's samples link serves its clone whatever file was chosen.
    Select("Space Invaders Deluxe", dir.File("chosen.zip"), NeededFileKind::Samples);
    EXPECT_EQ(Field("Space Invaders Deluxe", 'D'), session.emulator.samples + "invaders.zip");

    const LinkCommandResult cancelled = Select("Pac-Man", "");
    EXPECT_TRUE(cancelled.refresh.currentGame && cancelled.refresh.statusLine);

    const std::string valid =
        "Operation accomplished successfully!\nThe roms set found is valid!\n";
    EXPECT_EQ(feedback.messages,
              (std::vector<std::string>{
                  valid, valid + "The file was a SPLITTED file zip!\n",
                  valid + "The file was a STAND ALONE file zip!\n",
                  "Something went wrong!\nThe roms set found is not valid!\nTry again!",
                  "Operation accomplished successfully!\nThe samples set found is valid!\n"}));
}

TEST_F(Links, ResetsDeleteTheGamesFileOnlyAfterAYes) {
    const std::string hi = session.emulator.hi + "pacman.hi";
    const std::string cfg = session.emulator.cfg + "pacman.cfg";
    WriteBytes(hi, "scores");
    WriteBytes(cfg, "switches");
    feedback.answers = {false, false};
    EXPECT_FALSE(ResetHighScoreTable(session.games, session.emulator, "Pac-Man", feedback));
    EXPECT_FALSE(ResetDipSwitchSettings(session.games, session.emulator, "Pac-Man", feedback));
    EXPECT_TRUE(platform::IsReadableFile(hi));
    EXPECT_TRUE(platform::IsReadableFile(cfg));

    EXPECT_TRUE(ResetHighScoreTable(session.games, session.emulator, "Pac-Man", feedback));
    EXPECT_TRUE(ResetDipSwitchSettings(session.games, session.emulator, "Pac-Man", feedback));
    EXPECT_FALSE(platform::IsReadableFile(hi));
    EXPECT_FALSE(platform::IsReadableFile(cfg));
    EXPECT_EQ(feedback.questions[0],
              "Are you sure you want to delete the current\nhigh score table of this game?");
    EXPECT_EQ(feedback.questions[1],
              "Are you sure you want to delete the current\nconfiguration of the dip swith "
              "settings for this game?");
}

}  // namespace
}  // namespace quorvex::sets
