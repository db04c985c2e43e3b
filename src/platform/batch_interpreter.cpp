#include "platform/batch_interpreter.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"

namespace quorvex::platform {

namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = LowerAscii(c);
    }
    return lower;
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           Lower(text.substr(text.size() - suffix.size())) == suffix;
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

bool HasWildcard(std::string_view name) {
    return name.find_first_of("*?") != std::string::npos;
}

// "/y", "/-y", "/q": switches of the DOS commands, which mean nothing here.
bool IsSwitch(const std::string& word) {
    return word.size() >= 2 && word.size() <= 3 && word[0] == '/' &&
           word.find('/', 1) == std::string::npos;
}

bool IsAbsolutePath(const std::string& path) {
#ifdef _WIN32
    return (path.size() >= 2 && path[1] == ':') || (!path.empty() && IsSeparator(path[0]));
#else
    return !path.empty() && path[0] == '/';
#endif
}

// Batch texts come from DOS, so backslashes in paths are taken as separators.
std::string ResolvePath(const std::string& currentDirectory, const std::string& path) {
    std::string native = ToNativeSeparators(path);
    return IsAbsolutePath(native) ? native : currentDirectory + native;
}

std::size_t LastSeparator(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1])) {
            return i - 1;
        }
    }
    return std::string::npos;
}

std::string BaseName(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(fs::path(path), error);
}

// The files a DOS pattern names: a plain name that exists is taken as it is;
// otherwise names are matched ignoring case, as the DOS commands did.
std::vector<std::string> MatchFiles(const std::string& currentDirectory,
                                    const std::string& pattern) {
    const std::string full = ResolvePath(currentDirectory, pattern);
    const std::size_t separator = LastSeparator(full);
    const std::string directory =
        separator == std::string::npos ? currentDirectory : full.substr(0, separator + 1);
    const std::string name = separator == std::string::npos ? full : full.substr(separator + 1);
    if (name.empty()) {
        return {};
    }
    if (!HasWildcard(name) && IsRegularFile(full)) {
        return {full};
    }
    std::vector<std::string> files;
    for (const DirectoryEntry& entry : ListDirectory(directory, name)) {
        if (!entry.isDirectory) {
            files.push_back(directory + entry.name);
        }
    }
    return files;
}

std::vector<std::string> CommandForms(const std::string& word) {
    const std::string native = ToNativeSeparators(word);
    std::vector<std::string> forms{native};
    if (EndsWithIgnoringCase(native, ".exe") && native.size() > 4) {
        forms.push_back(native.substr(0, native.size() - 4));
    }
    return forms;
}

