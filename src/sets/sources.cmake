target_sources(quorvex_core PRIVATE
  sets/file_lists.cpp
  sets/transformations.cpp
)
