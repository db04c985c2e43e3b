target_sources(quorvex_core PRIVATE
  catalogue/command_runner.cpp
  catalogue/emulator_commands.cpp
  catalogue/emulator_output.cpp
  catalogue/catalogue_import.cpp
)
target_sources(quorvex_core PRIVATE
  catalogue/emulator_generation.cpp
  catalogue/machine_list.cpp
  catalogue/needed_file_cache.cpp
)

# Today's emulator describes its machines in one large XML listing, read as a stream.
find_package(PkgConfig REQUIRED)
pkg_check_modules(EXPAT REQUIRED IMPORTED_TARGET expat)
target_link_libraries(quorvex_core PUBLIC PkgConfig::EXPAT)
