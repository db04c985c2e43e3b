#pragma once
// The catalogue import of every start: asks the emulator which games it
// supports and brings the game database file in line with the answer,
// before the database is loaded.

#include <string>

#include "store/session.h"
#include "store/startup.h"

namespace quorvex::catalogue {

class MessagePump;

// Removes from the game database file the games the emulator no longer
// lists and appends the ones it lists for the first time; when there are new
// games, refreshes the clone, hardware, year and manufacturer fields of every
// game and stores the emulator's version in the state file. Paths come from
// session (files, emulator); status texts go to the splash window. Returns
// the inserted and removed records for the What's new dialog. When the
// emulator gives no list, or the database cannot be read or written, the file
// stays as it was, the user is told, and the result is empty.
store::CatalogueChanges ImportCatalogue(store::Session& session, store::StartupWindows& windows,
                                        MessagePump* pump = nullptr);

// The start-up's importer.
class EmulatorCatalogueImporter : public store::CatalogueImporter {
public:
    explicit EmulatorCatalogueImporter(MessagePump* pump = nullptr) : m_pump(pump) {}
    store::CatalogueChanges Import(store::Session& session,
                                   store::StartupWindows& windows) override;

private:
    MessagePump* m_pump;
};

// Messages of the import.
std::string NoGamesListMessage(const std::string& emulatorDirectory);
std::string UnreadableDatabaseMessage(const std::string& path);
std::string UnwritableDatabaseMessage(const std::string& path, const std::string& reason);

}  // namespace quorvex::catalogue
