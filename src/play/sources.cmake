target_sources(quorvex_core PRIVATE
  play/setting_definitions.cpp
  play/game_settings.cpp
  play/after_play.cpp
  play/launch.cpp
)
