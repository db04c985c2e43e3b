#include "sets/transformations.h"

#include <cstdint>
#include <filesystem>
#include <optional>

#include "browse/games_list.h"
#include "catalogue/command_runner.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/unzip.h"
#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTemporaryName = "TMPQVX";
constexpr const char* kZipBatch = "QVXzip.bat";
constexpr const char* kJournalName = "QVXjournal.txt";
constexpr const char* kKeptName = "kept";
constexpr const char* kWorkName = "work";

bool Contains(const FileNameList& names, const std::string& name) {
    for (const auto& candidate : names) {
        if (store::EqualsNoCase(candidate, name)) {
            return true;
        }
    }
    return false;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    if (a == b || (platform::kCaseInsensitiveFileSystem && store::EqualsNoCase(a, b))) {
        return true;
    }
    std::error_code error;
    return fs::equivalent(fs::path(a), fs::path(b), error);
}

std::string Quoted(const std::string& name) {
    return name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
}

// The needed name matches an entry stored under it, or inside a directory of
// the zip, ignoring case (the completeness test's rule).
bool EntryMatches(const std::string& entry, const std::string& needed) {
    if (store::EqualsNoCase(entry, needed)) {
        return true;
    }
    return entry.size() > needed.size() && entry[entry.size() - needed.size() - 1] == '/' &&
           store::EqualsNoCase(std::string_view(entry).substr(entry.size() - needed.size()),
                               needed);
}

std::string BareNameOf(const std::string& entry) {
    const std::size_t cut = entry.find_last_of("/\\:");
    return cut == std::string::npos ? entry : entry.substr(cut + 1);
}

// The listing of one zip with sizes and CRCs; unreadable zips have none.
struct ZipContent {
    std::string path;
    std::vector<platform::ZipEntryInfo> entries;
};

// One file a member's set holds and must keep holding.
struct RequiredFile {
    std::string needed;   // the name the emulator asks for
    std::string onDisk;   // its bare name once unpacked
    std::uint64_t size = 0;
    std::uint32_t crc = 0;
    std::size_t zip = 0;  // index into the family's zips
};

struct Member {
    int row = -1;
    std::string rawName;
    std::string description;
    std::string oldZip;
    std::string oldFormat;
    bool isOriginal = false;
    std::vector<std::size_t> oldZips;  // the zips its set is read from, in search order
    std::vector<RequiredFile> required;
    std::optional<std::string> failure;  // why it keeps its old set
    bool writes = false;                 // gets a new zip of its own
    std::string target;                  // roms directory + raw name + ".zip"
    FileNameList planned;                // on-disk names its new zip holds
    std::vector<RequiredFile> plannedFiles;
};

const platform::ZipEntryInfo* FindEntry(const ZipContent& zip, const std::string& needed) {
    for (const auto& entry : zip.entries) {
        if (!entry.directory && EntryMatches(entry.name, needed)) {
            return &entry;
        }
    }
    return nullptr;
}

// True when the zip, read back, holds every file with its size and CRC
// under a name equal to the planned one ignoring case.
bool HoldsExactly(const std::string& zipPath, const std::vector<RequiredFile>& files) {
    const auto entries = platform::ReadZipEntries(zipPath, true);
    if (!entries) {
        return false;
    }
    for (const auto& file : files) {
        bool found = false;
        for (const auto& entry : *entries) {
            if (entry.readable && store::EqualsNoCase(entry.name, file.onDisk) &&
                entry.size == file.size && entry.crc == file.crc) {
                found = true;
                break;
            }
        }
        if (!found) {
            return false;
        }
    }
    return true;
}

std::string FailedLine(const std::string& description, const std::string& reason) {
    return "FAILED \t" + description + " --> " + reason +
           ", so the old roms set was kept as it was!\r\n";
}

void RemoveTree(const std::string& path) {
    std::error_code error;
    fs::remove_all(fs::path(path), error);
}

}  // namespace

// What one transformation run does to files outside the temporary directory
// once the game database holds the new links.
class TransformationRun {
public:
    explicit TransformationRun(const store::EmulatorPaths& emulator)
        : m_emulator(emulator), m_temporary(TransformationDirectory(emulator)) {}

