#include "generator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace fake_emulator {

namespace {

// splitmix64: the same sequence on every platform, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // A number from 0 to bound - 1.
    std::size_t Below(std::size_t bound) { return static_cast<std::size_t>(Next() % bound); }
    bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& items) {
        return items[Below(N)];
    }

private:
    std::uint64_t m_state;
};

constexpr std::array<std::string_view, 24> kSyllables = {
    "ba", "ko",  "ri", "zan", "tor", "mek", "lu", "sha", "dra", "gon", "vi",  "pex",
    "nu", "kai", "ro", "tan", "bel", "qui", "fo", "mar", "zo",  "ty",  "gal", "sen"};
constexpr std::array<std::string_view, 20> kTitleWords = {
    "Star",  "Dragon", "Blaster", "Ninja", "Thunder", "Galaxy",  "Knight",
    "Turbo", "Force",  "Quest",   "Cyber", "Storm",   "Fighter", "Legend",
    "Rally", "Tower",  "Strike",  "Zone",  "Master",  "Hunter"};
constexpr std::array<std::string_view, 12> kManufacturers = {
    "Nakamura",  "Tomahawk", "Irem Corp.", "Sega",  "Konami", "Capcom",
    "Data East", "Williams", "Atari",      "Taito", "Jaleco", "Kaneko"};
constexpr std::array<std::string_view, 8> kCpus = {"Z80",   "M68000", "M6809", "M6502",
                                                   "I8086", "M6800",  "H6309", "V20"};
constexpr std::array<std::string_view, 9> kSoundChips = {
    "YM2151", "AY8910", "YM2203", "DAC", "SN76496", "OKIM6295", "YM3812", "NAMCO", "YM2413"};
constexpr std::array<std::string_view, 8> kCloneTags = {"Japan", "US",     "World",     "bootleg",
                                                        "set 2", "Europe", "prototype", "older"};
constexpr std::string_view kCloneSuffixes = "jubawe2o";

struct Family {
    std::string root;
    std::string title;
    std::string year;
    std::string manufacturer;
    bool neoGeo = false;
    std::vector<std::string> cpus;
    std::vector<std::string> sounds;
    std::vector<std::string> samples;
};

class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_random(seed) {}

    std::string Run(int count) {
        std::string out = "# generated catalogue\n@version\tv0.37b16\n";
        int made = 0;
        if (count > 0) {
            out +=
                "neogeo\tNeo-Geo\t\tM68000,Z80\tYM2610\t1990\tSNK\t"
                "neo-geo.rom,ng-sm1.rom,ng-sfix.rom,ng-lo.rom\t\n";
            m_names.insert("neogeo");
            ++made;
        }
        while (made < count) {
            const Family family = NewFamily();
            AddGame(out, family, family.root, family.neoGeo ? "neogeo" : "", "");
            ++made;
            const std::size_t clones = m_random.Below(7);
            const std::size_t firstTag = m_random.Below(kCloneTags.size());
            for (std::size_t c = 0; c < clones && made < count; ++c) {
                const std::string name = CloneName(family.root);
                if (name.empty()) {
                    break;
                }
                const std::string_view tag = kCloneTags[(firstTag + c) % kCloneTags.size()];
                AddGame(out, family, name, family.root, " (" + std::string(tag) + ")");
                ++made;
            }
        }
        return out;
    }

