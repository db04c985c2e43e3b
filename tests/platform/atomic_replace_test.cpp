#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/file_system.h"
#include "test_support.h"

namespace quorvex::platform {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// Makes one call of the atomic replacement fail: the occurrence-th call of step.
class InjectedFault {
public:
    InjectedFault(ReplaceStep step, int occurrence, int errorNumber) {
        SetReplaceFaultHook([=, this](ReplaceStep current) {
            if (current != step || ++m_seen != occurrence)
                return 0;
            m_fired = true;
            return errorNumber;
        });
    }
    ~InjectedFault() { SetReplaceFaultHook(nullptr); }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
    bool fired() const { return m_fired; }

private:
    int m_seen = 0;
    bool m_fired = false;
};

std::vector<std::string> NamesIn(const std::string& directory) {
    std::vector<std::string> names;
    for (const auto& entry : ListDirectory(directory))
        names.push_back(entry.name);
    return names;
}

// Several megabytes, so that the bytes go out in several writes.
std::string BigText(char fill) {
    std::string text;
    for (int i = 0; text.size() < 3'500'000; ++i)
        text += "+:A:game" + std::to_string(i) + ":+ +:B:" + std::string(40, fill) + ":+\xA7\r\n";
    return text;
}

TEST(AtomicReplace, WritesTheWholeFileOrKeepsTheOldOneWhateverSystemCallFails) {
    testing::TempDir temp;
    const std::string path = temp.File("mamegame.qvx");
    ASSERT_TRUE(ReplaceFileAtomically(path, "first\r\n"));
    ASSERT_TRUE(ReplaceFileAtomically(path, ""));
    EXPECT_EQ(ReadFileBytes(path), "");
    const std::string old = BigText('o');
    const std::string replacement = BigText('n');
    ASSERT_TRUE(ReplaceFileAtomically(path, old));
    EXPECT_TRUE(ReadFileBytes(path) == old);
    // A target in a missing folder fails and reports why.
    std::string missing;
    EXPECT_FALSE(ReplaceFileAtomically(temp.File("no/such/file"), "x", &missing));
    EXPECT_NE(missing, "");

    // The text goes out in four writes: the first, a middle and the last one fail.
    const std::vector<std::pair<ReplaceStep, int>> faults = {
        {ReplaceStep::CreateTemporary, 1}, {ReplaceStep::Write, 1}, {ReplaceStep::Write, 2},
        {ReplaceStep::Write, 4},           {ReplaceStep::Sync, 1},  {ReplaceStep::Close, 1},
        {ReplaceStep::Rename, 1}};
    for (const auto& [step, occurrence] : faults) {
        for (int errorNumber : {ENOSPC, EIO, EACCES, ENOMEM}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(step)) + "/" + std::to_string(occurrence) +
                         " errno " + std::to_string(errorNumber));
            std::string error;
            {
                InjectedFault injection(step, occurrence, errorNumber);
                EXPECT_FALSE(ReplaceFileAtomically(path, replacement, &error));
                ASSERT_TRUE(injection.fired());
            }
            EXPECT_NE(error.find(std::strerror(errorNumber)), std::string::npos) << error;
            EXPECT_NE(error.find(path), std::string::npos) << error;
            EXPECT_TRUE(ReadFileBytes(path) == old);
            EXPECT_EQ(NamesIn(temp.path()), std::vector<std::string>{"mamegame.qvx"});
        }
    }

    // An interrupted write is repeated, not a failure.
    {
        InjectedFault interruption(ReplaceStep::Write, 2, EINTR);
        EXPECT_TRUE(ReplaceFileAtomically(path, replacement));
        EXPECT_TRUE(interruption.fired());
    }
    EXPECT_TRUE(ReadFileBytes(path) == replacement);
}

