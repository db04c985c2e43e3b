#include "play/launch.h"

#include <chrono>

#include "catalogue/emulator_commands.h"
#include "catalogue/emulator_generation.h"
#include "catalogue/needed_file_cache.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "play/after_play.h"
#include "play/setting_definitions.h"
#include "sets/file_lists.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::play {

namespace {

std::string WithoutTrailingSeparator(const std::string& directory) {
    if (directory.size() > 1 && (directory.back() == '/' || directory.back() == '\\')) {
        return directory.substr(0, directory.size() - 1);
    }
    return directory;
}


constexpr const char* kPartialSet = "Partial";
// Prefix of the names the launch gives its own copies, so they never meet the user's files.
constexpr const char* kTemporaryPrefix = "QVX";

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           store::EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsPlainName(std::string_view name) {
    return !name.empty() && name.find_first_of("/\\:") == std::string_view::npos && name != "." &&
           name != "..";
}

// The ROM zip of the game's parent when its set needs the parent's; empty
// when the set stands alone or no game of the database is its parent.
std::string ParentRomZip(const store::GameDatabase& games, int index) {
    if (!store::EqualsNoCase(games.Field(index, 'W'), kPartialSet)) {
        return std::string();
    }
    const std::string parent = games.Field(index, 'F');
    if (parent.empty()) {
        return std::string();
    }
    for (int i = 0; i < games.count(); ++i) {
        if (store::EqualsNoCase(games.Field(i, 'A'), parent)) {
            return games.Field(i, 'C');
        }
    }
    return std::string();
}

// The files the launch put into the temporary ROM directory, so that one the
// user made beforehand loses nothing of what was in it.
struct RomDirectory {
    std::string path;  // no trailing separator
    bool existedBefore = false;
    std::vector<std::string> unpackedNames;
};

void UnpackInto(RomDirectory& romDirectory, const std::vector<std::string>& zips,
                const std::string& stagingDirectory) {
    if (!romDirectory.existedBefore) {
        for (const std::string& zip : zips) {
            sets::ExtractZipFlat(zip, romDirectory.path);
        }
        return;
    }
    // Unpacked aside first: the user's files of the same names stay as they
    // are, and what came from the zips is known file by file.
    store::RemoveDirectoryWithFiles(stagingDirectory);
    std::string staging = stagingDirectory;
    if (!staging.empty() && platform::IsSeparator(staging.back())) {
        staging.pop_back();
    }
    for (const std::string& zip : zips) {
        sets::ExtractZipFlat(zip, staging);
    }
    const std::string target = platform::WithTrailingSeparator(romDirectory.path);
    for (const platform::DirectoryEntry& entry : platform::ListDirectory(stagingDirectory, "*")) {
        if (!entry.isDirectory &&
            platform::MoveFileNoOverwrite(stagingDirectory + entry.name, target + entry.name)) {
            romDirectory.unpackedNames.push_back(entry.name);
        }
    }
    store::RemoveDirectoryWithFiles(stagingDirectory);
}

void RemoveRomDirectory(const RomDirectory& romDirectory) {
    if (!romDirectory.existedBefore) {
        store::RemoveDirectoryWithFiles(romDirectory.path);
        return;
    }
    const std::string directory = platform::WithTrailingSeparator(romDirectory.path);
    for (const std::string& name : romDirectory.unpackedNames) {
        platform::RemoveFile(directory + name);
    }
}

// The older executable is copied beside the emulator under its own name,
// unless a file of that name is already there (the emulator itself, when Z
// says "mame"): then under a name of the launch's own, so nothing is
// overwritten and nothing but the copy is removed afterwards.
struct OlderExecutable {
    std::string batchName;  // what the emulator line starts
    std::string copyPath;   // empty when no copy was made
};

OlderExecutable CopyOlderExecutable(const store::EmulatorPaths& paths, const std::string& name) {
    OlderExecutable older;
    older.batchName = name;
    if (!IsPlainName(name)) {
        return older;
    }
    const std::string source = paths.oldmame + platform::ExecutableFileName(name);
    std::string target = paths.directory + platform::ExecutableFileName(name);
    if (platform::IsReadableFile(target) || platform::IsDirectory(target)) {
        older.batchName = kTemporaryPrefix + name;
        target = paths.directory + platform::ExecutableFileName(older.batchName);
    }
    if (platform::IsReadableFile(source) && platform::CopyFileOverwriting(source, target)) {
        older.copyPath = target;
    }
    return older;
}

// Puts the replay and its companions where the emulator reads them, keeping
// the game's own high scores and configuration as ".old" files meanwhile.
void PreparePlaybackFiles(const store::EmulatorPaths& paths, const std::string& rawName,
                          const std::string& replay) {
    platform::CopyFileOverwriting(replay, paths.inp + rawName + ".inp");
    const std::string companionBase =
        replay.size() >= 4 ? replay.substr(0, replay.size() - 4) : replay;
    platform::MoveFileNoOverwrite(paths.hi + rawName + ".hi", paths.hi + rawName + ".old");
    platform::CopyFileOverwriting(companionBase + ".hi", paths.hi + rawName + ".hi");
    platform::MoveFileNoOverwrite(paths.cfg + rawName + ".cfg", paths.cfg + rawName + ".old");
    platform::CopyFileOverwriting(companionBase + ".cfg", paths.cfg + rawName + ".cfg");
}

}  // namespace

