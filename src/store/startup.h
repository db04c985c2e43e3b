#pragma once
// The life of a run: finding the files, asking for the emulator, recreating
// missing data files, importing the catalogue, loading everything behind the
// splash window, and writing back at the end.

#include <optional>
#include <string>

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::store {

// The windows of the start-up sequence. The program shows real windows;
// tests answer from a script.
class StartupWindows : public UserFeedback {
public:
    // The emulator directory dialog: an accepted directory (already
    // normalised and checked) or nothing when the user cancels.
    virtual std::optional<std::string> AskEmulatorDirectory() = 0;
    virtual void OpenSplash() = 0;
    // Puts text in the splash status line and lets the window repaint.
    virtual void SetSplashStatus(const std::string& text) = 0;
    virtual void CloseSplash() = 0;
    virtual void ShowWhatsNew(const CatalogueChanges& changes) = 0;
    // Runs the main window until the user quits.
    virtual void RunMainWindow(Session& session) = 0;
};

// Brings "mamegame.qvx" in line with the emulator's list, working on the file.
class CatalogueImporter {
public:
    virtual ~CatalogueImporter() = default;
    virtual CatalogueChanges Import(Session& session, StartupWindows& windows) = 0;
};

// Writes a batch text into a directory and runs it, waiting for its end.
class BatchRunner {
public:
    virtual ~BatchRunner() = default;
    virtual bool WriteAndRun(const std::string& directory, const std::string& fileName,
                             const std::string& text) = 0;
};

struct StartupServices {
    StartupWindows& windows;
    CatalogueImporter& importer;
    BatchRunner& batches;
};

// The batch that clears the attributes of the ROM and sample files.
std::string AttributeClearingBatch(const EmulatorPaths& paths);

// Steps 1 to 16 of a start: true when the main window may open. The program
// directory is given; session receives everything that was loaded.
bool RunStartup(const std::string& programDirectory, Session& session, StartupServices& services);
// Writes the state file at the end of a run.
bool RunShutdown(Session& session, UserFeedback& feedback);
// A whole run: start-up, main window, shut-down. False when the program ended early.
bool RunProgram(const std::string& programDirectory, StartupServices& services);

// The messages of the start-up sequence.
std::string MissingDefinitionFileWarning(const std::string& fileName);
std::string MissingEmulatorMessage(const std::string& failedPath);
inline constexpr const char* kGoodbyeMessage = "Goodbye... but please, do return!";

}  // namespace quorvex::store
