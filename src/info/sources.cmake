# Game information: history and known issues, the information page's rules,
# statistics, cheats, replays and snapshots.
target_sources(quorvex_core PRIVATE
  info/cheats.cpp
  info/companion_texts.cpp
  info/duration_text.cpp
  info/game_info.cpp
  info/replays.cpp
  info/snapshots.cpp
  info/statistics.cpp
)
