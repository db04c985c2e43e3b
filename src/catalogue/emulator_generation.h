#pragma once
// Which generation of the emulator the program talks to. The DOS-era releases
// print fixed-column lists and take "-ignorecfg"; today's releases (0.1xx and
// later) describe their machines in one XML listing, reject the DOS-only
// options and write PNG snapshots. Every part of the program that must tell
// them apart asks here.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/needed_file_cache.h"

namespace quorvex::catalogue {

enum class EmulatorGeneration { DosEra, Today };

// From the first line of the "-help" output: "MAME v0.251 (unknown)" is
// today's emulator; "M.A.M.E. v0.36 (...)" and anything else the DOS-era one.
EmulatorGeneration GenerationFromBanner(std::string_view helpOutput);

// The version text of either banner: for today's "v0.251", for the DOS-era
// one the text the fixed column rule gives.
std::string VersionFromBanner(std::string_view helpOutput);

// A fingerprint of the emulator executable in emulatorDirectory (its size and
// modification time); empty when there is no such file. A changed executable
// is asked for its generation again.
std::string EmulatorStamp(const std::string& emulatorDirectory);

// The generation of the emulator in emulatorDirectory as the catalogue import
// last recognised it from its banner: today's when the needed-file cache in
// programDirectory was made by this very executable, otherwise the DOS-era
// one, whose interface the program has always spoken. No emulator is run.
EmulatorGeneration CurrentGeneration(const std::string& programDirectory,
                                     const std::string& emulatorDirectory);

// The needed-file cache when the emulator is today's: the ROM and sample lists
// then come from it. Nothing for the DOS-era emulator, which is asked per
// game, and nothing when the cache cannot be read.
std::optional<NeededFileCache> TodaysNeededFileCache(const std::string& programDirectory,
                                                     const std::string& emulatorDirectory);

}  // namespace quorvex::catalogue
