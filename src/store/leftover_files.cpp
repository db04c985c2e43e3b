#include "store/leftover_files.h"

#include <cstdio>

#include "platform/file_system.h"
#include "platform/paths.h"

namespace quorvex::store {

namespace {

struct LeftoverPlace {
    const std::string& directory;
    const char* archive;
};

LeftoverPlace PlaceOf(LeftoverKind kind, const EmulatorPaths& paths) {
    switch (kind) {
        case LeftoverKind::Pcx:
            return {paths.pcx, "OldPcx"};
        case LeftoverKind::Inp:
            return {paths.inp, "OldInp"};
        case LeftoverKind::Snap:
            break;
    }
    return {paths.snap, "OldSnap"};
}

}  // namespace

std::string LeftoverMessage(LeftoverKind kind, int count) {
    const char* format = nullptr;
    switch (kind) {
        case LeftoverKind::Pcx:
            format =
                "Warning!\nQVX has found %d files in the ...\\mame\\pcx directory!\nQVX has moved "
                "these files in ...\\mame\\pcx\\oldpcx directory!\nQVX uses the pcx directory like "
                "source directory for the snapshots of\na single game, so it has to be always "
                "empty.\nWhen you play a game, the snapshots that you will take\nwill be put here, "
                "then analyzed, and finally moved in ...\\mame\\snapshot dir!\n";
            break;
        case LeftoverKind::Inp:
            format =
                "Warning!\nQVX has found %d files in the ...\\mame\\inp directory!\nQVX has moved "
                "these files in ...\\mame\\inp\\oldinp directory!\nQVX uses the inp directory like "
                "source directory for the replays of\na single game, so it has to be always "
                "empty.\nWhen you play a game, the replay that you will take\nwill be put here, "
                "then analyzed, and finally moved in ...\\mame\\replays dir!\n";
            break;
        case LeftoverKind::Snap:
            format =
                "Warning!\nQVX has found %d files in the ...\\mame\\snap directory!\nQVX has moved "
                "these files in ...\\mame\\snap\\oldsnap directory!\nQVX uses the snap directory "
                "like source directory for the snapshots of\na single game, so it has to be always "
                "empty.\nWhen you play a game, the snapshot that you will take\nwill be put here, "
                "then analyzed, and finally moved in ...\\mame\\snapshot dir!\n";
            break;
    }
    char text[1024];
    std::snprintf(text, sizeof text, format, count);
    return platform::ToNativeSeparators(text);
}

int CheckLeftoverFiles(LeftoverKind kind, const EmulatorPaths& paths, UserFeedback& feedback) {
    const LeftoverPlace place = PlaceOf(kind, paths);
    if (!platform::IsDirectory(place.directory)) {
        return 0;
    }
    const std::string archive = place.directory + place.archive + platform::kSeparator;
    platform::MakeDirectory(archive);
    int moved = 0;
    for (const auto& entry : platform::ListDirectory(place.directory, "*")) {
        if (entry.isDirectory) {
            continue;
        }
        const std::string source = place.directory + entry.name;
        // The source goes only once its copy is safely in the archive.
        if (platform::CopyFileVerified(source, archive + entry.name) &&
            platform::RemoveFile(source)) {
            ++moved;
        }
    }
    if (moved > 0) {
        feedback.ShowMessage(LeftoverMessage(kind, moved), MessageIcon::None);
    }
    return moved;
}

}  // namespace quorvex::store
