// The emulator test double. Command lines it understands:
//   mame -listfull | -listclones | -listdetails | -listgames | -help
//   mame <game> -listroms | -listsamples
//   mame <game> [-ignorecfg] [options...] [-record <name>] [-playback <name>]
//   mame --generate-catalogue <count> <seed>      prints a catalogue
// Options it does not know are ignored. It reads "catalogue.txt" beside its
// own executable (format in catalogue.h). When QUORVEX_FAKE_MAME_LOG names a
// file, every run appends its arguments there as one line.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "catalogue.h"
#include "generator.h"
#include "listings.h"
#include "play.h"
#include "todays_listings.h"

namespace fs = std::filesystem;
using namespace fake_emulator;

namespace {

// The catalogue beside the program as it was called (a symbolic link in an
// emulator directory counts), else beside the file it resolves to.
fs::path CataloguePath(const char* argv0) {
    std::error_code error;
    const fs::path called = fs::absolute(fs::path(argv0), error).parent_path() / kCatalogueFileName;
    if (!error && fs::exists(called)) {
        return called;
    }
#ifdef _WIN32
    char buffer[MAX_PATH] = {};
    if (GetModuleFileNameA(nullptr, buffer, MAX_PATH) > 0) {
        return fs::path(buffer).parent_path() / kCatalogueFileName;
    }
#else
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        return self.parent_path() / kCatalogueFileName;
    }
#endif
    return called;
}

void LogRun(const std::vector<std::string>& arguments) {
    const char* path = std::getenv("QUORVEX_FAKE_MAME_LOG");
    if (path == nullptr || *path == '\0') {
        return;
    }
    std::string line;
    for (const std::string& argument : arguments) {
        line += (line.empty() ? "" : " ") + argument;
    }
    std::ofstream(path, std::ios::app) << line << '\n';
}

int Print(const std::string& text, int exitCode = 0) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return exitCode;
}

// Options of the play command line that take a value.
bool TakesValue(const std::string& option) {
    return option == "-record" || option == "-playback" || option == "-soundcard" ||
           option == "-rompath" || option == "-samplepath" || option == "-snapshot_directory" ||
           option == "-snapname" || option == "-input_directory" || option == "-cfg_directory";
}

// Today's emulator refuses what it does not know, on standard error.
bool UnknownToToday(const std::string& option) {
    return option == "-ignorecfg" || option == "-soundcard" || option == "-listdetails" ||
           option == "-listgames";
}

int TodaysError(const std::string& text) {
    std::fprintf(stderr, "%s", text.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    LogRun(arguments);

    if (!arguments.empty() && arguments[0] == "--generate-catalogue") {
        if (arguments.size() < 3) {
            std::fprintf(stderr, "usage: mame --generate-catalogue <count> <seed>\n");
            return 2;
        }
        const int count = std::atoi(arguments[1].c_str());
        const std::uint64_t seed = std::strtoull(arguments[2].c_str(), nullptr, 10);
        return Print(GenerateCatalogue(count, seed));
    }

    const fs::path cataloguePath = CataloguePath(argv[0]);
    const std::optional<Catalogue> catalogue = LoadCatalogue(cataloguePath.string());
    if (!catalogue) {
        std::fprintf(stderr, "Cannot read the game catalogue %s\n", cataloguePath.string().c_str());
        return 2;
    }

    std::string command;
    PlayRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.empty() || argument[0] != '-') {
            if (request.game.empty()) {
                request.game = argument;
            }
            continue;
        }
        const std::string value = i + 1 < arguments.size() ? arguments[i + 1] : std::string();
        if (catalogue->today && UnknownToToday(argument)) {
            return TodaysError("Error: unknown option: " + argument + "\n");
        }
        if (argument == "-rompath") {
            request.romPath = value;
        } else if (argument == "-snapshot_directory") {
            request.snapshotDirectory = value;
        } else if (argument == "-snapname") {
            request.snapName = value;
        } else if (argument == "-input_directory") {
            request.inputDirectory = value;
        }
        if (argument == "-record") {
            request.record = value;
        } else if (argument == "-playback") {
            request.playback = value;
        } else if (argument.rfind("-list", 0) == 0 || argument == "-help") {
            command = argument;
        }
        if (TakesValue(argument)) {
            ++i;
        }
    }

    request.today = catalogue->today;
    if (catalogue->today) {
        if (command == "-listfull") {
            return Print(TodaysListFull(*catalogue));
        }
        if (command == "-listclones") {
            return Print(TodaysListClones(*catalogue));
        }
        if (command == "-listxml") {
            return Print(TodaysListXml(*catalogue));
        }
        if (command == "-help") {
            return Print(TodaysHelp(*catalogue));
        }
    }
    if (command == "-listfull") {
        return Print(ListFull(*catalogue));
    }
    if (command == "-listclones") {
        return Print(ListClones(*catalogue));
    }
    if (command == "-listdetails") {
        return Print(ListDetails(*catalogue));
    }
    if (command == "-listgames") {
        return Print(ListGames(*catalogue));
    }
    if (command == "-listroms" || command == "-listsamples") {
        // An unknown game prints nothing, so that no error text reads as a file name.
        const Game* game = catalogue->Find(request.game);
        if (game == nullptr) {
            return 1;
        }
        return Print(command == "-listroms" ? ListRoms(*game) : ListSamples(*game));
    }
    if (command == "-help" || request.game.empty()) {
        return Print(Help(*catalogue));
    }
    std::string console;
    const int exitCode = Play(*catalogue, request, console);
    return Print(console, exitCode);
}
