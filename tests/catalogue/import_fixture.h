#pragma once
// A program directory, an emulator directory holding the test double that logs
// its runs, and a session on both: what every catalogue import starts from.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fake_emulator_setup.h"
#include "store/default_files.h"
#include "store/program_paths.h"
#include "store/record_file.h"
#include "store/startup.h"
#include "store/state_file.h"
#include "test_support.h"

namespace quorvex::testing {

// Start-up windows that write down the messages and splash texts they are given.
class RecordingWindows : public store::StartupWindows {
public:
    void ShowMessage(const std::string& text, store::MessageIcon icon) override {
        messages.emplace_back(text, icon);
    }
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> AskEmulatorDirectory() override { return std::nullopt; }
    void OpenSplash() override {}
    void SetSplashStatus(const std::string& text) override { statuses.push_back(text); }
    void CloseSplash() override {}
    void ShowWhatsNew(const store::CatalogueChanges&) override {}
    void RunMainWindow(store::Session&) override {}

    std::vector<std::pair<std::string, store::MessageIcon>> messages;
    std::vector<std::string> statuses;
};

// The descriptions of inserted or removed games, joined by '|'.
inline std::string Descriptions(const std::vector<store::GameRecord>& games) {
    std::string text;
    for (const store::GameRecord& game : games) {
        text += (text.empty() ? "" : "|") + game.description;
    }
    return text;
}

class ImportTest : public ::testing::Test {
protected:
    ImportTest() {
        session.files = store::MakeProgramFiles(program.path());
        session.emulator = store::MakeEmulatorPaths(emulator.path());
        WriteBytes(session.files.gameDatabase, store::DefaultGameDatabaseText());
        store::CreateStateFile(session.files.state, emulator.path());
    }
    // The emulator runs so far, one line of arguments each.
    std::vector<std::string> Runs() const { return store::SplitRecordLines(ReadBytes(m_log)); }

    TempDir program;
    TempDir emulator;
    store::Session session;
    RecordingWindows windows;

private:
    std::string m_log = emulator.File("runs.log");
    ScopedEnvironment m_logSetting{"QUORVEX_FAKE_MAME_LOG", m_log};
};

}  // namespace quorvex::testing
