#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "store/program_paths.h"
#include "store/record_file.h"
#include "store/startup.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

// Windows, importer and batch runner in one: answers from a script and writes
// down, in order, everything it was asked to show or do.
class ScriptedStart : public StartupWindows, public CatalogueImporter, public BatchRunner {
public:
    std::optional<std::string> AskEmulatorDirectory() override {
        events.push_back("ask directory");
        if (directoryAnswers.empty()) {
            return std::nullopt;
        }
        auto answer = directoryAnswers.front();
        directoryAnswers.pop_front();
        return answer;
    }
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        events.push_back("message " + std::to_string(static_cast<int>(icon)) + ": " + text);
    }
    bool AskYesNo(const std::string&) override { return true; }
    void OpenSplash() override { events.push_back("splash"); }
    void SetSplashStatus(const std::string& text) override { events.push_back("status " + text); }
    void CloseSplash() override { events.push_back("splash closed"); }
    void ShowWhatsNew(const CatalogueChanges& changes) override {
        events.push_back("whats new " + std::to_string(changes.inserted.size()) + "/" +
                         std::to_string(changes.removed.size()));
    }
    void RunMainWindow(Session& session) override {
        events.push_back("main window");
        session.state.lastGameSelection = "Galaga";
    }
    // Inserts one game into the database file, as a first import would.
    CatalogueChanges Import(Session& session, StartupWindows& windows) override {
        windows.SetSplashStatus("Checking games supported ...");
        CatalogueChanges changes;
        if (insert) {
            AppendRecordLine(session.files.gameDatabase, "+:A:galaga:+ +:B:Galaga:+\xA7");
            SetHeaderValue(session.files.gameDatabase, "GAMES_COUNT", "1");
            changes.inserted.push_back({"+:A:galaga:+ +:B:Galaga:+\xA7", "", "Galaga"});
        }
        return changes;
    }
    bool WriteAndRun(const std::string& directory, const std::string& fileName,
                     const std::string& text) override {
        events.push_back("batch " + directory + fileName + "\n" + text);
        return true;
    }

    std::deque<std::optional<std::string>> directoryAnswers;
    std::vector<std::string> events;
    bool insert = true;
};

