// A tiny outside program for the process tests: prints its working directory
// and arguments to standard output and one line to standard error.

#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    char directory[4096];
    if (getcwd(directory, sizeof directory) != nullptr) {
        std::printf("cwd=%s\n", directory);
    }
    for (int i = 1; i < argc; ++i) {
        std::printf("arg=%s\n", argv[i]);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "to stderr\n");
    return argc - 1;
}
