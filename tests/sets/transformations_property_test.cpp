// Random families in random set formats, random transformations and an
// archiver that randomly fails, writes empty files or is cut off half way:
// after every run, every file a member's set held is still there, with its
// content, in the zips its record links to. Seeded, so a failure repeats.

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "scan_fixture.h"
#include "sets/transformations.h"
#include "store/text_utils.h"

namespace quorvex::sets {
namespace {

namespace fs = std::filesystem;
using testing::WriteBytes;

// What the archiver does on each call, in turn: run the real one ("ok"),
// fail without writing ("fail"), write every name empty and exit 0
// ("empty"), or be cut off half way, leaving half an archive ("cut"):
// the n-th word of the plan on its n-th call (shell built-ins only, to stay cheap).
constexpr const char* kArchiverWrapper =
    "#!/bin/sh\n"
    "here=${0%/*}; read calls < \"$here/archiver-calls\"; calls=$((calls + 1))\n"
    "echo $calls > \"$here/archiver-calls\"; read plan < \"$here/archiver-plan\"; i=0; mode=ok\n"
    "for word in $plan; do i=$((i + 1)); [ $i -eq $calls ] && mode=$word; done\n"
    "case \"$mode\" in\n"
    "  fail) exit 1 ;;\n"
    "  empty) archive=$1; shift; for f in \"$@\"; do : > \"$f\"; done;"
    " exec zip -q \"$archive\" \"$@\" ;;\n"
    "  cut) zip -q \"$@\"; size=$(wc -c < \"$1\"); truncate -s $((size / 2)) \"$1\"; exit 0 ;;\n"
    "  *) exec zip -q \"$@\" ;;\n"
    "esac\n";

// The content of the first entry that holds the needed name in the zips, in
// order, by the completeness test's rule; nothing when none does.
std::optional<std::string> SetFile(const std::vector<std::string>& zips, const std::string& name) {
    for (const std::string& path : zips) {
        int error = 0;
        zip_t* zip = zip_open(path.c_str(), ZIP_RDONLY, &error);
        if (zip == nullptr)
            continue;
        std::optional<std::string> found;
        const zip_int64_t count = zip_get_num_entries(zip, 0);
        for (zip_int64_t i = 0; i < count && !found; ++i) {
            const std::string entry = zip_get_name(zip, static_cast<zip_uint64_t>(i), 0);
            const bool matches =
                store::EqualsNoCase(entry, name) ||
                (entry.size() > name.size() && entry[entry.size() - name.size() - 1] == '/' &&
                 store::EqualsNoCase(entry.substr(entry.size() - name.size()), name));
            if (matches)
                found = testing::ZipEntryContent(path, entry);
        }
        zip_discard(zip);
        if (found)
            return found;
    }
    return std::nullopt;
}

class TransformationProperty : public ScanFixture, public ::testing::WithParamInterface<int> {
protected:
    TransformationProperty() {
        Install("");
        WriteBytes(session.files.directory + "zip", kArchiverWrapper);
        fs::permissions(session.files.directory + "zip", fs::perms::owner_all);
    }

    // The zips a game's set is read from, as its record says.
    std::vector<std::string> SetZips(int game) const {
        const std::string own = session.games.Field(game, 'C');
        if (store::EqualsNoCase(session.games.Field(game, 'W'), "Partial") && !own.empty())
            return {own, session.games.Field(0, 'C')};
        return own.empty() ? std::vector<std::string>{} : std::vector<std::string>{own};
    }

