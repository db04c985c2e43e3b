#pragma once
// Starting outside programs and waiting for them. Nothing here changes the
// process's own current directory or throws.

#include <optional>
#include <string>
#include <vector>

namespace quorvex::platform {

struct ProcessRequest {
    // arguments[0] is the program: a path (absolute or relative to the
    // caller's current directory, not to workingDirectory) that is started as is.
    std::vector<std::string> arguments;
    // The child's current directory; empty keeps the caller's.
    std::string workingDirectory;
    // When not empty, standard output goes to this file, created or truncated
    // (or appended to with appendOutput); standard error joins it only with
    // errorToOutput, and otherwise stays the caller's.
    std::string outputFile;
    bool appendOutput = false;
    bool errorToOutput = false;
    // Windows only: show the child's console window normally and activated
    // instead of minimised without taking the focus.
    bool showNormal = false;
};

// Starts the program and waits for its end: its exit code, or nothing when
// it could not be started (missing program, missing working directory,
// output file that cannot be opened).
std::optional<int> RunProcess(const ProcessRequest& request);

// Hands a document to the desktop's opener (xdg-open, or "start" on Windows)
// without waiting for it; false when the opener could not be started.
bool OpenDetached(const std::string& path);

// True when path names a regular file this process may execute.
bool IsExecutableFile(const std::string& path);

// The first directory of PATH holding an executable file of that bare name,
// as a full path; nothing when no such file exists.
std::optional<std::string> FindInSearchPath(const std::string& name);

// The directory of the running executable, ending with the native separator;
// empty when the system cannot tell.
std::string RunningExecutableDirectory();

// Runs a batch file through the Windows command interpreter with the given
// working directory and waits for it; false when it could not be started.
// Only meaningful on Windows; elsewhere it always fails.
bool RunBatchThroughCommandInterpreter(const std::string& batchPath,
                                       const std::string& workingDirectory, bool showNormal);

}  // namespace quorvex::platform