    // Makes the temporary directory ready: what an interrupted run kept there
    // goes to the roms directory's "notneed" directory, the rest is emptied.
    void Prepare(std::string& log);
    const std::string& temporary() const { return m_temporary; }
    std::string WorkDirectory() const {
        return m_temporary + platform::kSeparator + kWorkName + platform::kSeparator;
    }
    std::string KeptDirectory() const {
        return m_temporary + platform::kSeparator + kKeptName + platform::kSeparator;
    }
    // Keeps a copy of a file about to be replaced; the copy's path, or
    // nothing when it could not be made.
    std::optional<std::string> Keep(const std::string& path);
    void Journal(const std::string& text);
    void DeleteLater(const std::string& path) { m_toDelete.push_back(path); }
    // The only copy of a user's file is in the temporary directory: it stays.
    void KeepTemporaryDirectory() { m_keepTemporary = true; }
    // Deletes the old zips no game links any more and the temporary directory.
    void Finish(const store::GameDatabase& games);

private:
    const store::EmulatorPaths& m_emulator;
    std::string m_temporary;
    std::string m_journal;
    std::vector<std::string> m_toDelete;
    int m_kept = 0;
    bool m_keepTemporary = false;
};

void TransformationRun::Prepare(std::string& log) {
    const std::string kept = KeptDirectory();
    if (platform::IsDirectory(kept)) {
        const std::string notNeeded = m_emulator.roms + "notneed";
        platform::MakeDirectory(notNeeded);
        for (const auto& entry : platform::ListDirectory(kept)) {
            if (entry.isDirectory) {
                continue;
            }
            std::string to = notNeeded + platform::kSeparator + entry.name;
            for (int n = 1; platform::IsReadableFile(to); ++n) {
                to = notNeeded + platform::kSeparator + std::to_string(n) + "_" + entry.name;
            }
            if (platform::MoveFileNoOverwrite(kept + entry.name, to) ||
                (platform::CopyFileOverwriting(kept + entry.name, to) &&
                 platform::RemoveFile(kept + entry.name))) {
                log += "MOVED \t" + kept + entry.name + " --> " + to +
                       " (kept by an interrupted transformation)\r\n";
            }
        }
    }
    if (!platform::ListDirectory(kept).empty()) {
        // Something could not be moved: it stays where it is, and the journal
        // keeps telling of it.
        m_journal = platform::ReadFileBytes(m_temporary + platform::kSeparator + kJournalName)
                        .value_or(std::string());
        RemoveTree(WorkDirectory());
    } else {
        RemoveTree(m_temporary);
    }
    platform::MakeDirectory(m_temporary);
}

std::optional<std::string> TransformationRun::Keep(const std::string& path) {
    platform::MakeDirectory(KeptDirectory());
    std::string copy;
    do {
        copy = KeptDirectory() + std::to_string(++m_kept) + "_" + store::FileNamePart(path);
    } while (platform::IsReadableFile(copy));
    if (!platform::CopyFileOverwriting(path, copy) ||
        platform::FileLengthOf(copy) != platform::FileLengthOf(path)) {
        platform::RemoveFile(copy);
        return std::nullopt;
    }
    return copy;
}

void TransformationRun::Journal(const std::string& text) {
    m_journal += text;
    platform::ReplaceFileAtomically(m_temporary + platform::kSeparator + kJournalName, m_journal,
                                    nullptr);
}

void TransformationRun::Finish(const store::GameDatabase& games) {
    for (const std::string& path : m_toDelete) {
        bool linked = false;
        for (int i = 0; i < games.count() && !linked; ++i) {
            linked = SameFile(games.Field(i, 'C'), path) || SameFile(games.Field(i, 'D'), path);
        }
        if (!linked) {
            platform::RemoveFile(path);
        }
    }
    m_toDelete.clear();
    if (m_keepTemporary) {
        RemoveTree(WorkDirectory());
    } else {
        RemoveTree(m_temporary);
    }
}

std::string TransformationDirectory(const store::EmulatorPaths& emulator) {
    return emulator.directory + kTemporaryName;
}

