#include "sets/transformation_plan.h"

#include <string_view>

#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

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

const platform::ZipEntryInfo* FindEntry(const ZipContent& zip, const std::string& needed) {
    for (const auto& entry : zip.entries) {
        if (!entry.directory && EntryMatches(entry.name, needed)) {
            return &entry;
        }
    }
    return nullptr;
}

bool SameRequiredFile(const RequiredFile& a, const RequiredFile& b) {
    return store::EqualsNoCase(a.needed, b.needed) && a.size == b.size && a.crc == b.crc;
}

bool Plan(FamilyMember& member, const RequiredFile& file) {
    for (const auto& name : member.planned) {
        if (store::EqualsNoCase(name, file.onDisk)) {
            return false;
        }
    }
    member.planned.push_back(file.onDisk);
    member.plannedFiles.push_back(file);
    return true;
}

// The new set of a clone that reads from its original's new zip.
bool NewSetHolds(const std::vector<FamilyMember>& members, std::size_t m,
                 TransformationType type) {
    const FamilyMember& head = members.front();
    const FamilyMember& member = members[m];
    std::vector<const FamilyMember*> order;
    if (type == TransformationType::StandAlone || member.isOriginal) {
        order.push_back(&member);
    } else if (type == TransformationType::Splitted) {
        order = {&member, &head};
    } else {
        order.push_back(&head);
    }
    for (const auto& file : member.required) {
        const RequiredFile* found = nullptr;
        for (const FamilyMember* source : order) {
            for (const auto& held : source->plannedFiles) {
                if (found == nullptr && store::EqualsNoCase(held.needed, file.needed)) {
                    found = &held;
                }
            }
        }
        if (found == nullptr || !SameRequiredFile(*found, file)) {
            return false;
        }
    }
    return true;
}

}  // namespace

void Fail(FamilyMember& member, const std::string& reason) {
    if (!member.failure) {
        member.failure = reason;
    }
}

std::vector<FamilyMember> FamilyMembers(const store::GameDatabase& games,
                                        const std::vector<int>& family,
                                        const std::string& romsDirectory) {
    std::vector<FamilyMember> members;
    for (int row : family) {
        FamilyMember member;
        member.row = row;
        member.rawName = games.Field(row, 'A');
        member.description = games[row].description;
        member.oldZip = games.Field(row, 'C');
        member.oldFormat = games.Field(row, 'W');
        member.isOriginal = row == family.front();
        member.target = romsDirectory + member.rawName + ".zip";
        members.push_back(std::move(member));
    }
    return members;
}

void ListRequiredFiles(std::vector<FamilyMember>& members, std::vector<ZipContent>& zips,
                       const std::string& emulatorDirectory,
                       const catalogue::NeededFileCache* cache, catalogue::MessagePump* pump) {
    // The zips the family's sets are read from, each listed once.
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
    const FamilyMember& head = members.front();
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
            NeededFileNames(cache, emulatorDirectory, member.rawName, NeededFileKind::Roms, pump);
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
}

void PlanNewZips(std::vector<FamilyMember>& members, TransformationType type) {
    FamilyMember& head = members.front();
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
                    inOriginal = inOriginal || SameRequiredFile(mine, file);
                }
            }
            if (!inOriginal && !Plan(member, file)) {
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
                        if (!SameRequiredFile(held, file)) {
                            member.failure = "its own " + file.needed +
                                             " differs from the one the 'MERGED' zip holds";
                        }
                    }
                }
                if (!present) {
                    Plan(head, file);
                }
            }
        }
        if (head.failure) {
            head.writes = false;
        }
    }
}

void KeepOnlySafeChanges(std::vector<FamilyMember>& members, const std::vector<ZipContent>& zips,
                         TransformationType type, const store::GameDatabase& games) {
    // Nothing a kept set or another game uses may be replaced or deleted:
    // failures spread until every remaining change is safe.
    const FamilyMember& head = members.front();
    for (bool spread = true; spread;) {
        spread = false;
        for (std::size_t m = 0; m < members.size(); ++m) {
            FamilyMember& member = members[m];
            if (member.oldZip.empty() || member.failure) {
                continue;
            }
            const bool needsOriginal = !member.isOriginal && type != TransformationType::StandAlone;
            if (needsOriginal && (head.failure || !head.writes)) {
                Fail(member, "the new zip of the original could not be made");
            } else if (!NewSetHolds(members, m, type)) {
                Fail(member, "the new zip could not be made");
            }
            if (member.writes && !member.failure) {
                for (int other = 0; other < games.count(); ++other) {
                    bool inFamily = false;
                    for (const auto& kin : members) {
                        inFamily = inFamily || kin.row == other;
                    }
                    if (!inFamily && SameFile(games.Field(other, 'C'), member.target)) {
                        Fail(member, member.target + " is the roms set of '" +
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
                        Fail(member, "'" + kept.description + "' still uses " + zips[zip].path);
                        spread = true;
                    }
                }
            }
        }
    }
}

}  // namespace quorvex::sets
