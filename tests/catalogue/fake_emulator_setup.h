#pragma once
// Puts the emulator test double into a test's emulator directory.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "test_support.h"

namespace quorvex::testing {

// Copies the test double in as the emulator, with catalogue as its "catalogue.txt".
inline void InstallFakeEmulator(const std::string& directory, const std::string& catalogue) {
    std::error_code error;
    std::filesystem::copy_file(QUORVEX_FAKE_EMULATOR,
                               directory + platform::EmulatorExecutableName(),
                               std::filesystem::copy_options::overwrite_existing, error);
    ASSERT_FALSE(error) << error.message();
    WriteBytes(directory + "catalogue.txt", catalogue);
}

// The emulator a user installs today, where it is installed; empty when it is not.
inline std::string InstalledEmulator() {
    if (platform::IsExecutableFile("/usr/games/mame"))
        return "/usr/games/mame";
    return platform::FindInSearchPath("mame").value_or(std::string());
}

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
#ifdef _WIN32
        _putenv_s(name, value.c_str());
#else
        setenv(name, value.c_str(), 1);
#endif
    }
    // The previous value comes back, so later tests still find their programs.
    ~ScopedEnvironment() {
#ifdef _WIN32
        _putenv_s(m_name, m_old ? m_old->c_str() : "");
#else
        if (m_old)
            setenv(m_name, m_old->c_str(), 1);
        else
            unsetenv(m_name);
#endif
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

}  // namespace quorvex::testing
