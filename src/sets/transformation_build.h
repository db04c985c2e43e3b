#pragma once
// The building half of a family transformation: the family's old zips
// unpacked into the work directory, the planned zips made by one archiver
// batch, and every new zip read back before it counts.

#include <string>
#include <vector>

#include "sets/transformation_plan.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

// True when the zip, read back, holds every file with its size and CRC
// under a name equal to the planned one ignoring case; false when it cannot be read.
bool HoldsExactly(const std::string& zipPath, const std::vector<RequiredFile>& files);

// Unpacks every zip into work + "z<index>"; a member reading from a zip that
// could not be unpacked whole gets a failure.
void UnpackFamilyZips(std::vector<FamilyMember>& members, const std::vector<ZipContent>& zips,
                      const std::string& work);

// Where the batch leaves member m's new zip inside work.
std::string BuiltZipPath(const std::string& work, std::size_t m, const std::string& rawName);

// Makes the new zip of every writing member with the archiver zipCommand in
// one batch; a member whose new zip does not hold exactly its planned files
// gets a failure.
void BuildNewZips(std::vector<FamilyMember>& members, const std::string& work,
                  const std::string& zipCommand, catalogue::MessagePump* pump);

}  // namespace quorvex::sets
