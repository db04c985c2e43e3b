target_sources(quorvex_core PRIVATE
  utilities/tool_progress.cpp
  utilities/utilities_settings.cpp
  utilities/old_play_data.cpp
  utilities/old_snapshots.cpp
  utilities/version_history.cpp
  utilities/cheat_merge.cpp
)
