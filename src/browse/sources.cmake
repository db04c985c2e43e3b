target_sources(quorvex_core PRIVATE
  browse/collection_counts.cpp
  browse/conditions.cpp
  browse/sortings.cpp
  browse/games_list.cpp
  browse/definition_editing.cpp
  browse/game_menu.cpp
)
