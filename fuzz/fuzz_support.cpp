#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace quorvex::fuzz {

namespace fs = std::filesystem;

void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

std::vector<std::string_view> SplitInput(std::string_view input, std::size_t count) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t nul = input.find('\0', start);
        if (nul == std::string_view::npos) {
            parts.push_back(input.substr(start));
            break;
        }
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
    while (parts.size() < count) {
        parts.emplace_back();
    }
    return parts;
}

namespace {

struct Scratch {
    Scratch() {
        std::error_code error;
        const fs::path base = fs::temp_directory_path(error);
        path = ((error ? fs::path("/tmp") : base) /
                ("quorvex-fuzz-" + std::to_string(::getpid())))
                   .string() +
               "/";
        fs::remove_all(path, error);
        fs::create_directories(path, error);
    }
    ~Scratch() {
        std::error_code error;
        fs::remove_all(path, error);
    }
    std::string path;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

}  // namespace

const std::string& ScratchDirectory() {
    return TheScratch().path;
}

void ClearScratch() {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(ScratchDirectory(), error)) {
        fs::remove_all(entry.path(), error);
    }
}

}  // namespace quorvex::fuzz