std::string InterruptedTransformationReport(const store::EmulatorPaths& emulator) {
    const std::string temporary = TransformationDirectory(emulator);
    if (!platform::IsDirectory(temporary)) {
        return {};
    }
    const std::string journal =
        platform::ReadFileBytes(temporary + platform::kSeparator + kJournalName)
            .value_or(std::string());
    if (journal.empty()) {
        return "The last roms transformation was interrupted before it changed any zip.\n"
               "Nothing was lost; its temporary directory " +
               temporary + " is emptied by the next transformation.";
    }
    return "The last roms transformation was interrupted before the games were saved.\n"
           "Their links may still name the old zips, which were not deleted:\n\n" +
           journal +
           "\nThe previous contents of replaced zips are kept in " + temporary +
           platform::kSeparator + kKeptName +
           "; the next transformation moves them into " + emulator.roms +
           "notneed.\nScan the roms again to link the games to their zips.";
}

const char* FormatWord(TransformationType type) {
    switch (type) {
        case TransformationType::StandAlone:
            return "STAND ALONE";
        case TransformationType::Merged:
            return "MERGED";
        case TransformationType::Splitted:
            break;
    }
    return "SPLITTED";
}

const char* TargetSetFormat(TransformationType type) {
    switch (type) {
        case TransformationType::StandAlone:
            return "";
        case TransformationType::Merged:
            return "Total";
        case TransformationType::Splitted:
            break;
    }
    return "Partial";
}

std::size_t NameListDifference(FileNameList& first, const FileNameList& second) {
    FileNameList kept;
    for (auto& name : first) {
        if (!Contains(second, name)) {
            kept.push_back(std::move(name));
        }
    }
    first = std::move(kept);
    return first.size();
}

std::size_t NameListUnion(const FileNameList& names, FileNameList& unionList) {
    for (const auto& name : names) {
        if (!Contains(unionList, name)) {
            unionList.push_back(name);
        }
    }
    return unionList.size();
}

std::string ZipBatchText(const std::vector<ZipPlan>& plans, const std::string& zipCommand,
                         const std::string& temporaryDirectory) {
    const std::string separator(1, platform::kSeparator);
    std::string text;
    for (const auto& plan : plans) {
        text += "attrib " + temporaryDirectory + plan.directoryName + separator + "*.* -r -a -h -s\n";
    }
    // The batch starts in the temporary directory; relative steps need no quotes.
    for (const auto& plan : plans) {
        text += "cd " + plan.directoryName + "\r\n";
        // Ten names a command keeps every command line short.
        for (std::size_t i = 0; i < plan.names.size(); ++i) {
            if (i % 10 == 0) {
                text += (i == 0 ? "" : "\r\n") + zipCommand + "  " + plan.archiveName + " ";
            }
            text += Quoted(plan.names[i]) + " ";
        }
        text += "\r\ncd ..\r\n";
    }
    return text;
}

