#include <gtest/gtest.h>

#include "store/default_files.h"
#include "store/definitions.h"
#include "store/state_file.h"
#include "test_support.h"

namespace quorvex::store {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

TEST(DefaultFiles, AreWrittenByteForByte) {
    testing::TempDir temp;
    ASSERT_TRUE(CreateDefaultGameDatabase(temp.File("mamegame.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("mamegame.qvx")), " +:GAMES_COUNT:0:+\xA7\r\n");

    ASSERT_TRUE(CreateDefaultFilters(temp.File("filters.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("filters.qvx")),
              " +:FILTERS_COUNT:3:+\xA7\r\n"
              "+:CODE:1:+ +:FILTER_NAME:Games without roms:+    +:CONDITION:C==NULL:+\r\n"
              "+:CODE:2:+ +:FILTER_NAME:Games with roms:+       +:CONDITION:C!=NULL:+\r\n"
              "+:CODE:3:+ +:FILTER_NAME:Games without samples:+ +:CONDITION:D==NULL:+\r\n");

    ASSERT_TRUE(CreateDefaultSortings(temp.File("sortings.qvx")));
    EXPECT_EQ(ReadBytes(temp.File("sortings.qvx")),
              " +:SORTINGS_COUNT:2:+\xA7\r\n"
              "+:CODE:1:+ +:SORTING_NAME:Descriptions:+    +:CONDITION:A:+\r\n"
              "+:CODE:2:+ +:SORTING_NAME:Raw Names:+       +:CONDITION:B:+\r\n");

    ASSERT_TRUE(CreateDefaultFieldCatalogue(temp.File("mamefld.qvx")));
    const std::string fields = ReadBytes(temp.File("mamefld.qvx"));
    EXPECT_EQ(fields.substr(0, 98),
              " +:FIELDS_COUNT:26:+\xA7\r\n+:CODE:A:+ +:FIELD_NAME:Raw name:+\r\n"
              "+:CODE:B:+ +:FIELD_NAME:Description:+\r\n");
    const auto catalogue = LoadFieldCatalogue(temp.File("mamefld.qvx"));
    ASSERT_EQ(catalogue.size(), 26u);
    std::string order;
    for (const auto& field : catalogue) {
        order += field.code;
    }
    EXPECT_EQ(order, "ABCDLEFGTHISUVZYWXJKMNOPQR");
    EXPECT_EQ(catalogue[4].name, "Need Sample?");
    EXPECT_EQ(catalogue[12].name, "Supported from version..");
    EXPECT_EQ(catalogue[16].name, "Clone's dependencies");

    ASSERT_TRUE(CreateDefaultSettings(temp.File("settings.qvx")));
    const std::string settings = ReadBytes(temp.File("settings.qvx"));
    EXPECT_EQ(settings.rfind(" +:SETTINGS_COUNT:2:+\xA7\r\n+:CODE:1:+  +:NAME:-noscanlines  :+  "
                             "+:TYPE:n:+ ",
                             0),
              0u);
    const auto definitions = LoadSettingDefinitions(temp.File("settings.qvx"));
    ASSERT_EQ(definitions.size(), 2u);
    EXPECT_EQ(definitions[0].name, "-noscanlines  ");
    EXPECT_EQ(definitions[1].name, "-soundcard    ");
    EXPECT_EQ(definitions[1].type,
              "f8=0;Silence=1;Sound Blaster=2;Sound Blaster AWE32=3;Pro Audio Spectrum=4;"
              "Ultrasound Max (CS4231 Codec)=5;Ultrasound=6;Windows Sound System=7;Ensoniq "
              "Soundscape");
    EXPECT_EQ(definitions[1].help,
              "select sound card (if this is not specified, you will be asked interactively)");
    EXPECT_EQ(definitions[0].help,
              "if the default mode doesn't work with your monitor/video card (double "
              "image/picture squashed vertically), use -noscanlines or -vesa.");
}

TEST(StateFile, KeepsTheEmulatorAndWritesTheLastStateInOrder) {
    testing::TempDir temp;
    const std::string path = temp.File("quorvex.qvx");
    ASSERT_TRUE(CreateStateFile(path, "/games/mame/"));
    EXPECT_EQ(ReadBytes(path), " +:MAME_DIR:/games/mame/:+\xA7\r\n");

    StateRecord state = LoadState(path);
    // No converter command line yet: the default one is used.
    EXPECT_EQ(state.lastConvCommandLine, "nconvert -s14 -C2 *.*");
    state.lastSortOrder = "1";
    state.lastGameSelection = "Pac-Man (Midway)";
    state.lastWindowPosition = "10.20";
    state.lastWindowSize = "900.640";
    ASSERT_TRUE(SaveState(path, state));
    EXPECT_EQ(ReadBytes(path),
              " +:MAME_DIR:/games/mame/:+ +:LAST_SORT_ORDER:1:+ +:LAST_WINDOW_POSITION:10.20:+ "
              "+:LAST_WINDOW_SIZE:900.640:+ +:LAST_GAME_SELECTION:Pac-Man (Midway):+ +:LAST_CONV_COMMAND_LINE:nconvert -s14 "
              "-C2 *.*:+\xA7\r\n");

    // A cleared value loses its token; keys the state record does not know stay.
    WriteBytes(path,
               " +:MAME_DIR:/games/mame/:+ +:MAME_ACTUAL_VERSION:0.37b16:+ "
               "+:LAST_FILTERS:1 1:+ +:LAST_CONV_COMMAND_LINE:   :+\xA7\r\n");
    state = LoadState(path);
    EXPECT_EQ(state.lastFilters, "1 1");
    EXPECT_EQ(state.lastConvCommandLine, "nconvert -s14 -C2 *.*");
    state.lastFilters.clear();
    state.lastConvCommandLine = "convert *.png";
    ASSERT_TRUE(SaveState(path, state));
    EXPECT_EQ(ReadBytes(path),
              " +:MAME_DIR:/games/mame/:+ +:MAME_ACTUAL_VERSION:0.37b16:+  "
              "+:LAST_CONV_COMMAND_LINE:convert *.png:+\xA7\r\n");
}

}  // namespace
}  // namespace quorvex::store
