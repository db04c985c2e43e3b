#include "platform/batch_interpreter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/process.h"
#include "script_files.h"
#include "test_support.h"

namespace quorvex::platform {
namespace {

using quorvex::testing::ReadBytes;
using quorvex::testing::ScopedSearchPath;
using quorvex::testing::TempDir;
using quorvex::testing::WithoutTrailingSeparator;
using quorvex::testing::WriteBytes;
using quorvex::testing::WriteScript;

const std::string kPrinter = QVX_ARG_PRINTER;

bool RunInTemp(const TempDir& temp, const std::string& bytes) {
    WriteBytes(temp.File("QVXtest.bat"), bytes);
    return InterpretBatchFile(temp.File("QVXtest.bat"), temp.path());
}

TEST(ParseBatchLine, SplitsWordsAndFindsTheRedirection) {
    const BatchCommand glued = ParseBatchLine("  @mame -listfull >games_supported.qvx \r\n");
    EXPECT_EQ(glued.words, (std::vector<std::string>{"mame", "-listfull"}));
    EXPECT_EQ(glued.outputFile, "games_supported.qvx");
    EXPECT_FALSE(glued.appendOutput);

    const BatchCommand quoted = ParseBatchLine("zip \"my set.zip\" a\"b c\"d \"\" >> \"out file\"");
    EXPECT_EQ(quoted.words, (std::vector<std::string>{"zip", "my set.zip", "ab cd", ""}));
    EXPECT_EQ(quoted.outputFile, "out file");
    EXPECT_TRUE(quoted.appendOutput);

    const BatchCommand streams = ParseBatchLine("prog x >out.txt 2>&1");
    EXPECT_EQ(streams.words, (std::vector<std::string>{"prog", "x"}));
    EXPECT_EQ(streams.outputFile, "out.txt");
    EXPECT_TRUE(streams.errorToOutput);
    EXPECT_FALSE(glued.errorToOutput);

    const BatchCommand echo = ParseBatchLine("@echo Loading  \"games\"....  >log.txt");
    EXPECT_EQ(echo.rawArguments, "Loading  \"games\"....");

    EXPECT_TRUE(ParseBatchLine("  @ \r").words.empty());
}

// Writes each file with its bytes, making the directories on the way.
void WriteFiles(const TempDir& temp,
                std::initializer_list<std::pair<const char*, const char*>> files) {
    for (const auto& [name, bytes] : files)
        WriteBytes(temp.File(name), bytes);
}

TEST(InterpretBatch, RedirectionEchoAndCdWriteWhereTheBatchStandsButNeverMoveTheProcess) {
    TempDir temp;
    WriteFiles(temp, {{"list.qvx", "stale lines from an earlier run\n"}, {"a.png", ""}});
    std::filesystem::create_directories(temp.File("snap/with blank"));
    const std::string before = CurrentDirectory();
    ASSERT_TRUE(RunInTemp(temp, "@" + kPrinter + " -listfull >list.qvx \r\n" + kPrinter +
                                    " *.png \"two words\" >fps.QVX 2>&1 \r\n"));
    // A warning on standard error must never land in a list the program reads.
    EXPECT_EQ(ReadBytes(temp.File("list.qvx")),
              "cwd=" + WithoutTrailingSeparator(temp.path()) + "\narg=-listfull\n");
    // The program gets its wildcards unexpanded.
    EXPECT_EQ(ReadBytes(temp.File("fps.QVX")), "cwd=" + WithoutTrailingSeparator(temp.path()) +
                                                   "\narg=*.png\narg=two words\nto stderr\n");

    ASSERT_TRUE(RunInTemp(temp,
                          "@echo off\n"
                          "\r\n"
                          "   \n"
                          "@echo Loading games.... >msg.txt\r\n"
                          "@echo press Enter key to continue!>>msg.txt\r\n"
                          "echo.>>msg.txt\n"
                          "rem echo not this >msg.txt\n"
                          "@echo last line without line end>>msg.txt"));
    EXPECT_EQ(ReadBytes(temp.File("msg.txt")),
              "Loading games....\npress Enter key to continue!\n\nlast line without line end\n");

    ASSERT_TRUE(RunInTemp(temp,
                          "cd " + temp.path() + "snap/\r\n" + kPrinter + " a >here.txt\r\n" +
                              "cd \"with blank\"\r\n" + kPrinter + " b >inner.txt\r\n" +
                              "cd ..\\\r\n"               // backslash from a DOS-style text
                              "cd no-such-directory\r\n"  // stays where it is
                              "echo back>>here.txt\r\n"));
    EXPECT_EQ(ReadBytes(temp.File("snap/here.txt")), "cwd=" + temp.path() + "snap\narg=a\nback\n");
    EXPECT_EQ(ReadBytes(temp.File("snap/with blank/inner.txt")),
              "cwd=" + temp.path() + "snap/with blank\narg=b\n");
    EXPECT_FALSE(IsReadableFile(temp.File("here.txt")));
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(InterpretBatch, MoveNeverOverwritesAndDelRemovesFilesOnly) {
    TempDir temp;
    WriteFiles(temp, {{"snap/pacman.pcx", "new pacman"},
                      {"snap/GALAGA.PCX", "galaga"},
                      {"snap/one.png", "1"},
                      {"snap/TWO.PNG", "2"},
                      {"snap/keep.txt", "txt"},
                      {"snap/folder.png/inside.png", "4"},
                      {"pcx/pacman.pcx", "old pacman"},
                      {"a.hi", "a"},
                      {"b.hi", "b"},
                      {"c.hi", "c"},
                      {"b.old", "older"}});
    ASSERT_TRUE(RunInTemp(temp,
                          "move a.hi a.old\r\nmove b.hi b.old\r\nmove *.hi single.txt\r\n"
                          "cd snap\r\nmove *.pcx " +
                              temp.path() + "pcx/\r\ndel *.png \r\n"));

    EXPECT_EQ(ReadBytes(temp.File("pcx/pacman.pcx")), "old pacman");
    EXPECT_EQ(ReadBytes(temp.File("snap/pacman.pcx")), "new pacman");
    EXPECT_EQ(ReadBytes(temp.File("pcx/GALAGA.PCX")), "galaga");
    EXPECT_FALSE(IsReadableFile(temp.File("snap/GALAGA.PCX")));
    // One file is renamed; a wildcard is never renamed into a single name.
    EXPECT_EQ(ReadBytes(temp.File("a.old")), "a");
    EXPECT_EQ(ReadBytes(temp.File("b.old")), "older");
    EXPECT_EQ(ReadBytes(temp.File("b.hi")), "b");
    EXPECT_EQ(ReadBytes(temp.File("c.hi")), "c");
    EXPECT_FALSE(IsReadableFile(temp.File("single.txt")));
    // "del *.png" takes files in either case, but no directory nor what it holds.
    EXPECT_FALSE(IsReadableFile(temp.File("snap/one.png")));
    EXPECT_FALSE(IsReadableFile(temp.File("snap/TWO.PNG")));
    EXPECT_EQ(ReadBytes(temp.File("snap/keep.txt")), "txt");
    EXPECT_TRUE(IsDirectory(temp.File("snap/folder.png")));
    EXPECT_EQ(ReadBytes(temp.File("snap/folder.png/inside.png")), "4");
}

// The owner's write bit; access() would say yes to root for any file.
bool OwnerMayWrite(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) != 0;
}

// Attrib makes read-only files writable, in the directory it names only; the
// paths of the start-up's batch are unquoted even with blanks in them.
TEST(InterpretBatch, AttribAndUnquotedPathsWithBlanks) {
    TempDir temp;
    const std::string base = temp.path() + "My Games/";
    for (const auto& [name, mode] :
         {std::pair{"roms/pacman.zip", 0444}, {"roms/galaga.zip", 0400}, {"other.zip", 0444}}) {
        WriteBytes(base + name, "zip");
        ::chmod((base + name).c_str(), mode);
    }
    WriteBytes(base + "snap/pacman.pcx", "pcx");
    MakeDirectory(base + "pcx");
    WriteScript(base + "conv tools/conv", "echo conv \"$1\"\n");

    ASSERT_TRUE(RunInTemp(temp, "@attrib " + base + "roms/\\*.* -r -a -h -s\r\n" + "cd " + base +
                                    "snap/\r\n" + base + "conv tools/conv.exe *.png >conv.txt\r\n" +
                                    "move *.pcx " + base + "pcx/\r\n"));

    EXPECT_TRUE(OwnerMayWrite(base + "roms/pacman.zip"));
    EXPECT_TRUE(OwnerMayWrite(base + "roms/galaga.zip"));
    EXPECT_FALSE(OwnerMayWrite(base + "other.zip"));
    EXPECT_EQ(ReadBytes(base + "snap/conv.txt"), "conv *.png\n");
    EXPECT_EQ(ReadBytes(base + "pcx/pacman.pcx"), "pcx");
}

TEST(ResolveBatchCommand, FollowsTheWindowsInterpreterOrder) {
    TempDir temp;
    WriteScript(temp.File("tool"), "echo local tool \"$@\"\n");
    WriteScript(temp.File("bin/pathtool"), "echo path tool\n");
    WriteScript(temp.File("bin/tool"), "echo tool from path\n");
    ScopedSearchPath path(temp.File("bin") + ":" + "/usr/bin:/bin");

    EXPECT_EQ(ResolveBatchCommand("tool", temp.path()), temp.File("tool"));
    EXPECT_EQ(ResolveBatchCommand("tool.exe", temp.path()), temp.File("tool"));
    EXPECT_EQ(ResolveBatchCommand("tool.EXE", temp.File("bin/")), temp.File("bin/tool"));
    EXPECT_EQ(ResolveBatchCommand("pathtool.exe", temp.path()), temp.File("bin/pathtool"));
    EXPECT_FALSE(ResolveBatchCommand("missingtool", temp.path()).has_value());

    // Beside the running executable, also when the batch names another place.
    const std::string printerName = kPrinter.substr(kPrinter.rfind('/') + 1);
    EXPECT_EQ(ResolveBatchCommand(printerName + ".exe", temp.path()), kPrinter);
    EXPECT_EQ(ResolveBatchCommand(temp.path() + "nowhere/" + printerName, temp.path()), kPrinter);

    // An installed Quorvex keeps its helper programs in ../libexec/quorvex;
    // they come before a program of the same name on PATH.
    const std::string helpers = RunningExecutableDirectory() + "../libexec/quorvex/";
    MakeDirectory(RunningExecutableDirectory() + "../libexec");
    MakeDirectory(helpers);
    WriteScript(helpers + "qvxhelpertool", "echo helper\n");
    WriteScript(temp.File("bin/qvxhelpertool"), "echo path helper\n");
    EXPECT_EQ(ResolveBatchCommand("qvxhelpertool.exe", temp.path()), helpers + "qvxhelpertool");
    RemoveFile(helpers + "qvxhelpertool");
    EXPECT_EQ(ResolveBatchCommand("qvxhelpertool", temp.path()), temp.File("bin/qvxhelpertool"));

    ASSERT_TRUE(RunInTemp(temp, "tool.exe a >out.txt\r\npathtool >>out.txt\r\n"));
    EXPECT_EQ(ReadBytes(temp.File("out.txt")), "local tool a\npath tool\n");
}

TEST(InterpretBatch, FailsOnlyForMissingDirectoryOrBatch) {
    TempDir temp;
    {
        // An unknown command is no failure: its message lands in the redirection.
        ScopedSearchPath path(temp.path());
        ASSERT_TRUE(RunInTemp(temp, "nosuchmame pacman >fps.QVX \r\n"));
        EXPECT_NE(ReadBytes(temp.File("fps.QVX")).find("'nosuchmame' is not recognized"),
                  std::string::npos);
    }
    WriteBytes(temp.File("ok.bat"), "echo hi >hi.txt\r\n");
    EXPECT_FALSE(InterpretBatchFile(temp.File("ok.bat"), temp.File("absent/")));
    EXPECT_FALSE(InterpretBatchFile(temp.File("absent.bat"), temp.path()));
    EXPECT_FALSE(IsReadableFile(temp.File("hi.txt")));
    EXPECT_TRUE(RunBatch(temp.File("ok.bat"), temp.path(), false));
    EXPECT_EQ(ReadBytes(temp.File("hi.txt")), "hi\n");
}

}  // namespace
}  // namespace quorvex::platform
