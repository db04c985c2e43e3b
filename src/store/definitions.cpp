#include "store/definitions.h"

#include "store/record_file.h"
#include "store/record_line.h"

namespace quorvex::store {

std::vector<FieldDefinition> LoadFieldCatalogue(const std::string& path) {
    std::vector<FieldDefinition> table;
    for (const auto& line : LoadDefinitionLines(path, "FIELDS_COUNT")) {
        table.push_back({GetRecordValue(line, "CODE"), GetRecordValue(line, "FIELD_NAME")});
    }
    return table;
}

std::vector<FilterDefinition> LoadFilterDefinitions(const std::string& path) {
    std::vector<FilterDefinition> table;
    for (const auto& line : LoadDefinitionLines(path, "FILTERS_COUNT")) {
        table.push_back({GetRecordValue(line, "CODE"), GetRecordValue(line, "FILTER_NAME"),
                         GetRecordValue(line, "CONDITION")});
    }
    return table;
}

std::vector<SortingDefinition> LoadSortingDefinitions(const std::string& path) {
    std::vector<SortingDefinition> table;
    for (const auto& line : LoadDefinitionLines(path, "SORTINGS_COUNT")) {
        table.push_back({GetRecordValue(line, "CODE"), GetRecordValue(line, "SORTING_NAME"),
                         GetRecordValue(line, "CONDITION")});
    }
    return table;
}

std::vector<SettingDefinition> LoadSettingDefinitions(const std::string& path) {
    std::vector<SettingDefinition> table;
    for (const auto& line : LoadDefinitionLines(path, "SETTINGS_COUNT")) {
        table.push_back({GetRecordValue(line, "CODE"), GetRecordValue(line, "NAME"),
                         GetRecordValue(line, "TYPE"), GetRecordValue(line, "HELP")});
    }
    return table;
}

}  // namespace quorvex::store
