target_sources(quorvex_core PRIVATE
  platform/paths.cpp
  platform/file_system.cpp
  platform/program_directory.cpp
  platform/process.cpp
  platform/batch_interpreter.cpp
  platform/unzip.cpp
  platform/pcx.cpp
)

# The command runner waits for batches on a worker thread.
find_package(Threads REQUIRED)
target_link_libraries(quorvex_core PUBLIC Threads::Threads)

# Zip listings and flat extraction are built on libzip.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
target_link_libraries(quorvex_core PUBLIC PkgConfig::LIBZIP)
target_sources(quorvex_core PRIVATE platform/zip_directory.cpp)
