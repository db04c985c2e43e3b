#pragma once
// Conversion of the snapshots the earlier front-end kept, named after a
// shortened raw name, to the program's numbering: raw name, three digits,
// ".pcx", after the game's snapshots already filed.

#include <string>
#include <string_view>

#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::utilities {

// The old name of a game's pictures: the raw name, blanks cut, shortened to
// its first four and last two characters when it has four or more (DOS file
// names had room for eight: six for the game, two for the number).
std::string OldSnapshotBaseName(std::string_view rawName);

struct SnapshotConversion {
    int copied = 0;
    int failed = 0;  // pictures that could not be copied
};

// Copies, for every game in database order, the pictures of oldDirectory
// named after its old base name (base name + anything + ".pcx", ignoring
// case, in name order) into the snapshot directory under the game's next
// numbers. The old pictures stay; an existing snapshot is never replaced:
// a number already taken is passed over.
SnapshotConversion ConvertOldSnapshots(const store::Session& session,
                                       const std::string& oldDirectory, store::Progress& progress);

}  // namespace quorvex::utilities
