#pragma once
// The planning half of a family transformation: what each member's set holds
// now, what its new zip must hold, and which changes are safe to make. Nothing
// here touches a file; a member that cannot be changed gets a failure reason.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/unzip.h"
#include "sets/file_lists.h"
#include "sets/transformations.h"
#include "store/game_database.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

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

struct FamilyMember {
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

// Gives the member its first failure reason; a later reason never hides it.
void Fail(FamilyMember& member, const std::string& reason);

// The family's members, original first, each with its target in romsDirectory.
std::vector<FamilyMember> FamilyMembers(const store::GameDatabase& games,
                                        const std::vector<int>& family,
                                        const std::string& romsDirectory);

// Fills each linked member's oldZips and required files from the emulator's
// list of needed roms (today's emulator: from its cache), listing every zip
// read once into zips. A member whose list is empty or whose file cannot be
// unpacked gets a failure.
void ListRequiredFiles(std::vector<FamilyMember>& members, std::vector<ZipContent>& zips,
                       const std::string& emulatorDirectory,
                       const catalogue::NeededFileCache* cache, catalogue::MessagePump* pump);

// Decides which members write a new zip and what it holds (planned,
// plannedFiles); a name clash or a differing file gives a failure.
void PlanNewZips(std::vector<FamilyMember>& members, TransformationType type);

// Fails every member whose new set would lack a file, would overwrite a set
// another game uses, or would replace or delete a zip a failed member still
// reads, until every remaining change is safe.
void KeepOnlySafeChanges(std::vector<FamilyMember>& members, const std::vector<ZipContent>& zips,
                         TransformationType type, const store::GameDatabase& games);

}  // namespace quorvex::sets
