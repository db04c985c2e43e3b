#pragma once
// Scripts and PATH settings shared by the process, batch interpreter and
// picture converter tests.

#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "test_support.h"

namespace quorvex::testing {

// Writes an executable shell script.
inline void WriteScript(const std::string& path, const std::string& body) {
    WriteBytes(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
}

// Sets PATH for the life of the object and puts the old value back afterwards.
class ScopedSearchPath {
public:
    explicit ScopedSearchPath(const std::string& value) {
        if (const char* old = std::getenv("PATH"))
            m_old = old;
        ::setenv("PATH", value.c_str(), 1);
    }
    ~ScopedSearchPath() { m_old ? ::setenv("PATH", m_old->c_str(), 1) : ::unsetenv("PATH"); }
    ScopedSearchPath(const ScopedSearchPath&) = delete;
    ScopedSearchPath& operator=(const ScopedSearchPath&) = delete;

private:
    std::optional<std::string> m_old;
};

// The directory path without its trailing separator, as getcwd() prints it.
inline std::string WithoutTrailingSeparator(std::string directory) {
    if (directory.size() > 1 && directory.back() == '/')
        directory.pop_back();
    return directory;
}

}  // namespace quorvex::testing
