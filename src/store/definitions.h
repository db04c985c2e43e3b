#pragma once
// The definition tables loaded from the program's definition files and the
// field catalogue "mamefld.qvx".

#include <string>
#include <vector>

namespace quorvex::store {

struct FieldDefinition {
    std::string code;  // the Field code letter
    std::string name;  // FIELD_NAME
};

struct FilterDefinition {
    std::string code;
    std::string name;       // FILTER_NAME
    std::string condition;  // CONDITION
};

struct SortingDefinition {
    std::string code;
    std::string name;       // SORTING_NAME
    std::string condition;  // CONDITION
};

struct SettingDefinition {
    std::string code;
    std::string name;  // the emulator option, trailing blanks kept
    std::string type;
    std::string help;
};

std::vector<FieldDefinition> LoadFieldCatalogue(const std::string& path);
std::vector<FilterDefinition> LoadFilterDefinitions(const std::string& path);
std::vector<SortingDefinition> LoadSortingDefinitions(const std::string& path);
std::vector<SettingDefinition> LoadSettingDefinitions(const std::string& path);

}  // namespace quorvex::store