// The word as given relative to the current directory, then without ".exe".
std::optional<std::string> ResolveInPlace(const std::string& word,
                                          const std::string& currentDirectory) {
    if (word.empty()) {
        return std::nullopt;
    }
    for (const std::string& form : CommandForms(word)) {
        const std::string candidate = ResolvePath(WithTrailingSeparator(currentDirectory), form);
        if (IsExecutableFile(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

bool NamesTheEmulator(const std::string& form) {
    const std::string name = Lower(BaseName(form));
    return name == Lower(EmulatorExecutableName()) || name == "mame";
}

// Batch texts name programs by their Windows places (the archiver in the
// program directory, say); where that place does not hold it, the bare name
// is looked for beside our executable, in the helper folder an installed
// Quorvex keeps its own programs in (../libexec/quorvex, so that they never
// shadow a user's programs of the same name on PATH), and in PATH. Never the
// emulator: only the one in the emulator directory may run, since another
// one's game list would replace the user's games.
std::optional<std::string> ResolveElsewhere(const std::string& word) {
    if (word.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string> forms = CommandForms(word);
    if (std::any_of(forms.begin(), forms.end(), NamesTheEmulator)) {
        return std::nullopt;
    }
    const std::string executableDirectory = RunningExecutableDirectory();
    if (!executableDirectory.empty()) {
        const std::string helpers = executableDirectory + ".." + std::string(1, kSeparator) +
                                    "libexec" + kSeparator + "quorvex" + kSeparator;
        for (const std::string& folder : {executableDirectory, helpers}) {
            for (const std::string& form : forms) {
                const std::string candidate = folder + BaseName(form);
                if (IsExecutableFile(candidate)) {
                    return candidate;
                }
            }
        }
    }
    for (const std::string& form : forms) {
        if (std::optional<std::string> found = FindInSearchPath(BaseName(form))) {
            return found;
        }
    }
    return std::nullopt;
}

bool HasSeparator(const std::string& word) {
    return LastSeparator(ToNativeSeparators(word)) != std::string::npos;
}

std::string JoinWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t i = from; i < to; ++i) {
        joined += (i == from ? "" : " ") + words[i];
    }
    return joined;
}

struct ResolvedProgram {
    std::string path;
    std::size_t wordsUsed = 1;
};

// Batch texts write paths unquoted, so a directory with blanks splits the
// command word; like the Windows loader, longer runs of words are tried when
// the first word is a path.
std::optional<ResolvedProgram> ResolveCommandWords(const std::vector<std::string>& words,
                                                   const std::string& currentDirectory) {
    const std::size_t longest = HasSeparator(words.front()) ? words.size() : 1;
    for (std::size_t used = 1; used <= longest; ++used) {
        if (auto found = ResolveInPlace(JoinWords(words, 0, used), currentDirectory)) {
            return ResolvedProgram{*found, used};
        }
    }
    for (std::size_t used = 1; used <= longest; ++used) {
        if (used > 1 && !HasSeparator(words[used - 1])) {
            continue;
        }
        if (auto found = ResolveElsewhere(JoinWords(words, 0, used))) {
            return ResolvedProgram{*found, used};
        }
    }
    return std::nullopt;
}

std::vector<std::string> OperandsOf(const BatchCommand& command) {
    std::vector<std::string> operands;
    for (std::size_t i = 1; i < command.words.size(); ++i) {
        if (!IsSwitch(command.words[i])) {
            operands.push_back(command.words[i]);
        }
    }
    return operands;
}

std::string OutputTarget(const std::string& currentDirectory, const std::string& file) {
#ifndef _WIN32
    if (Lower(file) == "nul") {
        return "/dev/null";
    }
#endif
    return ResolvePath(currentDirectory, file);
}

// Where a built-in's text goes: the redirection target, created even when the
// text is empty as the Windows interpreter does, or the console.
void Emit(const std::string& currentDirectory, const BatchCommand& command,
          const std::string& text) {
    if (command.outputFile.empty()) {
        if (!text.empty()) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
        }
        return;
    }
    const std::string target = OutputTarget(currentDirectory, command.outputFile);
    FILE* out = std::fopen(target.c_str(), command.appendOutput ? "ab" : "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "The system cannot find the path specified: %s\n", target.c_str());
        return;
    }
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

class Interpreter {
public:
    explicit Interpreter(std::string workingDirectory)
        : m_currentDirectory(WithTrailingSeparator(std::move(workingDirectory))) {}

    void RunLine(std::string_view line) {
        const BatchCommand command = ParseBatchLine(line);
        if (command.words.empty()) {
            return;
        }
        const std::string word = Lower(command.words.front());
        if (word == "rem" || word == "::") {
            return;
        }
        if (word.rfind("echo", 0) == 0 && (word.size() == 4 || word[4] == '.')) {
            Emit(m_currentDirectory, command, EchoText(command));
        } else if (word == "cd" || word == "chdir") {
            Emit(m_currentDirectory, command, ChangeDirectory(OperandsOf(command)));
        } else if (word.rfind("cd", 0) == 0 && word.size() > 2 &&
                   (word[2] == '.' || IsSeparator(word[2]) || word[2] == '\\')) {
            // "cd.." and "cd\dir" need no blank after the command word.
            std::vector<std::string> operands = OperandsOf(command);
            operands.insert(operands.begin(), command.words.front().substr(2));
            Emit(m_currentDirectory, command, ChangeDirectory(operands));
        } else if (word == "attrib") {
            Emit(m_currentDirectory, command, Attrib(command));
        } else if (word == "move") {
            Emit(m_currentDirectory, command, Move(OperandsOf(command)));
        } else if (word == "del" || word == "erase") {
            Emit(m_currentDirectory, command, Delete(OperandsOf(command)));
        } else {
            RunProgram(command);
        }
    }

private:
    static std::string EchoText(const BatchCommand& command) {
        const std::string& word = command.words.front();
        if (word.size() > 4) {
            // "echo." prints what follows the dot, or an empty line.
            std::string text = word.substr(5);
            if (!command.rawArguments.empty()) {
                text += (text.empty() ? "" : " ") + command.rawArguments;
            }
            return text + "\n";
        }
        const std::string lower = Lower(command.rawArguments);
        if (lower == "off" || lower == "on") {
            return {};
        }
        return command.rawArguments + "\n";
    }

    std::string ChangeDirectory(const std::vector<std::string>& operands) {
        if (operands.empty()) {
            std::string shown = m_currentDirectory;
            if (shown.size() > 1 && IsSeparator(shown.back())) {
                shown.pop_back();
            }
            return shown + "\n";
        }
        // The DOS cd takes a path with blanks without quotes.
        std::string path = operands.front();
        for (std::size_t i = 1; i < operands.size(); ++i) {
            path += " " + operands[i];
        }
        const std::string target = ResolvePath(m_currentDirectory, path);
        if (!IsDirectory(target)) {
            return "The system cannot find the path specified.\n";
        }
        m_currentDirectory = WithTrailingSeparator(fs::path(target).lexically_normal().string());
        return {};
    }

    std::string Attrib(const BatchCommand& command) {
        bool clearReadOnly = false;
        std::vector<std::string> patterns;
        for (const std::string& operand : OperandsOf(command)) {
            if (operand.size() == 2 && (operand[0] == '-' || operand[0] == '+')) {
                // Only read-only has a meaning for POSIX permissions; archive,
                // hidden and system do not exist there.
                clearReadOnly = clearReadOnly || Lower(operand) == "-r";
            } else {
                patterns.push_back(operand);
            }
        }
        // attrib takes one name, so several words are one path with blanks,
        // unless only the words taken one by one name files.
        if (patterns.size() > 1) {
            const std::string joined = JoinWords(patterns, 0, patterns.size());
            if (!MatchFiles(m_currentDirectory, joined).empty()) {
                patterns = {joined};
            }
        }
        std::string output;
        for (const std::string& pattern : patterns) {
            const std::vector<std::string> files = MatchFiles(m_currentDirectory, pattern);
            if (files.empty()) {
                output += "File not found - " + pattern + "\n";
            }
            for (const std::string& file : files) {
                if (clearReadOnly) {
                    MakeWritable(file);
                }
            }
        }
        return output;
    }

    std::string Move(const std::vector<std::string>& operands) {
        if (operands.size() < 2) {
            return "The syntax of the command is incorrect.\n";
        }
        // Unquoted paths with blanks: the source is the shortest leading run
        // of words that names files, the destination the rest.
        std::vector<std::string> sources;
        std::size_t split = 1;
        for (; split < operands.size(); ++split) {
            sources = MatchFiles(m_currentDirectory, JoinWords(operands, 0, split));
            if (!sources.empty()) {
                break;
            }
        }
        if (sources.empty()) {
            return "The system cannot find the file specified.\n";
        }
        const std::string destination =
            ResolvePath(m_currentDirectory, JoinWords(operands, split, operands.size()));
        const bool intoDirectory =
            IsDirectory(destination) || (!destination.empty() && IsSeparator(destination.back()));
        if (!intoDirectory && sources.size() > 1) {
            return "Cannot move multiple files to a single file.\n";
        }
        std::string output;
        for (const std::string& source : sources) {
            const std::string target =
                intoDirectory ? WithTrailingSeparator(destination) + BaseName(source) : destination;
            // An existing target is kept: moving never overwrites.
            if (!MoveFileNoOverwrite(source, target)) {
                output += "Cannot move " + source + "\n";
            }
        }
        return output;
    }

    std::string Delete(const std::vector<std::string>& operands) {
        std::string output;
        for (const std::string& pattern : operands) {
            const std::vector<std::string> files = MatchFiles(m_currentDirectory, pattern);
            if (files.empty()) {
                output += "Could Not Find " + ResolvePath(m_currentDirectory, pattern) + "\n";
            }
            for (const std::string& file : files) {
                RemoveFile(file);
            }
        }
        return output;
    }

    void RunProgram(const BatchCommand& command) {
        const std::optional<ResolvedProgram> program =
            ResolveCommandWords(command.words, m_currentDirectory);
        if (!program) {
            // The message lands where the program's output would have, so
            // whoever reads that file sees why it holds nothing else.
            Emit(m_currentDirectory, command,
                 "'" + command.words.front() +
                     "' is not recognized as an internal or external command,\n"
                     "operable program or batch file.\n");
            return;
        }
        ProcessRequest request;
        request.arguments.push_back(program->path);
        request.arguments.insert(
            request.arguments.end(),
            command.words.begin() + static_cast<std::ptrdiff_t>(program->wordsUsed),
            command.words.end());
        request.workingDirectory = m_currentDirectory;
        if (!command.outputFile.empty()) {
            request.outputFile = OutputTarget(m_currentDirectory, command.outputFile);
            request.appendOutput = command.appendOutput;
            request.errorToOutput = command.errorToOutput;
        }
        if (!RunProcess(request)) {
            std::fprintf(stderr, "Cannot start %s\n", program->path.c_str());
        }
    }

    std::string m_currentDirectory;
};

}  // namespace

BatchCommand ParseBatchLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) {
        line.remove_suffix(1);
    }
    while (!line.empty() && (IsBlank(line.front()) || line.front() == '@')) {
        line.remove_prefix(1);
    }
    BatchCommand command;
    std::string current;
    bool inToken = false;
    bool inQuotes = false;
    std::size_t firstWordEnd = std::string_view::npos;
    std::size_t redirectionStart = std::string_view::npos;
    auto endToken = [&](std::size_t at) {
        if (inToken) {
            command.words.push_back(std::move(current));
            if (firstWordEnd == std::string_view::npos) {
                firstWordEnd = at;
            }
        }
        current.clear();
        inToken = false;
    };
    std::size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (inQuotes) {
            if (c == '"') {
                inQuotes = false;
            } else {
                current += c;
            }
            ++i;
        } else if (c == '"') {
            inQuotes = true;
            inToken = true;
            ++i;
        } else if (IsBlank(c)) {
            endToken(i);
            ++i;
        } else if (c == '>') {
            // A "1" or "2" glued before '>' names the stream, not an argument.
            std::size_t start = i;
            bool errorOnly = false;
            if (inToken && (current == "1" || current == "2") && i > 0 &&
                line[i - 1] == current[0]) {
                errorOnly = current == "2";
                current.clear();
                inToken = false;
                start = i - 1;
            }
            endToken(start);
            if (redirectionStart == std::string_view::npos) {
                redirectionStart = start;
            }
            ++i;
            const bool append = i < line.size() && line[i] == '>';
            if (append) {
                ++i;
            }
            while (i < line.size() && IsBlank(line[i])) {
                ++i;
            }
            std::string target;
            bool targetQuoted = false;
            while (i < line.size() && (targetQuoted || (!IsBlank(line[i]) && line[i] != '>'))) {
                if (line[i] == '"') {
                    targetQuoted = !targetQuoted;
                } else {
                    target += line[i];
                }
                ++i;
            }
            // Only "2>&1" joins standard error to the output; an error file of
            // its own ("2>file") is not kept, so those messages reach the console.
            if (errorOnly && target == "&1") {
                command.errorToOutput = true;
            } else if (!errorOnly && !target.empty() && target[0] != '&') {
                command.outputFile = target;
                command.appendOutput = append;
            }
        } else {
            current += c;
            inToken = true;
            ++i;
        }
    }
    endToken(line.size());
    if (firstWordEnd != std::string_view::npos) {
        std::size_t from = firstWordEnd;
        if (from < line.size() && IsBlank(line[from])) {
            ++from;
        }
        const std::size_t to = std::min(redirectionStart, line.size());
        if (from < to) {
            command.rawArguments = TrimRight(line.substr(from, to - from));
        }
    }
    return command;
}

