#include "sets/optimise.h"

#include <functional>
#include <unordered_set>
#include <vector>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/file_lists.h"
#include "sets/scan.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

bool IsMerged(const store::GameDatabase& games, int game) {
    return store::EqualsNoCase(games.Field(game, 'W'), kMergedFormat);
}

std::unordered_set<std::string> LinkedPaths(const store::GameDatabase& games, char key) {
    std::unordered_set<std::string> linked;
    for (int i = 0; i < games.count(); ++i) {
        const std::string link = games.Field(i, key);
        if (!link.empty())
            linked.insert(store::ToLowerAscii(link));
    }
    return linked;
}

std::string CopyingText(NeededFileKind theme) {
    return platform::ToNativeSeparators(theme == NeededFileKind::Roms
                                            ? "Copying files to mame\\roms directory..."
                                            : "Copying files to mame\\samples directory...");
}

std::string MovingText(NeededFileKind theme) {
    return platform::ToNativeSeparators(
        theme == NeededFileKind::Roms
            ? "Moving unused files to your mame\\roms\\notneed directory..."
            : "Moving unused files to your mame\\samples\\notneed directory...");
}

}  // namespace

const std::string& ThemeDirectory(const store::EmulatorPaths& emulator, NeededFileKind theme) {
    return theme == NeededFileKind::Roms ? emulator.roms : emulator.samples;
}

int CopyIntoEmulatorDirectory(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                              NeededFileKind theme, CopyMode mode, store::Progress& progress) {
    const bool roms = theme == NeededFileKind::Roms;
    const char key = roms ? 'C' : 'D';
    const std::string& directory = ThemeDirectory(emulator, theme);
    SetScanner scanner(games, emulator);
    std::vector<std::string> copiedSources;

    progress.Open(store::kProgressTitle, false);
    progress.SetRange(0, games.count() / 6);
    progress.SetText(CopyingText(theme));
    int relinked = 0;
    std::vector<char> state(static_cast<std::size_t>(games.count()), 0);  // 1 busy, 2 done
    // The game that moves game j's link: j itself, or a MERGED clone's original.
    auto ownerOf = [&](int j) {
        if (roms && IsMerged(games, j)) {
            const std::string parent = games.Field(j, 'F');
            for (int k = 0; k < games.count(); ++k) {
                if (k != j && store::EqualsNoCase(games.Field(k, 'A'), parent))
                    return k;
            }
            return -1;
        }
        return roms || games.Field(j, 'F').empty() ? j : -1;
    };
    std::function<void(int)> process = [&](int i) {
        if (state[static_cast<std::size_t>(i)] != 0)
            return;
        state[static_cast<std::size_t>(i)] = 1;
        const std::string link = games.Field(i, key);
        const bool handled = roms ? !IsMerged(games, i) : games.Field(i, 'F').empty();
        if (link.empty() || !handled) {
            state[static_cast<std::size_t>(i)] = 2;
            return;
        }
        const std::string destination = directory + games.Field(i, 'A') + ".zip";
        const bool inPlace = SameFile(link, destination);
        // A file another game links to is never overwritten: that game's set
        // moves to its own name first, and failing that this copy is skipped.
        bool blocked = false;
        if (!inPlace) {
            for (int j = 0; j < games.count(); ++j) {
                if (j == i || !SameFile(games.Field(j, key), destination))
                    continue;
                const int owner = ownerOf(j);
                if (owner >= 0 && owner != i)
                    process(owner);
                blocked = blocked || SameFile(games.Field(j, key), destination);
            }
        }
        if (!blocked && (inPlace || platform::CopyFileVerified(link, destination))) {
            if (!inPlace && mode == CopyMode::Move)
                copiedSources.push_back(link);
            games.SetField(i, key, destination);
            scanner.PropagateCloneLink(key, games[i].description, destination, false);
            ++relinked;
        }
        state[static_cast<std::size_t>(i)] = 2;
    };
    for (int i = 0; i < games.count(); ++i) {
        process(i);
        if (i % 6 == 0) {
            progress.Step();
            progress.Pump();
        }
    }
    progress.Close();

    // A source may serve several games (a zip chosen by hand for two of
    // them); it goes only when every one of them has its copy.
    if (!copiedSources.empty()) {
        const std::unordered_set<std::string> stillLinked = LinkedPaths(games, key);
        for (const std::string& source : copiedSources) {
            if (!stillLinked.contains(store::ToLowerAscii(source)))
                platform::RemoveFile(source);
        }
    }
    return relinked;
}

int MoveUnusedFiles(const store::GameDatabase& games, const store::EmulatorPaths& emulator,
                    NeededFileKind theme, store::Progress& progress) {
    const std::string& directory = ThemeDirectory(emulator, theme);
    // Every linked zip counts as used, a MERGED clone's too: its original may
    // have no link of its own, and moving the zip away would break the clone's.
    const std::unordered_set<std::string> used =
        LinkedPaths(games, theme == NeededFileKind::Roms ? 'C' : 'D');

    std::vector<platform::DirectoryEntry> unused;
    for (platform::DirectoryEntry& entry : platform::ListDirectory(directory, "*.*")) {
        if (!used.contains(store::ToLowerAscii(directory + entry.name)))
            unused.push_back(std::move(entry));
    }

    progress.Open(store::kProgressTitle, false);
    progress.SetRange(0, static_cast<int>(unused.size()));
    progress.SetText(MovingText(theme));
    const std::string notNeeded = directory + kNotNeededDirectory;
    platform::MakeDirectory(notNeeded);
    int moved = 0;
    for (const platform::DirectoryEntry& entry : unused) {
        const std::string from = directory + entry.name;
        const std::string to = notNeeded + platform::kSeparator + entry.name;
        if (!entry.isDirectory && store::FindTextNoCase(kNeoGeoBiosZip, entry.name) == 0 &&
            !SameFile(from, to) && platform::CopyFileVerified(from, to)) {
            platform::RemoveFile(from);
            ++moved;
        }
        progress.Step();
        progress.Pump();
    }
    progress.Close();
    return moved;
}

void OptimiseDirectory(store::GameDatabase& games, const store::EmulatorPaths& emulator,
                       NeededFileKind theme, CopyMode mode, store::Progress& progress) {
    CopyIntoEmulatorDirectory(games, emulator, theme, mode, progress);
    MoveUnusedFiles(games, emulator, theme, progress);
}

}  // namespace quorvex::sets
