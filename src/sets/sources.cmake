target_sources(quorvex_core PRIVATE
  sets/file_lists.cpp
  sets/links.cpp
  sets/optimise.cpp
  sets/scan.cpp
  sets/scan_run.cpp
  sets/transformations.cpp
)
