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

// One archive the batch makes: the archiver runs in temporary directory +
// directoryName, where exactly the named files wait, and writes archiveName.
struct ZipPlan {
    std::string directoryName;
    std::string archiveName;  // raw name + ".zip"
    FileNameList names;       // as they are on disk
};

// The archiver batch, run in the temporary directory: the attributes of
// every waiting file cleared, then for each plan a change into its directory,
// the archiver lines (ten names a line) and a change back. zipCommand is the archiver as the batch names it (program directory +
// "zip.exe"); temporaryDirectory ends with the separator.
std::string ZipBatchText(const std::vector<ZipPlan>& plans, const std::string& zipCommand,
                         const std::string& temporaryDirectory);

struct TransformationResult {
    std::string logPath;
    bool logWritten = false;
    bool databaseSaved = false;
    int familiesChanged = 0;
};

// Transforms the family of every game with one of these descriptions (each
// stands for its whole family), logs every decision in the transformation
// log and saves the game database.
//
// No ROM is ever lost: a member's new zip is accepted only when it holds,
// read back, every needed file its old set held, with the same size and CRC;
// no zip that a game still uses is replaced or deleted unless every member
// that uses it has its new set; a member that cannot be changed keeps its
// old set and link, and its log line says why. Replaced files are kept in
// the temporary directory, and old zips deleted, only after the game
// database is saved; until then a journal there tells the next start what
// happened. Problems with the log or the database are told to the user.
TransformationResult RunTransformation(TransformationType type,
                                       const std::vector<std::string>& selectedDescriptions,
                                       store::Session& session, store::Progress& progress,
                                       store::UserFeedback& feedback,
                                       catalogue::MessagePump* pump = nullptr);

// The family transformation of one selected game; appends its lines to log.
// True when some record changed. The old zips it replaces are deleted before
// it returns (RunTransformation defers that until the database is saved).
bool TransformFamily(const std::string& description, TransformationType type,
                     store::Session& session, std::string& log, catalogue::MessagePump* pump);

// The temporary directory of the transformations: emulator directory + "TMPQVX".
std::string TransformationDirectory(const store::EmulatorPaths& emulator);

// What an interrupted transformation left (its temporary directory, with the
// journal of the zips it had replaced), as a message for the user; empty when
// the last transformation ended normally.
std::string InterruptedTransformationReport(const store::EmulatorPaths& emulator);

}  // namespace quorvex::sets