void MakeRunnable(const std::string& path) {
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

class Startup : public ::testing::Test {
protected:
    Startup() {
        WriteBytes(m_emulator + platform::EmulatorExecutableName(), "#!/bin/sh\n");
        MakeRunnable(m_emulator + platform::EmulatorExecutableName());
    }

    bool Start() {
        StartupServices services{start, start, start};
        return RunProgram(m_programDir.path(), services);
    }
    std::string ProgramFile(const char* name) const { return m_programDir.File(name); }
    std::string State(const char* key) const {
        return GetHeaderValue(ProgramFile("quorvex.qvx"), key);
    }

    testing::TempDir m_programDir;
    testing::TempDir m_emulatorDir;
    std::string m_emulator = m_emulatorDir.path();
    ScriptedStart start;
};

TEST_F(Startup, FirstStartAsksWarnsImportsAndRemembers) {
    start.directoryAnswers.push_back(m_emulator);
    ASSERT_TRUE(Start());

    // Four warnings (settings, filters, sortings, fields), none for the database.
    const std::string sep(1, platform::kSeparator);
    std::vector<std::string> expected = {
        "ask directory",
        "message 1: Warning!\nSomething has happened at the file settings.qvx!\nI will "
        "create another one for you but very incomplete!\nPlease donwload an updated "
        "version of the file!",
        "message 1: Warning!\nSomething has happened at the file filters.qvx!\nI will "
        "create another one of default for you!\n",
        "message 1: Warning!\nSomething has happened at the file sortings.qvx!\nI will "
        "create another one of default for you!\n",
        "message 1: Warning!\nSomething has happened at the file mamefld.qvx!\nI will "
        "create another one of default for you!\nBut PLEASE download the latest version "
        "of this file!\n",
        "splash",
        "status Checking games supported ...",
        "status Loading games ...",
        "status Loading settings ...",
        "status Loading filters ...",
        "status Loading sortings ...",
        "status Loading fields ...",
        "status Loading games issues ...",
        "status Loading games history and tips ...",
        "batch " + m_emulator + "QVXLaunch.bat\n@attrib " + m_emulator + "roms" + sep + sep +
            "*.* -r -a -h -s\n@attrib " + m_emulator + "samples" + sep + sep + "*.* -r -a -h -s\n",
        "splash closed",
        "whats new 1/0",
        "main window"};
    EXPECT_EQ(start.events, expected);
    for (const char* name :
         {"mamegame.qvx", "settings.qvx", "filters.qvx", "sortings.qvx", "mamefld.qvx"}) {
        EXPECT_TRUE(FileExists(ProgramFile(name))) << name;
    }
    for (const char* sub :
         {"roms", "samples", "snapshot", "replay", "hi", "cfg", "pcx", "inp", "oldmame", "snap"}) {
        EXPECT_TRUE(platform::IsDirectory(m_emulator + sub)) << sub;
    }
    // The state written at the end keeps the directory and what the main window changed.
    EXPECT_EQ(State("MAME_DIR"), m_emulator);
    EXPECT_EQ(State("LAST_GAME_SELECTION"), "Galaga");

    // A second start asks nothing and warns about nothing, and clears away
    // the temporary file of a save that an earlier run died in.
    const std::string debris = ProgramFile("mamegame.qvx.tmp3f2a9c01d4e5b678");
    WriteBytes(debris, "+:GAMES_COUNT:45000:+\r\n+:A:half");
    std::filesystem::last_write_time(
        debris, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    start.events.clear();
    start.insert = false;
    ASSERT_TRUE(Start());
    EXPECT_FALSE(FileExists(debris));
    expected.erase(expected.begin(), expected.begin() + 5);
    expected.erase(expected.end() - 2);
    EXPECT_EQ(start.events, expected);
}

TEST_F(Startup, CancellingTheDirectoryDialogEndsWithoutWritingAnything) {
    EXPECT_FALSE(Start());
    EXPECT_EQ(start.events, (std::vector<std::string>{
                                "ask directory", "message 0: Goodbye... but please, do return!"}));
    EXPECT_TRUE(platform::ListDirectory(m_programDir.path()).empty());
}

TEST_F(Startup, AVanishedEmulatorIsAskedForAgainButTheOtherStateStays) {
    // An emulator file that cannot be run counts as vanished too.
    const std::string emulator = m_emulator + "gone/" + platform::EmulatorExecutableName();
    WriteBytes(emulator, "#!/bin/sh\n");
    WriteBytes(ProgramFile("quorvex.qvx"), " +:MAME_DIR:" + m_emulator +
                                               "gone/:+ +:MAME_ACTUAL_VERSION:0.37b16:+ "
                                               "+:LAST_GAME_SELECTION:Galaga:+\xA7\r\n");
    EXPECT_FALSE(Start());
    EXPECT_EQ(start.events.back(),
              "message 2: Fatal error!\nSomething strange has happened!\nSurely you have moved "
              "the file mame.exe that the\nlast time you launched Quorvex was located in:'\n" +
                  emulator + "' !\nPlease rerun Quorvex for fixing this problem!\n");
    EXPECT_EQ(State("MAME_DIR") + "|" + State("MAME_ACTUAL_VERSION"), "|");
    EXPECT_EQ(State("LAST_GAME_SELECTION"), "Galaga");

    start.events.clear();
    start.directoryAnswers.push_back(m_emulator);
    ASSERT_TRUE(Start());
    EXPECT_EQ(start.events.front(), "ask directory");
    EXPECT_EQ(State("MAME_DIR"), m_emulator);
}

TEST_F(Startup, LeftoverPicturesAreMovedAsideWithOneWarning) {
    start.directoryAnswers.push_back(m_emulator);
    WriteBytes(m_emulator + "pcx/a.pcx", "1");
    WriteBytes(m_emulator + "pcx/b.pcx", "2");
    platform::MakeDirectory(m_emulator + "inp");
    ASSERT_TRUE(Start());
    const std::string sep(1, platform::kSeparator);
    const std::string warning = "message 0: Warning!\nQVX has found 2 files in the ..." + sep +
                                "mame" + sep + "pcx directory!";
    std::vector<std::string> warnings;
    for (const std::string& event : start.events) {
        if (event.rfind("message 0: Warning!\nQVX has found", 0) == 0) {
            warnings.push_back(event.substr(0, warning.size()));
        }
    }
    EXPECT_EQ(warnings, std::vector<std::string>{warning});
    EXPECT_EQ(ReadBytes(m_emulator + "pcx/OldPcx/b.pcx"), "2");
    EXPECT_FALSE(FileExists(m_emulator + "pcx/a.pcx"));
    // An empty directory gets its archive all the same.
    EXPECT_TRUE(platform::IsDirectory(m_emulator + "inp/OldInp"));
}

TEST(EmulatorDirectory, TypedTextIsNormalised) {
    testing::TempDir temp;
    const std::string exe = platform::EmulatorExecutableName();
    WriteBytes(temp.File("mame/" + exe), "x");
    MakeRunnable(temp.File("mame/" + exe));
    const std::string expected = temp.File("mame") + platform::kSeparator;
    for (const std::string& typed : {"  " + temp.File("mame") + "  ", temp.File("mame/"),
                                     temp.File("mame/" + exe), temp.File("mame/mame.exe")}) {
        EXPECT_EQ(NormaliseEmulatorDirectory(typed), expected) << typed;
    }
    EXPECT_EQ(NormaliseEmulatorDirectory(temp.File("elsewhere")), std::nullopt);
    EXPECT_EQ(NormaliseEmulatorDirectory("   "), std::nullopt);
}

}  // namespace
}  // namespace quorvex::store
