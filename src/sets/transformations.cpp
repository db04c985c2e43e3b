#include "sets/transformations.h"

#include <filesystem>
#include <set>

#include "browse/games_list.h"
#include "catalogue/command_runner.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

constexpr const char* kTemporaryName = "TMPQVX";
constexpr const char* kZipBatch = "QVXzip.bat";

bool Contains(const FileNameList& names, const std::string& name) {
    for (const auto& candidate : names) {
        if (store::EqualsNoCase(candidate, name)) {
            return true;
        }
    }
    return false;
}

std::string ZipLineStart(const std::string& zipCommand, const std::string& rawName) {
    return zipCommand + "  " + rawName + ".zip ";
}

std::string ZipLine(const std::string& zipCommand, const std::string& rawName,
                    const FileNameList& names) {
    std::string line = ZipLineStart(zipCommand, rawName);
    for (const auto& name : names) {
        line += name + " ";
    }
    return line + "\r\n";
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(std::filesystem::path(a), std::filesystem::path(b), error);
}

// Puts the new zip in place under its final name in one rename, so that a
// failure half way leaves the previous file as it was.
bool InstallZip(const std::string& from, const std::string& target) {
    const std::string staging = target + ".qvxnew";
    if (!platform::CopyFileOverwriting(from, staging)) {
        platform::RemoveFile(staging);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(staging), std::filesystem::path(target), error);
    if (error) {
        platform::RemoveFile(staging);
        return false;
    }
    return true;
}

// True when the zip exists and holds every name of required.
bool HoldsAll(const std::string& zipPath, const FileNameList& required) {
    if (!platform::IsReadableFile(zipPath)) {
        return false;
    }
    const FileNameList listing = QueryZipListing(zipPath);
    for (const auto& name : required) {
        if (!NameFoundInListing(name, listing)) {
            return false;
        }
    }
    return !listing.empty() || required.empty();
}

// The names of wanted that were among the unpacked files: what the new zip must hold.
FileNameList PresentOf(const FileNameList& wanted, const std::set<std::string>& present) {
    FileNameList result;
    for (const auto& name : wanted) {
        if (present.count(store::ToLowerAscii(name)) != 0) {
            result.push_back(name);
        }
    }
    return result;
}

std::string KeptLine(const std::string& description) {
    return "FAILED \t" + description +
           " --> the new zip could not be made, so the old roms set was kept as it was!\r\n";
}

}  // namespace

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

std::string ZipBatchText(TransformationType type, const std::vector<FamilyMember>& linkedMembers,
                         const std::string& zipCommand, const std::string& temporaryDirectory) {
    const std::string separator(1, platform::kSeparator);
    std::string text = "attrib " + temporaryDirectory + separator + "*.* -r -a -h -s\n";
    if (linkedMembers.empty()) {
        return text;
    }
    const FamilyMember& original = linkedMembers.front();
    switch (type) {
        case TransformationType::Splitted:
            text += ZipLine(zipCommand, original.rawName, original.needed);
            for (std::size_t i = 1; i < linkedMembers.size(); ++i) {
                FileNameList own = linkedMembers[i].needed;
                NameListDifference(own, original.needed);
                text += ZipLine(zipCommand, linkedMembers[i].rawName, own);
            }
            break;
        case TransformationType::StandAlone:
            for (const auto& member : linkedMembers) {
                text += ZipLine(zipCommand, member.rawName, member.needed);
            }
            break;
        case TransformationType::Merged: {
            FileNameList all = original.needed;
            for (std::size_t i = 1; i < linkedMembers.size(); ++i) {
                NameListUnion(linkedMembers[i].needed, all);
            }
            // Ten names a command keeps every command line short.
            for (std::size_t i = 0; i < all.size(); ++i) {
                if (i % 10 == 0) {
                    text += "\r\n" + ZipLineStart(zipCommand, original.rawName);
                }
                text += all[i] + " ";
            }
            text += "\r\n";
            break;
        }
    }
    return text;
}

