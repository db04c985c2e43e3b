#pragma once
// The command interpreter for the program's batch files. On Windows batch
// files run through cmd.exe; elsewhere our own interpreter runs the part of
// the batch language the program writes: the "@" prefix, "echo", "cd",
// "attrib", "move", "del" and programs with a ">" or ">>" redirection of
// their standard output, and "2>&1" to send standard error along.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

// One line of a batch text taken apart: words split on blanks with double
// quotes grouping (the quotes themselves removed) and the redirection target.
struct BatchCommand {
    std::vector<std::string> words;
    std::string outputFile;  // empty when the line has no redirection
    bool appendOutput = false;
    // "2>&1": standard error goes where standard output goes.
    bool errorToOutput = false;
    // The line after the command word up to the redirection, as typed
    // (quotes kept, trailing blanks removed): what "echo" prints.
    std::string rawArguments;
};

// Takes one line apart; a leading "@" and surrounding blanks are dropped.
// An empty line gives no words.
BatchCommand ParseBatchLine(std::string_view line);

// The program a batch command word starts, as a full path: the word relative
// to currentDirectory, then without a trailing ".exe", then the same bare name
// in the directory of the running executable, then in PATH. Nothing when none
// of them is an executable file.
std::optional<std::string> ResolveBatchCommand(const std::string& word,
                                               const std::string& currentDirectory);

// Runs every line of text in order, starting in workingDirectory, and waits
// for each program. The process's own current directory is left alone; a
// failing command is not reported, as with the Windows interpreter.
// False only when workingDirectory does not exist.
bool InterpretBatchText(std::string_view text, const std::string& workingDirectory);

// Reads the batch file and interprets it; false when the working directory
// does not exist or the file cannot be read.
bool InterpretBatchFile(const std::string& batchPath, const std::string& workingDirectory);

// Runs a batch file the platform's way (cmd.exe on Windows, the interpreter
// above elsewhere) and returns when all of it has ended; false when it could
// not be started. showNormal matters only where a console window is shown.
bool RunBatch(const std::string& batchPath, const std::string& workingDirectory, bool showNormal);

}  // namespace quorvex::platform
