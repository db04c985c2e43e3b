#include "store/default_files.h"

#include <vector>

#include "platform/file_system.h"
#include "store/record_line.h"

namespace quorvex::store {

namespace {

std::string DefinitionFile(std::string_view countKey, const std::vector<std::string>& records) {
    std::string header;
    SetRecordValue(header, countKey, std::to_string(records.size()));
    std::string text = header;
    text.append(kLineEnd);
    for (const std::string& record : records) {
        text.append(record).append(kLineEnd);
    }
    return text;
}

}  // namespace

std::string DefaultGameDatabaseText() {
    std::string header;
    SetRecordValue(header, "GAMES_COUNT", "0");
    return header.append(kLineEnd);
}

std::string DefaultSettingsText() {
    return DefinitionFile(
        "SETTINGS_COUNT",
        {"+:CODE:1:+  +:NAME:-noscanlines  :+  +:TYPE:n:+    "
         "+:HELP:if the default mode doesn't work with your monitor/video card (double "
         "image/picture squashed vertically), use -noscanlines or -vesa.:+",
         "+:CODE:2:+ +:NAME:-soundcard    :+  +:TYPE:f8=0;Silence=1;Sound Blaster=2;Sound Blaster "
         "AWE32=3;Pro Audio Spectrum=4;Ultrasound Max (CS4231 Codec)=5;Ultrasound=6;Windows Sound "
         "System=7;Ensoniq Soundscape:+    "
         "+:HELP:select sound card (if this is not specified, you will be asked interactively):+"});
}

std::string DefaultFiltersText() {
    return DefinitionFile(
        "FILTERS_COUNT",
        {"+:CODE:1:+ +:FILTER_NAME:Games without roms:+    +:CONDITION:C==NULL:+",
         "+:CODE:2:+ +:FILTER_NAME:Games with roms:+       +:CONDITION:C!=NULL:+",
         "+:CODE:3:+ +:FILTER_NAME:Games without samples:+ +:CONDITION:D==NULL:+"});
}

std::string DefaultSortingsText() {
    return DefinitionFile("SORTINGS_COUNT",
                          {"+:CODE:1:+ +:SORTING_NAME:Descriptions:+    +:CONDITION:A:+",
                           "+:CODE:2:+ +:SORTING_NAME:Raw Names:+       +:CONDITION:B:+"});
}

std::string DefaultFieldCatalogueText() {
    static constexpr std::pair<char, std::string_view> fields[] = {
        {'A', "Raw name"},
        {'B', "Description"},
        {'C', "Roms zip file"},
        {'D', "Samples zip file"},
        {'L', "Need Sample?"},
        {'E', "Is one of my favorities?"},
        {'F', "Is a clones?"},
        {'G', "Last played"},
        {'T', "Launched"},
        {'H', "Playing time"},
        {'I', "Is a special game? (neogeo)"},
        {'S', "Rating"},
        {'U', "Supported from version.."},
        {'V', "Insert date"},
        {'Z', "Mame executable used"},
        {'Y', "Category"},
        {'W', "Clone's dependencies"},
        {'X', "Manufacturer"},
        {'J', "Year"},
        {'K', "Average frame rate"},
        {'M', "Cpu 1"},
        {'N', "Cpu 2"},
        {'O', "Cpu 3"},
        {'P', "Sound 1"},
        {'Q', "Sound 2"},
        {'R', "Sound 3"},
    };
    std::vector<std::string> records;
    for (const auto& [code, name] : fields) {
        records.push_back(std::string("+:CODE:") + code + ":+ +:FIELD_NAME:" + std::string(name) +
                          ":+");
    }
    return DefinitionFile("FIELDS_COUNT", records);
}

bool CreateDefaultGameDatabase(const std::string& path) {
    return platform::ReplaceFileAtomically(path, DefaultGameDatabaseText());
}

bool CreateDefaultSettings(const std::string& path) {
    return platform::ReplaceFileAtomically(path, DefaultSettingsText());
}

bool CreateDefaultFilters(const std::string& path) {
    return platform::ReplaceFileAtomically(path, DefaultFiltersText());
}

bool CreateDefaultSortings(const std::string& path) {
    return platform::ReplaceFileAtomically(path, DefaultSortingsText());
}

bool CreateDefaultFieldCatalogue(const std::string& path) {
    return platform::ReplaceFileAtomically(path, DefaultFieldCatalogueText());
}

}  // namespace quorvex::store
