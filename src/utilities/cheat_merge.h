#pragma once
// Merging another cheat file into the emulator's "cheat.dat": every cheat
// line the own file does not hold yet is appended, under a comment block
// that marks the run. Lines are compared by their key: the line in lower
// case, blanks cut, without its last field (the description).

#include <string>
#include <string_view>

#include "store/user_feedback.h"

namespace quorvex::utilities {

inline constexpr const char* kCheatFile = "cheat.dat";

// The key of a cheat line; an empty key or one starting with ';' marks a
// line that is no cheat.
std::string CheatLineKey(std::string_view line);

struct CheatMerge {
    std::string text;  // the own file's bytes with the new lines appended
    int appended = 0;
    int skipped = 0;  // duplicates of lines already there
};

// Merges the lines of other (ending at LF, a CR before it dropped) into own.
CheatMerge MergeCheatText(std::string_view own, std::string_view other, store::Progress& progress);

enum class CheatMergeOutcome { Merged, NothingNew, SameFile, Unreadable, NotWritten };

struct CheatFileMerge {
    CheatMergeOutcome outcome = CheatMergeOutcome::Unreadable;
    int appended = 0;
    int skipped = 0;
};

// Merges the chosen file into ownPath (created when missing). The same file
// under another spelling (letter case included) is refused with a message.
// The own file is replaced atomically and only when lines were added; when
// it cannot be written it stays as it was and the user is told.
CheatFileMerge MergeCheatFile(const std::string& chosenPath, const std::string& ownPath,
                              store::UserFeedback& feedback, store::Progress& progress);

}  // namespace quorvex::utilities
