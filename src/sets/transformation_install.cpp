#include "sets/transformation_install.h"

#include <filesystem>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "sets/transformation_build.h"
#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

namespace fs = std::filesystem;

constexpr const char* kTemporaryName = "TMPQVX";
constexpr const char* kJournalName = "QVXjournal.txt";
constexpr const char* kKeptName = "kept";
constexpr const char* kWorkName = "work";

}  // namespace

void RemoveTree(const std::string& path) {
    std::error_code error;
    fs::remove_all(fs::path(path), error);
}

std::string TransformationRun::WorkDirectory() const {
    return m_temporary + platform::kSeparator + kWorkName + platform::kSeparator;
}

std::string TransformationRun::KeptDirectory() const {
    return m_temporary + platform::kSeparator + kKeptName + platform::kSeparator;
}

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


void InstallNewZips(std::vector<FamilyMember>& members, TransformationType type,
                    const std::string& work, const std::string& romsDirectory,
                    TransformationRun& run) {
    const FamilyMember& head = members.front();
    const std::string word = FormatWord(type);

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
        const FamilyMember& member = members[m];
        const std::string staging = member.target + ".qvxnew";
        staged = staged &&
                 platform::CopyFileOverwriting(BuiltZipPath(work, m, member.rawName), staging) &&
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
            Fail(members[m], "the new zip could not be copied into " + romsDirectory);
        }
        for (auto& member : members) {
            if (!member.oldZip.empty() && !member.isOriginal &&
                type != TransformationType::StandAlone) {
                Fail(member, "the new zip of the original could not be made");
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
                Fail(member, "the new zip could not be copied into " + romsDirectory);
            }
        }
    }
}

}  // namespace quorvex::sets
