#pragma once
// The emulator's cheat file "cheat.dat": one cheat per line, six fields
// joined by ':' (game, CPU, address, data, type, description), lines ended
// by CR LF. Reading a game's cheats and rewriting the file for a new,
// changed or deleted cheat; the line rules are shared with every other
// writer of the file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::info {

inline constexpr const char* kCheatFileName = "cheat.dat";

// The limits of the editor's boxes: what it writes, not what it reads.
inline constexpr int kCheatCpuLength = 1;
inline constexpr int kCheatAddressLength = 4;
inline constexpr int kCheatDataLength = 2;
inline constexpr int kCheatTypeLength = 2;
inline constexpr int kCheatDescriptionLength = 30;

struct Cheat {
    std::string game;
    std::string cpu;
    std::string address;
    std::string data;
    std::string type;
    std::string description;  // the whole rest of the line, ':' included
    std::string line;         // the line as read, without its line end
};

// The lines of a file image, each without its line end: a line ends at a
// line feed, and a carriage return before it goes with the end. A last line
// without a line feed is a line too; nothing follows a final line feed.
std::vector<std::string_view> CheatFileLines(std::string_view bytes);

// The game a line belongs to: the text before its first ':' in lower case;
// nothing for a line without ':'.
std::optional<std::string> CheatGameOf(std::string_view line);

// Splits a line at its first five ':'; missing fields stay empty.
Cheat SplitCheatLine(std::string_view line);

// What the cheat list shows for a line: the text behind its last ':' in lower case.
std::string CheatListText(std::string_view line);

// The cheats of the game with this raw name (any case), in file order.
std::vector<Cheat> CheatsOf(std::string_view bytes, std::string_view rawName);

// A new line (no line end): the raw name in lower case and the five fields,
// joined by ':'. A line break typed into a field would split the cheat, so
// each becomes a blank.
std::string CheatLine(std::string_view rawName, std::string_view cpu, std::string_view address,
                      std::string_view data, std::string_view type, std::string_view description);

// The file image with line added at the end, after a line break when the
// image lacks one there.
std::string AppendCheatLine(std::string_view bytes, std::string_view line);
// Every line equal to oldLine ignoring case replaced by newLine, or dropped
// when newLine is nothing; every line written back with CR LF.
std::string ReplaceCheatLines(std::string_view bytes, std::string_view oldLine,
                              const std::optional<std::string>& newLine);

// The file as read: whether it is there, and its bytes when they could be read.
struct CheatFile {
    bool exists = false;
    std::optional<std::string> bytes;
};
CheatFile ReadCheatFile(const std::string& path);

// Replaces the file through a temporary file and checks it by reading it
// back; on failure the old file is untouched and error says why.
bool WriteCheatFile(const std::string& path, std::string_view bytes, std::string& error);

// A game's cheats as the page lists them.
struct CheatListing {
    bool fileFound = false;
    std::vector<Cheat> cheats;
};
CheatListing ListCheats(const std::string& path, std::string_view rawName);

// The three edits of the page. Each reads the file anew and rewrites it
// whole; false, with a message for the user and the file as it was, when it
// cannot be read or written. A new cheat starts a file that is not there.
struct CheatEdit {
    bool written = false;
    std::string message;
};
CheatEdit AddCheat(const std::string& path, std::string_view line);
CheatEdit ModifyCheat(const std::string& path, std::string_view oldLine, std::string_view newLine);
CheatEdit DeleteCheat(const std::string& path, std::string_view oldLine);

}  // namespace quorvex::info
