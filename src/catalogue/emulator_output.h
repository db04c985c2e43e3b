#pragma once
// Parsers of the emulator's list outputs. Each is a pure function of the
// output text, which may end its lines with LF or CR LF. Fields lose their
// surrounding blanks; game names are lower-cased. Columns are counted from 1
// and a field is cut short where a line is shorter than its columns.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::catalogue {

struct SupportedGame {
    std::string name;
    std::string description;
};

struct CloneEntry {
    std::string clone;
    std::string parent;
};

struct GameDetails {
    std::string name;
    std::array<std::string, 3> cpus;
    std::array<std::string, 3> sounds;
};

struct CompanyEntry {
    std::string year;
    std::string manufacturer;
    std::string description;
};

// "-listfull": after one heading line, the name before the first double quote
// and the description between the first two. Lines without a double quote
// (an error text, a blank line) or without a name are not games and are left out.
std::vector<SupportedGame> ParseSupportedGames(std::string_view text);

// "-listclones": after one heading line, clone in columns 1-8, parent from column 10.
// Lines without a clone name are left out.
std::vector<CloneEntry> ParseClones(std::string_view text);

// "-listdetails": after two heading lines, name 1-8, CPUs 21-28, 30-37 and
// 39-68, sound chips 93-102, 105-114 and 117-152. Pairs of blanks inside the
// third sound chip are removed. Lines without a name are left out.
std::vector<GameDetails> ParseDetails(std::string_view text);

// "-help": the first line from column 9 up to the first blank followed by
// "("; without such a pair, that text without its last two characters.
std::string ParseVersion(std::string_view text);

// "-listgames": after two heading lines, year 1-5, manufacturer 6-42 and
// description from column 43. Lines without a description are left out.
std::vector<CompanyEntry> ParseCompanies(std::string_view text);

// "-listroms": the lines after the first one beginning with "Name", each cut
// to 13 characters; empty when no such heading comes. Blank names are left out.
std::vector<std::string> ParseNeededRoms(std::string_view text);

// "-listsamples": every line cut to 13 characters. Blank names are left out.
std::vector<std::string> ParseNeededSamples(std::string_view text);

// Removes pairs of adjacent blanks, looking again at the same place after
// each removal: an even run of blanks disappears, an odd run leaves one.
std::string RemoveBlankPairs(std::string text);

}  // namespace quorvex::catalogue
