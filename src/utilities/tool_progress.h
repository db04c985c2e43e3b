#pragma once
// The frame every long tool of the Utilities page shares: a Progress window
// "Please wait!" with one step for every sixth item and the item's name on
// its text line.

#include <string>
#include <string_view>

#include "store/user_feedback.h"

namespace quorvex::utilities {

class ToolProgress {
public:
    // Opens the window for items things; verb starts every text line.
    ToolProgress(store::Progress& progress, std::string verb, int items);
    ~ToolProgress();
    ToolProgress(const ToolProgress&) = delete;
    ToolProgress& operator=(const ToolProgress&) = delete;

    // Shows the verb, the name and "....".
    void Show(std::string_view name);
    // Counts one item; every sixth steps the bar and lets the windows work.
    void ItemDone();

private:
    store::Progress& m_progress;
    std::string m_verb;
    int m_done = 0;
};

}  // namespace quorvex::utilities
