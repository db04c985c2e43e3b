#pragma once
// Helpers shared by the test programs: a fresh temporary directory per test
// and whole-file reads and writes.

#include <string>
#include <string_view>

namespace quorvex::testing {

// A new empty directory under the system's temporary directory, removed with
// everything in it when the object goes away. path() ends with the native separator.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return m_path; }
    // path() + name
    std::string File(std::string_view name) const;

private:
    std::string m_path;
};

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// Writes bytes as they are, creating parent directories; aborts the test program on failure.
void WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace quorvex::testing