std::optional<std::string> ResolveBatchCommand(const std::string& word,
                                               const std::string& currentDirectory) {
    if (std::optional<std::string> found = ResolveInPlace(word, currentDirectory)) {
        return found;
    }
    return ResolveElsewhere(word);
}

bool InterpretBatchText(std::string_view text, const std::string& workingDirectory) {
    if (!IsDirectory(workingDirectory)) {
        return false;
    }
    Interpreter interpreter(workingDirectory);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        interpreter.RunLine(text.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

bool InterpretBatchFile(const std::string& batchPath, const std::string& workingDirectory) {
    if (!IsDirectory(workingDirectory)) {
        return false;
    }
    const std::optional<std::string> text = ReadFileBytes(batchPath);
    if (!text) {
        return false;
    }
    return InterpretBatchText(*text, workingDirectory);
}

bool RunBatch(const std::string& batchPath, const std::string& workingDirectory, bool showNormal) {
#ifdef _WIN32
    if (!IsDirectory(workingDirectory) || !IsReadableFile(batchPath)) {
        return false;
    }
    return RunBatchThroughCommandInterpreter(batchPath, workingDirectory, showNormal);
#else
    (void)showNormal;
    return InterpretBatchFile(batchPath, workingDirectory);
#endif
}

}  // namespace quorvex::platform
