#include <gtest/gtest.h>

#include "store/record_line.h"

namespace quorvex::store {
namespace {

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

TEST(RecordLine, ChangesAPresentKeyInPlaceAndInsertsNewTokensInFrontOfTheMarker) {
    std::string present = "+:A:x:+ +:B::+ +:C:y:+";
    EXPECT_TRUE(SetRecordValue(present, "B", "z"));
    SetRecordValue(present, "A", "longer value");
    EXPECT_EQ(present, "+:A:longer value:+ +:B:z:+ +:C:y:+");

    std::string empty;
    SetRecordValue(empty, "GAMES_COUNT", "0");
    EXPECT_EQ(empty, " +:GAMES_COUNT:0:+" + kMarker);

    std::string line = "+:A:x:+" + kMarker + " +:1:ON:+";
    SetRecordValue(line, "B", "new");
    EXPECT_EQ(line, "+:A:x:+ +:B:new:+" + kMarker + " +:1:ON:+");

    SetRecordValue(line, "2", "7", /*afterMarker=*/true);
    EXPECT_EQ(line, "+:A:x:+ +:B:new:+" + kMarker + " +:1:ON:+ +:2:7:+");

    std::string noMarker = "+:A:x:+";
    SetRecordValue(noMarker, "B", "y");
    EXPECT_EQ(noMarker, "+:A:x:+ +:B:y:+" + kMarker);
}

TEST(RecordLine, EmptyValueRemovesTheTokenAndLeavesItsSurroundings) {
    std::string line = " +:ONLY:1:+" + kMarker;
    SetRecordValue(line, "ONLY", "");
    EXPECT_EQ(line, " " + kMarker);

    std::string middle = "+:A:1:+ +:B:2:+ +:C:3:+";
    SetRecordValue(middle, "B", "");
    EXPECT_EQ(middle, "+:A:1:+  +:C:3:+");

    std::string absent = "+:A:1:+";
    SetRecordValue(absent, "Q", "");
    EXPECT_EQ(absent, "+:A:1:+");
}

TEST(RecordLine, MarkerByteInsideAValueIsNotAMarker) {
    // "§" in UTF-8 is C2 A7: its second byte is the marker byte.
    const std::string utf8Section = "Rock\xC2\xA7Roll";
    std::string line;
    SetRecordValue(line, "Y", utf8Section);
    SetRecordValue(line, "1", "ON", true);
    SetRecordValue(line, "X", "Maker");
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

}  // namespace
}  // namespace quorvex::store
