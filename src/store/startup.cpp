#include "store/startup.h"

#include "platform/file_system.h"
#include "platform/paths.h"
#include "store/default_files.h"
#include "store/leftover_files.h"
#include "store/record_file.h"
#include "store/text_utils.h"

namespace quorvex::store {

namespace {

std::string ReadCompanionText(const std::string& path) {
    std::string text = platform::ReadFileBytes(path).value_or(std::string());
    if (text.size() > kCompanionTextLimit) {
        text.resize(kCompanionTextLimit);
    }
    return text;
}

// Recreates a missing data file, warning first when the user should know.
void EnsureDataFile(const std::string& path, const char* warnedName,
                    bool (*create)(const std::string&), StartupWindows& windows) {
    if (FileExists(path)) {
        return;
    }
    if (warnedName != nullptr) {
        windows.ShowMessage(MissingDefinitionFileWarning(warnedName), MessageIcon::Exclamation);
    }
    if (!create(path)) {
        windows.ShowMessage("The file " + path +
                                " could not be written.\nPlease check the free "
                                "space and the permissions of the folder.",
                            MessageIcon::Exclamation);
    }
}

bool AskForEmulatorDirectory(const ProgramFiles& files, StartupWindows& windows) {
    const auto directory = windows.AskEmulatorDirectory();
    if (!directory) {
        windows.ShowMessage(kGoodbyeMessage, MessageIcon::None);
        return false;
    }
    // A state file that lost only its emulator directory keeps everything else.
    const bool stored = FileExists(files.state)
                            ? SetHeaderValue(files.state, "MAME_DIR", *directory)
                            : CreateStateFile(files.state, *directory);
    if (!stored) {
        windows.ShowMessage("The file " + files.state +
                                " could not be written, so Quorvex cannot remember where the "
                                "emulator is.\nPlease check the permissions of the folder.",
                            MessageIcon::Stop);
        return false;
    }
    return true;
}

}  // namespace

std::string MissingDefinitionFileWarning(const std::string& fileName) {
    if (fileName == "settings.qvx") {
        return "Warning!\nSomething has happened at the file settings.qvx!\nI will create another "
               "one for you but very incomplete!\nPlease donwload an updated version of the file!";
    }
    if (fileName == "mamefld.qvx") {
        return "Warning!\nSomething has happened at the file mamefld.qvx!\nI will create another "
               "one of default for you!\nBut PLEASE download the latest version of this file!\n";
    }
    return "Warning!\nSomething has happened at the file " + fileName +
           "!\nI will create another one of default for you!\n";
}

std::string MissingEmulatorMessage(const std::string& failedPath) {
    return "Fatal error!\nSomething strange has happened!\nSurely you have moved the file mame.exe "
           "that the\nlast time you launched Quorvex was located in:'\n" +
           failedPath + "' !\nPlease rerun Quorvex for fixing this problem!\n";
}

std::string AttributeClearingBatch(const EmulatorPaths& paths) {
    const std::string wildcard = std::string(1, platform::kSeparator) + "*.*";
    return "@attrib " + paths.roms + wildcard + " -r -a -h -s\n" + "@attrib " + paths.samples +
           wildcard + " -r -a -h -s\n";
}

bool RunStartup(const std::string& programDirectory, Session& session, StartupServices& services) {
    StartupWindows& windows = services.windows;
    session.changes = CatalogueChanges{};
    session.whatsNewShown = false;
    session.files = MakeProgramFiles(programDirectory);
    const ProgramFiles& files = session.files;
    // A crash in the middle of a save leaves its temporary file behind.
    platform::RemoveStaleReplacementFiles(programDirectory);

    if (!FileExists(files.state) ||
        TrimmedBlanks(GetHeaderValue(files.state, "MAME_DIR")).empty()) {
        if (!AskForEmulatorDirectory(files, windows)) {
            return false;
        }
    }

    EnsureDataFile(files.gameDatabase, nullptr, CreateDefaultGameDatabase, windows);
    EnsureDataFile(files.settings, "settings.qvx", CreateDefaultSettings, windows);
    EnsureDataFile(files.filters, "filters.qvx", CreateDefaultFilters, windows);
    EnsureDataFile(files.sortings, "sortings.qvx", CreateDefaultSortings, windows);
    EnsureDataFile(files.fieldCatalogue, "mamefld.qvx", CreateDefaultFieldCatalogue, windows);

    const std::string emulatorDirectory =
        platform::WithTrailingSeparator(TrimmedBlanks(GetHeaderValue(files.state, "MAME_DIR")));
    if (!EmulatorDirectoryIsValid(emulatorDirectory)) {
        // Forget only the directory and its emulator's version: the next
        // start asks for the directory again and the rest of the user's
        // state survives.
        SetHeaderValue(files.state, "MAME_DIR", "");
        SetHeaderValue(files.state, "MAME_ACTUAL_VERSION", "");
        windows.ShowMessage(
            MissingEmulatorMessage(emulatorDirectory + platform::EmulatorExecutableName()),
            MessageIcon::Stop);
        return false;
    }

    session.emulator = MakeEmulatorPaths(emulatorDirectory);
    CreateEmulatorSubdirectories(session.emulator);

    windows.OpenSplash();
    session.changes = services.importer.Import(session, windows);

    windows.SetSplashStatus("Loading games ...");
    session.games = LoadGameDatabase(files.gameDatabase).value_or(GameDatabase());
    windows.SetSplashStatus("Loading settings ...");
    session.settings = LoadSettingDefinitions(files.settings);
    windows.SetSplashStatus("Loading filters ...");
    session.filters = LoadFilterDefinitions(files.filters);
    windows.SetSplashStatus("Loading sortings ...");
    session.sortings = LoadSortingDefinitions(files.sortings);
    windows.SetSplashStatus("Loading fields ...");
    session.fields = LoadFieldCatalogue(files.fieldCatalogue);
    windows.SetSplashStatus("Loading games issues ...");
    session.mameInfo = ReadCompanionText(session.emulator.directory + "mameinfo.dat");
    windows.SetSplashStatus("Loading games history and tips ...");
    session.history = ReadCompanionText(session.emulator.directory + "history.dat");
    session.state = LoadState(files.state);

    CheckLeftoverFiles(LeftoverKind::Pcx, session.emulator, windows);
    CheckLeftoverFiles(LeftoverKind::Inp, session.emulator, windows);
    CheckLeftoverFiles(LeftoverKind::Snap, session.emulator, windows);

    services.batches.WriteAndRun(session.emulator.directory, "QVXLaunch.bat",
                                 AttributeClearingBatch(session.emulator));

    windows.CloseSplash();

    if (!session.changes.empty()) {
        windows.ShowWhatsNew(session.changes);
        session.whatsNewShown = true;
    }
    return true;
}

bool RunShutdown(Session& session, UserFeedback& feedback) {
    std::string error;
    if (!SaveState(session.files.state, session.state, &error)) {
        feedback.ShowMessage("Quorvex could not remember this session's settings:\n" + error,
                             MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool RunProgram(const std::string& programDirectory, StartupServices& services) {
    Session session;
    if (!RunStartup(programDirectory, session, services)) {
        return false;
    }
    services.windows.RunMainWindow(session);
    RunShutdown(session, services.windows);
    return true;
}

}  // namespace quorvex::store
