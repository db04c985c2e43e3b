#pragma once
// What the page tests share: a feedback recorder in place of message boxes.

#include <string>
#include <vector>

#include "store/user_feedback.h"

namespace quorvex::testing {

class RecordingFeedback : public store::UserFeedback {
public:
    struct Message {
        std::string text;
        store::MessageIcon icon;
    };

    void ShowMessage(const std::string& text, store::MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    std::vector<Message> messages;
    std::vector<std::string> questions;
    bool answer = true;
};

}  // namespace quorvex::testing
