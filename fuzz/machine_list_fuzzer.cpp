// The machine list reader on any bytes, through the file the import reads:
// it hands over the same machines as the in-memory reader, with names in
// lower case, and every machine it hands over survives the needed-file
// cache written from it.

#include <cctype>
#include <fstream>
#include <unordered_map>

#include "catalogue/machine_list.h"
#include "catalogue/needed_file_cache.h"
#include "fuzz_support.h"

using namespace quorvex;

namespace {

bool IsLower(const std::string& text) {
    for (const char c : text) {
        if (std::isupper(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// Text the cache stores as it is: no separator, line break or record end.
bool Plain(const std::string& text) {
    return text.find_first_of(";|\r\n") == std::string::npos &&
           text.find(":+") == std::string::npos && text.find('\0') == std::string::npos &&
           (text.empty() || text.back() != ':');
}

bool SameMachine(const catalogue::Machine& a, const catalogue::Machine& b) {
    if (a.name != b.name || a.description != b.description || a.cloneOf != b.cloneOf ||
        a.romOf != b.romOf || a.isBios != b.isBios || a.isDevice != b.isDevice ||
        a.runnable != b.runnable || a.year != b.year || a.manufacturer != b.manufacturer ||
        a.samples != b.samples || a.cpus != b.cpus || a.soundChips != b.soundChips ||
        a.roms.size() != b.roms.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.roms.size(); ++i) {
        const auto& x = a.roms[i];
        const auto& y = b.roms[i];
        if (x.name != y.name || x.size != y.size || x.crc != y.crc || x.merge != y.merge ||
            x.bios != y.bios) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    fuzz::ClearScratch();
    const std::string listPath = fuzz::ScratchDirectory() + "list.xml";
    {
        std::ofstream out(listPath, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    std::vector<catalogue::Machine> machines;
    const bool fileRead = catalogue::ReadMachineListFile(
        listPath, [&machines](catalogue::Machine&& machine) { machines.push_back(std::move(machine)); });
    std::vector<catalogue::Machine> inMemory;
    const bool textRead = catalogue::ReadMachineListText(
        text, [&inMemory](catalogue::Machine&& machine) { inMemory.push_back(std::move(machine)); });
    QUORVEX_FUZZ_CHECK(fileRead == textRead);
    QUORVEX_FUZZ_CHECK(machines.size() == inMemory.size());
    for (std::size_t i = 0; i < machines.size(); ++i) {
        QUORVEX_FUZZ_CHECK(SameMachine(machines[i], inMemory[i]));
    }

    catalogue::NeededFileCacheWriter writer;
    std::unordered_map<std::string, int> seen;
    for (const auto& machine : machines) {
        QUORVEX_FUZZ_CHECK(IsLower(machine.name) && IsLower(machine.cloneOf) &&
                           IsLower(machine.romOf));
        for (const auto& rom : machine.roms) {
            QUORVEX_FUZZ_CHECK(IsLower(rom.crc));
        }
        if (machine.IsGame()) {
            writer.Add(machine);
            ++seen[machine.name];
        } else {
            writer.AddNonGame(machine.name);
        }
    }
    const std::string cachePath = fuzz::ScratchDirectory() + catalogue::kNeededFileCacheName;
    QUORVEX_FUZZ_CHECK(writer.Save(cachePath, "0.251 (fuzz)", "12345"));
    const auto cache = catalogue::NeededFileCache::Load(cachePath);
    QUORVEX_FUZZ_CHECK(cache.has_value());
    QUORVEX_FUZZ_CHECK(cache->Header().version == "0.251 (fuzz)" &&
                       cache->Header().stamp == "12345");
    for (const auto& machine : machines) {
        // Names the cache must alter, and names listed twice, have no single answer.
        if (!machine.IsGame() || machine.name.empty() || !Plain(machine.name) ||
            seen[machine.name] != 1) {
            continue;
        }
        const auto files = cache->Find(machine.name);
        QUORVEX_FUZZ_CHECK(files.has_value());
        QUORVEX_FUZZ_CHECK(files->roms.size() == machine.roms.size());
        for (std::size_t i = 0; i < machine.roms.size(); ++i) {
            const auto& rom = machine.roms[i];
            if (Plain(rom.name) && Plain(rom.size) && Plain(rom.crc) && Plain(rom.merge) &&
                !rom.name.empty()) {
                QUORVEX_FUZZ_CHECK(files->roms[i].name == rom.name &&
                                   files->roms[i].size == rom.size &&
                                   files->roms[i].crc == rom.crc &&
                                   files->roms[i].merge == rom.merge &&
                                   files->roms[i].bios == rom.bios);
            }
        }
    }
    return 0;
}
