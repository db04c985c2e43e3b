// The Misc page: the cheats of the current game with their editor, and the
// game's replays played back, deleted or picked from anywhere.

#include <gtest/gtest.h>

#include <QCheckBox>

#include "../catalogue/fake_emulator_setup.h"
#include "misc_fixture.h"
#include "platform/file_system.h"
#include "ui/play/game_launcher.h"

namespace quorvex::ui {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kCheats =
    "; cheats\r\n"
    "PACMAN:0:4E0E:06:0:Infinite Lives\r\n"
    "galaga:1:9820:05:0:Lives\r\n"
    "pacman:0:4C00:FF:1:Speed: FAST\r\n"
    "pacman:0:4C00:FF:1:Speed: FAST";

class MiscPageTest : public ::testing::Test, public testing::MiscFixture {
protected:
    void OpenMisc() {
        OpenWithMiscPages();
        ShowTab(MainWindow::Misc);
    }
    MiscPage& page() const { return miscPage(); }
    QStringList Cheats() const { return ListTexts(page().cheatList()); }
    QStringList Replays() const { return ListTexts(page().replayList()); }
    // New, Modify, Delete, Save and Cancel as a person sees them.
    std::vector<bool> CheatButtons() const {
        return {Shown(page().newButton()), Shown(page().modifyButton()),
                Shown(page().deleteCheatButton()), Shown(page().saveButton()),
                Shown(page().cancelButton())};
    }
    bool BoxesEnabled() const { return page().cpuBox()->isEnabled(); }
    void Fill(const QStringList& texts) const {
        QLineEdit* const boxes[] = {page().cpuBox(), page().addressBox(), page().dataBox(),
                                    page().typeBox(), page().descriptionBox()};
        for (int i = 0; i < texts.size(); ++i) {
            boxes[i]->clear();
            QTest::keyClicks(boxes[i], texts[i]);
        }
    }
};

using Buttons_ = std::vector<bool>;

TEST_F(MiscPageTest, TheCheatsOfTheCurrentGameAreListedAndANewOneNeedsEveryField) {
    WriteBytes(CheatFile(), kCheats);
    OpenMisc();
    EXPECT_EQ(page().cheatFrame()->title(), "Available cheats (3)");
    EXPECT_EQ(Cheats(), QStringList({"infinite lives", " fast", " fast"}));
    EXPECT_EQ(page().cheatList()->currentRow(), 0);
    EXPECT_EQ(CheatButtons(), (Buttons_{true, true, true, false, false}));
    EXPECT_FALSE(BoxesEnabled());
    EXPECT_EQ(page().cheatFrame()->toolTip(), "How many cheats am I able to use?");

    Click(page().newButton());
    EXPECT_EQ(CheatButtons(), (Buttons_{false, false, false, true, true}));
    EXPECT_TRUE(BoxesEnabled());
    Fill({"0", "4D00", "09", "", "Nine lives"});
    Click(page().saveButton());
    EXPECT_EQ(Messages(), std::vector<std::string>{"You must fill all the cheat's fields!"});
    EXPECT_EQ(page().cheatMode(), MiscPage::CheatMode::New);
    EXPECT_EQ(ReadBytes(CheatFile()), kCheats);

    // The boxes take no more than the file's fields hold; the new line goes at the end.
    Fill({"01", "4D00A", "099", "00", "A description of far more than thirty letters"});
    EXPECT_EQ(page().descriptionBox()->text(), "A description of far more than");
    Click(page().saveButton());
    EXPECT_EQ(ReadBytes(CheatFile()),
              std::string(kCheats) + "\r\npacman:0:4D00:09:00:A description of far more than\r\n");
    EXPECT_EQ(page().cheatMode(), MiscPage::CheatMode::Browsing);
    EXPECT_EQ(page().cheatFrame()->title(), "Available cheats (4)");
    EXPECT_EQ(Cheats().last(), "a description of far more than");

    ClickGame("Donkey Kong");
    EXPECT_EQ(Cheats(), QStringList({"No cheat available!"}));
    EXPECT_EQ(page().cheatFrame()->title(), "Available cheats (0)");
    EXPECT_EQ(CheatButtons(), (Buttons_{true, false, false, false, false}));

    platform::RemoveFile(CheatFile());
    ClickGame("Pac-Man");
    EXPECT_EQ(Cheats(), QStringList({"Cheat.dat not found!"}));
}

TEST_F(MiscPageTest, ModifyAndDeleteActOnTheSelectedCheat) {
    WriteBytes(CheatFile(), kCheats);
    OpenMisc();
    ClickItem(page().cheatList(), 1);
    Click(page().modifyButton());
    EXPECT_EQ(page().descriptionBox()->text(), "Speed: FAST");
    EXPECT_EQ(page().addressBox()->text(), "4C00");

    // Cancel leaves the file alone and the boxes as they were, disabled.
    Click(page().cancelButton());
    EXPECT_FALSE(BoxesEnabled());
    EXPECT_EQ(page().descriptionBox()->text(), "Speed: FAST");

    Click(page().modifyButton());
    Fill({"0", "4C00", "7F"});
    Click(page().saveButton());
    const std::string kept =
        "; cheats\r\nPACMAN:0:4E0E:06:0:Infinite Lives\r\ngalaga:1:9820:05:0:Lives\r\n";
    EXPECT_EQ(ReadBytes(CheatFile()),
              kept + "pacman:0:4C00:7F:1:Speed: FAST\r\npacman:0:4C00:7F:1:Speed: FAST\r\n");

    feedback.answer = false;
    ClickItem(page().cheatList(), 2);
    Click(page().deleteCheatButton());
    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{"Are you sure that you want to delete this cheat?"});
    EXPECT_EQ(Cheats().size(), 3);

