#include "browse/collection_counts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/game_database.h"

namespace quorvex::browse {
namespace {

store::GameRecord Game(const std::string& tokens) {
    store::GameRecord record;
    record.line = tokens + "\xA7";
    return record;
}

TEST(CollectionCounts, CountsOriginalsAndClonesByLinkAndSetFormat) {
    store::GameDatabase games({
        Game("+:A:pacman:+ +:B:Pac-Man:+ +:C:pacman.zip:+"),
        Game("+:A:galaga:+ +:B:Galaga:+ +:C:galaga.zip:+"),
        Game("+:A:dkong:+ +:B:Donkey Kong:+"),
        Game("+:A:mspacman:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:Total:+"),
        Game("+:A:pacplus:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:total:+"),
        Game("+:A:gallag:+ +:F:galaga:+ +:C:gallag.zip:+ +:W:Partial:+"),
        Game("+:A:galagao:+ +:F:galaga:+ +:C:galagao.zip:+"),
        // A W value left behind after a link was released must not count as a set.
        Game("+:A:dkongjp:+ +:F:dkong:+ +:W:Partial:+"),
    });

    EXPECT_EQ(
        CollectionCountsText(CountCollection(games)),
        "Games: 6/2 [ Originals: 2/1 ] [ Clones: 4/1 (1 stand alone, 1 splitted, 2 merged) ]");
}

TEST(CollectionCounts, AnEmptyDatabaseCountsNothing) {
    EXPECT_EQ(CountCollection(store::GameDatabase{}), CollectionCounts{});
}

}  // namespace
}  // namespace quorvex::browse
