#include "platform/process.h"

#include <cerrno>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/file_system.h"
#include "platform/paths.h"

#ifndef _WIN32
extern char** environ;
#endif

namespace quorvex::platform {

namespace {

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

}  // namespace

std::optional<std::string> FindInSearchPath(const std::string& name) {
    const char* searchPath = std::getenv("PATH");
    if (name.empty() || searchPath == nullptr) {
        return std::nullopt;
    }
    const std::string list = searchPath;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(kPathListSeparator, start);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string directory = list.substr(start, end - start);
        // An empty entry would mean the current directory, which callers
        // have already looked at on their own terms.
        if (!directory.empty()) {
            const std::string candidate = WithTrailingSeparator(directory) + name;
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
        start = end + 1;
    }
    return std::nullopt;
}

#ifdef _WIN32

namespace {

// Quotes one argument so that the C runtime's parser gives it back unchanged.
void AppendQuotedArgument(std::string& commandLine, const std::string& argument) {
    if (!commandLine.empty()) {
        commandLine += ' ';
    }
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        commandLine += argument;
        return;
    }
    commandLine += '"';
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"') {
            commandLine.append(backslashes * 2 + 1, '\\');
        } else {
            commandLine.append(backslashes, '\\');
        }
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(backslashes * 2, '\\');
    commandLine += '"';
}

struct StartedProcess {
    bool started = false;
    PROCESS_INFORMATION info{};
};

StartedProcess StartWindowsProcess(std::string commandLine, const std::string& workingDirectory,
                                   HANDLE output, bool showNormal, bool errorToOutput = false) {
    STARTUPINFOA startup{};
    startup.cb = static_cast<DWORD>(sizeof startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showNormal ? SW_SHOWNORMAL : SW_SHOWMINNOACTIVE);
    if (output != INVALID_HANDLE_VALUE) {
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output;
        startup.hStdError = errorToOutput ? output : GetStdHandle(STD_ERROR_HANDLE);
    }
    StartedProcess process;
    process.started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                       nullptr, workingDirectory.empty() ? nullptr : workingDirectory.c_str(),
                       &startup, &process.info) != 0;
    return process;
}

std::optional<int> WaitAndRelease(StartedProcess& process) {
    WaitForSingleObject(process.info.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.info.hProcess, &exitCode);
    CloseHandle(process.info.hThread);
    CloseHandle(process.info.hProcess);
    return static_cast<int>(exitCode);
}

}  // namespace

