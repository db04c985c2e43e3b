#include "sets/transformation_build.h"

#include "catalogue/command_runner.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "platform/unzip.h"
#include "store/text_utils.h"

namespace quorvex::sets {

namespace {

constexpr const char* kZipBatch = "QVXzip.bat";

std::string Quoted(const std::string& name) {
    return name.find(' ') == std::string::npos ? name : "\"" + name + "\"";
}

}  // namespace

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

void UnpackFamilyZips(std::vector<FamilyMember>& members, const std::vector<ZipContent>& zips,
                      const std::string& work) {
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
}

std::string BuiltZipPath(const std::string& work, std::size_t m, const std::string& rawName) {
    return work + "m" + std::to_string(m) + platform::kSeparator + rawName + ".zip";
}

void BuildNewZips(std::vector<FamilyMember>& members, const std::string& work,
                  const std::string& zipCommand, catalogue::MessagePump* pump) {
    // Each archive's files wait in a directory of their own.
    std::vector<ZipPlan> plans;
    for (std::size_t m = 0; m < members.size(); ++m) {
        FamilyMember& member = members[m];
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
        catalogue::WriteBatchFile(kZipBatch, work, ZipBatchText(plans, zipCommand, work));
        catalogue::RunBatchFile(kZipBatch, work, false, pump);
        catalogue::PumpMessages(pump, 2);
    }
    // A new zip counts only when it holds, read back, exactly what was planned.
    for (std::size_t m = 0; m < members.size(); ++m) {
        FamilyMember& member = members[m];
        if (member.writes && !member.failure &&
            !HoldsExactly(BuiltZipPath(work, m, member.rawName), member.plannedFiles)) {
            member.failure = "the new zip could not be made";
        }
    }
}

}  // namespace quorvex::sets
