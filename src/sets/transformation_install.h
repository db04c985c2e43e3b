#pragma once
// The installing half of a family transformation: the verified new zips put
// in place of the old ones, all or none per family, with a journal in the
// temporary directory that tells an interrupted run's next start what changed.

#include <optional>
#include <string>
#include <vector>

#include "sets/transformation_plan.h"
#include "store/session.h"

namespace quorvex::sets {

// Removes a directory tree; a part that cannot be removed simply stays.
void RemoveTree(const std::string& path);

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
    std::string WorkDirectory() const;
    std::string KeptDirectory() const;
    // Keeps a copy of a file about to be replaced; the copy's path, or
    // nothing when it could not be made.
    std::optional<std::string> Keep(const std::string& path);
    // Appends text to the journal and rewrites it whole on disk.
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

// Puts the new zip of every writing member (built in work) in place: each is
// copied beside its target and read back, the replaced ones kept and
// journalled, then all renamed. When any step fails nothing stays changed
// and the affected members get a failure naming romsDirectory.
void InstallNewZips(std::vector<FamilyMember>& members, TransformationType type,
                    const std::string& work, const std::string& romsDirectory,
                    TransformationRun& run);

}  // namespace quorvex::sets