private:
    Family NewFamily() {
        Family family;
        for (int attempt = 0;; ++attempt) {
            family.root.clear();
            if (attempt < 20) {
                const std::size_t parts = 2 + m_random.Below(2);
                for (std::size_t i = 0; i < parts; ++i) {
                    family.root += m_random.Pick(kSyllables);
                }
                family.root.resize(std::min<std::size_t>(family.root.size(), 6));
            } else {
                // The syllables run out in very large catalogues; numbered names never do.
                family.root = "q" + std::to_string(m_sequence++);
            }
            if (m_names.insert(family.root).second) {
                break;
            }
        }

        family.title =
            std::string(m_random.Pick(kTitleWords)) + " " + std::string(m_random.Pick(kTitleWords));
        if (m_random.Chance(30)) {
            family.title += " " + std::to_string(2 + m_random.Below(3));
        }
        if (m_titles.count(family.title) != 0) {
            family.title += " " + family.root;
        }
        family.year = std::to_string(1978 + m_random.Below(24));

        family.neoGeo = m_random.Chance(6);
        if (family.neoGeo) {
            family.manufacturer = "SNK";
            family.cpus = {"M68000", "Z80"};
            family.sounds = {"YM2610"};
            return family;
        }
        family.manufacturer = std::string(m_random.Pick(kManufacturers));
        const std::size_t cpuCount = 1 + m_random.Below(3);
        for (std::size_t i = 0; i < cpuCount; ++i) {
            family.cpus.emplace_back(m_random.Pick(kCpus));
        }
        const std::size_t soundCount = 1 + m_random.Below(3);
        for (std::size_t i = 0; i < soundCount; ++i) {
            family.sounds.emplace_back(m_random.Pick(kSoundChips));
        }
        if (m_random.Chance(5)) {
            family.sounds.back() = "Samples";
            const std::size_t sampleCount = 1 + m_random.Below(12);
            for (std::size_t i = 0; i < sampleCount; ++i) {
                family.samples.push_back(family.root + "_" + std::to_string(i) + ".wav");
            }
        }
        return family;
    }

    // A free clone name: the root with a suffix letter, or with two when those are taken.
    std::string CloneName(const std::string& root) {
        for (char first : kCloneSuffixes) {
            const std::string name = root + first;
            if (m_names.insert(name).second) {
                return name;
            }
        }
        for (char first : kCloneSuffixes) {
            for (char second : kCloneSuffixes) {
                const std::string name = root + first + second;
                if (name.size() <= 8 && m_names.insert(name).second) {
                    return name;
                }
            }
        }
        return {};
    }

    // Clones share their family's hardware; their ROMs are partly their own.
    void AddGame(std::string& out, const Family& family, const std::string& name,
                 const std::string& parent, const std::string& tag) {
        std::string description = family.title + tag;
        for (int n = 2; !m_titles.insert(description).second; ++n) {
            description = family.title + tag + " (set " + std::to_string(n) + ")";
        }
        std::vector<std::string> roms;
        if (family.neoGeo) {
            for (const char* part : {"p1", "s1", "m1", "v1"}) {
                roms.push_back(name.substr(0, 5) + "_" + part + ".rom");
            }
        } else {
            const std::size_t romCount = 2 + m_random.Below(11);
            for (std::size_t i = 0; i < romCount; ++i) {
                const std::string& owner = parent.empty() || m_random.Chance(50) ? name : parent;
                roms.push_back(owner + "." + std::to_string(i + 1) +
                               static_cast<char>('a' + m_random.Below(8)));
            }
        }
        const int year =
            std::stoi(family.year) +
            (parent.empty() || family.neoGeo ? 0 : static_cast<int>(m_random.Below(2)));
        out += name + '\t' + description + '\t' + parent + '\t' + Joined(family.cpus) + '\t' +
               Joined(family.sounds) + '\t' + std::to_string(year) + '\t' + family.manufacturer +
               '\t' + Joined(roms) + '\t' + Joined(family.samples) + '\n';
    }

    static std::string Joined(const std::vector<std::string>& items) {
        std::string text;
        for (const std::string& item : items) {
            if (!text.empty()) {
                text += ',';
            }
            text += item;
        }
        return text;
    }

    Random m_random;
    int m_sequence = 0;
    std::unordered_set<std::string> m_names;
    std::unordered_set<std::string> m_titles;
};

}  // namespace

std::string GenerateCatalogue(int count, std::uint64_t seed) {
    return Generator(seed).Run(count);
}

}  // namespace fake_emulator
