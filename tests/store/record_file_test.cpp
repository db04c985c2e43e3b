#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

#include "platform/file_system.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

const std::string kMarker(1, kSettingsMarker);

TEST(RecordLine, ReadsValuesByKeyWhereverTheyStand) {
    const std::string line = "+:A:x:+ +:B::+ +:C:y:+ +:AB:long:+";
    EXPECT_EQ(GetRecordValue(line, "A"), "x");
    EXPECT_EQ(GetRecordValue(line, "B"), "");
    EXPECT_EQ(GetRecordValue(line, "C"), "y");
    EXPECT_EQ(GetRecordValue(line, "AB"), "long");
    EXPECT_EQ(GetRecordValue(line, "D"), "");
    // A token keyed AB is not the token keyed A.
    EXPECT_EQ(GetRecordValue("+:AB:1:+", "A"), "");
    // Values keep single colons and plus signs, even a trailing colon.
    EXPECT_EQ(GetRecordValue("+:T:a:b+c:+", "T"), "a:b+c");
    EXPECT_EQ(GetRecordValue("+:T:ends:+ +:U:1:+", "T"), "ends");
    EXPECT_EQ(GetRecordValue("+:T:ends with:::+", "T"), "ends with::");
    // An unclosed token runs to the end of the line.
    EXPECT_EQ(GetRecordValue("+:T:open", "T"), "open");
}

// The line after key is set to value, which must be accepted.
std::string Set(std::string line, const std::string& key, const std::string& value,
                bool afterMarker = false) {
    EXPECT_TRUE(SetRecordValue(line, key, value, afterMarker)) << key << "=" << value;
    return line;
}

TEST(RecordLine, ChangesAPresentKeyInPlaceInsertsNewTokensInFrontOfTheMarkerOrRemovesThem) {
    EXPECT_EQ(Set(Set("+:A:x:+ +:B::+ +:C:y:+", "B", "z"), "A", "longer value"),
              "+:A:longer value:+ +:B:z:+ +:C:y:+");
    EXPECT_EQ(Set("", "GAMES_COUNT", "0"), " +:GAMES_COUNT:0:+" + kMarker);
    const std::string line = Set("+:A:x:+" + kMarker + " +:1:ON:+", "B", "new");
    EXPECT_EQ(line, "+:A:x:+ +:B:new:+" + kMarker + " +:1:ON:+");
    EXPECT_EQ(Set(line, "2", "7", /*afterMarker=*/true),
              "+:A:x:+ +:B:new:+" + kMarker + " +:1:ON:+ +:2:7:+");
    EXPECT_EQ(Set("+:A:x:+", "B", "y"), "+:A:x:+ +:B:y:+" + kMarker);

    // An empty value removes the token and leaves its surroundings.
    EXPECT_EQ(Set(" +:ONLY:1:+" + kMarker, "ONLY", ""), " " + kMarker);
    EXPECT_EQ(Set("+:A:1:+ +:B:2:+ +:C:3:+", "B", ""), "+:A:1:+  +:C:3:+");
    EXPECT_EQ(Set("+:A:1:+", "Q", ""), "+:A:1:+");
}

TEST(RecordLine, MarkerByteInsideAValueIsNotAMarker) {
    // "§" in UTF-8 is C2 A7: its second byte is the marker byte.
    const std::string utf8Section = "Rock\xC2\xA7Roll";
    const std::string line = Set(Set(Set("", "Y", utf8Section), "1", "ON", true), "X", "Maker");
    EXPECT_EQ(GetRecordValue(line, "Y"), utf8Section);
    EXPECT_EQ(GetRecordValue(line, "X"), "Maker");
    EXPECT_EQ(line, " +:Y:" + utf8Section + ":+ +:X:Maker:+" + kMarker + " +:1:ON:+");
    EXPECT_EQ(FindSettingsMarker(line), line.find(kMarker + " +:1:"));
}

TEST(RecordLine, RefusesValuesThatWouldBreakTheLine) {
    std::string line = "+:A:x:+";
    EXPECT_FALSE(SetRecordValue(line, "B", "has :+ inside"));
    // Would be read back as a field of its own: "+:S:99" typed as a category
    // must not become a rating.
    EXPECT_FALSE(SetRecordValue(line, "B", "x +:S:99"));
    EXPECT_FALSE(SetRecordValue(line, "B", "two\r\nlines"));
    EXPECT_FALSE(SetRecordValue(line, "B:C", "v"));
    EXPECT_EQ(line, "+:A:x:+");
}

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
