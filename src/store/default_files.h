#pragma once
// The data files the program writes from scratch when they are missing.

#include <string>

namespace quorvex::store {

std::string DefaultGameDatabaseText();
std::string DefaultSettingsText();
std::string DefaultFiltersText();
std::string DefaultSortingsText();
std::string DefaultFieldCatalogueText();

// Each writes its file whole; false when it cannot be written.
bool CreateDefaultGameDatabase(const std::string& path);
bool CreateDefaultSettings(const std::string& path);
bool CreateDefaultFilters(const std::string& path);
bool CreateDefaultSortings(const std::string& path);
bool CreateDefaultFieldCatalogue(const std::string& path);

}  // namespace quorvex::store