std::optional<int> RunProcess(const ProcessRequest& request) {
    if (request.arguments.empty()) {
        return std::nullopt;
    }
    std::string commandLine;
    for (const std::string& argument : request.arguments) {
        AppendQuotedArgument(commandLine, argument);
    }
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!request.outputFile.empty()) {
        SECURITY_ATTRIBUTES inherit{static_cast<DWORD>(sizeof(SECURITY_ATTRIBUTES)), nullptr, TRUE};
        output = CreateFileA(
            request.outputFile.c_str(), request.appendOutput ? FILE_APPEND_DATA : GENERIC_WRITE,
            FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
            request.appendOutput ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (output == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
    }
    StartedProcess process =
        StartWindowsProcess(commandLine, request.workingDirectory, output, request.showNormal,
                            request.errorToOutput);
    if (output != INVALID_HANDLE_VALUE) {
        CloseHandle(output);
    }
    if (!process.started) {
        return std::nullopt;
    }
    return WaitAndRelease(process);
}

bool RunBatchThroughCommandInterpreter(const std::string& batchPath,
                                       const std::string& workingDirectory, bool showNormal) {
    // /s strips the outer quotes, so a path with blanks survives cmd.exe's parsing.
    StartedProcess process =
        StartWindowsProcess("cmd.exe /s /c \"\"" + batchPath + "\"\"", workingDirectory,
                            INVALID_HANDLE_VALUE, showNormal);
    if (!process.started) {
        return false;
    }
    WaitAndRelease(process);
    return true;
}

bool OpenDetached(const std::string& path) {
    StartedProcess process = StartWindowsProcess("cmd.exe /c start \"\" \"" + path + "\"", "",
                                                 INVALID_HANDLE_VALUE, false);
    if (!process.started) {
        return false;
    }
    CloseHandle(process.info.hThread);
    CloseHandle(process.info.hProcess);
    return true;
}

bool IsExecutableFile(const std::string& path) {
    return IsReadableFile(path);
}

std::string RunningExecutableDirectory() {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(sizeof buffer));
    if (length == 0 || length >= sizeof buffer) {
        return {};
    }
    std::string path(buffer, length);
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

#else  // POSIX

namespace {

class SpawnActions {
public:
    SpawnActions() { m_ok = posix_spawn_file_actions_init(&m_actions) == 0; }
    ~SpawnActions() {
        if (m_ok) {
            posix_spawn_file_actions_destroy(&m_actions);
        }
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    bool ok() const { return m_ok; }
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
    bool m_ok = false;
};

class SpawnAttributes {
public:
    SpawnAttributes() {
        m_ok = posix_spawnattr_init(&m_attributes) == 0;
        if (!m_ok) {
            return;
        }
        // A child must not inherit a blocked signal mask from the calling
        // thread, nor an ignored SIGPIPE, which exec would otherwise keep.
        sigset_t none;
        sigemptyset(&none);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        m_ok = posix_spawnattr_setsigmask(&m_attributes, &none) == 0 &&
               posix_spawnattr_setsigdefault(&m_attributes, &defaults) == 0 &&
               posix_spawnattr_setflags(&m_attributes,
                                        POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&m_attributes); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;

    bool ok() const { return m_ok; }
    const posix_spawnattr_t* get() const { return &m_attributes; }

private:
    posix_spawnattr_t m_attributes{};
    bool m_ok = false;
};

std::string AbsoluteFromCaller(const std::string& path) {
    if (path.empty() || path.front() == '/') {
        return path;
    }
    return CurrentDirectory() + path;
}

// posix_spawn reports a failed file action, a failed chdir and a failed exec
// through its result, so a non-zero value means the program never ran.
int Spawn(const std::string& program, const std::vector<std::string>& arguments,
          const ProcessRequest& request, pid_t* pid) {
    SpawnActions actions;
    SpawnAttributes attributes;
    if (!actions.ok() || !attributes.ok()) {
        return ENOMEM;
    }
    if (!request.outputFile.empty()) {
        // Opened before the chdir, so a relative name means the caller's directory.
        const int flags = O_WRONLY | O_CREAT | (request.appendOutput ? O_APPEND : O_TRUNC);
        if (posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO,
                                             request.outputFile.c_str(), flags, 0644) != 0 ||
            (request.errorToOutput &&
             posix_spawn_file_actions_adddup2(actions.get(), STDOUT_FILENO, STDERR_FILENO) != 0)) {
            return ENOMEM;
        }
    }
    if (!request.workingDirectory.empty() &&
        posix_spawn_file_actions_addchdir_np(actions.get(), request.workingDirectory.c_str()) !=
            0) {
        return ENOMEM;
    }
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    return posix_spawn(pid, program.c_str(), actions.get(), attributes.get(), argv.data(), environ);
}

int WaitForExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return -1;
}

}  // namespace

std::optional<int> RunProcess(const ProcessRequest& request) {
    if (request.arguments.empty() || request.arguments.front().empty()) {
        return std::nullopt;
    }
    // The exec happens after the chdir, so a relative program must be pinned
    // to the caller's directory first.
    const std::string program = AbsoluteFromCaller(request.arguments.front());
    std::vector<std::string> arguments = request.arguments;
    ProcessRequest pinned = request;
    pinned.outputFile = AbsoluteFromCaller(request.outputFile);
    pid_t pid = 0;
    int error = Spawn(program, arguments, pinned, &pid);
    if (error == ENOEXEC) {
        // A script without a "#!" line: shells run those with sh, and so do we.
        arguments.front() = program;
        arguments.insert(arguments.begin(), "/bin/sh");
        error = Spawn("/bin/sh", arguments, pinned, &pid);
    }
    if (error != 0) {
        return std::nullopt;
    }
    return WaitForExit(pid);
}

bool RunBatchThroughCommandInterpreter(const std::string&, const std::string&, bool) {
    return false;
}

bool OpenDetached(const std::string& path) {
#ifdef __APPLE__
    const char* opener = "open";
#else
    const char* opener = "xdg-open";
#endif
    const std::optional<std::string> openerPath = FindInSearchPath(opener);
    if (!openerPath || path.empty()) {
        return false;
    }
    // The shell puts the opener in the background, so the opener is adopted
    // by init and never left behind as a zombie of ours. An opener that gives
    // up at once (no viewer for the file) is waited for and its failure
    // reported; one still busy after a moment is taken to have started a viewer.
    ProcessRequest request;
    request.arguments = {"/bin/sh", "-c",
                         "status=$(mktemp) || exit 0\n"
                         "( \"$0\" \"$1\" </dev/null >/dev/null 2>&1; echo $? >\"$status\";"
                         " sleep 2; rm -f \"$status\" ) </dev/null >/dev/null 2>&1 &\n"
                         "for tick in 1 2 3 4 5 6 7 8 9 10; do\n"
                         "  if [ -s \"$status\" ]; then\n"
                         "    code=$(cat \"$status\"); rm -f \"$status\"; exit \"$code\"\n"
                         "  fi\n"
                         "  sleep 0.1\n"
                         "done\n"
                         "exit 0\n",
                         *openerPath, path};
    const std::optional<int> exitCode = RunProcess(request);
    return exitCode && *exitCode == 0;
}

bool IsExecutableFile(const std::string& path) {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string RunningExecutableDirectory() {
    char buffer[4096];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof buffer) {
        return {};
    }
    const std::string path(buffer, static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

#endif

}  // namespace quorvex::platform
