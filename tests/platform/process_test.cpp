#include "platform/process.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/file_system.h"
#include "script_files.h"
#include "test_support.h"

namespace quorvex::platform {
namespace {

using quorvex::testing::ReadBytes;
using quorvex::testing::ScopedSearchPath;
using quorvex::testing::TempDir;
using quorvex::testing::WriteBytes;
using quorvex::testing::WriteScript;

TEST(RunProcess, RedirectsBothStreamsIntoATruncatedFileInTheWorkingDirectory) {
    TempDir temp;
    MakeDirectory(temp.File("work"));
    WriteBytes(temp.File("out.txt"), "old content that must disappear\n");
    const std::string before = CurrentDirectory();

    ProcessRequest request;
    request.arguments = {QVX_ARG_PRINTER, "one two", "*.txt"};
    request.workingDirectory = temp.File("work");
    request.outputFile = temp.File("out.txt");
    request.errorToOutput = true;
    const std::optional<int> exitCode = RunProcess(request);

    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 2);
    EXPECT_EQ(ReadBytes(temp.File("out.txt")),
              "cwd=" + temp.File("work") + "\narg=one two\narg=*.txt\nto stderr\n");
    EXPECT_EQ(CurrentDirectory(), before);

    request.arguments = {QVX_ARG_PRINTER, "x"};
    request.appendOutput = true;
    request.errorToOutput = false;
    ASSERT_TRUE(RunProcess(request).has_value());
    EXPECT_EQ(ReadBytes(temp.File("out.txt")), "cwd=" + temp.File("work") +
                                                   "\narg=one two\narg=*.txt\nto stderr\n"
                                                   "cwd=" +
                                                   temp.File("work") + "\narg=x\n");

    // A script without an interpreter line runs through the shell.
    WriteBytes(temp.File("plain"), "echo plain \"$1\"\n");
    ::chmod(temp.File("plain").c_str(), 0755);
    request = ProcessRequest{};
    request.arguments = {temp.File("plain"), "arg"};
    request.outputFile = temp.File("out.txt");
    ASSERT_TRUE(RunProcess(request).has_value());
    EXPECT_EQ(ReadBytes(temp.File("out.txt")), "plain arg\n");
}

TEST(RunProcess, ReportsWhatCannotBeStarted) {
    TempDir temp;
    auto starts = [](std::string program, std::string directory, std::string output) {
        ProcessRequest request;
        request.arguments = {program};
        request.workingDirectory = directory;
        request.outputFile = output;
        return RunProcess(request).has_value();
    };
    EXPECT_FALSE(starts(temp.File("no-such-program"), "", ""));
    EXPECT_FALSE(starts(QVX_ARG_PRINTER, temp.File("absent"), ""));
    EXPECT_FALSE(starts(QVX_ARG_PRINTER, "", temp.File("absent/out.txt")));
    EXPECT_TRUE(starts(QVX_ARG_PRINTER, temp.path(), temp.File("out.txt")));
    EXPECT_FALSE(RunProcess(ProcessRequest{}).has_value());
}

TEST(SearchPath, FindsOnlyExecutableFilesInPathDirectoriesAndTheRunningProgramsOwn) {
    TempDir temp;
    WriteScript(temp.File("bin/qvxtool"), "exit 0\n");
    WriteBytes(temp.File("bin/notexec"), "data");
    ScopedSearchPath path("/nonexistent::" + temp.File("bin"));

    EXPECT_EQ(FindInSearchPath("qvxtool"), temp.File("bin/qvxtool"));
    EXPECT_FALSE(FindInSearchPath("notexec").has_value());
    EXPECT_FALSE(FindInSearchPath("missing").has_value());
    EXPECT_TRUE(IsExecutableFile(temp.File("bin/qvxtool")));
    EXPECT_FALSE(IsExecutableFile(temp.File("bin")));
    EXPECT_EQ(RunningExecutableDirectory(), QVX_TEST_BINARY_DIR "/");
}

TEST(OpenDetached, HandsThePathToTheDesktopOpenerAndFailsWhenNoneOpensIt) {
    TempDir temp;
    {
        ScopedSearchPath path(temp.path());
        EXPECT_FALSE(OpenDetached(temp.File("log.txt")));
    }
    WriteScript(temp.File("bin/xdg-open"),
                "printf '%s' \"$1\" > \"" + temp.File("opened") + "\"\n");
    ScopedSearchPath path(temp.File("bin") + ":/usr/bin:/bin");

    ASSERT_TRUE(OpenDetached(temp.File("a log.txt")));
    // The opener runs detached; give it a while to leave its trace.
    for (int i = 0; i < 500 && ReadBytes(temp.File("opened")).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ReadBytes(temp.File("opened")), temp.File("a log.txt"));

    // What xdg-open does when no program opens the file.
    WriteScript(temp.File("bin/xdg-open"), "exit 3\n");
    EXPECT_FALSE(OpenDetached(temp.File("log.txt")));
}

}  // namespace
}  // namespace quorvex::platform
