#include "todays_listings.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace fake_emulator {

namespace {

constexpr const char* kNeoGeo = "neogeo";

std::uint32_t NameHash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Padded(const std::string& name, std::size_t width) {
    return name.size() >= width ? name + " " : name + std::string(width - name.size(), ' ');
}

}  // namespace

unsigned RomSize(const std::string& rom) {
    return 1024u << (NameHash(rom) % 7);
}

unsigned RomCrc(const std::string& rom) {
    // The test double's ROM dumps hold their own names, so a test can build a
    // matching zip; the CRC is the real CRC-32 of those bytes.
    std::uint32_t crc = 0xFFFFFFFFu;
    for (char b : rom) {
        crc ^= static_cast<unsigned char>(b);
        for (int k = 0; k < 8; ++k) {
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

std::string TodaysHelp(const Catalogue& catalogue) {
    return "MAME " + catalogue.version +
           " (unknown)\nCopyright MAMEdev and contributors\n\n"
           "Usage:  mame [machine] [media] [software] [options]\n";
}

std::string TodaysListFull(const Catalogue& catalogue) {
    std::string out = "Name:             Description:\n";
    for (const Game& game : catalogue.games) {
        out += Padded(game.name, 18) + "\"" + game.description + "\"\n";
    }
    return out;
}

std::string TodaysListClones(const Catalogue& catalogue) {
    std::string out = "Name:            Clone of:\n";
    for (const Game& game : catalogue.games) {
        if (!game.parent.empty() && game.parent != kNeoGeo) {
            out += Padded(game.name, 17) + game.parent + "\n";
        }
    }
    return out;
}

std::string TodaysListXml(const Catalogue& catalogue) {
    std::string out =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE mame [\n<!ELEMENT mame (machine+)>\n]>\n\n"
        "<mame build=\"" + catalogue.version.substr(1) + " (unknown)\" debug=\"no\" mameconfig=\"10\">\n";
    for (const Game& game : catalogue.games) {
        out += "\t<machine name=\"" + Escaped(game.name) + "\" sourcefile=\"fake.cpp\"";
        if (game.isBios) {
            out += " isbios=\"yes\"";
        }
        if (game.isDevice) {
            out += " isdevice=\"yes\" runnable=\"no\"";
        }
        if (!game.parent.empty() && game.parent != kNeoGeo) {
            out += " cloneof=\"" + Escaped(game.parent) + "\"";
        }
        if (!game.parent.empty()) {
            out += " romof=\"" + Escaped(game.parent) + "\"";
        }
        out += ">\n\t\t<description>" + Escaped(game.description) + "</description>\n";
        if (!game.year.empty()) {
            out += "\t\t<year>" + Escaped(game.year) + "</year>\n";
        }
        if (!game.manufacturer.empty()) {
            out += "\t\t<manufacturer>" + Escaped(game.manufacturer) + "</manufacturer>\n";
        }
        // A game on a BIOS lists the BIOS ROMs too, merged into the BIOS set.
        if (const Game* bios = game.parent.empty() ? nullptr : catalogue.Find(game.parent);
            bios != nullptr && bios->isBios) {
            for (const std::string& rom : bios->roms) {
                char line[256];
                std::snprintf(line, sizeof line,
                              "\t\t<rom name=\"%s\" merge=\"%s\" bios=\"euro\" size=\"%u\" "
                              "crc=\"%08x\" region=\"mainbios\"/>\n",
                              Escaped(rom).c_str(), Escaped(rom).c_str(), RomSize(rom), RomCrc(rom));
                out += line;
            }
        }
        for (const std::string& rom : game.roms) {
            char line[256];
            std::snprintf(line, sizeof line,
                          "\t\t<rom name=\"%s\" size=\"%u\" crc=\"%08x\" region=\"maincpu\"/>\n",
                          Escaped(rom).c_str(), RomSize(rom), RomCrc(rom));
            out += line;
        }
        for (const std::string& sample : game.samples) {
            out += "\t\t<sample name=\"" + Escaped(sample) + "\"/>\n";
        }
        for (const std::string& cpu : game.cpus) {
            out += "\t\t<chip type=\"cpu\" tag=\"maincpu\" name=\"" + Escaped(cpu) + "\"/>\n";
        }
        if (!game.sounds.empty()) {
            out += "\t\t<chip type=\"audio\" tag=\"mono\" name=\"Speaker\"/>\n";
        }
        for (const std::string& sound : game.sounds) {
            out += "\t\t<chip type=\"audio\" tag=\"snd\" name=\"" + Escaped(sound) + "\"/>\n";
        }
        out += "\t</machine>\n";
    }
    out += "</mame>\n";
    return out;
}

}  // namespace fake_emulator
