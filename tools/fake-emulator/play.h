#pragma once
// A play session: what the emulator leaves behind in its directories when a
// game has been played, and the console text it prints.

#include <string>

#include "catalogue.h"

namespace fake_emulator {

struct PlayRequest {
    std::string game;
    std::string record;    // replay to record into "inp/", empty for none
    std::string playback;  // replay to read from "inp/", empty for none
    // Today's emulator: files where it is told, names as given, and a
    // game's ROMs looked for in the ROM path (a zip or a directory of its name).
    bool today = false;
    std::string romPath;
    std::string snapshotDirectory = "snap";
    std::string snapName;  // "%g%i": game name and a four-digit index
    std::string inputDirectory = "inp";
};

// Plays in the current directory (the emulator directory): waits the
// catalogue's delay (or QUORVEX_FAKE_MAME_DELAY_MS), writes a PNG snapshot
// into "snap/", the recording, and the game's "hi/" and "cfg/" files.
// console receives the frame-rate line, or an error text; the result is the exit code.
int Play(const Catalogue& catalogue, const PlayRequest& request, std::string& console);

// A small valid PNG picture whose colour depends on seed.
std::string SnapshotPng(const std::string& seed);

}  // namespace fake_emulator
