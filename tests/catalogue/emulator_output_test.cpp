#include "catalogue/emulator_output.h"

#include <gtest/gtest.h>

#include "catalogue/emulator_commands.h"

namespace quorvex::catalogue {
namespace {

// A details line with each field at the columns the emulator prints it.
std::string DetailsLine(const std::string& name, const std::string& cpu1, const std::string& cpu2,
                        const std::string& cpu3, const std::string& sound1,
                        const std::string& sound2, const std::string& sound3) {
    std::string line(200, ' ');
    const std::pair<std::size_t, std::string> fields[] = {
        {1, name},    {10, "driver.c"}, {21, cpu1},    {30, cpu2},         {39, cpu3},
        {93, sound1}, {105, sound2},    {117, sound3}, {154, "Some Title"}};
    for (const auto& [column, text] : fields) {
        line.replace(column - 1, text.size(), text);
    }
    return line;
}

// Each parsed entry as its chosen fields joined by '|', to compare whole lists.
template <typename T, typename... Fields>
std::vector<std::string> Texts(const std::vector<T>& entries, Fields T::*... fields) {
    std::vector<std::string> texts;
    for (const T& entry : entries) {
        std::string text;
        ((text += "|" + entry.*fields), ...);
        texts.push_back(text.substr(1));
    }
    return texts;
}

// Name, CPUs and sounds of each details entry, joined by '|'.
std::vector<std::string> DetailTexts(const std::vector<GameDetails>& details) {
    std::vector<std::string> texts;
    for (const GameDetails& entry : details) {
        std::string text = entry.name;
        for (const auto& fields : {entry.cpus, entry.sounds}) {
            for (const std::string& field : fields) {
                text += "|" + field;
            }
        }
        texts.push_back(text);
    }
    return texts;
}

// The play line is compared within the whole launch batch.
TEST(EmulatorCommands, BatchTextsNameTheOutputFilesWithoutABlankAfterTheRedirection) {
    EXPECT_EQ(SupportedGamesBatchText(), "mame -listfull >games_supported.qvx\n");
    EXPECT_EQ(CloneInfoBatchText(),
              "mame -listclones >clones_supported.qvx\n"
              "mame -listdetails >details_games.qvx\n"
              "mame -help >mame_version.qvx\n"
              "mame -listgames >company_info.qvx\n");
    EXPECT_EQ(NeededFilesBatchText("pacman", NeededFileKind::Roms),
              "mame pacman -listroms >files_needed.qvx\n");
    EXPECT_EQ(NeededFilesBatchText("pacman", NeededFileKind::Samples),
              "mame pacman -listsamples >files_needed.qvx\n");
}

TEST(ParseSupportedGames, TakesNameBeforeAndDescriptionBetweenTheQuotes) {
    const auto games = ParseSupportedGames(
        "Name:     Description:\r\n"
        "PacMan    \"Pac-Man (Midway)\"\r\n"
        "  galaga  \"  Galaga \" trailing\r\n"
        "error text without any quote\r\n"
        "   \"A title without a name\"\r\n"
        "noclose   \"Unterminated title  \r\n");
    EXPECT_EQ(Texts(games, &SupportedGame::name, &SupportedGame::description),
              (std::vector<std::string>{"pacman|Pac-Man (Midway)", "galaga|Galaga",
                                        "noclose|Unterminated title"}));
    // Line feeds alone end lines too, and only the heading is skipped.
    EXPECT_EQ(Texts(ParseSupportedGames("x \"heading with a quote\"\na \"A\"\nb \"B\""),
                    &SupportedGame::name, &SupportedGame::description),
              (std::vector<std::string>{"a|A", "b|B"}));
    EXPECT_TRUE(ParseSupportedGames("").empty());
    EXPECT_TRUE(ParseSupportedGames("Name:     Description:\n").empty());
}

TEST(ParseClones, CloneFromTheFirstEightColumnsParentFromColumnTen) {
    const auto clones = ParseClones(
        "Name:    Clone of:\n"
        "PUCKMAN  PacMan  \n"
        "abcdefghiParent\n"
        "short\n"
        "\n");
    // Column 9 belongs to neither field.
    EXPECT_EQ(Texts(clones, &CloneEntry::clone, &CloneEntry::parent),
              (std::vector<std::string>{"puckman|pacman", "abcdefgh|parent", "short|"}));
}

TEST(ParseDetails, ReadsTheFixedColumnsAfterTwoHeadings) {
    const std::string text = "heading one\r\nheading two\r\n" +
                             DetailsLine("Galaga", "Z80", "Z80", "Z80", "NAMCO", "Samples", "DAC") +
                             "\r\n" +
                             DetailsLine("short", "M6502", "", "", "", "", "").substr(0, 30);
    // A line cut short gives what its columns hold.
    EXPECT_EQ(
        DetailTexts(ParseDetails(text)),
        (std::vector<std::string>{"galaga|Z80|Z80|Z80|NAMCO|Samples|DAC", "short|M6502|||||"}));

    // CPU fields stop at their last column; the third sound loses its blank pairs.
    std::string line = DetailsLine("x", "ABCDEFGHIJ", "", "", "YM2151XXXXYY", "", "");
    // Columns 117 to 152: "DAC", an odd run of three blanks, "YM", an even run of four, "K".
    line.replace(116, 36, std::string("DAC   YM    K") + std::string(23, ' '));
    EXPECT_EQ(DetailTexts(ParseDetails("h1\nh2\n" + line + "\n")),
              std::vector<std::string>{"x|ABCDEFGH|J||YM2151XXXX||DAC YMK"});

    EXPECT_EQ(RemoveBlankPairs("a     b"), "a b");
    EXPECT_EQ(RemoveBlankPairs("  a    b  "), "ab");
}

TEST(ParseVersion, TakesColumnNineUpToBlankParenthesisOrDropsTwoCharacters) {
    EXPECT_EQ(ParseVersion("M.A.M.E. v0.37b16 (Jun 10 2001) - x\r\nnext line (2)\r\n"), "v0.37b16");
    EXPECT_EQ(ParseVersion("12345678   0.36   (beta)"), "0.36");
    // Without a blank-parenthesis pair the last two characters go.
    EXPECT_EQ(ParseVersion("M.A.M.E. v0.37b16 - Multiple(\n"), "v0.37b16 - Multipl");
    EXPECT_EQ(ParseVersion("M.A.M.E. v0.36\r\n"), "v0.");
    EXPECT_EQ(ParseVersion("short"), "");
    EXPECT_EQ(ParseVersion(""), "");
}

TEST(ParseCompanies, YearManufacturerAndDescriptionAtFixedColumns) {
    const auto companies = ParseCompanies(
        "Year Manufacturer                         Name\n"
        "---- ------------------------------------ ----\r\n"
        "1980 Namco                                Pac-Man (Midway)  \r\n"
        "19811Manufacturer with a very long name..XGalaga\r\n"
        "1999 Only a manufacturer\r\n");
    EXPECT_EQ(Texts(companies, &CompanyEntry::year, &CompanyEntry::manufacturer,
                    &CompanyEntry::description),
              (std::vector<std::string>{"1980|Namco|Pac-Man (Midway)",
                                        "19811|Manufacturer with a very long name..X|Galaga"}));
}

TEST(ParseNeededFiles, RomsFollowTheNameHeadingAndAreCutToThirteenCharacters) {
    const std::string roms =
        "This is the list of the ROMs required for driver \"pacman\".\r\n"
        "Name              Size Checksum\r\n"
        "pacman.6e         4096 c1e6ab10\r\n"
        "averyveryverylongname.bin 4096 00000000\r\n"
        "\r\n";
    EXPECT_EQ(ParseNeededRoms(roms), (std::vector<std::string>{"pacman.6e", "averyveryvery"}));
    EXPECT_TRUE(ParseNeededRoms("Unknown game\nname lower case is no heading\n").empty());

    EXPECT_EQ(ParseNeededSamples("jump.wav\n  ghost.wav  \nsample_with_long_name.wav\n"),
              (std::vector<std::string>{"jump.wav", "ghost.wav", "sample_with_l"}));
}

}  // namespace
}  // namespace quorvex::catalogue
