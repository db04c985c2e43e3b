#pragma once
// The directories the program works in and the names of its files there.

#include <optional>
#include <string>

namespace quorvex::store {

struct ProgramFiles {
    std::string directory;  // ends with the native separator
    std::string gameDatabase;
    std::string state;
    std::string settings;
    std::string filters;
    std::string sortings;
    std::string fieldCatalogue;
    std::string romScanLog;
    std::string sampleScanLog;
    std::string transformLog;
};

ProgramFiles MakeProgramFiles(const std::string& programDirectory);

// The emulator directory and its sub-directories, each ending with the native separator.
struct EmulatorPaths {
    std::string directory;
    std::string roms;
    std::string samples;
    std::string snapshot;
    std::string replay;
    std::string hi;
    std::string cfg;
    std::string pcx;
    std::string inp;
    std::string oldmame;
    std::string snap;
    std::string executable;  // the emulator program itself
};

EmulatorPaths MakeEmulatorPaths(const std::string& emulatorDirectory);
// Creates every sub-directory that is missing (failures are ignored: the
// operations that need one report their own trouble).
void CreateEmulatorSubdirectories(const EmulatorPaths& paths);

// The emulator directory for a typed text: blanks removed, the emulator's
// file name cut when the text names the program itself, a separator added;
// lower-cased where the file system ignores case. Nothing when the
// emulator program is not there.
std::optional<std::string> NormaliseEmulatorDirectory(const std::string& typed);

// True when the directory holds the emulator program.
bool EmulatorDirectoryIsValid(const std::string& emulatorDirectory);

}  // namespace quorvex::store
