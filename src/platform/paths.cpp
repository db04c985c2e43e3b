#include "platform/paths.h"

namespace quorvex::platform {

bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::string WithTrailingSeparator(std::string directory) {
    if (directory.empty() || !IsSeparator(directory.back())) {
        directory.push_back(kSeparator);
    }
    return directory;
}

std::string ExecutableFileName(std::string_view baseName) {
    std::string name(baseName);
    const std::string_view suffix = ".exe";
    const bool hasSuffix = name.size() >= suffix.size() && [&] {
        for (std::size_t i = 0; i < suffix.size(); ++i) {
            char c = name[name.size() - suffix.size() + i];
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
            if (c != suffix[i]) {
                return false;
            }
        }
        return true;
    }();
#ifdef _WIN32
    if (!hasSuffix) {
        name += suffix;
    }
#else
    if (hasSuffix) {
        name.resize(name.size() - suffix.size());
    }
#endif
    return name;
}

std::string EmulatorExecutableName() {
    return ExecutableFileName("mame");
}

std::string ToNativeSeparators(std::string text) {
#ifndef _WIN32
    for (char& c : text) {
        if (c == '\\') {
            c = kSeparator;
        }
    }
#endif
    return text;
}

}  // namespace quorvex::platform
