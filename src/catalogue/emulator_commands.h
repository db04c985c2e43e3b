#pragma once
// The emulator's command lines as the program writes them into batch files,
// and the names of the files their outputs are redirected into. The batch
// texts end each line with a line feed; the Command runner stores CR LF.

#include <string>
#include <string_view>

namespace quorvex::catalogue {

// Output files, all in the emulator directory.
inline constexpr const char* kSupportedGamesFile = "games_supported.qvx";
inline constexpr const char* kClonesFile = "clones_supported.qvx";
inline constexpr const char* kDetailsFile = "details_games.qvx";
inline constexpr const char* kVersionFile = "mame_version.qvx";
inline constexpr const char* kCompaniesFile = "company_info.qvx";
inline constexpr const char* kNeededFilesFile = "files_needed.qvx";
inline constexpr const char* kFrameRateFile = "fps.QVX";
// Today's emulator: the machine list ("-listxml"), read as a stream and deleted.
inline constexpr const char* kMachineListFile = "machines_list.qvx";

// Batch files, written into the emulator directory.
inline constexpr const char* kSupportedGamesBatch = "gamessup.bat";
inline constexpr const char* kCloneInfoBatch = "clonesup.bat";
inline constexpr const char* kNeededFilesBatch = "fileneed.bat";
inline constexpr const char* kMachineListBatch = "machines.bat";
inline constexpr const char* kVersionBatch = "version.bat";

enum class NeededFileKind { Roms, Samples };

// "mame -listfull >games_supported.qvx" and a line feed.
std::string SupportedGamesBatchText();
// The four list commands for clones, details, version and companies, one per line.
std::string CloneInfoBatchText();
// "mame -help >mame_version.qvx" and a line feed: the banner alone.
std::string VersionBatchText();
// "mame -listxml >machines_list.qvx" and a line feed (today's emulator).
std::string MachineListBatchText();
// "mame <raw name> -listroms >files_needed.qvx" (or -listsamples) and a line feed.
std::string NeededFilesBatchText(std::string_view rawName, NeededFileKind kind);

// The replay parts of the play command line.
inline constexpr const char* kRecordReplayOption = " -record x";
// The name the emulator records into with kRecordReplayOption, without ".inp".
inline constexpr const char* kRecordedReplayName = "x";
std::string PlaybackReplayOption(std::string_view rawName);
// Added to the options when they name no sound card.
inline constexpr const char* kNoSoundCardOption = " -soundcard 0";

// The play line: "@" executable, raw name, " -ignorecfg ", options and replay
// part, redirected into "fps.QVX", then a blank and a line feed.
std::string PlayCommandLine(std::string_view executable, std::string_view rawName,
                            std::string_view options, std::string_view replayPart);

// Today's emulator keeps its files where it is told, not in fixed places.
// Directories are relative to the emulator directory, where the batch runs.
struct TodaysPlayDirectories {
    std::string romPath;     // where the game's ROMs are found
    std::string samplePath;  // where its samples are found
};
// The replay parts for today's emulator, which takes the file name as given.
inline constexpr const char* kTodaysRecordReplayOption = " -record x.inp";
std::string TodaysPlaybackReplayOption(std::string_view rawName);
// The play line for today's emulator: no DOS-only options; the directories
// the program files from (snap, inp, cfg) and the ROM and sample paths are
// passed, snapshots are named after the game and numbered, and standard
// error joins standard output in "fps.QVX" so its error messages are seen.
std::string TodaysPlayCommandLine(std::string_view executable, std::string_view rawName,
                                  std::string_view options, std::string_view replayPart,
                                  const TodaysPlayDirectories& directories);

}  // namespace quorvex::catalogue
