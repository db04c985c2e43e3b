#pragma once
// Generated catalogues of realistic shape and any size, for benchmarks and
// demos: clone families, Neo Geo games under the "neogeo" BIOS entry, CPUs,
// sound chips (some with samples), years, manufacturers and ROM names.

#include <cstdint>
#include <string>

namespace fake_emulator {

// Catalogue text (see catalogue.h) with exactly count games; the same seed gives the same text.
std::string GenerateCatalogue(int count, std::uint64_t seed);

}  // namespace fake_emulator
