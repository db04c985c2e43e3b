#include "store/program_paths.h"

#include <filesystem>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/paths.h"
#include "store/text_utils.h"

namespace quorvex::store {

ProgramFiles MakeProgramFiles(const std::string& programDirectory) {
    ProgramFiles files;
    files.directory = platform::WithTrailingSeparator(programDirectory);
    files.gameDatabase = files.directory + "mamegame.qvx";
    files.state = files.directory + "quorvex.qvx";
    files.settings = files.directory + "settings.qvx";
    files.filters = files.directory + "filters.qvx";
    files.sortings = files.directory + "sortings.qvx";
    files.fieldCatalogue = files.directory + "mamefld.qvx";
    files.romScanLog = files.directory + "LogScansioneRoms.txt";
    files.sampleScanLog = files.directory + "LogScansioneSamples.txt";
    files.transformLog = files.directory + "LogTrasnformRoms.txt";
    return files;
}

EmulatorPaths MakeEmulatorPaths(const std::string& emulatorDirectory) {
    EmulatorPaths paths;
    paths.directory = platform::WithTrailingSeparator(emulatorDirectory);
    auto sub = [&](const char* name) { return paths.directory + name + platform::kSeparator; };
    paths.roms = sub("roms");
    paths.samples = sub("samples");
    paths.snapshot = sub("snapshot");
    paths.replay = sub("replay");
    paths.hi = sub("hi");
    paths.cfg = sub("cfg");
    paths.pcx = sub("pcx");
    paths.inp = sub("inp");
    paths.oldmame = sub("oldmame");
    paths.snap = sub("snap");
    paths.executable = paths.directory + platform::EmulatorExecutableName();
    return paths;
}

void CreateEmulatorSubdirectories(const EmulatorPaths& paths) {
    for (const std::string* sub :
         {&paths.roms, &paths.samples, &paths.snapshot, &paths.replay, &paths.hi, &paths.cfg,
          &paths.pcx, &paths.inp, &paths.oldmame, &paths.snap}) {
        platform::MakeDirectory(*sub);
    }
}

std::optional<std::string> NormaliseEmulatorDirectory(const std::string& typed) {
    std::string text = TrimmedBlanks(typed);
    if constexpr (platform::kCaseInsensitiveFileSystem) {
        text = ToLowerAscii(text);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // The user may type the directory or the program inside it; on POSIX a
    // folder may well be called like the program, so a folder wins.
    const std::string name = FileNamePart(text);
    std::string directory;
    if (!name.empty() && !platform::IsDirectory(text) &&
        (EqualsNoCase(name, "mame.exe") || name == platform::EmulatorExecutableName())) {
        directory = text.substr(0, text.size() - name.size());
        if (directory.empty()) {
            directory = platform::CurrentDirectory();
        }
    } else {
        directory = platform::WithTrailingSeparator(text);
    }
    std::error_code error;
    const std::filesystem::path absolute =
        std::filesystem::absolute(std::filesystem::path(directory), error);
    if (!error) {
        directory = platform::WithTrailingSeparator(absolute.lexically_normal().string());
        if constexpr (platform::kCaseInsensitiveFileSystem) {
            directory = ToLowerAscii(directory);
        }
    }
    if (!EmulatorDirectoryIsValid(directory)) {
        return std::nullopt;
    }
    return directory;
}

bool EmulatorDirectoryIsValid(const std::string& emulatorDirectory) {
    // A file that cannot be run is no emulator; the batch would go looking
    // for another one.
    return !emulatorDirectory.empty() &&
           platform::IsExecutableFile(platform::WithTrailingSeparator(emulatorDirectory) +
                                      platform::EmulatorExecutableName());
}

}  // namespace quorvex::store
