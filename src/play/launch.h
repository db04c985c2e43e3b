#pragma once
// Playing the current game: the ROM check, unpacking ROMs the emulator cannot
// read in place, the launch batch "QVXLaunch.bat" with the emulator line, an
// older emulator executable, a replay to record or to play back, and the
// filing and clean-up after play.

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/command_runner.h"
#include "catalogue/emulator_commands.h"
#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::play {

inline constexpr const char* kLaunchBatch = "QVXLaunch.bat";
// The emulator as the launch batch names it when the game needs no older one.
inline constexpr const char* kCurrentExecutable = "mame";

// The play controls of the games page and the replays page.
struct PlayChoices {
    bool useUnivbe = false;    // Use Univbe; unchecked by a launch that finds no univbe.exe
    bool getReplay = false;    // Get replay
    std::string replayToPlay;  // a ".inp" file to play back; emptied by every play
};

// Everything one launch batch is made of.
struct LaunchBatchInput {
    std::string emulatorDirectory;  // ends with the native separator
    std::string romDirectory;       // the temporary ROM directory, no trailing separator
    bool unpacked = false;          // the attribute line is written
    std::string univbePath;         // empty: no univbe lines
    std::string executable;         // "mame" or the older executable's name
    std::string rawName;
    std::string options;     // as EmulatorOptions gives them
    std::string replayPart;  // as ReplayPart gives it
    std::string programDirectory;
    std::string converterCommandLine;
    // Today's emulator: its own play line, and PNG snapshots that need no converter.
    bool todaysEmulator = false;
    catalogue::TodaysPlayDirectories todaysDirectories;
};

// The text of "QVXLaunch.bat", lines ended by a line feed: the attribute
// line, univbe, the three echo lines, the emulator line, univbe unloading,
// then the snapshot conversion in the snap directory: the converter and the
// move of the ".pcx" files into the pcx directory. The converted ".png"
// files are deleted after play, one by one (RemoveConvertedSnapshots), so
// that a picture the converter could not read is kept. For today's emulator
// the emulator line is its own and its ".png" snapshots are moved as they are.
std::string LaunchBatchText(const LaunchBatchInput& input);

// The game's options text with " -soundcard 0" added when it names no sound card.
std::string EmulatorOptions(std::string_view optionsText);

// " -playback <raw name>" for a replay to play, else " -record x" with Get
// replay, else nothing. Today's emulator is given the file names with ".inp".
std::string ReplayPart(const PlayChoices& choices, std::string_view rawName,
                       bool todaysEmulator = false);

// Field Z trimmed: the older executable the game plays with; empty for the
// current emulator, which Z may also name as "mame" in any letter case.
std::string OlderExecutableName(const store::GameDatabase& games, int index);

// The playing time between two readings of a monotonic clock, each taken in
// whole seconds.
long PlayingSeconds(std::chrono::steady_clock::time_point start,
                    std::chrono::steady_clock::time_point end);

// The zips a launch unpacks for the game at index, in order: its ROM zip,
// the parent's ROM zip when its set is "Partial" and the parent is in the
// database, its samples zip. Empty when the emulator reads the ROM zip in
// place: it lies in the roms directory (or below) and no older executable plays.
std::vector<std::string> ZipsToUnpack(const store::GameDatabase& games, int index,
                                      const store::EmulatorPaths& paths);

// "Warning!\nYou SURELY have done something to the file:\n<path>\n..."
std::string MissingRomZipMessage(std::string_view romZip);

enum class LaunchOutcome {
    NoCurrentGame,  // LAST_GAME_SELECTION names no game: nothing happened
    RomZipMissing,  // the warning was shown, C and W removed, nothing run
    Played,
};

struct LaunchResult {
    LaunchOutcome outcome = LaunchOutcome::NoCurrentGame;
    bool playEnabled = false;  // the Play button's state afterwards: the game has a ROM zip
    long seconds = 0;          // the playing time
    bool emulatorError = false;
    std::string emulatorOutput;  // the frame rate, or the error output shown
    int snapshotsFiled = 0;
    int replaysFiled = 0;
};

// Plays the game named by session.state.lastGameSelection and waits for the
// emulator's end, then adds the play to the game's statistics (in memory),
// files its snapshots and replays and removes every temporary file of the
// launch. Messages (a vanished ROM zip, the emulator's error output) go
// through feedback. choices.replayToPlay is empty after a play; useUnivbe is
// cleared when univbe.exe is not there.
LaunchResult LaunchGame(store::Session& session, PlayChoices& choices,
                        store::UserFeedback& feedback, catalogue::MessagePump* pump);

}  // namespace quorvex::play
