#pragma once
// The list outputs of today's emulator releases: the banner "MAME v0.251
// (unknown)", names longer than eight characters, devices in the full list,
// and the XML machine list. Each returns the whole text with LF line ends.

#include <string>

#include "catalogue.h"

namespace fake_emulator {

std::string TodaysHelp(const Catalogue& catalogue);
// "-listfull": devices included, names padded to 17 characters.
std::string TodaysListFull(const Catalogue& catalogue);
// "-listclones": real clones only (a Neo Geo game is no clone of the BIOS).
std::string TodaysListClones(const Catalogue& catalogue);
// "-listxml": machines with description, year, manufacturer, ROMs with size
// and CRC (a ROM's dump is taken to hold its own name), samples and chips.
std::string TodaysListXml(const Catalogue& catalogue);
// The size and CRC the machine list gives a ROM name.
unsigned RomSize(const std::string& rom);
unsigned RomCrc(const std::string& rom);

}  // namespace fake_emulator
