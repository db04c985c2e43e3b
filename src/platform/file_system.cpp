#include "platform/file_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#ifdef _WIN32
#include <io.h>
#include <share.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/paths.h"

namespace quorvex::platform {

namespace fs = std::filesystem;

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
        if (ca != cb) {
            return ca < cb;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

bool WildcardMatch(std::string_view name, std::string_view pattern) {
    // Iterative matcher with one backtrack point: linear in practice.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

// Big files are written in pieces, so that a full disk shows early.
constexpr std::size_t kWriteChunk = std::size_t{1} << 20;

// Taken while the program starts: temporary files written before it belong
// to an earlier run.
const fs::file_time_type g_processStart = fs::file_time_type::clock::now();

fs::file_time_type ProcessStartTime() {
    return g_processStart;
}

ReplaceFaultHook& FaultHook() {
    static ReplaceFaultHook hook;
    return hook;
}

int InjectedFault(ReplaceStep step) {
    const ReplaceFaultHook& hook = FaultHook();
    return hook ? hook(step) : 0;
}

// The file at the end of a chain of symbolic links (a dangling link gives
// the path it points to). A loop of links ends the search where it is; the
// save then fails or replaces the last link, as the system decides.
std::string FollowSymbolicLinks(const std::string& path) {
    fs::path current(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(current, error)) {
            break;
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            break;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current.string();
}

#ifndef _WIN32
void SyncDirectoryOf(const std::string& file) {
    std::string directory = fs::path(file).parent_path().string();
    if (directory.empty()) {
        directory = ".";
    }
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

std::string TemporarySibling(const std::string& path) {
    static std::mt19937_64 generator{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp%016llx",
                  static_cast<unsigned long long>(generator()));
    return path + suffix;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes;
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length > 0) {
        bytes.resize(static_cast<std::size_t>(length));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), length);
        if (in.gcount() != length) {
            return std::nullopt;
        }
    } else if (length < 0) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    // Replacing a symbolic link would turn it into a plain file and cut it
    // loose from where the user keeps the data: replace what it points to.
    const std::string target = FollowSymbolicLinks(path);
    const std::string temporary = TemporarySibling(target);
    auto fail = [&](const std::string& reason) {
        if (error) {
            *error = reason;
        }
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
        return false;
    };
#ifdef _WIN32
    FILE* out = nullptr;
    if (int injected = InjectedFault(ReplaceStep::CreateTemporary)) {
        errno = injected;
    } else {
        out = _fsopen(temporary.c_str(), "wb", _SH_DENYWR);
    }
    if (!out) {
        return fail("cannot create a file beside " + path + ": " + std::strerror(errno));
    }
    int writeErrno = 0;
    for (std::size_t done = 0; done < bytes.size() && writeErrno == 0;) {
        const std::size_t chunk = std::min(bytes.size() - done, kWriteChunk);
        if (int injected = InjectedFault(ReplaceStep::Write)) {
            writeErrno = injected;
        } else if (std::fwrite(bytes.data() + done, 1, chunk, out) != chunk) {
            writeErrno = errno != 0 ? errno : EIO;
        }
        done += chunk;
    }
    if (writeErrno == 0) {
        if (int injected = InjectedFault(ReplaceStep::Sync)) {
            writeErrno = injected;
        } else if (std::fflush(out) != 0 || _commit(_fileno(out)) != 0) {
            writeErrno = errno != 0 ? errno : EIO;
        }
    }
    const int injectedClose = InjectedFault(ReplaceStep::Close);
    if (std::fclose(out) != 0 && writeErrno == 0) {
        writeErrno = errno != 0 ? errno : EIO;
    }
    if (writeErrno == 0 && injectedClose != 0) {
        writeErrno = injectedClose;
    }
    if (writeErrno != 0) {
        return fail("cannot write " + path + ": " + std::strerror(writeErrno));
    }
    if (int injected = InjectedFault(ReplaceStep::Rename)) {
        return fail("cannot replace " + path + ": " + std::strerror(injected));
    }
    if (!MoveFileExA(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return fail("cannot replace " + path);
    }
#else
    int fd = -1;
    if (int injected = InjectedFault(ReplaceStep::CreateTemporary)) {
        errno = injected;
    } else {
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    if (fd < 0) {
        return fail("cannot create a file beside " + path + ": " + std::strerror(errno));
    }
    // Keep the permissions of the file being replaced.
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = -1;
        if (int injected = InjectedFault(ReplaceStep::Write)) {
            errno = injected;
        } else {
            n = ::write(fd, data, std::min(left, kWriteChunk));
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int writeErrno = errno;
            ::close(fd);
            return fail("cannot write " + path + ": " + std::strerror(writeErrno));
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    int syncResult = -1;
    if (int injected = InjectedFault(ReplaceStep::Sync)) {
        errno = injected;
    } else {
        syncResult = ::fsync(fd);
    }
    if (syncResult != 0) {
        const int syncErrno = errno;
        ::close(fd);
        return fail("cannot write " + path + ": " + std::strerror(syncErrno));
    }
    const int injectedClose = InjectedFault(ReplaceStep::Close);
    // The descriptor is released even when close reports an error.
    if (::close(fd) != 0 || injectedClose != 0) {
        const int closeErrno = injectedClose != 0 ? injectedClose : errno;
        return fail("cannot write " + path + ": " + std::strerror(closeErrno));
    }
    int renameResult = -1;
    if (int injected = InjectedFault(ReplaceStep::Rename)) {
        errno = injected;
    } else {
        renameResult = ::rename(temporary.c_str(), target.c_str());
    }
    if (renameResult != 0) {
        return fail("cannot replace " + path + ": " + std::strerror(errno));
    }
    // The rename is done and the old file is gone, so nothing is left to
    // undo; some file systems cannot flush a directory at all, so this is a
    // best effort that never turns a finished save into a failure.
    if (InjectedFault(ReplaceStep::SyncDirectory) == 0) {
        SyncDirectoryOf(target);
    }
#endif
    return true;
}

void SetReplaceFaultHook(ReplaceFaultHook hook) {
    FaultHook() = std::move(hook);
}

bool IsReplacementTemporaryName(std::string_view name) {
    constexpr std::string_view kMark = ".tmp";
    constexpr std::size_t kDigits = 16;
    if (name.size() <= kMark.size() + kDigits) {
        return false;
    }
    const std::size_t digits = name.size() - kDigits;
    if (name.substr(digits - kMark.size(), kMark.size()) != kMark) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(digits), name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

int RemoveStaleReplacementFiles(const std::string& directory) {
    return RemoveStaleReplacementFiles(directory, ProcessStartTime());
}

int RemoveStaleReplacementFiles(const std::string& directory, fs::file_time_type olderThan) {
    int removed = 0;
    std::error_code error;
    fs::directory_iterator it(fs::path(directory), error);
    if (error) {
        return 0;
    }
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        std::error_code statError;
        // Never follow a link: only files this program created are removed.
        if (!it->is_regular_file(statError) || it->is_symlink(statError) ||
            !IsReplacementTemporaryName(it->path().filename().string())) {
            continue;
        }
        const fs::file_time_type written = it->last_write_time(statError);
        if (statError || written >= olderThan) {
            continue;  // another running copy may still be writing it
        }
        if (fs::remove(it->path(), statError) && !statError) {
            ++removed;
        }
    }
    return removed;
}

bool AppendFileBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(fs::path(path), std::ios::binary | std::ios::app);
    if (!out) {
        return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool IsReadableFile(const std::string& path) {
    std::error_code error;
    if (path.empty() || fs::is_directory(fs::path(path), error)) {
        return false;
    }
    std::ifstream in(fs::path(path), std::ios::binary);
    return static_cast<bool>(in);
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(fs::path(path), error);
}

std::uintmax_t FileLengthOf(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(fs::path(path), error);
    return error ? 0 : size;
}

bool MatchesWildcard(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") {
        return true;
    }
    return WildcardMatch(name, pattern);
}

std::vector<DirectoryEntry> ListDirectory(const std::string& directory, std::string_view pattern) {
    std::vector<DirectoryEntry> entries;
    std::error_code error;
    fs::directory_iterator it(fs::path(directory), error);
    if (error) {
        return entries;
    }
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) {
            break;
        }
        std::string name = it->path().filename().string();
        if (name == "." || name == ".." || !MatchesWildcard(name, pattern)) {
            continue;
        }
        DirectoryEntry entry;
        std::error_code statError;
        entry.isDirectory = it->is_directory(statError);
        entry.size = entry.isDirectory ? 0 : it->file_size(statError);
        if (statError) {
            entry.size = 0;
        }
        entry.name = std::move(name);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        return LessIgnoringCase(a.name, b.name);
    });
    return entries;
}

bool CopyFileOverwriting(const std::string& from, const std::string& to) {
    std::error_code error;
    if (fs::equivalent(fs::path(from), fs::path(to), error)) {
        return true;
    }
    error.clear();
    return fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::overwrite_existing,
                         error) &&
           !error;
}

namespace {

bool SameFileContents(const std::string& first, const std::string& second) {
    std::ifstream a(fs::path(first), std::ios::binary);
    std::ifstream b(fs::path(second), std::ios::binary);
    if (!a || !b) {
        return false;
    }
    constexpr std::size_t kChunk = 1 << 16;
    std::string left(kChunk, '\0');
    std::string right(kChunk, '\0');
    while (true) {
        a.read(left.data(), kChunk);
        b.read(right.data(), kChunk);
        const std::streamsize got = a.gcount();
        if (got != b.gcount() ||
            std::memcmp(left.data(), right.data(), static_cast<std::size_t>(got)) != 0) {
            return false;
        }
        if (got < static_cast<std::streamsize>(kChunk)) {
            // Both ended together, without a read error on either side.
            return a.eof() && b.eof() && !a.bad() && !b.bad();
        }
    }
}

}  // namespace

bool CopyFileVerified(const std::string& from, const std::string& to) {
    std::error_code error;
    if (fs::equivalent(fs::path(from), fs::path(to), error)) {
        return true;
    }
    const std::string target = FollowSymbolicLinks(to);
    const std::string temporary = TemporarySibling(target);
    auto discard = [&] {
        std::error_code ignored;
        fs::remove(fs::path(temporary), ignored);
        return false;
    };
    error.clear();
    if (!fs::copy_file(fs::path(from), fs::path(temporary), fs::copy_options::none, error) ||
        error) {
        return discard();
    }
#ifndef _WIN32
    const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!synced) {
        return discard();
    }
#endif
    if (!SameFileContents(from, temporary)) {
        return discard();
    }
    fs::rename(fs::path(temporary), fs::path(target), error);
    if (error) {
        return discard();
    }
#ifndef _WIN32
    SyncDirectoryOf(target);
#endif
    return true;
}

