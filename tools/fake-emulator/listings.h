#pragma once
// The list outputs of the emulator, in the fixed layouts of its DOS-era
// releases. Each returns the whole text with LF line ends.

#include <string>

#include "catalogue.h"

namespace fake_emulator {

// "-listfull": a heading, then name and quoted description.
std::string ListFull(const Catalogue& catalogue);
// "-listclones": a heading, then clone in columns 1-8 and parent from column 10.
std::string ListClones(const Catalogue& catalogue);
// "-listdetails": two headings, then name, three CPUs and three sound chips at fixed columns.
std::string ListDetails(const Catalogue& catalogue);
// "-listgames": two headings, then year, manufacturer and description at fixed columns.
std::string ListGames(const Catalogue& catalogue);
// "-help": the version banner and a short usage text.
std::string Help(const Catalogue& catalogue);
// "<game> -listroms": the ROM table under a heading line beginning with "Name".
std::string ListRoms(const Game& game);
// "<game> -listsamples": one sample name per line.
std::string ListSamples(const Game& game);

}  // namespace fake_emulator
