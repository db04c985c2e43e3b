#pragma once
// The game database "mamegame.qvx": a header line with GAMES_COUNT, then one
// record line per game with field tokens keyed A to Z before the settings
// marker and setting values after it.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/user_feedback.h"

namespace quorvex::store {

struct GameRecord {
    std::string line;         // the record line as stored
    std::string sortKey;      // filled by the sorting, never stored
    std::string description;  // copy of field B made at load; the game's identity
};

class GameDatabase {
public:
    GameDatabase() = default;
    explicit GameDatabase(std::vector<GameRecord> records) : m_records(std::move(records)) {}
    GameDatabase(const GameDatabase& other) : m_records(other.m_records) {}
    GameDatabase(GameDatabase&& other) noexcept : m_records(std::move(other.m_records)) {
        other.m_indexValid = false;
    }
    GameDatabase& operator=(const GameDatabase& other);
    GameDatabase& operator=(GameDatabase&& other) noexcept;

    int count() const { return static_cast<int>(m_records.size()); }
    bool empty() const { return m_records.empty(); }
    const std::vector<GameRecord>& records() const { return m_records; }
    const GameRecord& operator[](int index) const {
        return m_records[static_cast<std::size_t>(index)];
    }

    // Field access on one game's line (settings values use afterMarker).
    std::string Field(int index, char code) const;
    void SetField(int index, char code, std::string_view value);
    std::string& Line(int index) { return m_records[static_cast<std::size_t>(index)].line; }

    // For reordering and bulk changes. The records may change through the
    // returned reference at any later time, even after a lookup; lookups
    // notice it and rebuild their index.
    std::vector<GameRecord>& MutableRecords();

    // Index of the first game whose description equals description exactly.
    std::optional<int> FindByDescription(std::string_view description) const;

private:
    void BuildIndex() const;
    std::optional<int> FindWithIndex(std::string_view description) const;

    std::vector<GameRecord> m_records;
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    // Keys are copies: a key must outlive any change made to the records.
    mutable std::unordered_map<std::string, int, TextHash, std::equal_to<>> m_byDescription;
    mutable bool m_indexValid = false;
};

// Reads the whole database. Every record line after the header is loaded,
// even beyond GAMES_COUNT, so that no game is lost at the next save; a line
// without a raw name (A) is no game and is not loaded. An empty file is a
// database without games. Empty when the file cannot be read.
std::optional<GameDatabase> LoadGameDatabase(const std::string& path);

// The file text SaveGameDatabase writes: "+:GAMES_COUNT:<n>:+\r\n" and every line with CR LF.
std::string GameDatabaseText(const GameDatabase& games, Progress* progress = nullptr);

// Writes the database back atomically, showing "Saving data..." in a
// Progress window advanced every 20 games. False, with the old file intact
// and the reason in error, when the file cannot be written.
bool SaveGameDatabase(const GameDatabase& games, const std::string& path, Progress& progress,
                      std::string* error = nullptr);

// Index of the first game with this description, nothing when no game has it.
std::optional<int> FindGameByDescription(const GameDatabase& games, std::string_view description);

}  // namespace quorvex::store
