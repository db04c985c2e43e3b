#pragma once
// A user who answers the questions from a script and keeps every text shown.

#include <deque>
#include <string>
#include <vector>

#include "store/user_feedback.h"

namespace quorvex::testing {

class ScriptedFeedback : public store::UserFeedback {
public:
    explicit ScriptedFeedback(bool whenScriptIsUsedUp) : m_otherwise(whenScriptIsUsedUp) {}

    void ShowMessage(const std::string& text, store::MessageIcon) override {
        messages.push_back(text);
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty())
            return m_otherwise;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<bool> answers;
    std::vector<std::string> questions;
    std::vector<std::string> messages;

private:
    bool m_otherwise;
};

}  // namespace quorvex::testing
