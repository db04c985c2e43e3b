#pragma once
// What the play tests share: a game line with settings behind its marker, and
// a recorder in place of the message boxes.

#include <string>
#include <vector>

#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::testing {

inline std::string GameLine(const std::string& name, const std::string& settings) {
    return " +:A:" + name + ":+ +:B:" + name + " game:+\xA7" + settings;
}

inline store::GameRecord Game(const std::string& name, const std::string& settings) {
    return {GameLine(name, settings), "", name + " game"};
}

// Writes down the messages and questions, answering every question alike.
class RecordingFeedback : public store::UserFeedback {
public:
    explicit RecordingFeedback(bool answer = true) : m_answer(answer) {}
    void ShowMessage(const std::string& text, store::MessageIcon) override {
        messages.push_back(text);
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return m_answer;
    }
    std::vector<std::string> messages;
    std::vector<std::string> questions;

private:
    bool m_answer;
};

}  // namespace quorvex::testing