namespace {

bool TransformFamilyIn(const std::string& description, TransformationType type,
                       store::Session& session, std::string& log, catalogue::MessagePump* pump,
                       TransformationRun& run) {
    store::GameDatabase& games = session.games;
    const auto selected = store::FindGameByDescription(games, description);
    if (!selected) {
        return false;
    }
    const std::vector<int> family = browse::FamilyOf(games, description).rows;
    const int original = family.front();
    const std::string word = FormatWord(type);
    const std::string target = TargetSetFormat(type);
    const bool selectedIsOriginal = *selected == original;

    if (family.size() < 2) {
        log +=
            "SKIPPED \t" + games[original].description + " --> this game doesn't have clones!\r\n";
        return false;
    }
    if (games.Field(original, 'C').empty()) {
        log += selectedIsOriginal
                   ? "BAD \t" + description +
                         " --> This is the original but the roms set is missing! I can't "
                         "transform his clones to '" +
                         word + "' format!\r\n"
                   : "BAD \t" + description + " --> I can't change the format to '" + word +
                         "' because the original is missing!\r\n";
        return false;
    }
    bool workNeeded = false;
    for (std::size_t i = 1; i < family.size(); ++i) {
        const int clone = family[i];
        workNeeded = workNeeded || (!games.Field(clone, 'C').empty() &&
                                    !store::EqualsNoCase(games.Field(clone, 'W'), target));
    }
    if (!workNeeded) {
        if (selectedIsOriginal) {
            log += "SKIPPED \t" + description + " --> the clones of this game were in '" + word +
                   "' status.\r\n";
        } else if (!games.Field(*selected, 'C').empty()) {
            log += "SKIPPED \t" + description + " --> was in '" + word + "' status!\r\n";
        } else {
            log += "BAD \t" + description +
                   " --> Nothing can be done! You don't have the roms that it needs!\r\n";
        }
        return false;
    }

    const store::EmulatorPaths& paths = session.emulator;
    const std::string work = run.WorkDirectory();
    RemoveTree(work);
    platform::MakeDirectory(run.temporary());
    platform::MakeDirectory(work);

    // The zips the family's sets are read from, each listed once.
    std::vector<ZipContent> zips;
    auto zipIndex = [&](const std::string& path) {
        for (std::size_t i = 0; i < zips.size(); ++i) {
            if (SameFile(zips[i].path, path)) {
                return i;
            }
        }
        zips.push_back({path, platform::ReadZipEntries(path, false)
                                  .value_or(std::vector<platform::ZipEntryInfo>())});
        return zips.size() - 1;
    };

    std::vector<Member> members;
    for (int row : family) {
        Member member;
        member.row = row;
        member.rawName = games.Field(row, 'A');
        member.description = games[row].description;
        member.oldZip = games.Field(row, 'C');
        member.oldFormat = games.Field(row, 'W');
        member.isOriginal = row == original;
        member.target = paths.roms + member.rawName + ".zip";
        members.push_back(std::move(member));
    }
    Member& head = members.front();
    for (auto& member : members) {
        if (member.oldZip.empty()) {
            continue;
        }
        // A SPLITTED clone reads what its own zip lacks from its original's.
        member.oldZips.push_back(zipIndex(member.oldZip));
        if (!member.isOriginal && store::EqualsNoCase(member.oldFormat, "Partial")) {
            member.oldZips.push_back(zipIndex(head.oldZip));
        }
        const FileNameList needed =
            QueryNeededFiles(paths.directory, member.rawName, NeededFileKind::Roms, pump);
        if (needed.empty()) {
            member.failure = "the emulator gave no list of the roms it needs";
            continue;
        }
        // What the new set must hold: the needed files the old set held.
        for (const std::string& name : needed) {
            for (std::size_t zip : member.oldZips) {
                const platform::ZipEntryInfo* entry = FindEntry(zips[zip], name);
                if (entry == nullptr) {
                    continue;
                }
                if (!entry->readable) {
                    member.failure = name + " in " + zips[zip].path + " cannot be unpacked";
                }
                member.required.push_back(
                    {name, BareNameOf(entry->name), entry->size, entry->crc, zip});
                break;
            }
        }
    }

    // Every zip unpacked into a directory of its own, so that no member gets
    // another member's version of a file of the same name.
    std::vector<bool> unpacked(zips.size(), false);
    for (std::size_t i = 0; i < zips.size(); ++i) {
        unpacked[i] = ExtractZipFlat(zips[i].path, work + "z" + std::to_string(i));
    }
    for (auto& member : members) {
        for (std::size_t zip : member.oldZips) {
            if (!member.failure && !unpacked[zip]) {
                member.failure = zips[zip].path + " could not be unpacked whole";
            }
        }
    }

    // What each new zip holds.
    auto sameFile = [](const RequiredFile& a, const RequiredFile& b) {
        return store::EqualsNoCase(a.needed, b.needed) && a.size == b.size && a.crc == b.crc;
    };
    auto plan = [](Member& member, const RequiredFile& file) {
        for (const auto& name : member.planned) {
            if (store::EqualsNoCase(name, file.onDisk)) {
                return false;
            }
        }
        member.planned.push_back(file.onDisk);
        member.plannedFiles.push_back(file);
        return true;
    };
    for (auto& member : members) {
        if (member.oldZip.empty() || member.failure) {
            continue;
        }
        if (type == TransformationType::Merged) {
            if (member.isOriginal) {
                member.writes = true;
            }
            continue;
        }
        member.writes = true;
        for (const auto& file : member.required) {
            bool inOriginal = false;
            if (type == TransformationType::Splitted && !member.isOriginal) {
                for (const auto& mine : head.required) {
                    inOriginal = inOriginal || sameFile(mine, file);
                }
            }
            if (!inOriginal && !plan(member, file)) {
                member.failure = "two of its files have the name " + file.onDisk;
            }
        }
    }
    if (type == TransformationType::Merged && head.writes) {
        for (auto& member : members) {
            if (member.oldZip.empty() || member.failure) {
                continue;
            }
            for (const auto& file : member.required) {
                bool present = false;
                for (const auto& held : head.plannedFiles) {
                    if (store::EqualsNoCase(held.onDisk, file.onDisk) ||
                        store::EqualsNoCase(held.needed, file.needed)) {
                        present = true;
                        if (!sameFile(held, file)) {
                            member.failure = "its own " + file.needed +
                                             " differs from the one the 'MERGED' zip holds";
                        }
                    }
                }
                if (!present) {
                    plan(head, file);
                }
            }
        }
        if (head.failure) {
            head.writes = false;
        }
    }

    // Each archive's files wait in a directory of their own.
    std::vector<ZipPlan> plans;
    for (std::size_t m = 0; m < members.size(); ++m) {
        Member& member = members[m];
        if (!member.writes || member.failure) {
            continue;
        }
        const std::string directory = "m" + std::to_string(m);
        platform::MakeDirectory(work + directory);
        for (const auto& file : member.plannedFiles) {
            const std::string from =
                work + "z" + std::to_string(file.zip) + platform::kSeparator + file.onDisk;
            platform::CopyFileOverwriting(from, work + directory + platform::kSeparator + file.onDisk);
        }
        plans.push_back({directory, member.rawName + ".zip", member.planned});
    }
    if (!plans.empty()) {
        const std::string zipCommand = session.files.directory + "zip.exe";
        catalogue::WriteBatchFile(kZipBatch, work, ZipBatchText(plans, zipCommand, work));
        catalogue::RunBatchFile(kZipBatch, work, false, pump);
        catalogue::PumpMessages(pump, 2);
    }
    auto built = [&](std::size_t m) {
        return work + "m" + std::to_string(m) + platform::kSeparator + members[m].rawName + ".zip";
    };
    // A new zip counts only when it holds, read back, exactly what was planned.
    for (std::size_t m = 0; m < members.size(); ++m) {
        Member& member = members[m];
        if (member.writes && !member.failure && !HoldsExactly(built(m), member.plannedFiles)) {
            member.failure = "the new zip could not be made";
        }
    }
    // The new set of a clone that reads from its original's new zip.
    auto newSetHolds = [&](std::size_t m) {
        const Member& member = members[m];
        std::vector<const Member*> order;
        if (type == TransformationType::StandAlone || member.isOriginal) {
            order.push_back(&member);
        } else if (type == TransformationType::Splitted) {
            order = {&member, &head};
        } else {
            order.push_back(&head);
        }
        for (const auto& file : member.required) {
            const RequiredFile* found = nullptr;
            for (const Member* source : order) {
                for (const auto& held : source->plannedFiles) {
                    if (found == nullptr && store::EqualsNoCase(held.needed, file.needed)) {
                        found = &held;
                    }
                }
            }
            if (found == nullptr || !sameFile(*found, file)) {
                return false;
            }
        }
        return true;
    };

    // Nothing a kept set or another game uses may be replaced or deleted:
    // failures spread until every remaining change is safe.
    auto fail = [](Member& member, const std::string& reason) {
        if (!member.failure) {
            member.failure = reason;
        }
    };
    for (bool spread = true; spread;) {
        spread = false;
        for (std::size_t m = 0; m < members.size(); ++m) {
            Member& member = members[m];
            if (member.oldZip.empty() || member.failure) {
                continue;
            }
            const bool needsOriginal = !member.isOriginal && type != TransformationType::StandAlone;
            if (needsOriginal && (head.failure || !head.writes)) {
                fail(member, "the new zip of the original could not be made");
            } else if (!newSetHolds(m)) {
                fail(member, "the new zip could not be made");
            }
            if (member.writes && !member.failure) {
                for (int other = 0; other < games.count(); ++other) {
                    bool inFamily = false;
                    for (const auto& kin : members) {
                        inFamily = inFamily || kin.row == other;
                    }
                    if (!inFamily && SameFile(games.Field(other, 'C'), member.target)) {
                        fail(member, member.target + " is the roms set of '" +
                                         games[other].description + "'");
                    }
                }
            }
            spread = spread || member.failure.has_value();
        }
        for (const auto& kept : members) {
            if (kept.oldZip.empty() || !kept.failure) {
                continue;
            }
            for (auto& member : members) {
                if (member.failure || member.oldZip.empty()) {
                    continue;
                }
                for (std::size_t zip : kept.oldZips) {
                    const bool replaced = member.writes && SameFile(member.target, zips[zip].path);
                    const bool deleted = SameFile(member.oldZip, zips[zip].path);
                    if (replaced || deleted) {
                        fail(member, "'" + kept.description + "' still uses " + zips[zip].path);
                        spread = true;
                    }
                }
            }
        }
    }

    // Install: copies beside the targets first, each read back, then the
    // renames; a replaced file is kept until the games are saved.
    std::string journal;
    std::vector<std::size_t> installing;
    for (std::size_t m = 0; m < members.size(); ++m) {
        if (members[m].writes && !members[m].failure) {
            installing.push_back(m);
        }
    }
    bool staged = true;
    std::vector<std::optional<std::string>> keptCopy(members.size());
    for (std::size_t m : installing) {
        const Member& member = members[m];
        const std::string staging = member.target + ".qvxnew";
        staged = staged && platform::CopyFileOverwriting(built(m), staging) &&
                 HoldsExactly(staging, member.plannedFiles);
        if (staged && platform::IsReadableFile(member.target)) {
            const std::optional<std::string> copy = run.Keep(member.target);
            staged = copy.has_value();
            keptCopy[m] = copy;
            if (copy) {
                journal += "  " + member.target + " replaced; its previous content is kept as " +
                           *copy + "\n";
            }
        }
    }
    if (!staged) {
        for (std::size_t m : installing) {
            platform::RemoveFile(members[m].target + ".qvxnew");
            fail(members[m], "the new zip could not be copied into " + paths.roms);
        }
        for (auto& member : members) {
            if (!member.oldZip.empty() && !member.isOriginal &&
                type != TransformationType::StandAlone) {
                fail(member, "the new zip of the original could not be made");
            }
        }
        installing.clear();
    }
    for (const auto& member : members) {
        if (!member.oldZip.empty() && !member.failure) {
            const std::string& newZip = type == TransformationType::Merged ? head.target : member.target;
            journal += "  '" + member.description + "': " + member.oldZip + " -> " + newZip + "\n";
        }
    }
    if (!installing.empty()) {
        run.Journal("Family of '" + head.description + "' to '" + word + "' format:\n" + journal);
    }
    std::vector<std::size_t> installed;
    bool renamed = true;
    for (std::size_t m : installing) {
        std::error_code error;
        if (renamed) {
            fs::rename(fs::path(members[m].target + ".qvxnew"), fs::path(members[m].target), error);
        }
        renamed = renamed && !error;
        if (renamed) {
            installed.push_back(m);
        } else {
            platform::RemoveFile(members[m].target + ".qvxnew");
        }
    }
    if (!renamed) {
        // The family's sets may read from each other's zips: all go back as they were.
        for (std::size_t m : installed) {
            const bool restored = keptCopy[m] ? platform::CopyFileOverwriting(*keptCopy[m],
                                                                             members[m].target)
                                              : platform::RemoveFile(members[m].target);
            if (!restored && keptCopy[m]) {
                run.KeepTemporaryDirectory();
                run.Journal("  " + members[m].target + " could not be put back; its previous "
                            "content is " + *keptCopy[m] + "\n");
            }
        }
        for (auto& member : members) {
            if (!member.oldZip.empty()) {
                fail(member, "the new zip could not be copied into " + paths.roms);
            }
        }
    }

    bool changed = false;
    for (auto& member : members) {
        if (member.oldZip.empty()) {
            log += "BAD \t" + member.description +
                   " --> Nothing can be done! You don't have the roms that it needs!\r\n";
            continue;
        }
        if (!member.isOriginal && type != TransformationType::StandAlone && head.failure) {
            fail(member, "the new zip of the original could not be made");
        }
        if (member.failure) {
            log += FailedLine(member.description, *member.failure);
            continue;
        }
        const std::string newZip =
            type == TransformationType::Merged ? head.target : member.target;
        if (type == TransformationType::Merged) {
            log += member.isOriginal
                       ? "OK \t" + member.description +
                             " --> cretaed a big 'MERGED' file with the roms of the clone "
                             "inside!\r\n"
                       : "OK \t" + member.description + " --> " + games.Field(member.row, 'F') +
                             ".zip is now in'MERGED' format!\r\n";
        } else {
            log += member.isOriginal ? "OK \t" + member.description + "\r\n"
                                     : "OK \t" + member.description + " --> " + member.rawName +
                                           ".zip transformed in '" + word + "' format!\r\n";
        }
        games.SetField(member.row, 'C', newZip);
        if (!member.isOriginal) {
            games.SetField(member.row, 'W', target);
        }
        if (!SameFile(member.oldZip, newZip)) {
            run.DeleteLater(member.oldZip);
        }
        changed = true;
    }
    RemoveTree(work);
    return changed;
}

}  // namespace

