#pragma once
// What the play tests share: a game line with settings behind its marker.

#include <string>

#include "store/game_database.h"

namespace quorvex::testing {

inline std::string GameLine(const std::string& name, const std::string& settings) {
    return " +:A:" + name + ":+ +:B:" + name + " game:+\xA7" + settings;
}

inline store::GameRecord Game(const std::string& name, const std::string& settings) {
    return {GameLine(name, settings), "", name + " game"};
}

}  // namespace quorvex::testing
