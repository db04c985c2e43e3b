target_sources(quorvex_core PRIVATE
  sets/file_lists.cpp
  sets/links.cpp
  sets/optimise.cpp
  sets/scan.cpp
  sets/scan_run.cpp
  sets/transformation_build.cpp
  sets/transformation_install.cpp
  sets/transformation_plan.cpp
  sets/transformations.cpp
)
