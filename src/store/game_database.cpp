#include "store/game_database.h"

#include <algorithm>

#include "platform/file_system.h"
#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::store {

GameDatabase& GameDatabase::operator=(const GameDatabase& other) {
    if (this != &other) {
        m_records = other.m_records;
        m_indexValid = false;
    }
    return *this;
}

GameDatabase& GameDatabase::operator=(GameDatabase&& other) noexcept {
    m_records = std::move(other.m_records);
    m_indexValid = false;
    other.m_indexValid = false;
    return *this;
}

std::string GameDatabase::Field(int index, char code) const {
    return GetRecordValue((*this)[index].line, std::string_view(&code, 1));
}

void GameDatabase::SetField(int index, char code, std::string_view value) {
    SetRecordValue(Line(index), std::string_view(&code, 1), value);
}

std::vector<GameRecord>& GameDatabase::MutableRecords() {
    m_indexValid = false;
    return m_records;
}

void GameDatabase::BuildIndex() const {
    m_byDescription.clear();
    m_byDescription.reserve(m_records.size());
    for (std::size_t i = 0; i < m_records.size(); ++i) {
        // emplace keeps the first game of a description.
        m_byDescription.emplace(m_records[i].description, static_cast<int>(i));
    }
    m_indexValid = true;
}

std::optional<int> GameDatabase::FindWithIndex(std::string_view description) const {
    const auto it = m_byDescription.find(description);
    if (it == m_byDescription.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<int> GameDatabase::FindByDescription(std::string_view description) const {
    if (!m_indexValid) {
        BuildIndex();
    }
    // The records may have been changed through MutableRecords() since the
    // index was built: an answer is only given once the records confirm it.
    const std::optional<int> found = FindWithIndex(description);
    const auto confirmed = [&](std::optional<int> index) {
        return index && static_cast<std::size_t>(*index) < m_records.size() &&
               m_records[static_cast<std::size_t>(*index)].description == description;
    };
    if (confirmed(found)) {
        return found;
    }
    if (!found) {
        const bool listed = std::any_of(m_records.begin(), m_records.end(),
                                        [&](const GameRecord& r) { return r.description == description; });
        if (!listed) {
            return std::nullopt;
        }
    }
    BuildIndex();
    return FindWithIndex(description);
}

std::optional<GameDatabase> LoadGameDatabase(const std::string& path) {
    auto file = RecordFile::Open(path);
    if (!file) {
        return std::nullopt;
    }
    std::string line;
    ReadRecordLine(*file, line);  // the header
    const long declared = ParseLeadingNumber(GetRecordValue(line, "GAMES_COUNT"));
    std::vector<GameRecord> records;
    if (declared > 0) {
        records.reserve(static_cast<std::size_t>(std::min(declared, 200'000L)));
    }
    while (ReadRecordLine(*file, line)) {
        // Blank or nameless lines are no games: nothing could play or list them.
        if (TrimmedBlanks(GetRecordValue(line, "A")).empty()) {
            continue;
        }
        GameRecord record;
        record.description = GetRecordValue(line, "B");
        record.line = std::move(line);
        records.push_back(std::move(record));
    }
    return GameDatabase(std::move(records));
}

std::string GameDatabaseText(const GameDatabase& games, Progress* progress) {
    std::size_t size = 32;
    for (const auto& record : games.records()) {
        size += record.line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    text.append("+:GAMES_COUNT:").append(std::to_string(games.count())).append(":+\r\n");
    int index = 0;
    for (const auto& record : games.records()) {
        text.append(record.line).append(kLineEnd);
        if (progress != nullptr && index % 20 == 0) {
            progress->Step();
            progress->Pump();
        }
        ++index;
    }
    return text;
}

bool SaveGameDatabase(const GameDatabase& games, const std::string& path, Progress& progress,
                      std::string* error) {
    progress.Open(kProgressTitle, false);
    progress.SetText("Saving data...");
    progress.SetRange(0, games.count() / 20 + 1);
    progress.SetStep(1);
    const std::string text = GameDatabaseText(games, &progress);
    const bool saved = platform::ReplaceFileAtomically(path, text, error);
    progress.Close();
    return saved;
}

std::optional<int> FindGameByDescription(const GameDatabase& games, std::string_view description) {
    return games.FindByDescription(description);
}

}  // namespace quorvex::store
