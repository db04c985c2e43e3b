#pragma once
// File and directory operations of the operating system. Every function
// reports failure through its result; none throws.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

// The whole file as raw bytes, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Replaces the whole file: the bytes go to a temporary file in the same
// directory, are flushed to disk and renamed over the target, so a crash or
// a full disk leaves either the old or the new file; the directory is then
// flushed so that the new name survives a power cut. A path that is a
// symbolic link stays one: the file it points to is replaced. On failure the
// target is untouched, the temporary file is removed and a reason is put in
// error.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);

// The system calls of ReplaceFileAtomically, in the order they are made.
enum class ReplaceStep { CreateTemporary, Write, Sync, Close, Rename, SyncDirectory };
// A seam for fault injection: when set, the hook is asked before each system
// call of ReplaceFileAtomically, and a non-zero answer makes that call fail
// with that error number (a failed close still releases the file). An empty
// hook restores normal operation. Not thread-safe: tests only.
using ReplaceFaultHook = std::function<int(ReplaceStep)>;
void SetReplaceFaultHook(ReplaceFaultHook hook);

// True when name has the form of ReplaceFileAtomically's temporary files.
bool IsReplacementTemporaryName(std::string_view name);
// Removes, from directory (not its sub-directories), the temporary files of
// ReplaceFileAtomically last written before olderThan (by default, before
// this process started): what a crash in the middle of a save left behind.
// Returns how many were removed.
int RemoveStaleReplacementFiles(const std::string& directory);
int RemoveStaleReplacementFiles(const std::string& directory,
                                std::filesystem::file_time_type olderThan);

// Appends bytes at the end of the file, creating it when missing.
bool AppendFileBytes(const std::string& path, std::string_view bytes);

// True when path names something that can be opened for reading and is not a directory.
bool IsReadableFile(const std::string& path);
bool IsDirectory(const std::string& path);
// Length in bytes, 0 when the file cannot be examined.
std::uintmax_t FileLengthOf(const std::string& path);

struct DirectoryEntry {
    std::string name;  // bare name, no directory part
    bool isDirectory = false;
    std::uintmax_t size = 0;
};

// True when name matches a DOS-style wildcard pattern ('*' any run, '?' one
// character), ignoring letter case; "*.*" matches every name, as it did on DOS.
bool MatchesWildcard(std::string_view name, std::string_view pattern);

// The entries of directory whose names match pattern, sorted by name
// (byte order, ignoring case), without "." and "..". Empty when the
// directory cannot be listed.
std::vector<DirectoryEntry> ListDirectory(const std::string& directory,
                                          std::string_view pattern = "*");

// Copies a file, replacing an existing target.
bool CopyFileOverwriting(const std::string& from, const std::string& to);
// Copies a file to a temporary name beside the target, flushes it, reads it
// back and compares it byte for byte with the source, and only then renames
// it over the target. On any failure the target is left as it was and the
// temporary copy removed; only a true result lets a caller delete the source.
bool CopyFileVerified(const std::string& from, const std::string& to);
// Renames a file; fails, leaving both in place, when the target exists.
bool MoveFileNoOverwrite(const std::string& from, const std::string& to);
// Deletes a file (never a directory).
bool RemoveFile(const std::string& path);
// Creates one directory; true when it exists afterwards.
bool MakeDirectory(const std::string& path);
// Removes an empty directory.
bool RemoveEmptyDirectory(const std::string& path);
// Makes a file writable by its owner (the batch "attrib -r").
bool MakeWritable(const std::string& path);

// The process's current directory, ending with the native separator.
std::string CurrentDirectory();

}  // namespace quorvex::platform