bool TransformFamily(const std::string& description, TransformationType type,
                     store::Session& session, std::string& log, catalogue::MessagePump* pump) {
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
    const std::string temporary = paths.directory + kTemporaryName + platform::kSeparator;
    platform::MakeDirectory(temporary);

    std::vector<FamilyMember> linked;
    std::vector<int> linkedRows;
    for (int member : family) {
        const std::string zip = games.Field(member, 'C');
        if (zip.empty()) {
            continue;
        }
        ExtractZipFlat(zip, paths.directory + kTemporaryName);
        linkedRows.push_back(member);
        linked.push_back({games.Field(member, 'A'), {}});
    }
    std::set<std::string> present;
    for (const auto& entry : platform::ListDirectory(temporary, "*")) {
        if (!entry.isDirectory) {
            present.insert(store::ToLowerAscii(entry.name));
        }
    }
    for (auto& member : linked) {
        member.needed =
            QueryNeededFiles(paths.directory, member.rawName, NeededFileKind::Roms, pump);
    }

    const std::string zipCommand = session.files.directory + "zip.exe";
    catalogue::WriteBatchFile(kZipBatch, temporary,
                              ZipBatchText(type, linked, zipCommand, temporary));
    catalogue::RunBatchFile(kZipBatch, temporary, false, pump);
    catalogue::PumpMessages(pump, 2);

    // What each new zip must hold: the needed files the old sets held.
    FileNameList mergedNames;
    if (type == TransformationType::Merged) {
        mergedNames = linked.front().needed;
        for (std::size_t i = 1; i < linked.size(); ++i) {
            NameListUnion(linked[i].needed, mergedNames);
        }
    }
    const std::string originalName = games.Field(original, 'A');
    const std::string mergedTarget = paths.roms + originalName + ".zip";
    bool mergedReady = false;
    if (type == TransformationType::Merged) {
        const std::string built = temporary + originalName + ".zip";
        // The merged zip replaces the original's file; the clones are moved to it afterwards.
        const std::string oldOriginal = games.Field(original, 'C');
        const bool same = SameFile(oldOriginal, mergedTarget);
        mergedReady =
            HoldsAll(built, PresentOf(mergedNames, present)) && InstallZip(built, mergedTarget);
        if (mergedReady && !same && games.Field(original, 'W') != "Total") {
            platform::RemoveFile(oldOriginal);
        }
    }

    // A zip another member still points at is never deleted with this one's old set.
    auto inUseByOthers = [&](int member, const std::string& zip) {
        for (int other : family) {
            if (other != member && SameFile(games.Field(other, 'C'), zip)) {
                return true;
            }
        }
        return false;
    };
    bool changed = false;
    for (int member : family) {
        const std::string memberDescription = games[member].description;
        const std::string rawName = games.Field(member, 'A');
        const std::string oldZip = games.Field(member, 'C');
        const bool isOriginal = member == original;
        if (oldZip.empty()) {
            log += "BAD \t" + memberDescription +
                   " --> Nothing can be done! You don't have the roms that it needs!\r\n";
            continue;
        }
        if (type == TransformationType::Merged) {
            if (!mergedReady) {
                log += KeptLine(memberDescription);
                continue;
            }
            if (!isOriginal && games.Field(member, 'W') != "Total" &&
                !SameFile(oldZip, mergedTarget) && !inUseByOthers(member, oldZip)) {
                platform::RemoveFile(oldZip);
            }
            log += isOriginal ? "OK \t" + memberDescription +
                                    " --> cretaed a big 'MERGED' file with the roms of the clone "
                                    "inside!\r\n"
                              : "OK \t" + memberDescription + " --> " + games.Field(member, 'F') +
                                    ".zip is now in'MERGED' format!\r\n";
            games.SetField(member, 'C', mergedTarget);
            if (!isOriginal) {
                games.SetField(member, 'W', "Total");
            }
            changed = true;
            continue;
        }
        // Splitted and stand alone: every linked member gets a zip of its own.
        FileNameList wanted;
        for (std::size_t i = 0; i < linked.size(); ++i) {
            if (linkedRows[i] == member) {
                wanted = linked[i].needed;
                if (type == TransformationType::Splitted && !isOriginal) {
                    NameListDifference(wanted, linked.front().needed);
                }
            }
        }
        const std::string built = temporary + rawName + ".zip";
        const std::string newZip = paths.roms + rawName + ".zip";
        const bool same = SameFile(oldZip, newZip);
        if (!HoldsAll(built, PresentOf(wanted, present)) || !InstallZip(built, newZip)) {
            log += KeptLine(memberDescription);
            continue;
        }
        games.SetField(member, 'C', newZip);
        if (games.Field(member, 'W') != "Total" && !same && !inUseByOthers(member, oldZip)) {
            platform::RemoveFile(oldZip);
        }
        log += isOriginal ? "OK \t" + memberDescription + "\r\n"
                          : "OK \t" + memberDescription + " --> " + rawName +
                                ".zip transformed in '" + word + "' format!\r\n";
        if (!isOriginal) {
            games.SetField(member, 'W', target);
        }
        changed = true;
    }
    store::RemoveDirectoryWithFiles(paths.directory + kTemporaryName);
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
    for (std::size_t row = 0; row < selectedDescriptions.size(); ++row) {
        progress.SetText(action + selectedDescriptions[row]);
        progress.Pump();
        if (TransformFamily(selectedDescriptions[row], type, session, log, pump)) {
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
    if (!result.databaseSaved) {
        feedback.ShowMessage("The game database could not be saved:\n" + error,
                             store::MessageIcon::Exclamation);
    }
    return result;
}

}  // namespace quorvex::sets
