#pragma once
// Rebuilding the ROM zips of whole families into one set format with the
// outside archiver: every linked zip of the family is unpacked into a
// temporary directory, the archiver packs what each game needs, and the new
// zips replace the old ones in the emulator's roms directory.

#include <string>
#include <vector>

#include "sets/file_lists.h"
#include "store/session.h"
#include "store/user_feedback.h"

namespace quorvex::catalogue {
class MessagePump;
}

namespace quorvex::sets {

enum class TransformationType { StandAlone = 1, Merged = 2, Splitted = 3 };

// The word the log uses for a type: "STAND ALONE", "MERGED" or "SPLITTED".
const char* FormatWord(TransformationType type);
// The Field W value a linked clone has in that format: "", "Total" or "Partial".
const char* TargetSetFormat(TransformationType type);

// first reduced, in order, to the names that are not in second (ignoring case).
std::size_t NameListDifference(FileNameList& first, const FileNameList& second);
// The names of names not yet in unionList (ignoring case) appended to it, in order.
std::size_t NameListUnion(const FileNameList& names, FileNameList& unionList);

struct FamilyMember {
    std::string rawName;
    FileNameList needed;  // what the emulator says this game needs
};

// The archiver batch for a family whose linked members are given original
// first. zipCommand is the archiver as the batch names it (program directory
// + "zip.exe"); temporaryDirectory ends with the separator.
std::string ZipBatchText(TransformationType type, const std::vector<FamilyMember>& linkedMembers,
                         const std::string& zipCommand, const std::string& temporaryDirectory);

struct TransformationResult {
    std::string logPath;
    bool logWritten = false;
    bool databaseSaved = false;
    int familiesChanged = 0;
};

// Transforms the family of every game with one of these descriptions (each
// stands for its whole family), logs every decision in the transformation
// log and saves the game database. A member's previous zip goes only once
// its new zip is in place and holds every needed file the old sets held;
// otherwise the old zip and its link stay and the log says so. Problems with
// the log or the database are told to the user.
TransformationResult RunTransformation(TransformationType type,
                                       const std::vector<std::string>& selectedDescriptions,
                                       store::Session& session, store::Progress& progress,
                                       store::UserFeedback& feedback,
                                       catalogue::MessagePump* pump = nullptr);

// The family transformation of one selected game; appends its lines to log.
// True when some record changed.
bool TransformFamily(const std::string& description, TransformationType type,
                     store::Session& session, std::string& log, catalogue::MessagePump* pump);

}  // namespace quorvex::sets