std::string LaunchBatchText(const LaunchBatchInput& input) {
    const std::string& e = input.emulatorDirectory;
    std::string text;
    if (input.unpacked) {
        text += "@attrib " + input.romDirectory + platform::kSeparator + "*.* -r -a -h -s\n";
    }
    if (!input.univbePath.empty()) {
        text += "@" + input.univbePath + "\n";
    }
    text +=
        "@echo Loading games....\n@echo If you see this message for more than 20 seconds\n"
        "@echo press Enter key to continue!\n";
    if (input.todaysEmulator) {
        text += catalogue::TodaysPlayCommandLine(input.executable, input.rawName, input.options,
                                                 input.replayPart, input.todaysDirectories);
    } else {
        text += catalogue::PlayCommandLine(input.executable, input.rawName, input.options,
                                           input.replayPart);
    }
    if (!input.univbePath.empty()) {
        text += "@" + input.univbePath + " /u \n";
    }
    text += "cd " + e + "snap" + platform::kSeparator + "\n";
    if (input.todaysEmulator) {
        text += "move *.png " + e + "pcx" + platform::kSeparator + "\n";
        text += "cd " + e + "\n";
        return text;
    }
    text += input.programDirectory + input.converterCommandLine + "\n";
    text += "move *.pcx " + e + "pcx" + platform::kSeparator + "\n";
    text += "cd " + e + "\n";
    return text;
}

std::string EmulatorOptions(std::string_view optionsText) {
    std::string options(optionsText);
    if (store::FindTextNoCase("soundcard", options) == 0) {
        options += catalogue::kNoSoundCardOption;
    }
    return options;
}

std::string ReplayPart(const PlayChoices& choices, std::string_view rawName,
                       bool todaysEmulator) {
    if (!choices.replayToPlay.empty()) {
        return todaysEmulator ? catalogue::TodaysPlaybackReplayOption(rawName)
                              : catalogue::PlaybackReplayOption(rawName);
    }
    if (!choices.getReplay) {
        return std::string();
    }
    return todaysEmulator ? catalogue::kTodaysRecordReplayOption : catalogue::kRecordReplayOption;
}

std::string OlderExecutableName(const store::GameDatabase& games, int index) {
    std::string name = store::TrimmedBlanks(games.Field(index, 'Z'));
    // "mame" in any letter case is the current emulator, not an older one.
    if (store::EqualsNoCase(name, kCurrentExecutable)) {
        name.clear();
    }
    return name;
}

long PlayingSeconds(std::chrono::steady_clock::time_point start,
                    std::chrono::steady_clock::time_point end) {
    // Two readings of the clock in whole seconds: a play from 10.6 to 70.5
    // counts 60 seconds, as the difference of whole-second times always did.
    const auto wholeSeconds = [](std::chrono::steady_clock::time_point t) {
        return std::chrono::floor<std::chrono::seconds>(t.time_since_epoch()).count();
    };
    return static_cast<long>(wholeSeconds(end) - wholeSeconds(start));
}

std::vector<std::string> ZipsToUnpack(const store::GameDatabase& games, int index,
                                      const store::EmulatorPaths& paths) {
    const std::string romZip = games.Field(index, 'C');
    const bool olderExecutable = !OlderExecutableName(games, index).empty();
    // An older executable cannot be trusted to read the roms directory in place.
    if (StartsWithNoCase(romZip, paths.roms) && !olderExecutable) {
        return {};
    }
    std::vector<std::string> zips{romZip};
    const std::string parentZip = ParentRomZip(games, index);
    if (!parentZip.empty()) {
        zips.push_back(parentZip);
    }
    const std::string samplesZip = games.Field(index, 'D');
    if (!samplesZip.empty()) {
        zips.push_back(samplesZip);
    }
    return zips;
}

std::string MissingRomZipMessage(std::string_view romZip) {
    return "Warning!\nYou SURELY have done something to the file:\n" + std::string(romZip) +
           "\nbecause now it doesn't exists no more!\nSo you are not able to play this game!";
}

