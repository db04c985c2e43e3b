#pragma once
// The machine list of today's emulator ("-listxml"), read as a stream: one
// machine at a time is handed to the caller, so the whole listing (hundreds
// of megabytes) is never held in memory.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::catalogue {

struct NeededRom {
    std::string name;
    std::string size;   // decimal, as the emulator prints it
    std::string crc;    // eight lower-case hex digits; empty when no dump is known
    std::string merge;  // the name of the same file in the parent's set, or empty
    bool bios = false;  // part of a BIOS the machine loads from the BIOS set
};

struct Machine {
    std::string name;  // lower case
    std::string description;
    std::string cloneOf;  // lower case
    std::string romOf;    // lower case
    bool isBios = false;
    bool isDevice = false;
    bool runnable = true;
    std::string year;
    std::string manufacturer;
    std::vector<NeededRom> roms;
    std::vector<std::string> samples;
    std::vector<std::string> cpus;         // chip names of type "cpu", in order
    std::vector<std::string> soundChips;   // chip names of type "audio", the speakers left out

    // Devices and parts that cannot run on their own are no games.
    bool IsGame() const { return !isDevice && runnable; }
};

// Calls onMachine for every machine of the listing in order. False when the
// file cannot be read or is not well-formed XML (machines before the fault
// have been handed over already).
bool ReadMachineListFile(const std::string& path,
                         const std::function<void(Machine&&)>& onMachine);
// The same for a listing held in memory (small listings, tests).
bool ReadMachineListText(std::string_view text, const std::function<void(Machine&&)>& onMachine);

}  // namespace quorvex::catalogue
