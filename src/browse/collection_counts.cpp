#include "browse/collection_counts.h"

#include <cstdio>

#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::browse {

CollectionCounts CountCollection(const store::GameDatabase& games) {
    CollectionCounts counts;
    for (const store::GameRecord& game : games.records()) {
        const bool linked = !store::GetRecordValue(game.line, "C").empty();
        const bool original = store::GetRecordValue(game.line, "F").empty();
        if (original) {
            ++(linked ? counts.linkedOriginals : counts.unlinkedOriginals);
            continue;
        }
        if (!linked) {
            ++counts.unlinkedClones;
            continue;
        }
        ++counts.linkedClones;
        const std::string format = store::GetRecordValue(game.line, "W");
        if (store::EqualsNoCase(format, "Total")) {
            ++counts.merged;
        } else if (store::EqualsNoCase(format, "Partial")) {
            ++counts.splitted;
        } else {
            ++counts.standAlone;
        }
    }
    return counts;
}

std::string CollectionCountsText(const CollectionCounts& counts) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "Games: %d/%d [ Originals: %d/%d ] [ Clones: %d/%d (%d stand alone, %d "
                  "splitted, %d merged) ]",
                  counts.linkedOriginals + counts.linkedClones,
                  counts.unlinkedOriginals + counts.unlinkedClones, counts.linkedOriginals,
                  counts.unlinkedOriginals, counts.linkedClones, counts.unlinkedClones,
                  counts.standAlone, counts.splitted, counts.merged);
    return text;
}

}  // namespace quorvex::browse
