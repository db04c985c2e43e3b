target_sources(quorvex_core PRIVATE
  platform/paths.cpp
  platform/file_system.cpp
  platform/program_directory.cpp
  platform/process.cpp
  platform/batch_interpreter.cpp
)

# The command runner waits for batches on a worker thread.
find_package(Threads REQUIRED)
target_link_libraries(quorvex_core PUBLIC Threads::Threads)
