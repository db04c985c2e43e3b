# Cheats, replays and snapshots of a game.
target_sources(quorvex_core PRIVATE
  info/cheats.cpp
  info/replays.cpp
  info/snapshots.cpp
)
