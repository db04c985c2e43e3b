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

}  // namespace quorvex::catalogue