bool TransformFamily(const std::string& description, TransformationType type,
                     store::Session& session, std::string& log, catalogue::MessagePump* pump) {
    TransformationRun run(session.emulator);
    run.Prepare(log);
    const bool changed = TransformFamilyIn(description, type, session, log, pump, run);
    run.Finish(session.games);
    return changed;
}

TransformationResult RunTransformation(TransformationType type,
                                       const std::vector<std::string>& selectedDescriptions,
                                       store::Session& session, store::Progress& progress,
                                       store::UserFeedback& feedback,
                                       catalogue::MessagePump* pump) {
    TransformationResult result;
    result.logPath = session.files.transformLog;
    progress.Open(store::kProgressTitle, false);
    progress.SetRange(0, static_cast<int>(selectedDescriptions.size()) / 12);
    progress.SetStep(1);
    progress.SetText("Splitting roms set!");

    std::string log =
        "Quorvex Roms Transformation\r\nto '" + std::string(FormatWord(type)) + "' format!\r\n\r\n";
    const char* action = type == TransformationType::StandAlone ? "Creating stand alone zip for  "
                         : type == TransformationType::Merged   ? "Merging "
                                                                : "Splitting ";
    TransformationRun run(session.emulator);
    run.Prepare(log);
    for (std::size_t row = 0; row < selectedDescriptions.size(); ++row) {
        progress.SetText(action + selectedDescriptions[row]);
        progress.Pump();
        if (TransformFamilyIn(selectedDescriptions[row], type, session, log, pump, run)) {
            ++result.familiesChanged;
        }
        if (row % 12 == 0) {
            progress.Step();
            progress.Pump();
        }
    }
    progress.Close();

    std::string error;
    result.logWritten = platform::ReplaceFileAtomically(result.logPath, log, &error);
    if (!result.logWritten) {
        feedback.ShowMessage("The transformation log could not be written:\n" + error,
                             store::MessageIcon::Exclamation);
    }
    result.databaseSaved =
        store::SaveGameDatabase(session.games, session.files.gameDatabase, progress, &error);
    if (result.databaseSaved) {
        run.Finish(session.games);
    } else {
        // The saved games still name the old zips: they all stay, and the
        // journal tells the next start what was replaced.
        feedback.ShowMessage("The game database could not be saved:\n" + error +
                                 "\nThe old roms zips were kept.",
                             store::MessageIcon::Exclamation);
    }
    return result;
}

}  // namespace quorvex::sets
