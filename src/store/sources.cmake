target_sources(quorvex_core PRIVATE
  store/text_utils.cpp
  store/record_line.cpp
  store/record_file.cpp
  store/game_database.cpp
  store/definitions.cpp
  store/state_file.cpp
  store/default_files.cpp
  store/program_paths.cpp
  store/leftover_files.cpp
  store/user_feedback.cpp
  store/startup.cpp
)
