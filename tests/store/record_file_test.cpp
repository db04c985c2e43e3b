#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "platform/file_system.h"
#include "store/record_file.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(RecordFileReading, ReadsLinesCommentsAndHeaders) {
    const std::string longLine(4000, 'x');
    RecordFile file(";comment\r\n;another\r\n +:FILTERS_COUNT:2:+\r\n\r\n" + longLine +
                    "\r\nlast without end");
    std::string line;
    EXPECT_EQ(FindHeaderLine(file, line), 3);
    EXPECT_EQ(line, " +:FILTERS_COUNT:2:+");
    // A blank line is a line of its own.
    EXPECT_EQ(CountRecordLines(file), 6);
    ASSERT_TRUE(ReadRecordLineAt(5, file, line));
    EXPECT_EQ(line, longLine);  // never cut
    ASSERT_TRUE(ReadRecordLineAt(6, file, line));
    EXPECT_EQ(line, "last without end");
    EXPECT_FALSE(ReadRecordLineAt(7, file, line));
    EXPECT_EQ(line, "");
    // Files written by other programs on POSIX end their lines with LF alone.
    EXPECT_EQ(SplitRecordLines("a\nb\r\nc\n"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(RecordFileReading, DefinitionLoaderReadsExactlyTheCount) {
    testing::TempDir temp;
    const std::string path = temp.File("filters.qvx");
    WriteBytes(path, ";c1\r\n;c2\r\n +:FILTERS_COUNT:3:+\xA7\r\n+:CODE:1:+\r\n+:CODE:2:+\r\n");
    EXPECT_EQ(LoadDefinitionLines(path, "FILTERS_COUNT"),
              (std::vector<std::string>{"+:CODE:1:+", "+:CODE:2:+", ""}));
    WriteBytes(path, " +:FILTERS_COUNT:1:+\r\n+:CODE:1:+\r\n+:CODE:2:+\r\n");
    EXPECT_EQ(LoadDefinitionLines(path, "FILTERS_COUNT").size(), 1u);
    EXPECT_TRUE(LoadDefinitionLines(temp.File("missing.qvx"), "FILTERS_COUNT").empty());
    EXPECT_EQ(ParseLeadingNumber(" 42abc"), 42);
    EXPECT_EQ(ParseLeadingNumber("abc"), 0);
}

TEST(RecordFileWriting, SetHeaderValueRewritesLineOneAndAppendKeepsTheRest) {
    testing::TempDir temp;
    const std::string path = temp.File("sortings.qvx");
    WriteBytes(path, " +:SORTINGS_COUNT:2:+\xA7\r\n+:CODE:1:+\r\n+:CODE:2:+\r\n");
    ASSERT_TRUE(SetHeaderValue(path, "SORTINGS_COUNT", "3"));
    EXPECT_EQ(ReadBytes(path), " +:SORTINGS_COUNT:3:+\xA7\r\n+:CODE:1:+\r\n+:CODE:2:+\r\n");
    ASSERT_TRUE(SetHeaderValue(path, "MAME_ACTUAL_VERSION", "0.37b16"));
    EXPECT_EQ(GetHeaderValue(path, "MAME_ACTUAL_VERSION"), "0.37b16");
    EXPECT_EQ(ReadBytes(path),
              " +:SORTINGS_COUNT:3:+ +:MAME_ACTUAL_VERSION:0.37b16:+\xA7\r\n+:CODE:1:+\r\n"
              "+:CODE:2:+\r\n");

    // An appended line gets its line end.
    ASSERT_TRUE(AppendRecordLine(path, "+:CODE:3:+"));
    EXPECT_EQ(ReadBytes(path),
              " +:SORTINGS_COUNT:3:+ +:MAME_ACTUAL_VERSION:0.37b16:+\xA7\r\n+:CODE:1:+\r\n"
              "+:CODE:2:+\r\n+:CODE:3:+\r\n");
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(temp.path()));
}

TEST(RecordFileWriting, ReplaceAndDeleteByKey) {
    testing::TempDir temp;
    const std::string path = temp.File("filters.qvx");
    const std::string original =
        " +:FILTERS_COUNT:3:+\xA7\r\n+:CODE:1:+ +:FILTER_NAME:One:+\r\n"
        "+:CODE:2:+ +:FILTER_NAME:Two:+\r\n+:CODE:3:+ +:FILTER_NAME:Three:+\r\n";
    WriteBytes(path, original);

    EXPECT_EQ(ReplaceRecordByKey(path, "FILTER_NAME", "+:CODE:2:+ +:FILTER_NAME:TWO:+ +:X:y:+"), 3);
    EXPECT_EQ(GetHeaderValue(path, "FILTERS_COUNT"), "3");
    EXPECT_NE(ReadBytes(path).find("+:CODE:2:+ +:FILTER_NAME:TWO:+ +:X:y:+\r\n"),
              std::string::npos);

    // A record that is not there is not added; the file stays as it was.
    const std::string before = ReadBytes(path);
    EXPECT_EQ(ReplaceRecordByKey(path, "FILTER_NAME", "+:FILTER_NAME:Nope:+"), 4);
    // A line without the key must not match the header and the comments.
    EXPECT_EQ(ReplaceRecordByKey(path, "FILTER_NAME", "+:CODE:9:+"), 4);
    EXPECT_EQ(DeleteRecordByKey(path, "FILTER_NAME", "+:CODE:9:+"), 4);
    EXPECT_EQ(ReadBytes(path), before);

    EXPECT_EQ(DeleteRecordByKey(path, "FILTER_NAME", "+:FILTER_NAME:one:+"), 2);
    EXPECT_EQ(ReadBytes(path),
              " +:FILTERS_COUNT:3:+\xA7\r\n+:CODE:1:+ +:FILTER_NAME:TWO:+ +:X:y:+\r\n"
              "+:CODE:2:+ +:FILTER_NAME:Three:+\r\n");

    EXPECT_FALSE(ReplaceRecordByKey(temp.File("missing.qvx"), "CODE", "+:CODE:1:+").has_value());
}

// Lowers the largest file this process may write, so that a write fails half way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(RecordFileWriting, AFailedRewriteLeavesTheOldFileAndSaysSo) {
    testing::TempDir temp;
    const std::string path = temp.File("sortings.qvx");
    const std::string original = " +:SORTINGS_COUNT:1:+\xA7\r\n+:CODE:1:+\r\n";
    WriteBytes(path, original);
    {
        FileSizeLimit limit(original.size() + 4);
        EXPECT_FALSE(SetHeaderValue(path, "SORTINGS_COUNT", "1234567890"));
        std::string error;
        EXPECT_FALSE(platform::ReplaceFileAtomically(path, std::string(10000, 'x'), &error));
        EXPECT_NE(error, "");
    }
    EXPECT_EQ(ReadBytes(path), original);
    // No temporary file is left beside it.
    EXPECT_EQ(platform::ListDirectory(temp.path()).size(), 1u);
}

}  // namespace
}  // namespace quorvex::store
