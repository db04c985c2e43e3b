target_sources(quorvex_core PRIVATE
  catalogue/command_runner.cpp
  catalogue/emulator_commands.cpp
  catalogue/emulator_output.cpp
  catalogue/catalogue_import.cpp
)
