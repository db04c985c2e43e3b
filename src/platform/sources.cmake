target_sources(quorvex_core PRIVATE
  platform/paths.cpp
  platform/file_system.cpp
  platform/program_directory.cpp
)