    feedback.answer = true;
    Click(page().deleteCheatButton());
    EXPECT_EQ(ReadBytes(CheatFile()), kept);
    EXPECT_EQ(Cheats(), QStringList({"infinite lives"}));
}

TEST_F(MiscPageTest, ReplaysArePlayableOnlyWithARomZipAndDeletedWithTheirCompanions) {
    for (const char* name : {"pacman000.inp", "pacman000.hi", "pacman001.inp", "pacman001.cfg",
                             "pacman0002.inp", "galaga000.inp"}) {
        WriteBytes(session.emulator.replay + name, name);
    }
    OpenMisc();
    EXPECT_EQ(page().replayFrame()->title(), "Available replays (2)");
    ASSERT_EQ(Replays().size(), 2);
    EXPECT_TRUE(Replays()[0].startsWith("pacman000.inp ("));
    EXPECT_TRUE(Replays()[1].startsWith("pacman001.inp ("));
    EXPECT_TRUE(Shown(page().replayButton()) && Shown(page().deleteReplayButton()));

    feedback.answer = false;
    Click(page().deleteReplayButton());
    EXPECT_EQ(feedback.questions,
              std::vector<std::string>{"Are you sure that you want to delete this Replay?"});
    EXPECT_EQ(Replays().size(), 2);
    feedback.answer = true;
    Click(page().deleteReplayButton());
    EXPECT_EQ(page().replayFrame()->title(), "Available replays (1)");
    EXPECT_EQ(ReadBytes(session.emulator.replay + "pacman000.inp"), "pacman001.inp");

    ClickGame("Galaga");
    EXPECT_EQ(page().replayFrame()->title(), "Available replays (1)");
    EXPECT_FALSE(Shown(page().replayButton()));
    EXPECT_TRUE(Shown(page().deleteReplayButton()));

    ClickGame("Donkey Kong");
    EXPECT_EQ(Replays(), QStringList({"No replay available!"}));
    EXPECT_EQ(page().replayFrame()->title(), "Available replays (0)");
    EXPECT_FALSE(Shown(page().replayButton()) || Shown(page().deleteReplayButton()));
}

TEST_F(MiscPageTest, ARecordedPlayIsListedAndPlayedBackThroughTheEmulator) {
    testing::InstallFakeEmulator(
        session.emulator.directory,
        "@delay\t0\npacman\tPac-Man\t\tZ80\tNamco\t1980\tNamco\tpacman.6e\n");
    const std::string log = dir.File("mame.log");
    testing::ScopedEnvironment logging("QUORVEX_FAKE_MAME_LOG", log);
    const std::string romZip = session.emulator.roms + "pacman.zip";
    WriteBytes(romZip, "a zip the emulator reads in place");
    SetField("Pac-Man", 'C', romZip);
    const std::string custom = dir.File("mine/old.inp");
    WriteBytes(custom, "QVXINP pacman\n");
    session.state.lastCustomInpDir = dir.path();
    OpenMisc();

    // A play with Get replay checked: the page in front lists the new replay.
    Click(Find<QCheckBox>("getReplay"));
    Click(Find<QPushButton>("playButton"));
    ASSERT_EQ(Replays().size(), 1);
    EXPECT_TRUE(Replays()[0].startsWith("pacman000.inp ("));
    EXPECT_TRUE(Shown(page().replayButton()));
    Click(Find<QCheckBox>("getReplay"));

    QString offered;
    page().SetReplayChooser([&offered](const QString& start) {
        offered = start;
        return QString();
    });
    Click(page().customButton());
    EXPECT_EQ(offered.toStdString(), dir.path());
    EXPECT_EQ(session.state.lastCustomInpDir, dir.path());
    const std::string recorded = "pacman -ignorecfg -soundcard 0 -record x\n";
    EXPECT_EQ(ReadBytes(log), recorded);

    Click(page().replayButton());
    page().SetReplayChooser([&custom](const QString&) { return QString::fromStdString(custom); });
    Click(page().customButton());
    EXPECT_TRUE(feedback.messages.empty());
    EXPECT_EQ(ReadBytes(log), recorded + "pacman -ignorecfg -soundcard 0 -playback pacman\n" +
                                  "pacman -ignorecfg -soundcard 0 -playback pacman\n");
    EXPECT_EQ(session.state.lastCustomInpDir, dir.File("mine/"));
    EXPECT_TRUE(play.launcher->choices().replayToPlay.empty());
    // A playback files no new replay.
    EXPECT_EQ(Replays().size(), 1);
}

}  // namespace
}  // namespace quorvex::ui
