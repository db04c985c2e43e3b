#include "catalogue/emulator_commands.h"

namespace quorvex::catalogue {

namespace {

std::string ListLine(std::string_view option, const char* outputFile) {
    std::string line = "mame ";
    line.append(option);
    line += " >";
    line += outputFile;
    line += '\n';
    return line;
}

}  // namespace

std::string SupportedGamesBatchText() {
    return ListLine("-listfull", kSupportedGamesFile);
}

std::string CloneInfoBatchText() {
    return ListLine("-listclones", kClonesFile) + ListLine("-listdetails", kDetailsFile) +
           ListLine("-help", kVersionFile) + ListLine("-listgames", kCompaniesFile);
}

std::string VersionBatchText() {
    return ListLine("-help", kVersionFile);
}

std::string MachineListBatchText() {
    return ListLine("-listxml", kMachineListFile);
}

std::string NeededFilesBatchText(std::string_view rawName, NeededFileKind kind) {
    std::string command(rawName);
    command += kind == NeededFileKind::Roms ? " -listroms" : " -listsamples";
    return ListLine(command, kNeededFilesFile);
}

std::string PlaybackReplayOption(std::string_view rawName) {
    std::string option = " -playback ";
    option.append(rawName);
    return option;
}

std::string PlayCommandLine(std::string_view executable, std::string_view rawName,
                            std::string_view options, std::string_view replayPart) {
    std::string line = "@";
    line.append(executable);
    line += ' ';
    line.append(rawName);
    line += " -ignorecfg ";
    line.append(options);
    line.append(replayPart);
    line += " >";
    line += kFrameRateFile;
    line += " \n";
    return line;
}

namespace {

// Batch words are split on blanks; quotes keep a path with blanks in one piece.
std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::string TodaysPlaybackReplayOption(std::string_view rawName) {
    return PlaybackReplayOption(rawName) + ".inp";
}

std::string TodaysPlayCommandLine(std::string_view executable, std::string_view rawName,
                                  std::string_view options, std::string_view replayPart,
                                  const TodaysPlayDirectories& directories) {
    std::string line = "@";
    line.append(executable);
    line += ' ';
    line.append(rawName);
    line += ' ';
    line.append(options);
    line += " -rompath " + Quoted(directories.romPath);
    line += " -samplepath " + Quoted(directories.samplePath);
#ifdef _WIN32
    // cmd.exe reads "%g%" as a variable in a batch file; "%%" stands for one "%".
    line += " -snapshot_directory snap -snapname \"%%g%%i\" -input_directory inp -cfg_directory cfg";
#else
    line += " -snapshot_directory snap -snapname \"%g%i\" -input_directory inp -cfg_directory cfg";
#endif
    line.append(replayPart);
    line += " >";
    line += kFrameRateFile;
    line += " 2>&1 \n";
    return line;
}

}  // namespace quorvex::catalogue
