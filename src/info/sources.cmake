target_sources(quorvex_core PRIVATE
  info/duration_text.cpp
  info/companion_texts.cpp
  info/statistics.cpp
  info/game_info.cpp
)