bool MoveFileNoOverwrite(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED) != 0;
#else
    // link() refuses an existing target, so no check-then-rename race can overwrite it.
    if (::link(from.c_str(), to.c_str()) == 0) {
        if (::unlink(from.c_str()) != 0) {
            ::unlink(to.c_str());
            return false;
        }
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // Across file systems or where hard links are not supported: copy, then delete.
    std::error_code error;
    if (fs::exists(fs::path(to), error)) {
        return false;
    }
    if (!fs::copy_file(fs::path(from), fs::path(to), fs::copy_options::none, error) || error) {
        return false;
    }
    return fs::remove(fs::path(from), error) && !error;
#endif
}

bool RemoveFile(const std::string& path) {
    std::error_code error;
    if (fs::is_directory(fs::path(path), error)) {
        return false;
    }
    return fs::remove(fs::path(path), error) && !error;
}

bool MakeDirectory(const std::string& path) {
    std::error_code error;
    fs::create_directory(fs::path(path), error);
    return fs::is_directory(fs::path(path), error);
}

bool RemoveEmptyDirectory(const std::string& path) {
    std::error_code error;
    if (!fs::is_directory(fs::path(path), error)) {
        return false;
    }
    return fs::remove(fs::path(path), error) && !error;
}

bool MakeWritable(const std::string& path) {
    std::error_code error;
    fs::permissions(fs::path(path), fs::perms::owner_write, fs::perm_options::add, error);
    return !error;
}

std::string CurrentDirectory() {
    std::error_code error;
    const fs::path current = fs::current_path(error);
    return error ? std::string() : WithTrailingSeparator(current.string());
}

}  // namespace quorvex::platform