#ifndef _WIN32
TEST(AtomicReplace, TheDirectoryIsFlushedAfterTheRenameAndASymbolicLinkStaysALink) {
    testing::TempDir temp;
    const std::string path = temp.File("quorvex.qvx");
    WriteBytes(path, "old");
    std::vector<ReplaceStep> steps;
    SetReplaceFaultHook([&](ReplaceStep step) {
        steps.push_back(step);
        // The new name is in place when the directory is flushed.
        if (step == ReplaceStep::SyncDirectory) {
            EXPECT_EQ(ReadBytes(path), "new");
            return EIO;
        }
        return 0;
    });
    EXPECT_TRUE(ReplaceFileAtomically(path, "new"));
    SetReplaceFaultHook(nullptr);
    EXPECT_EQ(steps, (std::vector<ReplaceStep>{ReplaceStep::CreateTemporary, ReplaceStep::Write,
                                               ReplaceStep::Sync, ReplaceStep::Close,
                                               ReplaceStep::Rename, ReplaceStep::SyncDirectory}));

    // A symbolic link stays a link and its file is replaced.
    WriteBytes(temp.File("dotfiles/quorvex/settings.qvx"), "old settings");
    WriteBytes(temp.File("dotfiles/quorvex/filters.qvx"), "old filters");
    MakeDirectory(temp.File("program"));
    // A relative link, and an absolute link to a relative link.
    fs::create_symlink("../dotfiles/quorvex/settings.qvx", temp.File("program/settings.qvx"));
    fs::create_symlink(temp.File("dotfiles/quorvex/filters.qvx"), temp.File("dotfiles/filters"));
    fs::create_symlink(temp.File("dotfiles/filters"), temp.File("program/filters.qvx"));
    fs::permissions(temp.File("dotfiles/quorvex/settings.qvx"), fs::perms(0600));

    ASSERT_TRUE(ReplaceFileAtomically(temp.File("program/settings.qvx"), "new settings"));
    ASSERT_TRUE(ReplaceFileAtomically(temp.File("program/filters.qvx"), "new filters"));

    EXPECT_TRUE(fs::is_symlink(temp.File("program/settings.qvx")));
    EXPECT_TRUE(fs::is_symlink(temp.File("program/filters.qvx")));
    EXPECT_TRUE(fs::is_symlink(temp.File("dotfiles/filters")));
    EXPECT_EQ(ReadBytes(temp.File("dotfiles/quorvex/settings.qvx")), "new settings");
    EXPECT_EQ(ReadBytes(temp.File("dotfiles/quorvex/filters.qvx")), "new filters");
    EXPECT_EQ(fs::status(temp.File("dotfiles/quorvex/settings.qvx")).permissions(),
              fs::perms(0600));
    EXPECT_EQ(NamesIn(temp.File("dotfiles/quorvex")),
              (std::vector<std::string>{"filters.qvx", "settings.qvx"}));
}
#endif

TEST(AtomicReplace, TemporaryFilesOfEarlierRunsAreRemovedAndOthersKept) {
    testing::TempDir temp;
    // The name of a real save's temporary file, seen while it exists.
    std::string temporaryName;
    SetReplaceFaultHook([&](ReplaceStep step) {
        if (step == ReplaceStep::Rename) {
            for (const std::string& name : NamesIn(temp.path()))
                temporaryName = name != "mamegame.qvx" ? name : temporaryName;
        }
        return 0;
    });
    ASSERT_TRUE(ReplaceFileAtomically(temp.File("mamegame.qvx"), "games"));
    SetReplaceFaultHook(nullptr);
    ASSERT_NE(temporaryName, "");
    EXPECT_TRUE(IsReplacementTemporaryName(temporaryName));
    EXPECT_EQ(temporaryName.rfind("mamegame.qvx.tmp", 0), 0u);

    const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const std::string& name : {temporaryName, std::string("quorvex.qvx.tmp00000000deadbeef")})
        WriteBytes(temp.File(name), "half a save");
    for (const char* name :
         {"notes.tmp", "game.tmp0123", "x.tmp0123456789ABCDEF", "x.tmp0123456789abcdefg"})
        WriteBytes(temp.File(name), "keep");
    for (const auto& name : NamesIn(temp.path()))
        fs::last_write_time(temp.File(name), longAgo);
    // Written after this process started: another copy of the program may be saving.
    WriteBytes(temp.File("filters.qvx.tmp0123456789abcdef"), "being written");
    WriteBytes(temp.File("sub/settings.qvx.tmp0123456789abcdef"), "not ours to judge");
    fs::last_write_time(temp.File("sub/settings.qvx.tmp0123456789abcdef"), longAgo);

    EXPECT_EQ(RemoveStaleReplacementFiles(temp.path()), 2);
    std::vector<std::string> names = NamesIn(temp.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"filters.qvx.tmp0123456789abcdef", "game.tmp0123",
                                               "mamegame.qvx", "notes.tmp", "sub",
                                               "x.tmp0123456789ABCDEF", "x.tmp0123456789abcdefg"}));
    EXPECT_EQ(RemoveStaleReplacementFiles(temp.File("missing")), 0);
}

}  // namespace
}  // namespace quorvex::platform
