#include "sets/transformations.h"

#include <optional>

#include "browse/games_list.h"
#include "catalogue/emulator_generation.h"
#include "platform/file_system.h"
#include "sets/transformation_build.h"
#include "sets/transformation_install.h"
#include "sets/transformation_plan.h"
#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

bool Contains(const FileNameList& names, const std::string& name) {
    for (const auto& candidate : names) {
        if (store::EqualsNoCase(candidate, name)) {
            return true;
        }
    }
    return false;
}

std::string FailedLine(const std::string& description, const std::string& reason) {
    return "FAILED \t" + description + " --> " + reason +
           ", so the old roms set was kept as it was!\r\n";
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

namespace {

bool TransformFamilyIn(const std::string& description, TransformationType type,
                       store::Session& session, std::string& log,
                       const catalogue::NeededFileCache* cache, catalogue::MessagePump* pump,
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

    std::vector<FamilyMember> members = FamilyMembers(games, family, paths.roms);
    const FamilyMember& head = members.front();
    std::vector<ZipContent> zips;
    ListRequiredFiles(members, zips, paths.directory, cache, pump);
    UnpackFamilyZips(members, zips, work);
    PlanNewZips(members, type);
    BuildNewZips(members, work, session.files.directory + "zip.exe", pump);
    KeepOnlySafeChanges(members, zips, type, games);
    InstallNewZips(members, type, work, paths.roms, run);

    bool changed = false;
    for (auto& member : members) {
        if (member.oldZip.empty()) {
            log += "BAD \t" + member.description +
                   " --> Nothing can be done! You don't have the roms that it needs!\r\n";
            continue;
        }
        if (!member.isOriginal && type != TransformationType::StandAlone && head.failure) {
            Fail(member, "the new zip of the original could not be made");
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
    const std::optional<catalogue::NeededFileCache> cache =
        catalogue::TodaysNeededFileCache(session.files.directory, session.emulator.directory);
    TransformationRun run(session.emulator);
    run.Prepare(log);
    const bool changed =
        TransformFamilyIn(description, type, session, log, cache ? &*cache : nullptr, pump, run);
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
    // Today's emulator: whole ROM names from its cache, no emulator run per game.
    const std::optional<catalogue::NeededFileCache> cache =
        catalogue::TodaysNeededFileCache(session.files.directory, session.emulator.directory);
    TransformationRun run(session.emulator);
    run.Prepare(log);
    for (std::size_t row = 0; row < selectedDescriptions.size(); ++row) {
        progress.SetText(action + selectedDescriptions[row]);
        progress.Pump();
        if (TransformFamilyIn(selectedDescriptions[row], type, session, log,
                              cache ? &*cache : nullptr, pump, run)) {
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

