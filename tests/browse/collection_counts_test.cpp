#include "browse/collection_counts.h"

#include <gtest/gtest.h>

#include "browse_test_support.h"

namespace quorvex::browse {
namespace {

TEST(CollectionCounts, CountsOriginalsAndClonesByLinkAndSetFormat) {
    const store::GameDatabase games = testing::GamesOf({
        "+:A:pacman:+ +:B:Pac-Man:+ +:C:pacman.zip:+\xA7",
        "+:A:galaga:+ +:B:Galaga:+ +:C:galaga.zip:+\xA7",
        "+:A:dkong:+ +:B:Donkey Kong:+\xA7",
        "+:A:mspacman:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:Total:+\xA7",
        "+:A:pacplus:+ +:F:pacman:+ +:C:pacman.zip:+ +:W:total:+\xA7",
        "+:A:gallag:+ +:F:galaga:+ +:C:gallag.zip:+ +:W:Partial:+\xA7",
        "+:A:galagao:+ +:F:galaga:+ +:C:galagao.zip:+\xA7",
        // A W value left behind after a link was released must not count as a set.
        "+:A:dkongjp:+ +:F:dkong:+ +:W:Partial:+\xA7",
    });
    EXPECT_EQ(
        CollectionCountsText(CountCollection(games)),
        "Games: 6/2 [ Originals: 2/1 ] [ Clones: 4/1 (1 stand alone, 1 splitted, 2 merged) ]");
    EXPECT_EQ(CountCollection(store::GameDatabase{}), CollectionCounts{});
}

}  // namespace
}  // namespace quorvex::browse
