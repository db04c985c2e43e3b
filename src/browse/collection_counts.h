#pragma once
// How much of the collection is linked to ROM zip files, as the main window's
// status line shows it.

#include <string>

#include "store/game_database.h"

namespace quorvex::browse {

// An original is a game without a parent (Field F empty); a game is linked
// when Field C names its ROM zip. Linked clones are split by their set
// format in Field W: "Total" is merged, "Partial" splitted, anything else
// stand alone.
struct CollectionCounts {
    int linkedOriginals = 0;
    int unlinkedOriginals = 0;
    int linkedClones = 0;
    int unlinkedClones = 0;
    int standAlone = 0;
    int splitted = 0;
    int merged = 0;

    bool operator==(const CollectionCounts&) const = default;
};

CollectionCounts CountCollection(const store::GameDatabase& games);

// "Games: %d/%d [ Originals: %d/%d ] [ Clones: %d/%d (%d stand alone, %d
// splitted, %d merged) ]"; the second number of each pair counts the games
// without a ROM link.
std::string CollectionCountsText(const CollectionCounts& counts);

}  // namespace quorvex::browse
