#include "catalogue_generator.h"

#include <array>
#include <random>

#include "store/record_file.h"
#include "store/record_line.h"
#include "store/text_utils.h"

namespace quorvex::bench {

namespace {

constexpr std::array<const char*, 8> kCpus = {"Z80",   "M68000", "M6809",  "M6502",
                                              "I8039", "V30",    "HD6309", "M68020"};
constexpr std::array<const char*, 8> kSounds = {"YM2151", "AY8910",   "Samples", "DAC",
                                                "YM2203", "OKIM6295", "SN76496", "YM2610"};
constexpr std::array<const char*, 8> kMakers = {"Namco", "Capcom", "Konami", "Sega",
                                                "SNK",   "Taito",  "Irem",   "Data East"};

}  // namespace

std::string GeneratedDescription(int index) {
    return "Game number " + std::to_string(index) + " (World, rev " + std::to_string(index % 7) +
           ")";
}

std::string GenerateGameDatabaseText(int count, unsigned seed) {
    std::mt19937 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string text = "+:GAMES_COUNT:" + std::to_string(count) + ":+\r\n";
    text.reserve(static_cast<std::size_t>(count) * 420);
    std::string parent;
    for (int i = 0; i < count; ++i) {
        std::string line;
        std::string name = std::to_string(i);
        name.insert(0, 1, 'g');
        store::SetRecordValue(line, "A", name);
        store::TrimBlanks(line);
        store::SetRecordValue(line, "B", GeneratedDescription(i));
        store::SetRecordValue(line, "S", std::to_string(pick(101)));
        store::SetRecordValue(line, "V",
                              store::FormatDate(1 + pick(28), 1 + pick(12), 1998 + pick(28)));
        store::SetRecordValue(line, "U", "0.37b" + std::to_string(1 + pick(16)));
        // Families: about one game in three is a clone of the last original.
        if (i % 3 != 0 && !parent.empty()) {
            store::SetRecordValue(line, i % 50 == 1 ? "I" : "F", i % 50 == 1 ? "neogeo" : parent);
        } else {
            parent = name;
        }
        store::SetRecordValue(line, "M", kCpus[static_cast<std::size_t>(pick(8))]);
        store::SetRecordValue(line, "N", kCpus[static_cast<std::size_t>(pick(8))]);
        const char* sound = kSounds[static_cast<std::size_t>(pick(8))];
        store::SetRecordValue(line, "P", sound);
        store::SetRecordValue(line, "Q", kSounds[static_cast<std::size_t>(pick(8))]);
        if (std::string(sound) == "Samples") {
            store::SetRecordValue(line, "L", "yes");
            store::SetRecordValue(line, "D", name + ".zip");
        }
        store::SetRecordValue(line, "J", std::to_string(1978 + pick(24)));
        store::SetRecordValue(line, "X", kMakers[static_cast<std::size_t>(pick(8))]);
        if (pick(2) == 0) {
            store::SetRecordValue(line, "C", name + ".zip");
            store::SetRecordValue(line, "T", std::to_string(pick(300)));
            store::SetRecordValue(line, "H", std::to_string(pick(90000)));
            store::SetRecordValue(line, "G",
                                  store::FormatDate(1 + pick(28), 1 + pick(12), 2020 + pick(7)));
            store::SetRecordValue(line, "K", "59.94");
        }
        for (int setting = 1; setting <= 1 + pick(6); ++setting) {
            store::SetRecordValue(line, std::to_string(setting), pick(2) ? "ON" : "1", true);
        }
        text.append(line).append("\r\n");
    }
    return text;
}

store::GameDatabase GenerateGameDatabase(int count, unsigned seed) {
    std::vector<store::GameRecord> records;
    const auto lines = store::SplitRecordLines(GenerateGameDatabaseText(count, seed));
    for (std::size_t i = 1; i < lines.size(); ++i) {
        records.push_back({lines[i], "", store::GetRecordValue(lines[i], "B")});
    }
    return store::GameDatabase(std::move(records));
}

}  // namespace quorvex::bench