LaunchResult LaunchGame(store::Session& session, PlayChoices& choices,
                        store::UserFeedback& feedback, catalogue::MessagePump* pump) {
    LaunchResult result;
    const std::string description = session.state.lastGameSelection;
    const std::optional<int> found = store::FindGameByDescription(session.games, description);
    if (!found) {
        return result;
    }
    const int index = *found;
    store::GameDatabase& games = session.games;
    const store::EmulatorPaths& paths = session.emulator;
    const std::string rawName = store::TrimmedBlanks(games.Field(index, 'A'));
    // The raw name becomes a directory that is emptied afterwards: it must
    // name one of its own inside the emulator directory.
    if (!IsPlainName(rawName)) {
        return result;
    }

    const std::string olderName = OlderExecutableName(games, index);
    // Older executables copied from oldmame are DOS-era ones whatever the current emulator is.
    const bool todaysEmulator =
        olderName.empty() && catalogue::CurrentGeneration(session.files.directory,
                                                          paths.directory) ==
                                 catalogue::EmulatorGeneration::Today;
    const std::string romZip = games.Field(index, 'C');
    // A machine of today's emulator that needs no ROM file plays without a zip.
    const bool romLess = todaysEmulator && romZip.empty() &&
                         catalogue::NeedsNoRomFiles(session.files.directory, rawName);
    if (!romLess && !store::FileExists(romZip)) {
        games.SetField(index, 'C', "");
        games.SetField(index, 'W', "");
        feedback.ShowMessage(MissingRomZipMessage(romZip), store::MessageIcon::Exclamation);
        result.outcome = LaunchOutcome::RomZipMissing;
        result.playEnabled = !games.Field(index, 'C').empty();
        return result;
    }
    result.outcome = LaunchOutcome::Played;
    result.playEnabled = true;

    // The emulator reads a game's unpacked ROMs from the directory of its raw name.
    RomDirectory romDirectory;
    romDirectory.path = paths.directory + rawName;
    romDirectory.existedBefore = platform::IsDirectory(romDirectory.path);
    platform::MakeDirectory(romDirectory.path);

    const std::vector<std::string> zips =
        romLess ? std::vector<std::string>() : ZipsToUnpack(games, index, paths);
    if (!zips.empty()) {
        UnpackInto(romDirectory, zips,
                   paths.directory + kTemporaryPrefix + "unpack" + platform::kSeparator);
    }

    std::string univbePath;
    if (choices.useUnivbe) {
        if (platform::IsReadableFile(session.state.lastUnivbeDir)) {
            univbePath = session.state.lastUnivbeDir;
        } else {
            choices.useUnivbe = false;
        }
    }

    const std::string replayToPlay = choices.replayToPlay;
    if (!replayToPlay.empty()) {
        PreparePlaybackFiles(paths, rawName, replayToPlay);
    }

    OlderExecutable older;
    older.batchName = kCurrentExecutable;
    if (!olderName.empty()) {
        older = CopyOlderExecutable(paths, olderName);
    }

    LaunchBatchInput batch;
    batch.emulatorDirectory = paths.directory;
    batch.romDirectory = romDirectory.path;
    batch.unpacked = !zips.empty();
    batch.univbePath = univbePath;
    batch.executable = older.batchName;
    batch.rawName = rawName;
    // "-soundcard" is one of the DOS-only options today's emulator refuses.
    const std::string optionsText = OptionsText(games[index].line, session.settings);
    batch.options = todaysEmulator ? optionsText : EmulatorOptions(optionsText);
    batch.replayPart = ReplayPart(choices, rawName, todaysEmulator);
    batch.todaysEmulator = todaysEmulator;
    if (todaysEmulator) {
        // Unpacked ROMs lie in a directory named after the game, which the
        // emulator looks for inside its ROM path: the emulator directory.
        batch.todaysDirectories.romPath =
            WithoutTrailingSeparator(zips.empty() ? paths.roms : paths.directory);
        batch.todaysDirectories.samplePath = WithoutTrailingSeparator(paths.samples);
    }
    batch.programDirectory = session.files.directory;
    batch.converterCommandLine = store::TrimmedBlanks(session.state.lastConvCommandLine).empty()
                                     ? std::string(store::kDefaultConverterCommandLine)
                                     : session.state.lastConvCommandLine;
    catalogue::WriteBatchFile(kLaunchBatch, paths.directory, LaunchBatchText(batch));

    const std::vector<std::string> pcxBeforePlay = PcxFileNames(paths);
    const auto start = std::chrono::steady_clock::now();
    catalogue::RunBatchFile(kLaunchBatch, paths.directory, true, pump);
    const auto end = std::chrono::steady_clock::now();
    result.seconds = PlayingSeconds(start, end);

    std::string frameRate;
    result.emulatorError =
        ReadFrameRate(paths.directory + catalogue::kFrameRateFile, result.emulatorOutput);
    if (result.emulatorError) {
        feedback.ShowMessage(result.emulatorOutput, store::MessageIcon::Exclamation);
    } else {
        frameRate = result.emulatorOutput;
    }
    AddPlayStatistics(games, index, result.seconds, frameRate, store::CurrentDate());
    if (!todaysEmulator) {
        RemoveConvertedSnapshots(paths, pcxBeforePlay);
    }
    result.snapshotsFiled = FileSnapshots(session, description);
    if (!replayToPlay.empty()) {
        RestoreAfterPlayback(paths, rawName, replayToPlay);
    } else {
        result.replaysFiled = FileReplays(session, description);
    }

    if (!older.copyPath.empty()) {
        platform::RemoveFile(older.copyPath);
    }
    RemoveRomDirectory(romDirectory);
    platform::RemoveFile(paths.directory + kLaunchBatch);
    platform::RemoveFile(paths.directory + catalogue::kFrameRateFile);
    choices.replayToPlay.clear();
    return result;
}

}  // namespace quorvex::play
