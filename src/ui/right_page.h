#pragma once
// What the main window asks of every page of its right-hand tab set.

#include <string>

#include "store/text_utils.h"

namespace quorvex::ui {

class RightPage {
public:
    virtual ~RightPage() = default;
    // Refills the page for the game with this description. Pages skip the
    // work when they already show that game (ignoring case) and force is off.
    virtual void ShowGame(const std::string& description, bool force) = 0;
};

// The test every page makes before refilling.
inline bool NeedsRefill(const std::string& shown, const std::string& wanted, bool force) {
    return force || !store::EqualsNoCase(shown, wanted);
}

}  // namespace quorvex::ui
