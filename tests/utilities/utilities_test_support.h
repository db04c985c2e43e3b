#pragma once
// What the tests of the Utilities tools share: a recorder in place of the
// Progress window and the message boxes, and a game database built from names.

#include <string>
#include <utility>
#include <vector>

#include "store/game_database.h"
#include "store/user_feedback.h"

namespace quorvex::testing {

class Recorder : public store::Progress, public store::UserFeedback {
public:
    void Open(const std::string& title, bool) override {
        this->title = title;
        open = true;
    }
    void SetRange(int lower, int upper) override { range = {lower, upper}; }
    void SetStep(int) override {}
    void SetText(const std::string& text) override { texts.push_back(text); }
    void Step() override { ++steps; }
    void SetPosition(int) override {}
    void Pump() override {}
    bool Cancelled() const override { return false; }
    void Close() override { open = false; }
    void ShowMessage(const std::string& text, store::MessageIcon icon) override {
        messages.push_back(text);
        icons.push_back(icon);
    }
    bool AskYesNo(const std::string&) override { return false; }

    std::string title;
    bool open = false;
    std::pair<int, int> range{0, 0};
    std::vector<std::string> texts;
    int steps = 0;
    std::vector<std::string> messages;
    std::vector<store::MessageIcon> icons;
};

// Games from raw name and description, with more tokens for each.
inline store::GameDatabase Games(const std::vector<std::pair<std::string, std::string>>& games,
                                 const std::vector<std::string>& more = {}) {
    std::vector<store::GameRecord> records;
    for (std::size_t i = 0; i < games.size(); ++i) {
        const std::string extra = i < more.size() ? more[i] : "";
        records.push_back(
            {"+:A:" + games[i].first + ":+ +:B:" + games[i].second + ":+ " + extra + " \xA7", "",
             games[i].second});
    }
    return store::GameDatabase(std::move(records));
}

}  // namespace quorvex::testing