    void RunOnce(unsigned seed);
};

void TransformationProperty::RunOnce(unsigned seed) {
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    auto anyCase = [&](std::string name) {
        for (char& c : name)
            c = chance(30) ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        return name;
    };
    for (const std::string& directory : {session.emulator.roms, source}) {
        fs::remove_all(directory);
        fs::create_directories(directory);
    }

    // The family: needed names drawn from a small pool, so they overlap.
    const int clones = static_cast<int>(random() % 5);
    std::vector<std::string> raw = {"orig"};
    for (int i = 1; i <= clones; ++i)
        raw.push_back("clone" + std::to_string(i));
    std::vector<std::vector<std::string>> needed(raw.size());
    std::map<std::string, std::string> content;  // raw name + "/" + rom -> bytes
    std::string catalogue = "@delay\t0\n";
    for (std::size_t g = 0; g < raw.size(); ++g) {
        for (int r = 0; r < 6; ++r) {
            if (chance(45) || (r == 5 && needed[g].empty()))
                needed[g].push_back("r" + std::to_string(r) + ".rom");
        }
        std::string roms;
        for (const std::string& rom : needed[g]) {
            const bool ownVersion = g > 0 && chance(30);
            content[raw[g] + "/" + rom] = ownVersion || g == 0 ? raw[g] + " version of " + rom +
                                                                     std::string(random() % 40, 'x')
                                                               : "";
            roms += (roms.empty() ? "" : ",") + rom;
        }
        // A game the emulator knows nothing of prints no list.
        if (!chance(5))
            catalogue += raw[g] + "\t" + raw[g] + " game\t" + (g > 0 ? "orig" : "") +
                         "\tZ80\tAY8910\t1981\tMaker\t" + roms + "\t\n";
    }
    WriteBytes(session.emulator.directory + "catalogue.txt", catalogue);
    auto versionOf = [&](std::size_t g, const std::string& rom) {
        const std::string own = content[raw[g] + "/" + rom];
        return own.empty() ? content["orig/" + rom] : own;
    };

    // The original's zip, then each clone in a random format.
    std::vector<testing::ZipEntry> originalEntries;
    for (const std::string& rom : needed[0]) {
        if (!chance(5))  // now and then a set lacks a file
            originalEntries.push_back({anyCase(rom), versionOf(0, rom), false, chance(50)});
    }
    const std::string originalZip =
        chance(50) ? session.emulator.roms + "orig.zip" : source + "o.zip";
    std::vector<std::string> lines = {"+:A:orig:+ +:B:Original:+ +:C:" + originalZip + ":+"};
    auto inOriginal = [&](const std::string& rom) -> const testing::ZipEntry* {
        for (const auto& entry : originalEntries) {
            if (store::EqualsNoCase(entry.name, rom))
                return &entry;
        }
        return nullptr;
    };
    for (std::size_t g = 1; g < raw.size(); ++g) {
        std::string line = "+:A:" + raw[g] + ":+ +:B:" + raw[g] + " game:+ +:F:orig:+";
        const int format = static_cast<int>(random() % 4);  // stand alone, splitted, merged, none
        bool mergeable = format == 2;
        for (const std::string& rom : needed[g]) {
            const testing::ZipEntry* held = inOriginal(rom);
            mergeable = mergeable && (held == nullptr || held->content == versionOf(g, rom));
        }
        if (mergeable) {
            for (const std::string& rom : needed[g]) {
                if (inOriginal(rom) == nullptr)
                    originalEntries.push_back({anyCase(rom), versionOf(g, rom), false, chance(50)});
            }
            line += " +:C:" + originalZip + ":+ +:W:Total:+";
        } else if (format != 3) {
            const bool splitted = format == 1;
            std::vector<testing::ZipEntry> entries;
            for (const std::string& rom : needed[g]) {
                const testing::ZipEntry* held = inOriginal(rom);
                if (splitted && held != nullptr && held->content == versionOf(g, rom))
                    continue;
                entries.push_back({(chance(10) ? "sub/" : "") + anyCase(rom), versionOf(g, rom),
                                   false, chance(50)});
            }
            if (entries.empty())
                entries.push_back({"readme.txt", "nothing of its own", false, false});
            const std::string zip =
                chance(30) ? session.emulator.roms + raw[g] + ".zip" : source + raw[g] + "-set.zip";
            testing::WriteZip(zip, entries);
            line += " +:C:" + zip + ":+" + (splitted ? " +:W:Partial:+" : "");
        }
        lines.push_back(line);
    }
    testing::WriteZip(originalZip, originalEntries);
    session.games = GamesFromLines(lines);

    // What every member's set holds now.
    std::vector<std::map<std::string, std::string>> before(raw.size());
    for (std::size_t g = 0; g < raw.size(); ++g) {
        for (const std::string& rom : needed[g]) {
            if (auto held = SetFile(SetZips(static_cast<int>(g)), rom))
                before[g][rom] = *held;
        }
    }

    std::string plan;
    static constexpr const char* kModes[] = {"ok", "ok", "ok", "ok", "fail", "empty", "cut"};
    for (int call = 0; call < 8; ++call)
        plan += std::string(kModes[random() % 7]) + " ";
    WriteBytes(session.files.directory + "archiver-plan", plan + "\n");
    WriteBytes(session.files.directory + "archiver-calls", "0\n");
    const auto type = static_cast<TransformationType>(1 + random() % 3);
    const std::string selected = session.games[static_cast<int>(random() % raw.size())].description;
    ASSERT_TRUE(RunTransformation(type, {selected}, session, progress, feedback).databaseSaved);

    for (std::size_t g = 0; g < raw.size(); ++g) {
        const std::vector<std::string> zips = SetZips(static_cast<int>(g));
        for (const auto& [rom, bytes] : before[g]) {
            const auto now = SetFile(zips, rom);
            ASSERT_TRUE(now.has_value())
                << "seed " << seed << ": " << raw[g] << " lost " << rom << "\n"
                << testing::ReadBytes(session.files.transformLog);
            ASSERT_EQ(*now, bytes) << "seed " << seed << ": " << raw[g] << " " << rom << "\n"
                                   << testing::ReadBytes(session.files.transformLog);
        }
    }
    ASSERT_FALSE(platform::IsDirectory(TransformationDirectory(session.emulator)))
        << "seed " << seed;
}

TEST_P(TransformationProperty, NoRunLosesAFileAnyMemberHad) {
#ifdef _WIN32
    GTEST_SKIP() << "the archiver wrapper is a POSIX shell script";
#endif
    constexpr int kRunsPerShard = 100;
    for (int run = 0; run < kRunsPerShard; ++run) {
        RunOnce(static_cast<unsigned>(GetParam() * kRunsPerShard + run));
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TransformationProperty, ::testing::Range(0, 5));

}  // namespace
}  // namespace quorvex::sets
